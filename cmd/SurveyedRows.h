// The survey as the command program takes it: every listed shortcut with
// its hotkey value and target, in the main window's order after a survey,
// and the one rule for whether two paths name the same shortcut.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "cmd/CommandLine.h"
#include "framework/FileIdentity.h"

struct SurveyedRow {
    CString path;        // the shortcut file's full path
    CString hotKeyText;  // FormatHotKey of hotKey
    WORD hotKey;         // the stored value, 0 for none
    CString target;      // the target's file-system path or an internet shortcut's URL, empty for none
    bool acts;           // Windows acts on its hotkey where it lies
};

// Surveys the folders as the main window does (`showUnassigned` 1:
// also the shortcuts without a hotkey) into `rows`, sorted by key name.
// False, with the reason on standard error, when the survey could not run
// or could not search every folder (`rows` then holds what it found).
bool SurveyInListOrder(int showUnassigned, std::vector<SurveyedRow>& rows, CommandOutput& output);

// `path` as the rule for one shortcut compares it: made full, with "." and
// ".." resolved, every short name replaced by its long name on a local
// drive, in upper case. Reads folder names only on a local drive and never
// opens the file itself; a UNC, device or "\\?\" path is only made full.
std::wstring ShortcutPathKey(const CString& path);

// The listed shortcuts numbered by file: rows that name one shortcut, by
// their path keys or by the volume and index of the file, share the number
// of the first of them.
class CListedShortcuts {
public:
    // Opens each row's file for its attributes.
    explicit CListedShortcuts(const std::vector<SurveyedRow>& rows);

    // The number of row `row`: the index of the first row naming its file.
    int NumberOf(std::size_t row) const { return m_numbers[row]; }
    // True when row `row` is the first row naming its file.
    bool IsFirst(std::size_t row) const { return NumberOf(row) == static_cast<int>(row); }
    // The number of the listed shortcut whose path key is `path`'s; -1 for
    // none. No file is opened.
    int ByPath(const CString& path) const;
    // The same, or by the file's volume and index (the file opened for its
    // attributes); -1 for none.
    int ByFile(const CString& path) const;

private:
    std::map<std::wstring, int> m_byPath;
    std::map<FileIdentity, int> m_byFile;
    std::vector<int> m_numbers;
};
