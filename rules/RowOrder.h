// The order of the result list's rows: which text of a row is compared under
// each sort key, and the byte-wise rule that compares two such texts.
#pragma once

#include <vector>

#include "framework/AfxString.h"

// The texts a list can be sorted by.
enum SortKey : int {
    kSortByKey = 1,
    kSortByName = 2,
};

// The sort text of a row: its hotkey text by key name; its path (the display
// name unless `fullPath` is 1) by file name; empty for any other key.
CString SortTextOf(int sortKey, int fullPath, const CString& path, const CString& hotKeyText);

// -1, 0 or +1: ASCII letters compared case-insensitively (folded to lower
// case), every other byte by its unsigned value; a prefix sorts first.
int CompareSortTexts(const char* a, const char* b);

// The positions 0, 1, ... of rows whose sort texts are `sortTexts`, in the
// order the list's sort leaves them: ascending by CompareSortTexts, rows
// that compare equal in their given order.
std::vector<int> SortedRowOrder(const std::vector<CString>& sortTexts);
