// The hotkey backup file: one CSV line per listed shortcut (its full path,
// its target's file-system path or an internet shortcut's URL, the hotkey
// word in 4 hex digits, its text, and the target's arguments) after a header
// line; a shortcut without a hotkey has the word 0000 and an empty text.
// Files with the older four-field header (no arguments, no 0000 rows) still
// read. Fields are quoted as RFC 4180 does where
// they hold a comma, a quote or a line break; lines end with CR LF. Texts
// are in the ANSI code page.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "framework/AfxString.h"

struct BackupRow {
    CString path;           // the shortcut file
    CString target;         // its target's file-system path or its URL, empty for none
    std::uint16_t hotKey;   // 0 for a shortcut without a hotkey
    std::optional<CString> arguments = std::nullopt;  // the target's arguments; none when the file has no such field
    int line = 0;           // the line the row starts on when read; 0 otherwise
};

// Where and why a backup text was refused.
struct BackupError {
    int line = 0;  // 1 for the first line of the text
    CString reason;
};

// The header line with arguments, then a line per row (no arguments written
// as empty).
CString FormatBackupCsv(const std::vector<BackupRow>& rows);

// The rows of a whole backup text: 1 when every line is well formed (the
// header, as many fields a row as it has, a path whose extension begins with
// LNK, PIF or URL, a hotkey word of 4 hex digits and exactly its text byte
// for byte (0000 and an empty text only under the header with arguments),
// the paths' and arguments' lead bytes followed by a trail byte and no zero
// byte); otherwise 0 with `error` set and `rows` empty. Rows read under the
// older header have no arguments.
int ParseBackupCsv(const std::string& text, std::vector<BackupRow>& rows, BackupError& error);
