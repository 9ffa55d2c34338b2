// Working the main dialog from test code without GoogleTest, shared by the
// tests, the tools and the benchmark: pumping this thread's messages and
// adding rows as the survey does.
#pragma once

#include <string>

#include "app/SurveyDlg.h"

// The one seam through which tests and tools reach the main window's state
// that no message of the window shows: the result list object with its icon
// store, the sort key, the survey flag, the unassigned setting, the measured
// margins, the application icon and the menu bar it attached.
struct CSurveyDlgProbe {
    static CResultList& List(CSurveyDlg& dialog) { return dialog.m_list; }
    static const CResultList& List(const CSurveyDlg& dialog) { return dialog.m_list; }
    static const CRowIcons& Icons(const CSurveyDlg& dialog) { return dialog.m_list.m_icons; }
    static int SortKey(const CSurveyDlg& dialog) { return dialog.m_nSortKey; }
    static int Surveyed(const CSurveyDlg& dialog) { return dialog.m_bSurveyed; }
    static int ShowUnassigned(const CSurveyDlg& dialog) { return dialog.m_bShowUnassigned; }
    static int ListLeft(const CSurveyDlg& dialog) { return dialog.m_nListLeft; }
    static int ListTop(const CSurveyDlg& dialog) { return dialog.m_nListTop; }
    static HICON AppIcon(const CSurveyDlg& dialog) { return dialog.m_hIcon; }
    static HMENU MenuBar(const CSurveyDlg& dialog) { return dialog.m_menu.GetSafeHmenu(); }
};

// Dispatches this thread's queued messages until none is left.
void PumpMessages();

// Appends a row to the dialog's result list as the survey does: the path,
// the hotkey text, the insertion number as item data, no icon.
void AddRowWithoutIcon(CSurveyDlg& dialog, const std::string& path, const std::string& hotKeyText);
