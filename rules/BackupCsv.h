// The hotkey backup file: one CSV line per shortcut with a hotkey (its full
// path, its target's file-system path or an internet shortcut's URL, the
// hotkey word in 4 hex digits and its text) after a header line. Fields are quoted as RFC 4180 does where
// they hold a comma, a quote or a line break; lines end with CR LF. Texts
// are in the ANSI code page.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/AfxString.h"

struct BackupRow {
    CString path;           // the shortcut file
    CString target;         // its target's file-system path or its URL, empty for none
    std::uint16_t hotKey;   // never 0
};

// Where and why a backup text was refused.
struct BackupError {
    int line = 0;  // 1 for the first line of the text
    CString reason;
};

// The header line, then a line per row.
CString FormatBackupCsv(const std::vector<BackupRow>& rows);

// The rows of a whole backup text: 1 when every line is well formed (the
// header, four fields a row, a path whose extension begins with LNK, PIF or URL,
// a hotkey word of 4 hex digits other than 0000 and exactly its text byte
// for byte, the paths' lead bytes followed by a trail byte and no zero
// byte); otherwise 0 with `error` set and `rows` empty.
int ParseBackupCsv(const std::string& text, std::vector<BackupRow>& rows, BackupError& error);
