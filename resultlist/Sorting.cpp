// Sorting the result list by key name or by file name.
#include "app/SurveyDlg.h"
#include "resultlist/ResultList.h"
#include "resultlist/RowOrder.h"

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

// Makes `sortKey` the current order and has the list reorder its rows. Each
// row's sort text is taken once, indexed by its item data, so a comparison
// needs no lookup in the control.
void CSurveyDlg::SortRows(int sortKey)
{
    m_nSortKey = sortKey;
    const int count = m_list.GetItemCount();
    CStringArray texts;
    for (int i = 0; i < count; ++i)
        texts.Add(CString());
    for (int row = 0; row < count; ++row) {
        const LPARAM data = m_list.GetItemData(row);
        if (data >= 0 && data < count)
            texts[static_cast<int>(data)] = SortTextOf(m_nSortKey, m_bFullPath, m_list.GetItemText(row, 0), m_list.GetItemText(row, 1));
    }
    m_list.SortItems(&CompareRows, reinterpret_cast<LPARAM>(&texts));
}

int CALLBACK CompareRows(LPARAM itemData1, LPARAM itemData2, LPARAM lParamSort)
{
    const CStringArray& texts = *reinterpret_cast<const CStringArray*>(lParamSort);
    const auto known = [&](LPARAM data) { return data >= 0 && data < texts.GetSize(); };
    if (!known(itemData1) || !known(itemData2))
        return 0;
    return CompareSortTexts(texts[static_cast<int>(itemData1)], texts[static_cast<int>(itemData2)]);
}
