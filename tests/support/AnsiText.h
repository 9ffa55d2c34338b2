// Converts UTF-8 source text to the system's ANSI code page (932 in the test
// prefix), as the program's own texts are.
#pragma once

#include <windows.h>

#include <string>

inline std::string AnsiFromUtf8(const std::string& utf8)
{
    const int wideLength = ::MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(wideLength), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, &wide[0], wideLength);
    const int ansiLength = ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(ansiLength), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, &ansi[0], ansiLength, nullptr, nullptr);
    ansi.resize(ansi.size() - 1);  // the terminator
    return ansi;
}
