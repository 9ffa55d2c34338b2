// The result list's rows as Edit > copy and Edit > copy as CSV take them.
#pragma once

#include <windows.h>

#include <vector>

#include "rules/ExportText.h"

class CResultList;

// The list's rows from top to bottom: the display text of column 0 (the
// full path when the list shows full paths), the hotkey text as it is.
std::vector<ExportRow> CollectExportRows(const CResultList& list);

// Copies the list's rows to the clipboard with `owner` as its owner, as CSV
// lines with `csv`, else as aligned text: CF_TEXT with the display texts,
// columns counted in bytes; CF_UNICODETEXT with the names as the list shows
// them, columns counted as a fixed-pitch font shows them (Utf8Columns). The
// result of CopyTextToClipboard.
int CopyListToClipboard(HWND owner, const CResultList& list, bool csv);
