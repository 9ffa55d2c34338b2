// list and duplicates: the survey's rows as the main window copies them,
// the CSV quoted where a field needs it.
#include "cmd/Commands.h"

#include <map>

#include "export/ExportText.h"

CString ListText(const std::vector<SurveyedRow>& rows, int fullPath, int csv, const CommandOutput& output)
{
    std::vector<ExportRow> exported;
    for (const SurveyedRow& row : rows)
        exported.push_back({output.Name(row.path, fullPath), row.hotKeyText});
    return csv == 1 ? FormatQuotedCsvText(exported) : FormatAlignedText(exported, output.Columns());
}

std::vector<SurveyedRow> DuplicateRows(const std::vector<SurveyedRow>& rows)
{
    std::map<WORD, int> holders;
    for (const SurveyedRow& row : rows)
        ++holders[row.hotKey];
    std::vector<SurveyedRow> grouped;
    for (const SurveyedRow& first : rows) {
        int& count = holders[first.hotKey];
        if (count < 2)
            continue;
        for (const SurveyedRow& row : rows)
            if (row.hotKey == first.hotKey)
                grouped.push_back(row);
        count = 0;  // the group is out
    }
    return grouped;
}

int RunList(const CommandLine& line, CommandOutput& output)
{
    if (!CheckArguments(line, 0, {"all", "fullpath", "csv"}, output))
        return kExitRefused;
    const std::vector<SurveyedRow> rows = SurveyInListOrder(HasSwitch(line, "all") ? 1 : 0);
    output.Out(ListText(rows, HasSwitch(line, "fullpath") ? 1 : 0, HasSwitch(line, "csv") ? 1 : 0, output));
    return kExitDone;
}

int RunDuplicates(const CommandLine& line, CommandOutput& output)
{
    if (!CheckArguments(line, 0, {"fullpath", "csv"}, output))
        return kExitRefused;
    const std::vector<SurveyedRow> rows = DuplicateRows(SurveyInListOrder(0));
    output.Out(ListText(rows, HasSwitch(line, "fullpath") ? 1 : 0, HasSwitch(line, "csv") ? 1 : 0, output));
    return kExitDone;
}
