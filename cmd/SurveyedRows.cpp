// Collecting the survey's rows without a window and putting them in the
// list's order.
#include "cmd/SurveyedRows.h"

#include "resultlist/RowOrder.h"
#include "survey/SurveyRun.h"

namespace {
// Keeps the rows the survey adds, with their details and without icons.
class CSurveyedRows : public CRowSink {
public:
    void SetRedraw(BOOL) override {}
    bool WantsIcons() const override { return false; }
    void AddRow(const CString& path, const CString& hotKeyText, HICON) override
    {
        m_rows.push_back({path, hotKeyText, 0, CString()});
    }
    bool WantsLinkDetails() const override { return true; }
    void AddLinkDetails(WORD hotKey, const CString& target) override
    {
        m_rows.back().hotKey = hotKey;
        m_rows.back().target = target;
    }
    const std::vector<SurveyedRow>& Rows() const { return m_rows; }

private:
    std::vector<SurveyedRow> m_rows;
};
}

std::vector<SurveyedRow> SurveyInListOrder(int showUnassigned)
{
    CSurveyedRows sink;
    SurveyShortcuts(nullptr, showUnassigned, sink);
    std::vector<CString> sortTexts;
    for (const SurveyedRow& row : sink.Rows())
        sortTexts.push_back(SortTextOf(kSortByKey, 0, row.path, row.hotKeyText));
    std::vector<SurveyedRow> sorted;
    for (int position : SortedRowOrder(sortTexts))
        sorted.push_back(sink.Rows()[static_cast<std::size_t>(position)]);
    return sorted;
}
