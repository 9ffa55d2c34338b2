// The survey as the command program and the keeper take it: every listed
// shortcut with its hotkey value and target, in the main window's order
// after a survey, numbered by file by the one rule for whether two paths name
// the same shortcut (ListedShortcuts.h).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "rules/HotKeyFindings.h"
#include "survey/ListedShortcuts.h"
#include "survey/SurveyRun.h"

struct SurveyedRow {
    CString path;        // the shortcut file's full path
    CString hotKeyText;  // FormatHotKey of hotKey
    WORD hotKey;         // the stored value, 0 for none
    CString target;      // the target's file-system path or an internet shortcut's URL, empty for none
    CString arguments;   // the arguments a link gives its target, empty for none
    bool acts;           // Windows acts on its hotkey where it lies
    SurveyRoot root;     // the surveyed folder whose tree it lies in
    bool missing;        // its target is gone
    std::wstring longPath;  // `path` with every name in its long form
};

// Whether a survey reads each row's target, arguments and `missing`; a link
// is opened through the shell's link object for them. Without, they are
// empty and false.
enum class RowTargets { kSkipped, kRead };

// Surveys the folders as the main window does (`showUnassigned` 1:
// also the shortcuts without a hotkey) into `rows`, sorted by key name.
// kDone when every folder was searched; otherwise `rows` holds what was found.
// `found`, when given, gets every file collected, listed or not.
SurveyStatus SurveyInListOrder(int showUnassigned, RowTargets targets, std::vector<SurveyedRow>& rows,
                               SurveyFiles* found = nullptr);

// Why a survey with `status` did not run whole, as an English clause; null
// when it did.
const char* SurveyProblem(SurveyStatus status);

// The facts the hotkey findings go by of each of `rows`, numbered by file in
// `numbers`.
std::vector<HotKeyRowFacts> HotKeyFactsOf(const std::vector<SurveyedRow>& rows, const CListedShortcuts& numbers);
