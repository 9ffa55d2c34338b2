// Reading and writing the hotkey of one shortcut file, each call in a COM
// bracket of its own.
#pragma once

#include <windows.h>

// The shortcut's hotkey value; 0 when it has none or cannot be opened.
WORD GetLinkHotKey(const char* path, HWND owner);
// Stores the low 16 bits of `hotKey` in the shortcut and saves it: 1 when
// saved, 0 otherwise (the file is then unchanged).
int SetLinkHotKey(const char* path, int hotKey, HWND owner);
