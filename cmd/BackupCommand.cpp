// backup FILE [/force]: every surveyed shortcut, with its hotkey or 0000 for
// none, in a CSV file that restore is known to read back before it takes the
// file's place.
#include "cmd/Commands.h"

#include <algorithm>

#include "cmd/FileAccess.h"
#include "keep/BackupFile.h"

int RunBackup(const CommandLine& line, CommandOutput& output)
{
    if (!CheckArguments(line, 1, {"force"}, output))
        return kExitRefused;
    std::vector<BackupRow> rows;
    if (!SurveyBackupRows(1, rows, output))
        return kExitPartly;
    const auto withHotKey = std::count_if(rows.begin(), rows.end(), [](const BackupRow& row) { return row.hotKey != 0; });
    const int status =
        ReportWholeWrite(line.operands[0], WriteBackupFile(line.operands[0], rows, HasSwitch(line, "force")), output);
    if (status == kExitDone)
        output.Out({std::to_string(withHotKey) + " shortcut(s) with a hotkey saved in " + line.operands[0] + ".\r\n"});
    return status;
}
