// Drives the real main dialog in a test: created modeless on the test's
// thread, sent the messages a user's actions send, read back from the list.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/SurveyDlg.h"

// Dispatches this thread's queued messages until none is left.
void PumpMessages();

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

    CSurveyDlg dialog;
};
