// Upper-casing text in the system's ANSI code page.
#pragma once

#include "framework/AfxString.h"

// The code page's upper-casing: a to z become A to Z, a double-byte
// character is upper-cased as one unit by the locale's case mapping
// (Windows only: the platform's mapping).
CString UpperCaseText(const char* text);
