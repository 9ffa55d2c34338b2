// Path text in the system's ANSI code page: the display name and extension
// rules. A double-byte character's second byte may be 0x5C and is then part
// of its character, not a backslash.
#pragma once

#include "framework/AfxString.h"

// True for a lead byte of the system code page (the platform's table on
// Windows; code page 932's in native test builds).
bool IsLeadByte(unsigned char byte);

// The text after the path's last backslash (the whole path if it has none).
CString GetPathFileName(const char* path);
// The text after the last dot of the file name part, or the empty string.
CString GetPathExtension(const char* path);
