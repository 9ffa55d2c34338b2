// backup FILE [/force]: every surveyed shortcut, with its hotkey or 0000 for
// none, in a CSV file that restore is known to read back before it takes the
// file's place.
#include "cmd/Commands.h"

#include "cmd/FileAccess.h"
#include "keep/BackupFile.h"

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
    const int status =
        ReportWholeWrite(line.operands[0], WriteBackupFile(line.operands[0], rows, HasSwitch(line, "force")), output);
    if (status == kExitDone)
        output.Out({std::to_string(withHotKey) + " shortcut(s) with a hotkey saved in " + line.operands[0] + ".\r\n"});
    return status;
}
