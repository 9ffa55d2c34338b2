#include "framework/SystemError.h"

CString SystemErrorText(DWORD error)
{
    char text[512] = {};
    DWORD length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                                    sizeof(text), nullptr);
    while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n' || text[length - 1] == ' '))
        --length;
    if (length > 0)
        return CString(text, static_cast<int>(length));
    char code[16] = {};
    ::wsprintfA(code, "0x%08lX", error);
    return CString(code);
}
