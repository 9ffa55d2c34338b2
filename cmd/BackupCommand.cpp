// backup FILE [/force]: every surveyed shortcut, with its hotkey or 0000 for
// none, in a CSV file that restore is known to read back before it takes the
// file's place.
#include "cmd/Commands.h"

#include "cmd/FileAccess.h"
#include "rules/BackupCsv.h"

namespace {
// Why `bytes` do not read back as exactly `rows`; empty when they do.
CString ReadBackProblem(const std::string& bytes, const std::vector<BackupRow>& rows)
{
    std::vector<BackupRow> read;
    BackupError error;
    if (ParseBackupCsv(bytes, read, error) != 1)
        return "restore would refuse it (line " + std::to_string(error.line) + ": " + error.reason + ")";
    const auto same = [](const BackupRow& a, const BackupRow& b) {
        return a.path == b.path && a.target == b.target && a.hotKey == b.hotKey && a.arguments == b.arguments;
    };
    if (read.size() != rows.size() || !std::equal(read.begin(), read.end(), rows.begin(), same))
        return "it does not read back as the rows written";
    return CString();
}
}

int RunBackup(const CommandLine& line, CommandOutput& output)
{
    if (!CheckArguments(line, 1, {"force"}, output))
        return kExitRefused;
    std::vector<SurveyedRow> surveyed;
    if (!SurveyInListOrder(1, surveyed, output)) {
        output.Err({"Nothing written.\r\n"});
        return kExitPartly;
    }
    std::vector<BackupRow> rows;
    std::size_t withHotKey = 0;
    for (const SurveyedRow& row : surveyed) {
        rows.push_back({row.path, row.target, row.hotKey, row.arguments});
        withHotKey += row.hotKey != 0 ? 1 : 0;
    }
    const auto check = [&rows](const std::string& bytes) { return ReadBackProblem(bytes, rows); };
    const int status = WriteFileWhole(line.operands[0], FormatBackupCsv(rows), HasSwitch(line, "force"), check, output);
    if (status == kExitDone)
        output.Out({std::to_string(withHotKey) + " shortcut(s) with a hotkey saved in " + line.operands[0] + ".\r\n"});
    return status;
}
