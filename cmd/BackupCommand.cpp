// backup FILE [/force]: every surveyed shortcut with a hotkey, in a CSV file.
#include "cmd/Commands.h"

#include "cmd/FileAccess.h"
#include "export/BackupCsv.h"

int RunBackup(const CommandLine& line, CommandOutput& output)
{
    if (!CheckArguments(line, 1, {"force"}, output))
        return kExitRefused;
    std::vector<BackupRow> rows;
    for (const SurveyedRow& row : SurveyInListOrder(0))
        rows.push_back({row.path, row.target, row.hotKey});
    const int status = WriteFileWhole(line.operands[0], FormatBackupCsv(rows), HasSwitch(line, "force"), output);
    if (status == kExitDone)
        output.Out(output.Text(std::to_string(rows.size()) + " shortcut(s) with a hotkey saved in " + line.operands[0] +
                               ".\r\n"));
    return status;
}
