// Drives the real main dialog in a test: created modeless on the test's
// thread, sent the messages a user's actions send, read back from the list.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "app/SurveyDlg.h"
#include "support/Driving.h"

struct ListRow {
    std::string path;    // column 0
    std::string hotKey;  // column 1
    LPARAM data;
};

class MainDialogFixture {
public:
    MainDialogFixture();
    ~MainDialogFixture();
    MainDialogFixture(const MainDialogFixture&) = delete;
    MainDialogFixture& operator=(const MainDialogFixture&) = delete;

    // Sends WM_COMMAND `id` as a menu item or button does, then lets any
    // posted follow-up (such as the survey's sort) run.
    void Command(UINT id);
    std::vector<ListRow> Rows() const;
    // Adds a row as the survey does (path, item data, hotkey text, no icon).
    void AddRow(const std::string& path, const std::string& hotKey);
    // Brings View > full path to `on` (0 or 1) through its menu command.
    void ShowFullPath(int on);
    // Brings View > also show files without a hotkey to `on` through its menu
    // command, confirming the reminder that follows a survey.
    void ShowUnassigned(int on);

    CSurveyDlg dialog;
    // The result list as other programs see it: its window, read and worked
    // through the list view's own messages.
    CListCtrl list;
};

// Acts on a window of this thread as soon as it shows: `action` runs from a
// thread timer, so it runs inside whatever modal loop is going (a dialog's or
// a message box's). If no such window shows within a few seconds, the
// thread's modal windows are closed so the test cannot hang.
class ModalWatcher {
public:
    ModalWatcher(const std::string& caption, std::function<void(HWND)> action);
    ~ModalWatcher();
    ModalWatcher(const ModalWatcher&) = delete;
    ModalWatcher& operator=(const ModalWatcher&) = delete;

    bool Fired() const { return m_fired; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Tick();

    std::string m_caption;
    std::function<void(HWND)> m_action;
    UINT_PTR m_timer = 0;
    int m_ticks = 0;
    bool m_fired = false;
};

// The text of a window (ANSI).
std::string WindowText(HWND window);

// True while `icon` is a handle that has not been destroyed.
bool IsLiveIcon(HICON icon);
