// The survey as the command program takes it: every listed shortcut with
// its hotkey value and target, in the main window's order after a survey.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/AfxString.h"

struct SurveyedRow {
    CString path;        // the shortcut file's full path
    CString hotKeyText;  // FormatHotKey of hotKey
    WORD hotKey;         // the stored value, 0 for none
    CString target;      // the target's file-system path, empty for none
};

// Surveys the three folders as the main window does (`showUnassigned` 1:
// also the shortcuts without a hotkey) and gives the rows sorted by key name.
std::vector<SurveyedRow> SurveyInListOrder(int showUnassigned);
