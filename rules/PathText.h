// Path text in the system's ANSI code page: the display name and extension
// rules. A double-byte character's second byte may be 0x5C and is then part
// of its character, not a backslash.
#pragma once

#include "framework/AfxString.h"

// The text after the path's last backslash (the whole path if it has none).
CString GetPathFileName(const char* path);
// The text after the last dot of the file name part, or the empty string.
CString GetPathExtension(const char* path);
