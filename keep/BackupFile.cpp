// Writing the backup file with its read-back check, and reading it.
#include "keep/BackupFile.h"

#include <algorithm>
#include <string>

#include "text/UpperCase.h"

namespace {
// Why `bytes` do not read back as exactly `rows`; empty when they do.
CString ReadBackProblem(const std::string& bytes, const std::vector<BackupRow>& rows)
{
    std::vector<BackupRow> read;
    BackupError error;
    if (ParseBackupCsv(bytes, read, error) != 1)
        return "restore would refuse it (line " + std::to_string(error.line) + ": " + error.reason + ")";
    if (!SameBackupRows(read, rows))
        return "it does not read back as the rows written";
    return CString();
}
}

bool SameBackupRows(const std::vector<BackupRow>& a, const std::vector<BackupRow>& b)
{
    const auto same = [](const BackupRow& x, const BackupRow& y) {
        return x.path == y.path && x.target == y.target && x.hotKey == y.hotKey && x.arguments == y.arguments;
    };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), same);
}

WholeWriteResult WriteBackupFile(const CString& path, const std::vector<BackupRow>& rows, bool replace)
{
    const auto check = [&rows](const std::string& bytes) { return ReadBackProblem(bytes, rows); };
    return WriteWholeFile(path, FormatBackupCsv(rows), replace, check);
}

std::vector<BackupRow> BackupRowsOf(const std::vector<SurveyedRow>& surveyed)
{
    std::vector<BackupRow> rows;
    for (const SurveyedRow& row : surveyed)
        rows.push_back({row.path, row.target, row.hotKey, row.arguments});
    return rows;
}

namespace {
// A target path as the restore plan compares it.
std::string TargetKey(const CString& target)
{
    return UpperCaseText(target.GetString()).str();
}
}

ListedShortcut ListedShortcutOf(const SurveyedRow& row, int shortcut)
{
    return {shortcut, TargetKey(row.target), row.hotKey, row.arguments.str()};
}

RestoreRow RestoreRowOf(const BackupRow& row, int shortcut)
{
    RestoreRow restore{shortcut, TargetKey(row.target), row.hotKey};
    if (row.arguments)
        restore.arguments = row.arguments->str();
    return restore;
}

bool ReadBackupFile(const CString& path, std::vector<BackupRow>& rows, CString& problem)
{
    std::string bytes;
    if (!ReadFileWhole(path, bytes)) {
        problem = "it cannot be read";
        return false;
    }
    BackupError error;
    if (ParseBackupCsv(bytes, rows, error) == 1)
        return true;
    problem = "line " + std::to_string(error.line) + ": " + error.reason + "; it is no Velmora backup";
    return false;
}
