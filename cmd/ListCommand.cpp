// list and duplicates: the survey's rows as the main window copies them,
// the CSV quoted where a field needs it.
#include "cmd/Commands.h"

#include <map>

#include "rules/ExportText.h"

void PrintList(const std::vector<SurveyedRow>& rows, int fullPath, int csv, CommandOutput& output)
{
    if (csv == 1) {
        for (const SurveyedRow& row : rows)
            output.Out({NamePiece(row, fullPath, true), "," + CsvField(row.hotKeyText.str()) + "\r\n"});
        return;
    }
    std::vector<int> widths;
    for (const SurveyedRow& row : rows)
        widths.push_back(output.Columns(NamePiece(row, fullPath)));
    const std::vector<int> spaces = AlignmentSpaces(widths);
    for (std::size_t i = 0; i < rows.size(); ++i)
        output.Out({NamePiece(rows[i], fullPath), CString(std::string(static_cast<std::size_t>(spaces[i]), ' ')),
                    rows[i].hotKeyText, "\r\n"});
}

std::vector<SurveyedRow> DuplicateRows(const std::vector<SurveyedRow>& rows)
{
    // Each file counts once, however many folders list it.
    const CListedShortcuts numbers(rows);
    std::vector<std::size_t> first;
    std::map<WORD, int> holders;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (numbers.IsFirst(i)) {
            first.push_back(i);
            ++holders[rows[i].hotKey];
        }
    std::vector<SurveyedRow> grouped;
    for (std::size_t lead : first) {
        int& count = holders[rows[lead].hotKey];
        if (count < 2)
            continue;
        for (std::size_t i : first)
            if (rows[i].hotKey == rows[lead].hotKey)
                grouped.push_back(rows[i]);
        count = 0;  // the group is out
    }
    return grouped;
}

namespace {
// Prints `rows` as the switches of `line` ask; a survey that did not run
// whole is partly done.
int PrintSurveyed(const CommandLine& line, bool surveyed, const std::vector<SurveyedRow>& rows, CommandOutput& output)
{
    PrintList(rows, HasSwitch(line, "fullpath") ? 1 : 0, HasSwitch(line, "csv") ? 1 : 0, output);
    return surveyed ? kExitDone : kExitPartly;
}
}

int RunList(const CommandLine& line, CommandOutput& output)
{
    if (!CheckArguments(line, 0, {"all", "fullpath", "csv"}, output))
        return kExitRefused;
    std::vector<SurveyedRow> rows;
    const bool surveyed = SurveyInListOrder(HasSwitch(line, "all") ? 1 : 0, RowTargets::kSkipped, rows, output);
    return PrintSurveyed(line, surveyed, rows, output);
}

int RunDuplicates(const CommandLine& line, CommandOutput& output)
{
    if (!CheckArguments(line, 0, {"fullpath", "csv"}, output))
        return kExitRefused;
    std::vector<SurveyedRow> rows;
    const bool surveyed = SurveyInListOrder(0, RowTargets::kSkipped, rows, output);
    return PrintSurveyed(line, surveyed, DuplicateRows(rows), output);
}
