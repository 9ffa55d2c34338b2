#include "rules/RowOrder.h"

#include <algorithm>
#include <cstddef>

#include "rules/DisplayName.h"
#include "rules/AsciiCase.h"

CString SortTextOf(int sortKey, int fullPath, const CString& path, const CString& hotKeyText)
{
    switch (sortKey) {
    case kSortByKey:
        return hotKeyText;
    case kSortByName:
        return DisplayName(path.GetString(), fullPath);
    default:
        return CString();
    }
}

int CompareSortTexts(const char* a, const char* b)
{
    for (std::size_t i = 0;; ++i) {
        const unsigned char left = static_cast<unsigned char>(a[i]);
        const unsigned char right = static_cast<unsigned char>(b[i]);
        if (left == right) {
            if (left == '\0')
                return 0;
            continue;
        }
        // Unequal bytes are never both the terminator, so folding them equal
        // leaves the scan inside both texts.
        const int foldedLeft = AsciiLower(left);
        const int foldedRight = AsciiLower(right);
        if (foldedLeft != foldedRight)
            return foldedLeft < foldedRight ? -1 : 1;
    }
}

std::vector<int> SortedRowOrder(const std::vector<CString>& sortTexts)
{
    std::vector<int> order;
    for (std::size_t i = 0; i < sortTexts.size(); ++i)
        order.push_back(static_cast<int>(i));
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return CompareSortTexts(sortTexts[static_cast<std::size_t>(a)].GetString(), sortTexts[static_cast<std::size_t>(b)].GetString()) < 0;
    });
    return order;
}
