// Working the main dialog from test code without GoogleTest, shared by the
// tests, the tools and the benchmark: the dialog created modeless on this
// thread and sent the messages a user's actions send, pumping this thread's
// messages and adding rows as the survey does.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/SurveyDlg.h"

// The one seam through which tests and tools reach the main window's state
// that no message of the window shows: the result list object with its icon
// store, the sort key, the survey flag, the unassigned setting, the measured
// margins, the application icon and the menu bar it attached.
struct CSurveyDlgProbe {
    static CResultList& List(CSurveyDlg& dialog) { return dialog.m_list; }
    static const CResultList& List(const CSurveyDlg& dialog) { return dialog.m_list; }
    static const CRowIcons& Icons(const CSurveyDlg& dialog) { return dialog.m_list.m_icons; }
    // Appends a row as the survey does, its icon `icon` already found (owned by the list).
    static void AddRowWithIcon(CSurveyDlg& dialog, const char* path, const char* hotKeyText, HICON icon)
    {
        dialog.m_list.AddRow(path, hotKeyText, std::nullopt);
        dialog.m_list.m_icons.Keep(dialog.m_list.m_icons.GetSize() - 1, icon);
    }
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

// Sets row `row`'s item data through the list view's own message, as
// another program would; TRUE on success.
BOOL SetRowItemData(const CListCtrl& list, int row, LPARAM data);

// A row of the result list as the list view gives it.
struct ListRow {
    std::string path;    // column 0
    std::string hotKey;  // column 1
    LPARAM data;
};

// The real main dialog, created modeless on this thread (the application's
// main window while there is an application object) and worked as other
// programs work it: commands sent as messages, rows read through the list
// view's messages. Destroying it destroys the window.
class MainDialogDriver {
public:
    MainDialogDriver();
    ~MainDialogDriver();
    MainDialogDriver(const MainDialogDriver&) = delete;
    MainDialogDriver& operator=(const MainDialogDriver&) = delete;

    // True when the dialog's window was created.
    bool Created() const { return m_created; }
    // Sends WM_COMMAND `id` as a menu item or button does; what the handler
    // posts stays queued.
    void Send(UINT id) const;
    // Sends WM_COMMAND `id`, then lets any posted follow-up (such as the
    // survey's sort) run.
    void Command(UINT id) const;
    std::vector<ListRow> Rows() const;
    // Adds a row as the survey does (path, item data, hotkey text, no icon).
    void AddRow(const std::string& path, const std::string& hotKey);
    // Brings View > full path to `on` (0 or 1) through its menu command.
    void ShowFullPath(int on);
    // Scrolls the result list a page at a time to its last row, each page
    // painted as it comes into view.
    void ScrollToEnd() const;

    CSurveyDlg dialog;
    // The result list as other programs see it: its window, read and worked
    // through the list view's own messages.
    CListCtrl list;

private:
    bool m_created = false;
};
