// The keeper's log as text: one line per action (the time, what was done,
// the shortcut, the hotkey and a detail), fields separated by tabs, which no
// path holds; lines end with CR LF. Pure: no windows.h.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "framework/AfxString.h"

struct KeepLogLine {
    CString time;    // "YYYY-MM-DD hh:mm:ss", local time
    CString what;    // what was done: "given back", "moved", "refused", ...
    CString path;    // the shortcut, or the kept file; may be empty
    CString hotKey;  // the hotkey's text; may be empty
    CString detail;  // may be empty
};

// `line` as one log line; tabs and line breaks in its fields become spaces.
std::string FormatKeepLogLine(const KeepLogLine& line);

// The last `count` lines of the log text `log`, oldest first; a line with
// fewer fields has the rest empty, a blank line is skipped.
std::vector<KeepLogLine> LastKeepLogLines(const std::string& log, std::size_t count);

// `log` cut to its newest whole lines, at most `maxLines` of them and at most
// `maxBytes` bytes; `log` itself when it is within both.
std::string TrimmedKeepLog(const std::string& log, std::size_t maxLines, std::size_t maxBytes);
