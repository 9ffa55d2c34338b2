// The result list's rows: appended by the survey, read back by the others.
#include "resultlist/ResultList.h"

#include "framework/ScopedHandles.h"
#include "resultlist/DisplayName.h"

void CResultList::SetRedraw(BOOL redraw)
{
    SendMessage(WM_SETREDRAW, redraw);
}

void CResultList::AddRow(const CString& path, const CString& hotKeyText, HICON icon)
{
    // Owned before the insertion: other rows may show the same handle.
    m_icons.Own(icon);
    const int row = InsertItem(LVIF_TEXT, GetItemCount(), path.GetString());
    if (row < 0)
        return;
    SetItemData(row, row);
    SetItemText(row, 1, hotKeyText.GetString());
    m_icons.Add(icon);
}

void CResultList::RemoveAllRows()
{
    DeleteAllItems();
    m_icons.Clear();
}

void CResultList::ToggleFullPath()
{
    m_bFullPath = !m_bFullPath;
    InvalidateRect(nullptr, TRUE);
}

HICON CResultList::IconOf(int row) const
{
    const LPARAM data = GetItemData(row);
    return data >= 0 && data < m_icons.GetSize() ? m_icons[static_cast<int>(data)] : nullptr;
}

CString CResultList::DisplayTextOf(int row) const
{
    return DisplayName(PathOf(row).GetString(), m_bFullPath);
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
