// restore FILE [/dryrun]: the hotkeys of a backup put back, at the same path
// or on the one new shortcut now pointing at the same target with the same
// arguments; the backup's rows without a hotkey only tell which shortcuts
// are not new, and are never written or printed. Only shortcuts the
// survey lists are written: a path the backup names is looked up among them,
// never opened. Every row is planned against one snapshot before the first
// write; /dryrun prints the plan and writes nothing.
#include "cmd/Commands.h"

#include <map>
#include <string>

#include "keep/BackupFile.h"
#include "rules/RestorePlan.h"
#include "rules/BackupCsv.h"
#include "shell/LinkHotKey.h"

namespace {
// Carries out the planned rows in order, unless `dryRun`, each shortcut
// written at most once, and prints a line for each: the step and the
// shortcut, or "failed" with the reason. False when any row's hotkey is not
// on a shortcut afterwards (or would not be).
class CRestoreRun {
public:
    CRestoreRun(const std::vector<SurveyedRow>& surveyed, bool dryRun, CommandOutput& output)
        : m_surveyed(surveyed), m_dryRun(dryRun), m_output(output)
    {
    }

    bool Apply(const PlannedRow& planned, const BackupRow& row)
    {
        if (planned.step == RestoreStep::kNoted)
            return true;
        if (planned.shortcut < 0) {
            m_output.Out(Candidates(planned, {CString(StepWord(planned.step)) + " ", NamePiece(row.path)}, row));
            return false;
        }
        const CString& path = m_surveyed[static_cast<std::size_t>(planned.shortcut)].path;
        const bool writes = planned.step == RestoreStep::kSet || planned.step == RestoreStep::kMoved;
        const auto done = m_written.find(planned.shortcut);
        CString reason;
        const bool written = !writes || m_dryRun ||
                             (done != m_written.end() ? done->second : WriteLinkHotKey(path, planned.hotKey, reason));
        if (writes)
            m_written.emplace(planned.shortcut, written);
        if (!written) {
            m_output.Out({"failed ", NamePiece(path), ": " + reason + "\r\n"});
            m_output.Err({"Could not write the hotkey into ", NamePiece(path), ": " + reason + ".\r\n"});
            return false;
        }
        OutputLine printed{CString(StepWord(planned.step)) + " ", NamePiece(path)};
        if (planned.step == RestoreStep::kMoved)
            printed.insert(printed.end(), {" (from backup line " + std::to_string(row.line) + ": ", NamePiece(row.path), ")"});
        printed.push_back("\r\n");
        m_output.Out(printed);
        return true;
    }

private:
    // `start` ended with the backup line of `row` and the shortcuts an
    // ambiguous row could have gone to, or with nothing for a missing one.
    OutputLine Candidates(const PlannedRow& planned, OutputLine start, const BackupRow& row) const
    {
        if (planned.step == RestoreStep::kAmbiguous) {
            start.push_back(" (backup line " + std::to_string(row.line) + "; candidates: ");
            for (std::size_t i = 0; i < planned.candidates.size(); ++i) {
                const auto shortcut = static_cast<std::size_t>(planned.candidates[i]);
                start.insert(start.end(), {i == 0 ? "" : " | ", NamePiece(m_surveyed[shortcut].path)});
            }
            start.push_back(")");
        }
        start.push_back("\r\n");
        return start;
    }

    const std::vector<SurveyedRow>& m_surveyed;
    bool m_dryRun;
    CommandOutput& m_output;
    std::map<int, bool> m_written;  // the shortcuts written so far, and whether it worked
};

// The rows of the backup file `path`; false (with the message printed) when
// it cannot be read or is not a backup.
bool ReadBackup(const CString& path, std::vector<BackupRow>& rows, CommandOutput& output)
{
    CString problem;
    if (ReadBackupFile(path, rows, problem))
        return true;
    output.Err({"Not restoring from ", NamePiece(path), ": " + problem + "; nothing written.\r\n"});
    return false;
}
}

int RunRestore(const CommandLine& line, CommandOutput& output)
{
    std::vector<BackupRow> rows;
    if (!CheckArguments(line, 1, {"dryrun"}, output) || !ReadBackup(line.operands[0], rows, output))
        return kExitRefused;
    std::vector<SurveyedRow> surveyed;
    if (!SurveyInListOrder(1, RowTargets::kRead, surveyed, output)) {
        output.Err({"Nothing written.\r\n"});
        return kExitPartly;
    }
    const CListedShortcuts numbers(surveyed);
    std::vector<ListedShortcut> listed;
    for (std::size_t i = 0; i < surveyed.size(); ++i)
        listed.push_back(ListedShortcutOf(surveyed[i], numbers.NumberOf(i)));
    std::vector<RestoreRow> requests;
    for (const BackupRow& row : rows)
        requests.push_back(RestoreRowOf(row, numbers.ByPath(row.path)));
    const std::vector<PlannedRow> plan = PlanRestore(requests, listed);
    CRestoreRun run(surveyed, HasSwitch(line, "dryrun"), output);
    bool all = true;
    for (std::size_t i = 0; i < plan.size(); ++i)
        all = run.Apply(plan[i], rows[i]) && all;
    return all ? kExitDone : kExitPartly;
}
