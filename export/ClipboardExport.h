// The result list's rows as Edit > copy and Edit > copy as CSV take them.
#pragma once

#include <vector>

#include "rules/ExportText.h"

class CResultList;

// The list's rows from top to bottom: the display text of column 0 (the
// full path when the list shows full paths), the hotkey text as it is.
std::vector<ExportRow> CollectExportRows(const CResultList& list);
