// The system's own wording of an error code.
#pragma once

#include <windows.h>

#include "framework/AfxString.h"

// The system's own text for the error code `error` (a Win32 error or a COM
// result), in the user's language, without its trailing line break; the code
// in hexadecimal when the system has no text for it.
CString SystemErrorText(DWORD error);
