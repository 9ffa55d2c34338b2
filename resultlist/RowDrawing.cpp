// The owner-drawn rows of the result list: painting, row height and column
// auto-size.
#include <algorithm>

#include "framework/Gdi.h"
#include "resultlist/ResultList.h"

namespace {
// The top at which something `height` tall stands centred in row `r`
// (negative offsets halved toward zero).
int CentredTop(const RECT& r, int height)
{
    return r.top + (r.bottom - r.top - height) / 2;
}
}

void CResultList::DrawRow(const DRAWITEMSTRUCT& draw, int iconMargin)
{
    const CDC dc(draw.hDC);
    const RECT r = draw.rcItem;
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    dc.FillSolidRect(r, ::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));

    const int width0 = GetColumnWidth(0);
    CRgn clip;
    clip.CreateRectRgn(r.left, r.top, r.left + width0, r.bottom);
    dc.SelectClipRgn(clip);
    const CScopedTextState textState(dc, selected ? ::GetSysColor(COLOR_HIGHLIGHTTEXT) : RGB(0, 0, 0), OPAQUE);
    const int row = static_cast<int>(draw.itemID);
    FindIconsInView(row);
    DrawNameCell(dc, r, row, iconMargin);

    clip.SetRectRgn(r.left + width0, r.top, r.right, r.bottom);
    dc.SelectClipRgn(clip);
    const CString hotKey = HotKeyTextOf(row);
    dc.TextOut(r.left + width0, CentredTop(r, dc.GetTextExtent(hotKey).cy), hotKey);
}

// Column 0 of one row: the icon (if any) after the margin, the shown name
// after the icon's slot.
void CResultList::DrawNameCell(const CDC& dc, const RECT& r, int row, int iconMargin) const
{
    const HICON icon = IconOf(row);
    if (icon != nullptr)
        dc.DrawIcon(r.left + iconMargin, CentredTop(r, ::GetSystemMetrics(SM_CYICON)), icon);
    const std::wstring name = ShownTextOf(row);
    const int nameX = r.left + iconMargin + ::GetSystemMetrics(SM_CXICON) + iconMargin;
    dc.TextOut(nameX, CentredTop(r, dc.GetTextExtent(name).cy), name);
}

UINT CResultList::RowHeight(const CWnd& owner, UINT incoming)
{
    const CWindowDC dc(owner);
    const UINT textHeight = static_cast<UINT>(dc.GetTextExtent("W").cy) + 2;
    const UINT iconHeight = static_cast<UINT>(::GetSystemMetrics(SM_CYICON)) + 2;
    return std::max({incoming, textHeight, iconHeight});
}

void CResultList::FitColumn(int column, int iconMargin) const
{
    const int count = GetItemCount();
    if (count <= 0)
        return;
    int width = 10;
    {
        const CWindowDC dc(*this);
        const int allowance = ::GetSystemMetrics(SM_CXICON) + 2 * iconMargin;
        for (int i = 0; i < count; ++i) {
            const SIZE text = column == 0 ? dc.GetTextExtent(ShownTextOf(i)) : dc.GetTextExtent(GetItemText(i, column));
            width = std::max(width, static_cast<int>(text.cx) + allowance);
        }
    }
    SendMessage(LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0));
}
