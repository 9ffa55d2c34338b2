// The survey: finds every shortcut under the Start Menu, the Desktop and the
// common Start Menu, reads each one's hotkey and hands the rows to a sink.
#pragma once

#include <windows.h>

#include "framework/AfxString.h"

// Where a survey puts its rows, in the order it finds them.
class CRowSink {
public:
    virtual ~CRowSink() = default;
    // Turns repainting off while the rows go in, and on again after them.
    virtual void SetRedraw(BOOL redraw) = 0;
    // Appends a row: the shortcut's full path, its hotkey text and its icon
    // (null for none), which the sink owns from now on. Rows that show the
    // same icon get the same handle; the sink destroys it once.
    virtual void AddRow(const CString& path, const CString& hotKeyText, HICON icon) = 0;

    // True when the sink wants AddLinkDetails after every AddRow; the
    // survey then asks each listed link for its target as well.
    virtual bool WantsLinkDetails() const { return false; }
    // The row just added: its stored hotkey value and its target's
    // file-system path (empty for none).
    virtual void AddLinkDetails(WORD /*hotKey*/, const CString& /*target*/) {}
};

// Surveys the three folders with `owner` as the shell's owner window: a row
// for every shortcut that opens and resolves and has a hotkey (with
// `showUnassigned` 1, for every one that opens). COM is initialised for the
// rows alone; without it no row is built. False only when the shell's
// allocator is not at hand, and nothing was looked at.
bool SurveyShortcuts(HWND owner, int showUnassigned, CRowSink& rows);
