// Working the main dialog from test code without GoogleTest, shared by the
// tests, the tools and the benchmark: pumping this thread's messages and
// adding rows as the survey does.
#pragma once

#include <string>

#include "app/SurveyDlg.h"

// Dispatches this thread's queued messages until none is left.
void PumpMessages();

// Appends a row to the dialog's result list as the survey does: the path,
// the hotkey text, the insertion number as item data, no icon.
void AddRowWithoutIcon(CSurveyDlg& dialog, const std::string& path, const std::string& hotKeyText);
