// The result list's rows: appended by the survey, read back by the others.
#include "resultlist/ResultList.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "framework/ScopedHandles.h"
#include "rules/HotKeyText.h"
#include "rules/DisplayName.h"

void CResultList::SetRedraw(BOOL redraw)
{
    SendMessage(WM_SETREDRAW, redraw);
}

void CResultList::Add(SurveyRow row)
{
    AddRow(row.path, FormatHotKey(row.hotKey), std::move(row.icon));
}

void CResultList::AddRow(const CString& path, const CString& hotKeyText, std::optional<CIconRequest> icon)
{
    // Appended, so its item data, given in the same message, is the index it gets.
    const int count = GetItemCount();
    const int row = InsertItem(count, path.GetString(), count);
    if (row < 0)
        return;
    SetItemText(row, 1, hotKeyText.GetString());
    m_icons.Add(std::move(icon));
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

void CResultList::FindIconsInView(int row)
{
    const int slot = static_cast<int>(GetItemData(row));
    if (!m_icons.IsPending(slot))
        return;
    std::vector<int> slots = {slot};
    const int top = GetTopIndex();
    const int end = std::min(GetItemCount(), top + GetCountPerPage() + 1);  // a row cut at the bottom included
    for (int i = std::max(top, 0); i < end; ++i)
        slots.push_back(static_cast<int>(GetItemData(i)));
    m_icons.Find(slots, ::GetParent(m_hWnd));
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
