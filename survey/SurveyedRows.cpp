// Collecting the survey's rows without a window and putting them in the
// list's order.
#include "survey/SurveyedRows.h"

#include "rules/HotKeyText.h"
#include "rules/RowOrder.h"

namespace {
// Keeps the rows the survey adds, with their targets as asked and without icons.
class CSurveyedRows : public CRowSink {
public:
    explicit CSurveyedRows(RowTargets targets) : CRowSink({/*icons*/ false, targets == RowTargets::kRead}) {}
    void Add(SurveyRow row) override
    {
        m_rows.push_back({row.path, FormatHotKey(row.hotKey), row.hotKey, row.target, row.arguments,
                          WindowsActsOn(row.place), row.place.root, row.targetGone, std::move(row.longPath)});
    }
    const std::vector<SurveyedRow>& Rows() const { return m_rows; }

private:
    std::vector<SurveyedRow> m_rows;
};
}

SurveyStatus SurveyInListOrder(int showUnassigned, RowTargets targets, std::vector<SurveyedRow>& rows,
                               SurveyFiles* found)
{
    CSurveyedRows sink(targets);
    const SurveyStatus status = SurveyShortcuts(nullptr, showUnassigned, sink, found);
    std::vector<CString> sortTexts;
    for (const SurveyedRow& row : sink.Rows())
        sortTexts.push_back(SortTextOf(kSortByKey, 0, row.path, row.hotKeyText));
    rows.clear();
    for (int position : SortedRowOrder(sortTexts))
        rows.push_back(sink.Rows()[static_cast<std::size_t>(position)]);
    return status;
}

const char* SurveyProblem(SurveyStatus status)
{
    switch (status) {
    case SurveyStatus::kDone:
        return nullptr;
    case SurveyStatus::kUnnamedFolder:
        return "a surveyed folder has a path that the ANSI code page cannot name, even by short names";
    case SurveyStatus::kNoCom:
        return "COM could not be initialised, so no shortcut could be opened";
    default:
        return "the shell's memory allocator is not available";
    }
}

std::vector<HotKeyRowFacts> HotKeyFactsOf(const std::vector<SurveyedRow>& rows, const CListedShortcuts& numbers)
{
    std::vector<HotKeyRowFacts> facts;
    for (std::size_t i = 0; i < rows.size(); ++i)
        facts.push_back({rows[i].hotKey, rows[i].acts, numbers.IsFirst(i), rows[i].missing});
    return facts;
}
