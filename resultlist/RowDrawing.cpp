// The owner-drawn rows of the result list: painting, row height, column
// auto-size and the first selected row.
#include "app/SurveyDlg.h"
#include "framework/Gdi.h"
#include "resultlist/ResultList.h"
#include "shellicon/PathText.h"

CString CSurveyDlg::DisplayText(const CString& path) const
{
    return m_bFullPath ? path : GetPathFileName(path);
}

// Paints one row: fill, icon and name in column 0, hotkey text in column 1.
void CSurveyDlg::OnDrawItem(int controlId, DRAWITEMSTRUCT* draw)
{
    if (controlId != IDC_RESULT_LIST)
        return;
    CDC dc;
    dc.Attach(draw->hDC);
    const RECT r = draw->rcItem;
    const int height = r.bottom - r.top;
    const bool selected = (draw->itemState & ODS_SELECTED) != 0;
    const COLORREF fill = ::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    const COLORREF text = selected ? ::GetSysColor(COLOR_HIGHLIGHTTEXT) : RGB(0, 0, 0);
    dc.FillSolidRect(r, fill);

    const int width0 = m_list.GetColumnWidth(0);
    CRgn clip;
    clip.CreateRectRgn(r.left, r.top, r.left + width0, r.bottom);
    dc.SelectClipRgn(clip);
    const COLORREF oldText = dc.SetTextColor(text);
    const int oldMode = dc.SetBkMode(OPAQUE);

    const int row = static_cast<int>(draw->itemID);
    const LPARAM data = m_list.GetItemData(row);
    const bool hasSlot = data >= 0 && data < m_icons.GetSize();
    const HICON icon = hasSlot ? reinterpret_cast<HICON>(m_icons[static_cast<int>(data)]) : nullptr;
    if (icon != nullptr)
        dc.DrawIcon(r.left + m_nIconMargin, r.top + (height - ::GetSystemMetrics(SM_CYICON)) / 2, icon);

    const CString name = DisplayText(m_list.GetItemText(row, 0));
    const int nameX = r.left + m_nIconMargin + ::GetSystemMetrics(SM_CXICON) + m_nIconMargin;
    dc.TextOut(nameX, r.top + (height - dc.GetTextExtent(name).cy) / 2, name);

    clip.SetRectRgn(r.left + width0, r.top, r.right, r.bottom);
    dc.SelectClipRgn(clip);
    const CString hotKey = m_list.GetItemText(row, 1);
    dc.TextOut(r.left + width0, r.top + (height - dc.GetTextExtent(hotKey).cy) / 2, hotKey);

    dc.SetTextColor(oldText);
    dc.SetBkMode(oldMode);
    dc.SelectClipRgn(nullptr);
    dc.Detach();
}

// Row height: room for a line of text and for an icon, each with 2 pixels.
void CSurveyDlg::OnMeasureItem(int /*controlId*/, MEASUREITEMSTRUCT* measure)
{
    const CWindowDC dc(*this);
    const UINT textHeight = static_cast<UINT>(dc.GetTextExtent("W").cy) + 2;
    const UINT iconHeight = static_cast<UINT>(::GetSystemMetrics(SM_CYICON)) + 2;
    if (textHeight > measure->itemHeight)
        measure->itemHeight = textHeight;
    if (iconHeight > measure->itemHeight)
        measure->itemHeight = iconHeight;
}

// A double-click on a header divider sizes that column to its widest text.
void CSurveyDlg::OnHeaderDividerDblClick(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const int count = m_list.GetItemCount();
    if (header->idFrom != IDC_RESULT_HEADER || count <= 0)
        return;
    const int column = reinterpret_cast<const NMHEADERA*>(header)->iItem;
    int width = 10;
    {
        const CWindowDC dc(m_list);
        const int allowance = ::GetSystemMetrics(SM_CXICON) + 2 * m_nIconMargin;
        for (int i = 0; i < count; ++i) {
            CString text = m_list.GetItemText(i, column);
            if (column == 0 && m_bFullPath == 0)
                text = GetPathFileName(text);
            const int candidate = dc.GetTextExtent(text).cx + allowance;
            if (candidate >= width)
                width = candidate;
        }
    }
    m_list.SendMessage(LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0));
}

int FindFirstSelected(const CListCtrl& list)
{
    const int count = list.GetItemCount();
    for (int i = 0; i < count; ++i) {
        LVITEMA item = {};
        item.mask = LVIF_STATE;
        item.iItem = i;
        item.stateMask = LVIS_SELECTED;
        if (list.GetItem(&item) == TRUE && (item.state & LVIS_SELECTED) != 0)
            return i;
    }
    return -1;
}
