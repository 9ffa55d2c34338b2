#include "export/ClipboardExport.h"

#include "resultlist/ResultList.h"

std::vector<ExportRow> CollectExportRows(const CResultList& list)
{
    std::vector<ExportRow> rows;
    const int count = list.GetItemCount();
    for (int i = 0; i < count; ++i)
        rows.push_back({list.DisplayTextOf(i), list.HotKeyTextOf(i)});
    return rows;
}
