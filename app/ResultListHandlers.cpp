// The main window's handlers for the survey, the result list's rows, sorting
// and the clipboard copies: each hands its work to the room that does it.
#include "app/SurveyDlg.h"
#include "export/Clipboard.h"
#include "export/ClipboardExport.h"
#include "framework/App.h"
#include "survey/SurveyRun.h"

// The start button: a new survey replaces the whole list, then sorts by key.
void CSurveyDlg::RunSurvey()
{
    m_bSurveyed = 1;
    BeginWaitCursor();
    m_list.DeleteAllItems();
    ClearRowIcons();
    const bool surveyed = SurveyShortcuts(m_hWnd, m_bShowUnassigned, m_list);
    EndWaitCursor();
    if (surveyed)
        PostMessage(WM_COMMAND, ID_SORT_BY_KEY, 0);
}

// Paints one row of the result list; requests for other controls are ignored.
void CSurveyDlg::OnDrawItem(int controlId, DRAWITEMSTRUCT* draw)
{
    if (controlId == IDC_RESULT_LIST)
        m_list.DrawRow(*draw, m_bFullPath, m_nIconMargin);
}

// Row height: room for a line of text and for an icon, each with 2 pixels.
void CSurveyDlg::OnMeasureItem(int /*controlId*/, MEASUREITEMSTRUCT* measure)
{
    measure->itemHeight = CResultList::RowHeight(*this, measure->itemHeight);
}

// A double-click on a header divider sizes that column to its widest text.
void CSurveyDlg::OnHeaderDividerDblClick(NMHDR* header, LRESULT* result)
{
    *result = 0;
    if (header->idFrom == IDC_RESULT_HEADER)
        m_list.FitColumn(reinterpret_cast<const NMHEADERA*>(header)->iItem, m_bFullPath, m_nIconMargin);
}

// View > sort by key name (also posted at the end of every survey).
void CSurveyDlg::OnSortByKey()
{
    SortRows(ID_SORT_BY_KEY);
}

// View > sort by file name.
void CSurveyDlg::OnSortByName()
{
    SortRows(ID_SORT_BY_NAME);
}

// Makes `sortKey` the current order and has the list reorder its rows.
void CSurveyDlg::SortRows(int sortKey)
{
    m_nSortKey = sortKey;
    m_list.Sort(m_nSortKey, m_bFullPath);
}

// Edit > copy: column-aligned text. A clipboard held elsewhere is left alone.
void CSurveyDlg::OnEditCopyText()
{
    BeginWaitCursor();
    CopyTextToClipboard(m_hWnd, FormatAlignedText(CollectExportRows(m_list, m_bFullPath)).GetString());
    EndWaitCursor();
}

// Edit > copy as CSV: one "name,hotkey" line per row.
void CSurveyDlg::OnEditCopyCsv()
{
    BeginWaitCursor();
    CopyTextToClipboard(m_hWnd, FormatCsvText(CollectExportRows(m_list, m_bFullPath)).GetString());
    EndWaitCursor();
}
