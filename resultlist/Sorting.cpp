// Sorting the result list by key name or by file name.
#include "resultlist/ResultList.h"
#include "rules/RowOrder.h"

// Each row's sort text is taken once from the model, indexed by item data,
// so neither it nor a comparison needs a message to the control.
void CResultList::Sort(int sortKey) const
{
    CStringArray texts;
    for (const RowFacts& facts : m_facts)
        texts.Add(SortTextOf(sortKey, m_bFullPath, facts.path, facts.hotKeyText));
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
