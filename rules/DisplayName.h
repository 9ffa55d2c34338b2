// The display rule of the result list's column 0: how a stored full path is
// shown, compared and copied.
#pragma once

#include "framework/AfxString.h"

// `path` itself when `fullPath` is 1, otherwise its file name
// (GetPathFileName). The stored path never changes.
CString DisplayName(const char* path, int fullPath);
