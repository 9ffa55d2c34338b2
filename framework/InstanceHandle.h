// The program's instance handle: the module its resources are loaded from.
#pragma once

#include <windows.h>

inline HINSTANCE AfxGetInstanceHandle() { return ::GetModuleHandleA(nullptr); }
