// Reading and writing the hotkey of one shortcut file, each call on a shell
// link in a COM bracket of its own; an internet shortcut is read as its text.
#pragma once

#include <windows.h>

// Why SetLinkHotKey could not write a hotkey.
enum class LinkWriteProblem {
    kNone,
    kNotShortcut,    // the file does not open as a shortcut (or no longer is one)
    kTargetMissing,  // the shortcut's target cannot be located
    kReadOnly,       // the file has the read-only attribute
    kChanged,        // the file changed between reading and writing it
    kSystem,         // a system call failed: `error` holds its error code
    kNotConfirmed,   // the word was written, but flushing or reading it back failed (`error`)
};

struct LinkWriteFailure {
    LinkWriteProblem problem = LinkWriteProblem::kNone;
    DWORD error = 0;  // with kSystem: the system error code (or COM result)
};

// Records why a write failed in `failure`, when given, and gives the failed
// write's result, 0.
int FailWrite(LinkWriteFailure* failure, LinkWriteProblem problem, DWORD error = 0);

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
