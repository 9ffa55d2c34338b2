#include "framework/AfxString.h"

#include <windows.h>

#include "framework/App.h"

#include <vector>

bool CString::LoadFromResource(unsigned id)
{
    // Japanese strings in code page 932 take at most two bytes a character.
    char buffer[512] = {};
    const int length = ::LoadStringA(AfxGetInstanceHandle(), id, buffer, sizeof(buffer));
    m_str.assign(buffer, length > 0 ? static_cast<size_t>(length) : 0);
    return length > 0;
}

CString CString::FromUtf8(const char* utf8)
{
    const int wideLength = ::MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    if (wideLength <= 0)
        return CString();
    std::vector<wchar_t> wide(static_cast<size_t>(wideLength));
    ::MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide.data(), wideLength);
    const int length = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return CString();
    std::vector<char> ansi(static_cast<size_t>(length));
    ::WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, ansi.data(), length, nullptr, nullptr);
    return CString(ansi.data());
}
