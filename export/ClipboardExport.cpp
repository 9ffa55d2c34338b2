// Edit > copy and Edit > copy as CSV: the result list, in its current order,
// as text on the clipboard.
#include <vector>

#include "app/SurveyDlg.h"
#include "export/Clipboard.h"
#include "export/ExportText.h"
#include "framework/App.h"

namespace {
// The list's rows from top to bottom: `displayText` of column 0, column 1 as is.
template <typename DisplayRule>
std::vector<ExportRow> CollectExportRows(const CListCtrl& list, DisplayRule displayText)
{
    std::vector<ExportRow> rows;
    const int count = list.GetItemCount();
    for (int i = 0; i < count; ++i)
        rows.push_back({displayText(list.GetItemText(i, 0)), list.GetItemText(i, 1)});
    return rows;
}
}

// Edit > copy: column-aligned text. A clipboard held elsewhere is left alone.
void CSurveyDlg::OnEditCopyText()
{
    BeginWaitCursor();
    const auto display = [this](const CString& path) { return DisplayText(path); };
    CopyTextToClipboard(m_hWnd, FormatAlignedText(CollectExportRows(m_list, display)));
    EndWaitCursor();
}

// Edit > copy as CSV: one "name,hotkey" line per row.
void CSurveyDlg::OnEditCopyCsv()
{
    BeginWaitCursor();
    const auto display = [this](const CString& path) { return DisplayText(path); };
    CopyTextToClipboard(m_hWnd, FormatCsvText(CollectExportRows(m_list, display)));
    EndWaitCursor();
}
