// The main window's handlers for the result list's rows: drawing, measuring,
// their texts and fitting a column to its texts.
#include "app/SurveyDlg.h"

// Paints one row of the result list; requests for other controls are ignored.
void CSurveyDlg::OnDrawItem(int controlId, DRAWITEMSTRUCT* draw)
{
    if (controlId == IDC_RESULT_LIST)
        m_list.DrawRow(*draw, m_nIconMargin);
}

// Row height: room for a line of text and for an icon, each with 2 pixels.
void CSurveyDlg::OnMeasureItem(int /*controlId*/, MEASUREITEMSTRUCT* measure)
{
    measure->itemHeight = CResultList::RowHeight(*this, measure->itemHeight);
}

// The list asks for a row's text: it keeps none of its own.
void CSurveyDlg::OnGetRowText(NMHDR* request, LRESULT* result)
{
    *result = 0;
    m_list.GiveText(*reinterpret_cast<NMLVDISPINFOA*>(request));
}

// A double-click on a header divider sizes that column to its widest text.
void CSurveyDlg::OnHeaderDividerDblClick(NMHDR* header, LRESULT* result)
{
    *result = 0;
    if (header->idFrom == IDC_RESULT_HEADER)
        m_list.FitColumn(reinterpret_cast<const NMHEADERA*>(header)->iItem, m_nIconMargin);
}
