#include "export/ClipboardExport.h"

#include "export/Clipboard.h"
#include "resultlist/ResultList.h"

std::vector<ExportRow> CollectExportRows(const CResultList& list)
{
    std::vector<ExportRow> rows;
    const int count = list.GetItemCount();
    for (int i = 0; i < count; ++i)
        rows.push_back({list.DisplayTextOf(i), list.HotKeyTextOf(i)});
    return rows;
}

namespace {
// The list's rows with their names as shown, in UTF-8.
std::vector<ExportRow> CollectShownRows(const CResultList& list)
{
    std::vector<ExportRow> rows;
    const int count = list.GetItemCount();
    for (int i = 0; i < count; ++i)
        rows.push_back({CodePageFromWide(CP_UTF8, list.ShownTextOf(i).c_str()), list.HotKeyTextOf(i)});
    return rows;
}
}

int CopyListToClipboard(HWND owner, const CResultList& list, bool csv)
{
    const auto format = [csv](const std::vector<ExportRow>& rows, TextColumns columns) {
        return csv ? FormatCsvText(rows) : FormatAlignedText(rows, columns);
    };
    const CString ansi = format(CollectExportRows(list), &ByteColumns);
    const std::wstring unicode = WideFromCodePage(CP_UTF8, format(CollectShownRows(list), &Utf8Columns).GetString());
    return CopyTextToClipboard(owner, ansi.GetString(), unicode.c_str());
}
