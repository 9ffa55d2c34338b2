// The result list's rows: appended by the survey, read back by the others.
#include "resultlist/ResultList.h"

#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

#include "framework/ScopedHandles.h"
#include "rules/HotKeyText.h"
#include "rules/DisplayName.h"
#include "survey/ListedShortcuts.h"
#include "text/ShownName.h"

void CResultList::SetRedraw(BOOL redraw)
{
    SendMessage(WM_SETREDRAW, redraw);
}

void CResultList::Add(SurveyRow row)
{
    Append({row.path, FormatHotKey(row.hotKey), {row.hotKey, WindowsActsOn(row.place)}, std::move(row.longPath)},
           std::move(row.icon));
}

void CResultList::AddRow(const CString& path, const CString& hotKeyText, std::optional<CIconRequest> icon,
                         RowHotKey hotKey)
{
    Append({path, hotKeyText, hotKey, {}}, std::move(icon));
}

void CResultList::Append(RowFacts facts, std::optional<CIconRequest> icon)
{
    // Appended (an index past the last row appends) with the model's next
    // index as its item data, in one message; its texts are asked for when
    // needed.
    if (InsertItem(INT_MAX, LPSTR_TEXTCALLBACKA, static_cast<LPARAM>(m_facts.size())) < 0)
        return;
    m_icons.Add(std::move(icon));
    m_facts.push_back(std::move(facts));
}

void CResultList::RemoveAllRows()
{
    DeleteAllItems();
    m_icons.Clear();
    std::vector<RowFacts>().swap(m_facts);
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

HICON CResultList::FoundIconOf(int row)
{
    const int slot = static_cast<int>(GetItemData(row));
    if (m_icons.IsPending(slot))
        m_icons.Find({slot}, ::GetParent(m_hWnd));
    return IconOf(row);
}

CString CResultList::DisplayTextOf(int row) const
{
    return DisplayName(PathOf(row).GetString(), m_bFullPath);
}

CResultList::RowFacts* CResultList::FactsAt(LPARAM data) const
{
    return data >= 0 && data < static_cast<LPARAM>(m_facts.size()) ? &m_facts[static_cast<std::size_t>(data)] : nullptr;
}

CString CResultList::PathOf(int row) const
{
    const RowFacts* facts = FactsOf(row);
    return facts != nullptr ? facts->path : CString();
}

CString CResultList::HotKeyTextOf(int row) const
{
    const RowFacts* facts = FactsOf(row);
    return facts != nullptr ? facts->hotKeyText : CString();
}

void CResultList::GiveText(NMLVDISPINFOA& request) const
{
    LVITEMA& item = request.item;
    if ((item.mask & LVIF_TEXT) == 0)
        return;
    const RowFacts* facts = FactsAt(item.lParam);
    const CString* text = facts == nullptr ? nullptr : item.iSubItem == 0 ? &facts->path
                                                    : item.iSubItem == 1 ? &facts->hotKeyText
                                                                         : nullptr;
    // The control copies the text from here before the model changes.
    item.pszText = const_cast<char*>(text != nullptr ? text->GetString() : "");
}

std::wstring CResultList::ShownTextOf(int row) const
{
    RowFacts* facts = FactsOf(row);
    if (facts == nullptr)
        return std::wstring();
    if (facts->longPath.empty())
        facts->longPath = LongPathOf(facts->path);
    return ShownNameIn(facts->longPath, m_bFullPath);
}

void CResultList::SetHotKey(int row, WORD value)
{
    RowFacts* facts = FactsOf(row);
    if (facts == nullptr)
        return;
    facts->hotKeyText = FormatHotKey(value);
    facts->hotKey.value = value;
    RedrawItems(row, row);
}

ListedHotKeys CResultList::HotKeysOf() const
{
    struct Listed {
        CString path;
    };
    std::vector<Listed> paths;
    const int count = GetItemCount();
    for (int i = 0; i < count; ++i)
        paths.push_back({PathOf(i)});
    const CListedShortcuts numbers(paths);
    ListedHotKeys listed;
    for (int i = 0; i < count; ++i) {
        const RowFacts* facts = FactsOf(i);
        const RowHotKey hotKey = facts != nullptr ? facts->hotKey : RowHotKey();
        listed.rows.push_back({hotKey.value, hotKey.acts, numbers.IsFirst(static_cast<std::size_t>(i))});
        listed.numbers.push_back(numbers.NumberOf(static_cast<std::size_t>(i)));
    }
    return listed;
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
