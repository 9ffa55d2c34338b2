// The survey as the commands take it: its failure printed on standard error.
#include "cmd/Commands.h"

#include "keep/BackupFile.h"

bool SurveyInListOrder(int showUnassigned, RowTargets targets, std::vector<SurveyedRow>& rows, CommandOutput& output)
{
    const char* problem = SurveyProblem(SurveyInListOrder(showUnassigned, targets, rows));
    if (problem != nullptr)
        output.Err({"The survey could not run whole: " + CString(problem) + ".\r\n"});
    return problem == nullptr;
}

bool SurveyBackupRows(int showUnassigned, std::vector<BackupRow>& rows, CommandOutput& output)
{
    std::vector<SurveyedRow> surveyed;
    if (!SurveyInListOrder(showUnassigned, RowTargets::kRead, surveyed, output)) {
        output.Err({"Nothing written.\r\n"});
        return false;
    }
    rows = BackupRowsOf(surveyed);
    return true;
}
