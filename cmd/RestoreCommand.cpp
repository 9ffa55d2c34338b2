// restore FILE [/dryrun]: the hotkeys of a backup put back, at the same path
// or on the one shortcut now pointing at the same target. Every row is
// planned against one snapshot before the first write; /dryrun prints the
// plan and writes nothing.
#include "cmd/Commands.h"

#include <map>
#include <optional>
#include <string>

#include "cmd/FileAccess.h"
#include "cmd/RestorePlan.h"
#include "shell/LinkHotKey.h"
#include "text/UpperCase.h"

namespace {
// The surveyed hotkeys by upper-cased path.
using HotKeysByPath = std::map<std::string, WORD>;

// The hotkey the shortcut at `path` holds now: from the survey where it lists
// that path, else from the file, opened once; nothing when no shortcut opens
// there.
std::optional<WORD> HotKeyNow(const CString& path, const HotKeysByPath& surveyed)
{
    const auto listed = surveyed.find(UpperCaseText(path.GetString()).str());
    if (listed != surveyed.end())
        return listed->second;
    WORD hotKey = 0;
    if (!OpensAsShortcut(path.GetString(), &hotKey))
        return std::nullopt;
    return hotKey;
}

// Writes `hotKey` into the shortcut `path`; false with the reason (ANSI) in
// `reason` when it could not.
bool WriteHotKey(const CString& path, WORD hotKey, CString& reason)
{
    LinkWriteFailure failure;
    if (SetLinkHotKey(path.GetString(), hotKey, nullptr, &failure) == 1)
        return true;
    reason = WriteFailureReason(failure);
    return false;
}

// Carries out one planned row, unless `dryRun`, and prints its line: the
// step, or "failed" with the reason; false when the row's hotkey is not on a
// shortcut afterwards (or would not be).
bool ApplyRow(const PlannedRow& planned, bool dryRun, CommandOutput& output)
{
    const bool writes = planned.step == RestoreStep::kSet || planned.step == RestoreStep::kMoved;
    CString reason;
    if (writes && !dryRun && !WriteHotKey(planned.path, planned.hotKey, reason)) {
        output.Out("failed " + output.Name(planned.path) + ": " + output.Text(reason) + "\r\n");
        output.Err("Could not write the hotkey into " + output.Name(planned.path) + ": " + output.Text(reason) + ".\r\n");
        return false;
    }
    output.Out(CString(StepWord(planned.step)) + " " + output.Name(planned.path) + "\r\n");
    return writes || planned.step == RestoreStep::kKept;
}

// The rows of the backup file `path`; false (with the message printed) when
// it cannot be read or is not a backup.
bool ReadBackup(const CString& path, std::vector<BackupRow>& rows, CommandOutput& output)
{
    std::string bytes;
    if (!ReadFileWhole(path, bytes)) {
        output.Err(output.Text("Could not read " + path + "; nothing written.\r\n"));
        return false;
    }
    BackupError error;
    if (ParseBackupCsv(bytes, rows, error) == 1)
        return true;
    output.Err(output.Text(path + " line " + std::to_string(error.line) + ": " + error.reason +
                           ". Not a Velmora backup; nothing written.\r\n"));
    return false;
}
}

int RunRestore(const CommandLine& line, CommandOutput& output)
{
    std::vector<BackupRow> rows;
    if (!CheckArguments(line, 1, {"dryrun"}, output) || !ReadBackup(line.operands[0], rows, output))
        return kExitRefused;
    const std::vector<SurveyedRow> surveyed = SurveyInListOrder(1);
    HotKeysByPath byPath;
    for (const SurveyedRow& row : surveyed)
        byPath.emplace(UpperCaseText(row.path.GetString()).str(), row.hotKey);
    std::vector<std::optional<WORD>> own;
    for (const BackupRow& row : rows)
        own.push_back(HotKeyNow(row.path, byPath));
    bool all = true;
    for (const PlannedRow& planned : PlanRestore(rows, own, surveyed))
        all = ApplyRow(planned, HasSwitch(line, "dryrun"), output) && all;
    return all ? kExitDone : kExitPartly;
}
