// restore FILE [/dryrun]: the hotkeys of a backup put back, at the same path
// or on the one shortcut now pointing at the same target.
#include "cmd/Commands.h"

#include <windows.h>

#include "cmd/FileAccess.h"
#include "export/BackupCsv.h"
#include "shell/LinkHotKey.h"

namespace {
// What restoring one row takes: the surveyed shortcuts and whether to write.
struct RestoreContext {
    const std::vector<SurveyedRow>& surveyed;
    bool dryRun;
    CommandOutput& output;
};

// Gives the shortcut at `path`, whose hotkey is now `current`, the row's
// hotkey unless it has it; false when that could not be written.
bool GiveHotKey(const CString& path, WORD current, const BackupRow& row, RestoreContext& context)
{
    if (current == row.hotKey || context.dryRun)
        return true;
    LinkWriteFailure failure;
    if (SetLinkHotKey(path.GetString(), row.hotKey, nullptr, &failure) == 1)
        return true;
    context.output.Err("Could not write the hotkey into " + context.output.Name(path) + ": " +
                       context.output.Text(WriteFailureReason(failure)) +
                       ".\r\n");
    return false;
}

// The surveyed shortcuts whose target is `target` (compared without case).
std::vector<const SurveyedRow*> WithTarget(const CString& target, const std::vector<SurveyedRow>& surveyed)
{
    std::vector<const SurveyedRow*> found;
    for (const SurveyedRow& row : surveyed)
        if (!target.IsEmpty() && ::lstrcmpiA(row.target.GetString(), target.GetString()) == 0)
            found.push_back(&row);
    return found;
}

// Restores one row and prints its line; true when it was kept, set or moved.
bool RestoreRow(const BackupRow& row, RestoreContext& context)
{
    CommandOutput& out = context.output;
    WORD current = 0;
    if (OpensAsShortcut(row.path.GetString(), &current)) {
        const bool given = GiveHotKey(row.path, current, row, context);
        out.Out(CString(!given ? "failed " : current == row.hotKey ? "kept " : "set ") + out.Name(row.path) + "\r\n");
        return given;
    }
    const std::vector<const SurveyedRow*> found = WithTarget(row.target, context.surveyed);
    if (found.size() != 1) {
        out.Out(CString(found.empty() ? "missing " : "ambiguous ") + out.Name(row.path) + "\r\n");
        return false;
    }
    const bool given = GiveHotKey(found[0]->path, found[0]->hotKey, row, context);
    out.Out(CString(given ? "moved " : "failed ") + out.Name(found[0]->path) + "\r\n");
    return given;
}
}

int RunRestore(const CommandLine& line, CommandOutput& output)
{
    if (!CheckArguments(line, 1, {"dryrun"}, output))
        return kExitRefused;
    std::string bytes;
    if (!ReadFileWhole(line.operands[0], bytes)) {
        output.Err(output.Text("Could not read " + line.operands[0] + "; nothing written.\r\n"));
        return kExitRefused;
    }
    std::vector<BackupRow> rows;
    BackupError error;
    if (ParseBackupCsv(bytes, rows, error) != 1) {
        output.Err(output.Text(line.operands[0] + " line " + std::to_string(error.line) + ": " + error.reason +
                               ". Not a Velmora backup; nothing written.\r\n"));
        return kExitRefused;
    }
    const std::vector<SurveyedRow> surveyed = SurveyInListOrder(1);
    RestoreContext context{surveyed, HasSwitch(line, "dryrun"), output};
    bool all = true;
    for (const BackupRow& row : rows)
        all = RestoreRow(row, context) && all;
    return all ? kExitDone : kExitPartly;
}
