#include "text/UpperCase.h"

#include <windows.h>

#include <string>

CString UpperCaseText(const char* text)
{
    std::string upper(text);
    if (!upper.empty())
        ::CharUpperBuffA(&upper[0], static_cast<DWORD>(upper.size()));
    return CString(upper);
}
