// The command program's commands. Each takes the split arguments, puts what
// it prints into `output` and gives the exit status.
#pragma once

#include <vector>

#include "cmd/CommandLine.h"
#include "cmd/SurveyedRows.h"

// list [/all] [/fullpath] [/csv]
int RunList(const CommandLine& line, CommandOutput& output);
// duplicates [/fullpath] [/csv]
int RunDuplicates(const CommandLine& line, CommandOutput& output);
// set PATH HOTKEY
int RunSet(const CommandLine& line, CommandOutput& output);
// backup FILE [/force]
int RunBackup(const CommandLine& line, CommandOutput& output);
// restore FILE [/dryrun]
int RunRestore(const CommandLine& line, CommandOutput& output);

// The whole program: the command the arguments name, or the usage.
int RunCommandLine(int argc, const char* const* argv, CommandOutput& output);

// The rows as the main window's copy puts them on the clipboard, but with
// its fields quoted as RFC 4180 does when `csv` is 1, else aligned text;
// names by the display rule for `fullPath`, in `output`'s encoding.
CString ListText(const std::vector<SurveyedRow>& rows, int fullPath, int csv, const CommandOutput& output);
// The rows whose hotkey value another row holds too, grouped by value, the
// groups in the order of their first row.
std::vector<SurveyedRow> DuplicateRows(const std::vector<SurveyedRow>& rows);
