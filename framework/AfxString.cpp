#include "framework/AfxString.h"

#include <windows.h>

#include "framework/App.h"

bool CString::LoadFromResource(unsigned id)
{
    // Japanese strings in code page 932 take at most two bytes a character.
    char buffer[512] = {};
    const int length = ::LoadStringA(AfxGetInstanceHandle(), id, buffer, sizeof(buffer));
    m_str.assign(buffer, length > 0 ? static_cast<size_t>(length) : 0);
    return length > 0;
}
