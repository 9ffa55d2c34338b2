// Sorting the real list by key name and by file name.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "rules/RowOrder.h"
#include "support/WindowDriver.h"

namespace {
class SortingTest : public testing::Test {
protected:
    std::vector<std::string> Column(bool hotKeys) const
    {
        std::vector<std::string> texts;
        for (const ListRow& row : window.Rows())
            texts.push_back(hotKeys ? row.hotKey : row.path);
        return texts;
    }
    MainDialogFixture window;
};

std::string RandomText(std::mt19937& random)
{
    // Bytes that exercise the case fold, 0x5B-0x60, digits and cp932 pairs.
    static const char* const pieces[] = {"A", "a", "Z", "z", "[", "\\", "]", "^", "_", "`", "1", "9", " ",
                                         "\x83\x41", "\x83\x61", "\x83\x5C", "\x88\x9F", "\xB1"};
    std::string text;
    const int length = static_cast<int>(random() % 6);
    for (int i = 0; i < length; ++i)
        text += pieces[random() % (sizeof(pieces) / sizeof(pieces[0]))];
    return text;
}
}

// Key texts sort as text: rows without a hotkey first.
TEST_F(SortingTest, ByKeyOrdersHotkeyTextsAsText)
{
    for (const char* key : {"F5", "CTRL+SHIFT+A", "", "ALT+F1", "CTRL+F5", "CTRL+ALT+A"})
        window.AddRow(std::string("C:\\") + key + ".lnk", key);
    window.Command(ID_SORT_BY_KEY);
    EXPECT_EQ(Column(true), (std::vector<std::string>{"", "ALT+F1", "CTRL+ALT+A", "CTRL+F5", "CTRL+SHIFT+A", "F5"}));
    EXPECT_EQ(CSurveyDlgProbe::SortKey(window.dialog), ID_SORT_BY_KEY);
}

// By file name compares display names, or whole paths when they are shown.
TEST_F(SortingTest, ByNameUsesDisplayNamesUnlessFullPathsShow)
{
    window.AddRow("C:\\z\\b.lnk", "F1");
    window.AddRow("C:\\a\\c.lnk", "F2");
    window.AddRow("C:\\m\\A.lnk", "F3");
    window.AddRow("C:\\m\\_x.lnk", "F4");
    window.Command(ID_SORT_BY_NAME);
    EXPECT_EQ(CSurveyDlgProbe::SortKey(window.dialog), ID_SORT_BY_NAME);
    EXPECT_EQ(Column(false), (std::vector<std::string>{"C:\\m\\_x.lnk", "C:\\m\\A.lnk", "C:\\z\\b.lnk", "C:\\a\\c.lnk"}));

    window.ShowFullPath(1);
    window.Command(ID_SORT_BY_NAME);
    EXPECT_EQ(Column(false), (std::vector<std::string>{"C:\\a\\c.lnk", "C:\\m\\_x.lnk", "C:\\m\\A.lnk", "C:\\z\\b.lnk"}));
}

// On texts that exercise every part of the rule, both sorts leave the rows in
// the rule's order, and each row keeps its own texts and item data.
TEST_F(SortingTest, OrderFollowsTheComparisonRuleAndRowsStayWhole)
{
    std::mt19937 random(20261207);
    std::map<LPARAM, std::pair<std::string, std::string>> byData;
    window.list.SendMessage(WM_SETREDRAW, FALSE);
    for (int i = 0; i < 400; ++i) {
        const std::string path = "C:\\" + RandomText(random);
        const std::string key = RandomText(random);
        window.AddRow(path, key);
        byData[i] = {path, key};
    }
    window.list.SendMessage(WM_SETREDRAW, TRUE);
    window.ShowFullPath(1);
    for (UINT command : {ID_SORT_BY_KEY, ID_SORT_BY_NAME}) {
        window.Command(command);
        const std::vector<ListRow> rows = window.Rows();
        ASSERT_EQ(rows.size(), 400u);
        for (size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(byData.at(rows[i].data), std::make_pair(rows[i].path, rows[i].hotKey));
            if (i == 0)
                continue;
            const std::string& prev = command == ID_SORT_BY_KEY ? rows[i - 1].hotKey : rows[i - 1].path;
            const std::string& next = command == ID_SORT_BY_KEY ? rows[i].hotKey : rows[i].path;
            EXPECT_LE(CompareSortTexts(prev.c_str(), next.c_str()), 0) << "rows " << i - 1 << " and " << i;
        }
    }
}

// Sorting keeps each row's icon slot: item data still index the row icons.
TEST_F(SortingTest, SortingLeavesItemDataAndIconSlotsAlone)
{
    window.AddRow("C:\\b.lnk", "B");
    window.AddRow("C:\\a.lnk", "A");
    window.Command(ID_SORT_BY_KEY);
    const std::vector<ListRow> rows = window.Rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].path, "C:\\a.lnk");
    EXPECT_EQ(rows[0].data, 1);
    EXPECT_EQ(rows[1].data, 0);
    EXPECT_EQ(CSurveyDlgProbe::Icons(window.dialog).GetSize(), 2);
}
