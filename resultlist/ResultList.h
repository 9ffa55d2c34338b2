// Services of the result list that need no dialog state.
#pragma once

#include <windows.h>

#include "framework/Controls.h"

// The index of the first selected row, or -1 when none is selected.
int FindFirstSelected(const CListCtrl& list);

// The list's comparison callback: `lParamSort` points at the sort texts of
// the rows (a CStringArray indexed by item data); -1, 0 or +1.
int CALLBACK CompareRows(LPARAM itemData1, LPARAM itemData2, LPARAM lParamSort);
