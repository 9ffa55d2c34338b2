// Why the hotkey of a shortcut file could not be written, and that reason as
// each program words it.
#pragma once

#include <windows.h>

#include "framework/AfxString.h"

// Why SetLinkHotKey could not write a hotkey.
enum class LinkWriteProblem {
    kNone,
    kNotShortcut,    // the file does not open as a shortcut (or no longer is one)
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

// The language a reason is given in: the command programs' English or the
// main window's string resources, in the language Windows picks for them.
enum class ReasonLanguage { kEnglish, kWindow };

// Why the hotkey could not be written: in English as one clause, for the
// window as a sentence; the system's text for a failed system call.
CString WriteFailureReason(const LinkWriteFailure& failure, ReasonLanguage language);
