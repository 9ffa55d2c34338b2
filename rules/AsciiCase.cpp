#include "rules/AsciiCase.h"

#include <string>

CString AsciiLowerCase(const CString& text)
{
    std::string lower = text.str();
    for (char& ch : lower)
        ch = static_cast<char>(AsciiLower(static_cast<unsigned char>(ch)));
    return CString(lower);
}
