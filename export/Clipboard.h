// Putting text on the clipboard in the CF_TEXT format.
#pragma once

#include <windows.h>

// Replaces the whole clipboard content with the zero-terminated ANSI `text`,
// with `owner` as the clipboard's owner. 1 once the clipboard was opened and
// emptied (even if the text's block could not be made), else 0.
int CopyTextToClipboard(HWND owner, const char* text);

// A new movable global block holding `text` and its terminating zero
// (length + 1 bytes), or NULL when it cannot be made.
HGLOBAL CopyTextToGlobal(const char* text);
