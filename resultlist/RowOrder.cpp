#include "resultlist/RowOrder.h"

#include <cstddef>

#include "resultlist/DisplayName.h"

CString SortTextOf(int sortKey, int fullPath, const CString& path, const CString& hotKeyText)
{
    switch (sortKey) {
    case kSortByKey:
        return hotKeyText;
    case kSortByName:
        return DisplayName(path, fullPath);
    default:
        return CString();
    }
}

int CompareSortTexts(const char* a, const char* b)
{
    const auto fold = [](unsigned char byte) { return byte >= 'A' && byte <= 'Z' ? byte + 0x20 : byte; };
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
        const int foldedLeft = fold(left);
        const int foldedRight = fold(right);
        if (foldedLeft != foldedRight)
            return foldedLeft < foldedRight ? -1 : 1;
    }
}
