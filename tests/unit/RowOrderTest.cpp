#include "rules/RowOrder.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

TEST(CompareSortTexts, OrdersEachListAscending)
{
    // Each list is in ascending order, every text strictly before the next.
    const std::vector<std::vector<std::string>> lists = {
        {"", "ALT+F1", "CTRL+ALT+A", "CTRL+F5", "CTRL+SHIFT+A", "F5"},
        {"_x", "A"},
        {"_", "a", "B", "c"},
        {"@", "[", "\\", "]", "^", "_", "`", "a", "z", "{"},
        {"10", "9"},
        {"abc", "ABCD", "abd"},
        {"ABx", "aby"},
        {"aZZZ", "b"},
        {"~", "\x81\x40", "\x83\x41" "a", "\x83\x41" "b", "\x83\x62"},
        {"zzz", "\xB1", "\xC1", "\xE1"},
        {"\x83\x5B", "\x83\x61"},
    };
    for (const auto& list : lists) {
        for (std::size_t i = 0; i < list.size(); ++i) {
            for (std::size_t j = i + 1; j < list.size(); ++j) {
                EXPECT_EQ(CompareSortTexts(list[i].c_str(), list[j].c_str()), -1) << list[i] << " < " << list[j];
                EXPECT_EQ(CompareSortTexts(list[j].c_str(), list[i].c_str()), 1) << list[j] << " > " << list[i];
            }
        }
    }
}

TEST(CompareSortTexts, FoldsOnlyAsciiCapitals)
{
    const std::pair<const char*, const char*> equal[] = {
        {"", ""},
        {"Notepad.lnk", "NOTEPAD.LNK"},
        {"CTRL+A", "ctrl+a"},
        {"\x83\x41", "\x83\x61"},
        {"a\x83\x41Z", "A\x83\x61z"},
    };
    for (const auto& pair : equal) {
        EXPECT_EQ(CompareSortTexts(pair.first, pair.second), 0) << pair.first << " = " << pair.second;
        EXPECT_EQ(CompareSortTexts(pair.second, pair.first), 0) << pair.second << " = " << pair.first;
    }
}

struct SortTextCase {
    int sortKey;
    int fullPath;
    const char* path;
    const char* hotKeyText;
    const char* sortText;
};

TEST(SortTextOf, ChoosesTheTextOfTheSortKey)
{
    const SortTextCase cases[] = {
        {kSortByKey, 0, "C:\\a\\N.lnk", "CTRL+A", "CTRL+A"},
        {kSortByKey, 1, "C:\\a\\N.lnk", "CTRL+A", "CTRL+A"},
        {kSortByKey, 0, "C:\\a\\N.lnk", "", ""},
        {kSortByName, 0, "C:\\a\\N.lnk", "CTRL+A", "N.lnk"},
        {kSortByName, 1, "C:\\a\\N.lnk", "CTRL+A", "C:\\a\\N.lnk"},
        {kSortByName, 0, "C:\\\x83\x5C\\N.lnk", "", "N.lnk"},
        {kSortByName, 0, "N.lnk", "", "N.lnk"},
        {0, 0, "C:\\a\\N.lnk", "CTRL+A", ""},
        {0, 1, "C:\\a\\N.lnk", "CTRL+A", ""},
        {kSortByName + 1, 1, "C:\\a\\N.lnk", "CTRL+A", ""},
        {-1, 0, "C:\\a\\N.lnk", "CTRL+A", ""},
    };
    for (const SortTextCase& c : cases) {
        EXPECT_EQ(SortTextOf(c.sortKey, c.fullPath, c.path, c.hotKeyText).str(), c.sortText)
            << "key " << c.sortKey << ", full path " << c.fullPath << ", " << c.path;
    }
}

struct NameOrderCase {
    int fullPath;
    const char* first;
    const char* second;
    int order;
};

TEST(SortTextOf, ByNameComparesDisplayNamesOrWholePaths)
{
    const NameOrderCase cases[] = {
        {0, "C:\\Start\\Notepad.lnk", "D:\\Desktop\\NOTEPAD.LNK", 0},
        {1, "C:\\Start\\Notepad.lnk", "D:\\Desktop\\NOTEPAD.LNK", -1},
        {0, "C:\\z\\a.lnk", "C:\\a\\b.lnk", -1},
        {1, "C:\\z\\a.lnk", "C:\\a\\b.lnk", 1},
        {0, "C:\\a\\_x.lnk", "C:\\a\\A.lnk", -1},
    };
    for (const NameOrderCase& c : cases) {
        const CString first = SortTextOf(kSortByName, c.fullPath, c.first, "");
        const CString second = SortTextOf(kSortByName, c.fullPath, c.second, "");
        EXPECT_EQ(CompareSortTexts(first.GetString(), second.GetString()), c.order) << c.first << " : " << c.second << ", full path " << c.fullPath;
    }
}

// Ascending by the comparison rule; texts that compare equal (the same
// text, or texts differing in ASCII case) keep their given order.
TEST(SortedRowOrder, SortsAscendingAndKeepsEqualRowsInOrder)
{
    const std::vector<CString> texts = {"F5", "CTRL+A", "", "ctrl+a", "ALT+F1", "CTRL+A", "F5", ""};
    EXPECT_EQ(SortedRowOrder(texts), (std::vector<int>{2, 7, 4, 1, 3, 5, 0, 6}));
    EXPECT_TRUE(SortedRowOrder({}).empty());
}

} // namespace
