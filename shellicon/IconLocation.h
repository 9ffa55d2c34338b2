// The icon the shell would show for a path, as an icon file and index.
#pragma once

#include <windows.h>

#include "framework/AfxString.h"

// 1 when `iconFile` and `*iconIndex` now name an icon, 0 when none was found.
// `comFlag` 1 brackets the call with its own CoInitialize/CoUninitialize.
int GetIconLocation(HWND owner, const char* path, CString& iconFile, int* iconIndex, int comFlag);
