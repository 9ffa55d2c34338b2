#include "cmd/StandardOutput.h"

#include <cstdio>
#include <string>

#include "rules/ExportText.h"
#include "framework/SystemError.h"
#include "rules/DoubleByte.h"
#include "text/ShownName.h"

namespace {
// The characters `count` bytes at `bytes` stand for in the ANSI code page,
// appended to `wide`; false when they are not exactly one or more whole
// characters of it.
bool AppendDecoded(const char* bytes, int count, std::wstring& wide)
{
    const int length = ::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes, count, nullptr, 0);
    if (length <= 0)
        return false;
    const std::size_t end = wide.size();
    wide.resize(end + static_cast<std::size_t>(length));
    return ::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes, count, &wide[end], length) == length;
}
}

std::wstring ShownWideOfAnsi(const CString& ansi)
{
    const std::string& bytes = ansi.str();
    std::wstring wide;
    if (bytes.empty() || AppendDecoded(bytes.data(), static_cast<int>(bytes.size()), wide))
        return wide;
    for (std::size_t i = 0; i < bytes.size();) {
        const bool pair = CharacterLength(bytes.c_str(), i) == 2 && AppendDecoded(bytes.data() + i, 2, wide);
        if (pair) {
            i += 2;
            continue;
        }
        if (!AppendDecoded(bytes.data() + i, 1, wide)) {
            wchar_t code[8];
            std::swprintf(code, 8, L"<%02X>", static_cast<unsigned char>(bytes[i]));
            wide += code;
        }
        ++i;
    }
    return wide;
}

CStandardOutput::CStandardOutput(bool utf8)
    : m_utf8(utf8), m_out(StreamOf(STD_OUTPUT_HANDLE)), m_err(StreamOf(STD_ERROR_HANDLE)),
      m_wide(utf8 || m_out.console)
{
}

CStandardOutput::Stream CStandardOutput::StreamOf(DWORD which)
{
    const HANDLE handle = ::GetStdHandle(which);
    DWORD mode = 0;
    const bool valid = handle != nullptr && handle != INVALID_HANDLE_VALUE;
    return {valid ? handle : nullptr, valid && ::GetConsoleMode(handle, &mode) != FALSE};
}

CString CStandardOutput::EncodePiece(const OutputPiece& piece) const
{
    if (!m_wide)
        return CommandOutput::EncodePiece(piece);
    if (piece.name < 0)
        return CodePageFromWide(CP_UTF8, ShownWideOfAnsi(piece.text).c_str());
    const std::wstring longPath = piece.longPath.empty() ? LongPathOf(piece.text) : piece.longPath;
    const CString shown = CodePageFromWide(CP_UTF8, ShownNameIn(longPath, piece.name).c_str());
    return piece.csvField ? CString(CsvField(shown.str())) : shown;
}

int CStandardOutput::Columns(const OutputPiece& piece) const
{
    return m_wide ? Utf8Columns(EncodePiece(piece)) : CommandOutput::Columns(piece);
}

void CStandardOutput::Put(bool error, const CString& bytes)
{
    const bool written = Write(error ? m_err : m_out, bytes);
    if (!written && !error && m_outError == ERROR_SUCCESS)
        m_outError = ::GetLastError() != ERROR_SUCCESS ? ::GetLastError() : ERROR_WRITE_FAULT;
}

int CStandardOutput::Finish(int status)
{
    if (m_outError == ERROR_SUCCESS)
        return status;
    if (!IsClosedPipe(m_outError))
        Err({"Could not write the output: " + SystemErrorText(m_outError) + "\r\n"});
    return status == kExitDone ? kExitPartly : status;
}

// A pipe whose reader has closed its end: ERROR_NO_DATA for a pipe the
// program made, ERROR_PIPE_NOT_CONNECTED for a Unix pipe under Wine, or
// ERROR_BROKEN_PIPE.
bool CStandardOutput::IsClosedPipe(DWORD error)
{
    return error == ERROR_BROKEN_PIPE || error == ERROR_NO_DATA || error == ERROR_PIPE_NOT_CONNECTED;
}

// Writes `bytes` now: as wide text to a console; else as UTF-8 with /utf8,
// as ANSI bytes without it (lines built in UTF-8 for a console on the other
// handle are turned back into ANSI).
bool CStandardOutput::Write(const Stream& stream, const CString& bytes) const
{
    if (stream.handle == nullptr || bytes.IsEmpty())
        return true;
    DWORD written = 0;
    if (stream.console) {
        const std::wstring wide = m_wide ? WideFromCodePage(CP_UTF8, bytes.GetString()) : ShownWideOfAnsi(bytes);
        const DWORD length = static_cast<DWORD>(wide.size());
        return ::WriteConsoleW(stream.handle, wide.c_str(), length, &written, nullptr) && written == length;
    }
    const CString out = m_wide && !m_utf8 ? CodePageFromWide(CP_ACP, WideFromCodePage(CP_UTF8, bytes.GetString()).c_str()) : bytes;
    const DWORD length = static_cast<DWORD>(out.GetLength());
    return ::WriteFile(stream.handle, out.GetString(), length, &written, nullptr) && written == length;
}
