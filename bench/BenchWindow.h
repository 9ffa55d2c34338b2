// The real main window in the benchmark: commands sent as a user's actions
// send them, the survey's loop without its icon step, and what the window
// holds afterwards.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/AfxString.h"
#include "support/WindowDriver.h"

// Sends WM_COMMAND `id` as the menu or the button does; the time the handler
// took. What it posts is left in the queue.
double TimedCommand(MainDialogFixture& window, UINT id);
// The time to dispatch the queued messages (a posted sort, the repaint).
double TimedPump();
// Empties the list and destroys the row icons; the time it took.
double TimedClearRows(MainDialogFixture& window);

// The survey's loop with its icon step left out: each file opened as the
// survey opens it (CSurveyIconResolver::Open, IShellLinkA::GetHotkey), a row
// for each one with a hotkey, no icon. The rows the list then holds, or -1.
int SurveyWithoutIcons(MainDialogFixture& window, const CStringArray& files);

// The survey's rows against each file's answers asked afresh: a row for
// every file that GetLinkHotKey gives a hotkey, with FormatHotKey's text, and
// each file's icon location as the survey's reader gives it equal to what
// GetIconLocation gives for that file alone. The files that differ.
int RowsUnlikeFreshAnswers(const MainDialogFixture& window, const std::vector<std::string>& paths);

// True when the rows are in ascending order of their sort texts by `key`.
bool IsSorted(const MainDialogFixture& window, int key);
// The lines (CR LF) of the text on the clipboard, or -1.
int ClipboardLineCount(HWND owner);

struct HeldIcons {
    int handles = 0;   // non-null row icon slots
    int distinct = 0;  // distinct handles among them
};
HeldIcons RowIconsHeld(const MainDialogFixture& window);

// The process's USER and GDI objects (GetGuiResources; 0 where the platform
// does not count them).
struct GuiObjects {
    DWORD user = 0, gdi = 0;
};
GuiObjects CurrentGuiObjects();

// The process's working set now, in MB (0 when unknown).
double WorkingSetMb();
// The process's peak working set, in MB (0 when unknown).
double PeakWorkingSetMb();
