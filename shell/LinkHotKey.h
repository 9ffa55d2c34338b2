// Reading and writing the hotkey of one shortcut file, each call on a shell
// link in a COM bracket of its own; an internet shortcut is read as its text.
#pragma once

#include <windows.h>

#include "framework/AfxString.h"
#include "shell/WriteFailure.h"

// The shortcut's hotkey value; 0 when it has none or cannot be opened.
WORD GetLinkHotKey(const char* path, HWND owner);
// Opens the shortcut as GetLinkHotKey does: 1 when it opened, `*hotKey` then
// holding its value; 0 otherwise.
int ReadLinkHotKey(const char* path, HWND owner, WORD* hotKey);
// Stores the low 16 bits of `hotKey` in the shortcut: 1 when written, 0
// otherwise (`failure`, when given, says why; the file is unchanged but
// with kNotConfirmed). A shell link file gets only its 16-bit hotkey word
// rewritten, in place, read back through the same handle, and the shell is
// told of the change; a file of another format the link object reads is
// saved through the object; an internet shortcut (.URL) gets its HotKey
// value rewritten (see InternetShortcut.h). Every opening of the file waits
// a moment while another program's handle forbids it.
int SetLinkHotKey(const char* path, int hotKey, HWND owner, LinkWriteFailure* failure = nullptr);
// SetLinkHotKey without an owner window: true when written; false with the
// reason in English (WriteFailureReason) in `reason` otherwise.
bool WriteLinkHotKey(const CString& path, WORD hotKey, CString& reason);
