#include "cmd/StandardOutput.h"

#include <string>

namespace {
// `text` in code page `codePage` as UTF-16.
std::wstring WideOf(const CString& text, UINT codePage)
{
    return WideFromCodePage(codePage, text.GetString());
}

// `wide` in code page `codePage`.
CString BytesOf(const std::wstring& wide, UINT codePage)
{
    return CodePageFromWide(codePage, wide.c_str());
}

// The long form of the path `wide` (every short name replaced by its long
// name); `wide` itself when the file cannot be found.
std::wstring LongPathOf(const std::wstring& wide)
{
    const DWORD length = ::GetLongPathNameW(wide.c_str(), nullptr, 0);
    std::wstring longPath(length, L'\0');
    if (length == 0 || ::GetLongPathNameW(wide.c_str(), &longPath[0], length) + 1 != length)
        return wide;
    longPath.resize(length - 1);
    return longPath;
}
}

CStandardOutput::CStandardOutput(bool utf8)
    : m_utf8(utf8), m_out(StreamOf(STD_OUTPUT_HANDLE)), m_err(StreamOf(STD_ERROR_HANDLE)),
      m_codePage(utf8 || m_out.console ? CP_UTF8 : CP_ACP)
{
}

CStandardOutput::Stream CStandardOutput::StreamOf(DWORD which)
{
    const HANDLE handle = ::GetStdHandle(which);
    DWORD mode = 0;
    const bool valid = handle != nullptr && handle != INVALID_HANDLE_VALUE;
    return {valid ? handle : nullptr, valid && ::GetConsoleMode(handle, &mode) != FALSE};
}

void CStandardOutput::Out(const CString& lines)
{
    Write(m_out, lines);
}

void CStandardOutput::Err(const CString& lines)
{
    Write(m_err, lines);
}

CString CStandardOutput::Text(const CString& text) const
{
    return m_codePage == CP_ACP ? text : BytesOf(WideOf(text, CP_ACP), CP_UTF8);
}

CString CStandardOutput::Name(const CString& path, int fullPath) const
{
    if (m_codePage == CP_ACP)
        return CommandOutput::Name(path, fullPath);
    std::wstring name = LongPathOf(WideOf(path, CP_ACP));
    if (fullPath != 1)
        name = name.substr(name.rfind(L'\\') + 1);
    return BytesOf(name, CP_UTF8);
}

TextColumns CStandardOutput::Columns() const
{
    return m_codePage == CP_ACP ? &ByteColumns : &Utf8Columns;
}

// Writes `lines` now: as wide text to a console; else as UTF-8 with /utf8,
// as ANSI bytes without it.
void CStandardOutput::Write(const Stream& stream, const CString& lines) const
{
    DWORD written = 0;
    if (stream.handle == nullptr || lines.IsEmpty())
        return;
    if (stream.console) {
        const std::wstring wide = WideOf(lines, m_codePage);
        ::WriteConsoleW(stream.handle, wide.c_str(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    const CString bytes = m_codePage == CP_UTF8 && !m_utf8 ? BytesOf(WideOf(lines, CP_UTF8), CP_ACP) : lines;
    ::WriteFile(stream.handle, bytes.GetString(), static_cast<DWORD>(bytes.GetLength()), &written, nullptr);
}
