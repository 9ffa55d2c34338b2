// View > sort: the two sort orders of the result list.
#include "app/SurveyDlg.h"
#include "rules/RowOrder.h"

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

// Makes the sort command `sortKey` the current order and has the list
// reorder its rows by the texts it names.
void CSurveyDlg::SortRows(int sortKey)
{
    m_nSortKey = sortKey;
    m_list.Sort(m_nSortKey == ID_SORT_BY_NAME ? kSortByName : kSortByKey);
}
