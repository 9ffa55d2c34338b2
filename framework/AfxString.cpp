#include "framework/AfxString.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "framework/InstanceHandle.h"

bool CString::LoadFromResource(unsigned id)
{
    // Japanese strings in code page 932 take at most two bytes a character.
    char buffer[512] = {};
    const int length = ::LoadStringA(AfxGetInstanceHandle(), id, buffer, sizeof(buffer));
    m_str.assign(buffer, length > 0 ? static_cast<size_t>(length) : 0);
    return length > 0;
}

CString CString::FromResource(unsigned id)
{
    CString text;
    text.LoadFromResource(id);
    return text;
}

std::wstring LoadWideString(unsigned id, const std::vector<std::wstring>& inserts)
{
    const wchar_t* resource = nullptr;
    const int length = ::LoadStringW(AfxGetInstanceHandle(), id, reinterpret_cast<wchar_t*>(&resource), 0);
    const std::wstring text = length > 0 ? std::wstring(resource, static_cast<size_t>(length)) : std::wstring();
    if (inserts.empty() || text.empty())
        return text;
    std::vector<DWORD_PTR> arguments;
    for (const std::wstring& insert : inserts)
        arguments.push_back(reinterpret_cast<DWORD_PTR>(insert.c_str()));
    wchar_t* formatted = nullptr;
    const DWORD flags = FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY | FORMAT_MESSAGE_ALLOCATE_BUFFER;
    if (::FormatMessageW(flags, text.c_str(), 0, 0, reinterpret_cast<wchar_t*>(&formatted), 0,
                         reinterpret_cast<va_list*>(arguments.data())) == 0)
        return text;
    const std::wstring result(formatted);
    ::LocalFree(formatted);
    return result;
}

std::wstring WideFromCodePage(unsigned codePage, const char* text)
{
    const int length = ::MultiByteToWideChar(codePage, 0, text, -1, nullptr, 0);
    if (length <= 0)
        return std::wstring();
    std::vector<wchar_t> wide(static_cast<size_t>(length));
    ::MultiByteToWideChar(codePage, 0, text, -1, wide.data(), length);
    return std::wstring(wide.data());
}

CString CodePageFromWide(unsigned codePage, const wchar_t* wide)
{
    const int length = ::WideCharToMultiByte(codePage, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return CString();
    std::vector<char> bytes(static_cast<size_t>(length));
    ::WideCharToMultiByte(codePage, 0, wide, -1, bytes.data(), length, nullptr, nullptr);
    return CString(bytes.data());
}

CString CString::FromUtf8(const char* utf8)
{
    return AnsiFromWide(WideFromCodePage(CP_UTF8, utf8).c_str());
}

std::wstring WideFromAnsi(const char* ansi)
{
    return WideFromCodePage(CP_ACP, ansi);
}

CString AnsiFromWide(const wchar_t* wide)
{
    return CodePageFromWide(CP_ACP, wide);
}

bool ToWidePath(const char* path, wchar_t (&wide)[260])
{
    if (std::strlen(path) >= MAX_PATH)
        return false;
    return ::MultiByteToWideChar(CP_ACP, 0, path, -1, wide, MAX_PATH) != 0;
}
