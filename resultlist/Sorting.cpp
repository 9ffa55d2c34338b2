// Sorting the result list by key name or by file name.
#include "resultlist/ResultList.h"
#include "rules/RowOrder.h"

// Each row's sort text is taken once, indexed by its item data, so a
// comparison needs no lookup in the control.
void CResultList::Sort(int sortKey) const
{
    const int count = GetItemCount();
    CStringArray texts;
    for (int i = 0; i < count; ++i)
        texts.Add(CString());
    for (int row = 0; row < count; ++row) {
        const LPARAM data = GetItemData(row);
        if (data >= 0 && data < count)
            texts[static_cast<int>(data)] = SortTextOf(sortKey, m_bFullPath, PathOf(row), HotKeyTextOf(row));
    }
    SortItems(&CompareRows, reinterpret_cast<LPARAM>(&texts));
}

int CALLBACK CompareRows(LPARAM itemData1, LPARAM itemData2, LPARAM lParamSort)
{
    const CStringArray& texts = *reinterpret_cast<const CStringArray*>(lParamSort);
    const auto known = [&](LPARAM data) { return data >= 0 && data < texts.GetSize(); };
    if (!known(itemData1) || !known(itemData2))
        return 0;
    return CompareSortTexts(texts[static_cast<int>(itemData1)].GetString(), texts[static_cast<int>(itemData2)].GetString());
}
