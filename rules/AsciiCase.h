// ASCII case folding: A to Z and a to z, every other byte left as it is
// (so a double-byte character's trail byte is never changed into another).
#pragma once

#include "framework/AfxString.h"

// `byte` in lower case when it is an ASCII capital letter.
inline unsigned char AsciiLower(unsigned char byte)
{
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte + 0x20) : byte;
}

// `text` with its ASCII letters in lower case.
CString AsciiLowerCase(const CString& text);
