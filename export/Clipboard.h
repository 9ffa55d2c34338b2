// Putting text on the clipboard in the CF_TEXT format, and beside it in
// CF_UNICODETEXT where the text has a wide form.
#pragma once

#include <windows.h>

// Replaces the whole clipboard content with the zero-terminated ANSI `text`,
// with `owner` as the clipboard's owner, and with `unicode` as
// CF_UNICODETEXT when it is given. 1 once the clipboard was opened and
// emptied (even if a text's block could not be made), else 0.
int CopyTextToClipboard(HWND owner, const char* text, const wchar_t* unicode = nullptr);

// A new movable global block holding `text` and its terminating zero
// (length + 1 bytes), or NULL when it cannot be made.
HGLOBAL CopyTextToGlobal(const char* text);
