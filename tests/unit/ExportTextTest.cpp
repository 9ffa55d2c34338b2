// The comma-separated and column-aligned texts of the result list.
#include "export/ExportText.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {
std::string Csv(const std::vector<ExportRow>& rows) { return FormatCsvText(rows).str(); }
std::string Aligned(const std::vector<ExportRow>& rows) { return FormatAlignedText(rows).str(); }

// The byte offset of `part` within line `index` (0-based) of `text`.
std::size_t OffsetInLine(const std::string& text, int index, const std::string& part)
{
    std::size_t start = 0;
    for (int i = 0; i < index; ++i)
        start = text.find("\r\n", start) + 2;
    return text.find(part, start) - start;
}
}

TEST(FormatCsvText, OneLinePerRowNameCommaHotkey)
{
    EXPECT_EQ(Csv({{"Notes.lnk", "CTRL+SHIFT+F5"}, {"a.lnk", "F1"}}), "Notes.lnk,CTRL+SHIFT+F5\r\na.lnk,F1\r\n");
}

TEST(FormatCsvText, RowWithoutHotkeyEndsWithCommaAndLineEnd)
{
    EXPECT_EQ(Csv({{"a.lnk", ""}, {"b.lnk", "F2"}}), "a.lnk,\r\nb.lnk,F2\r\n");
}

TEST(FormatCsvText, NamesAreNeitherQuotedNorEscaped)
{
    EXPECT_EQ(Csv({{"a,b \"c\".lnk", "ALT+A"}}), "a,b \"c\".lnk,ALT+A\r\n");
}

TEST(FormatCsvText, DoubleByteNamesAndFullPathsPassUnchanged)
{
    // cp932: "\x83\x5C" (a trail byte 0x5C) and "\x83\x76\x83\x8D" stay as they are.
    EXPECT_EQ(Csv({{"C:\\Start Menu\\\x83\x5C\x83\x76\x83\x8D.lnk", "CTRL+F1"}}),
              "C:\\Start Menu\\\x83\x5C\x83\x76\x83\x8D.lnk,CTRL+F1\r\n");
}

TEST(FormatCsvText, NoRowsGiveEmptyText)
{
    EXPECT_EQ(Csv({}), "");
    EXPECT_TRUE(FormatCsvText({}).IsEmpty());
}

TEST(FormatAlignedText, HotkeysStartOneBytePastTheLongestName)
{
    // Names of 5 and 9 bytes: L = 9, hotkeys at byte offset 10 of each line.
    const std::string text = Aligned({{"a.lnk", "F1"}, {"Notes.lnk", "CTRL+SHIFT+F5"}});
    EXPECT_EQ(text, "a.lnk     F1\r\nNotes.lnk CTRL+SHIFT+F5\r\n");
    EXPECT_EQ(OffsetInLine(text, 0, "F1"), 10u);
    EXPECT_EQ(OffsetInLine(text, 1, "CTRL+SHIFT+F5"), 10u);
}

TEST(FormatAlignedText, RowWithoutHotkeyKeepsItsTrailingSpaces)
{
    EXPECT_EQ(Aligned({{"Notes.lnk", ""}, {"a.lnk", ""}, {"bb.lnk", "F3"}}),
              "Notes.lnk \r\na.lnk     \r\nbb.lnk    F3\r\n");
}

TEST(FormatAlignedText, CommaInNameIsPlainText)
{
    EXPECT_EQ(Aligned({{"a,b.lnk", "F1"}, {"c.lnk", "F2"}}), "a,b.lnk F1\r\nc.lnk   F2\r\n");
}

TEST(FormatAlignedText, DoubleByteNamesCountInBytes)
{
    // "\x83\x5C\x83\x74\x83\x67.lnk" is 3 characters plus ".lnk" but 10 bytes.
    const std::string text = Aligned({{"\x83\x5C\x83\x74\x83\x67.lnk", "F1"}, {"abc.lnk", "F2"}});
    EXPECT_EQ(text, "\x83\x5C\x83\x74\x83\x67.lnk F1\r\nabc.lnk    F2\r\n");
    EXPECT_EQ(OffsetInLine(text, 0, "F1"), 11u);
    EXPECT_EQ(OffsetInLine(text, 1, "F2"), 11u);
}

TEST(FormatAlignedText, FullPathsAlignOverTheirWholeLength)
{
    EXPECT_EQ(Aligned({{"C:\\Menu\\a.lnk", "F1"}, {"C:\\Desktop\\Notes.lnk", "ALT+F2"}}),
              "C:\\Menu\\a.lnk        F1\r\nC:\\Desktop\\Notes.lnk ALT+F2\r\n");
}

TEST(FormatAlignedText, LongRunsOfSpacesAreWrittenWhole)
{
    // The names differ by 300 bytes: the short one gets 301 spaces.
    const std::string longName = std::string(300, 'x') + ".lnk";
    const std::string text = Aligned({{".lnk", "F1"}, {longName, "F2"}});
    EXPECT_EQ(text, ".lnk" + std::string(301, ' ') + "F1\r\n" + longName + " F2\r\n");
    EXPECT_EQ(OffsetInLine(text, 0, "F1"), longName.size() + 1);
    EXPECT_EQ(OffsetInLine(text, 1, "F2"), longName.size() + 1);
}

TEST(FormatAlignedText, EmptyNamesAndNoRows)
{
    EXPECT_EQ(Aligned({}), "");
    EXPECT_EQ(Aligned({{"", "F1"}, {"", ""}}), " F1\r\n \r\n");
}

TEST(FormatAlignedText, RowsKeepTheirOrder)
{
    EXPECT_EQ(Aligned({{"b", "F2"}, {"a", "F1"}, {"c", "F3"}}), "b F2\r\na F1\r\nc F3\r\n");
    EXPECT_EQ(Csv({{"b", "F2"}, {"a", "F1"}, {"c", "F3"}}), "b,F2\r\na,F1\r\nc,F3\r\n");
}
