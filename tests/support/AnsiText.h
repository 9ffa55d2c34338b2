// Converts UTF-8 source text to the system's ANSI code page (932 in the test
// prefix), by the same conversion as the program's own texts.
#pragma once

#include <string>

#include "framework/AfxString.h"

inline std::string AnsiFromUtf8(const std::string& utf8)
{
    return CString::FromUtf8(utf8.c_str()).str();
}
