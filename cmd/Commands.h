// The command program's commands. Each takes the split arguments, puts what
// it prints into `output` and gives the exit status.
#pragma once

#include <vector>

#include "cmd/CommandLine.h"
#include "rules/BackupCsv.h"
#include "survey/SurveyedRows.h"

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
// check [/fullpath]: a line per finding (duplicate, inert, nokey, system, missing)
int RunCheck(const CommandLine& line, CommandOutput& output);
// free [MODIFIERS]: the combinations no shortcut and no running program holds
int RunFree(const CommandLine& line, CommandOutput& output);
// keep on [FILE], keep off, keep: the keeper started, stopped, or its state
int RunKeep(const CommandLine& line, CommandOutput& output);

// Surveys into `rows` as the survey's SurveyInListOrder does. False, with the reason
// on standard error, when the survey could not run or could not search every
// folder (`rows` then holds what it found).
bool SurveyInListOrder(int showUnassigned, RowTargets targets, std::vector<SurveyedRow>& rows, CommandOutput& output);
// The same, with targets, as the rows of a backup file. False, with "Nothing
// written." after the reason, when the survey did not run whole.
bool SurveyBackupRows(int showUnassigned, std::vector<BackupRow>& rows, CommandOutput& output);

// The whole program: the command the arguments name, or the usage (on
// standard output when asked for with /?, else on standard error).
int RunCommandLine(int argc, const char* const* argv, CommandOutput& output);
// The names of the commands RunCommandLine runs, in the usage's order.
std::vector<CString> CommandNames();

// Prints the rows as the main window's copy puts them on the clipboard, but
// with its fields quoted as RFC 4180 does when `csv` is 1, else aligned text
// with columns counted in `output`'s encoding; names by the display rule for
// `fullPath`.
void PrintList(const std::vector<SurveyedRow>& rows, int fullPath, int csv, CommandOutput& output);
// The rows whose hotkey value another shortcut holds too, grouped by value,
// the groups in the order of their first row; a file listed twice counts
// (and is given) once.
std::vector<SurveyedRow> DuplicateRows(const std::vector<SurveyedRow>& rows);
