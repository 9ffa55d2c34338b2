// Stepping through text in the system's ANSI code page, where a lead byte
// and the byte after it make one character.
#pragma once

#include <cstddef>

// True for a lead byte of the system code page (the platform's table on
// Windows; code page 932's in native test builds).
bool IsLeadByte(unsigned char byte);

// How many bytes the character at `at` of the zero-terminated `text` takes:
// 2 for a lead byte followed by a byte other than the terminator, else 1.
inline std::size_t CharacterLength(const char* text, std::size_t at)
{
    return IsLeadByte(static_cast<unsigned char>(text[at])) && text[at + 1] != '\0' ? 2 : 1;
}
