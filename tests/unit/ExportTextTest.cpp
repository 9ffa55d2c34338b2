// The comma-separated and column-aligned texts of the result list.
#include "rules/BackupCsv.h"
#include "rules/ExportText.h"
#include "rules/KeepLogText.h"

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

TEST(FormatQuotedCsvText, QuotesAFieldWithACommaAQuoteOrALineBreak)
{
    const struct {
        ExportRow row;
        std::string line;
    } cases[] = {
        {{"Caf\xE9, Inc.lnk", "CTRL+,"}, "\"Caf\xE9, Inc.lnk\",\"CTRL+,\"\r\n"},
        {{"say \"hi\".lnk", "F1"}, "\"say \"\"hi\"\".lnk\",F1\r\n"},
        {{"two\r\nlines.lnk", ""}, "\"two\r\nlines.lnk\",\r\n"},
        {{"\x83\x5C\x83\x74.lnk", "ALT+A"}, "\x83\x5C\x83\x74.lnk,ALT+A\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatQuotedCsvText({c.row}).str(), c.line) << c.row.name.str();
}

TEST(FormatAlignedText, Utf8NamesAlignByTerminalColumns)
{
    // "表計算.lnk": 3 wide characters, 6 columns + 4; "Café.lnk": 8; "e\u0301": 1.
    const std::string text = FormatAlignedText({{"\xE8\xA1\xA8\xE8\xA8\x88\xE7\xAE\x97.lnk", "F1"},
                                                {"Caf\xC3\xA9.lnk", "F2"}, {"e\xCC\x81", "F3"}},
                                               &Utf8Columns).str();
    EXPECT_EQ(text, "\xE8\xA1\xA8\xE8\xA8\x88\xE7\xAE\x97.lnk F1\r\nCaf\xC3\xA9.lnk   F2\r\ne\xCC\x81          F3\r\n");
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

namespace {
const char kBackupHeader[] = "Path,Target,HotKey,Text\r\n";
const char kArgumentsHeader[] = "Path,Target,HotKey,Text,Arguments\r\n";

// The rows a backup text reads as, or the refusal's "line N: reason".
std::string ReadBackup(const std::string& text, std::vector<BackupRow>& rows)
{
    BackupError error;
    if (ParseBackupCsv(text, rows, error) == 1)
        return "";
    EXPECT_TRUE(rows.empty());
    return "line " + std::to_string(error.line) + ": " + error.reason.str();
}
}

// Fields with a comma, a quote or a line break are quoted, quotes doubled;
// the hotkey is 4 upper-case hex digits and its text.
TEST(FormatBackupCsv, QuotesOnlyFieldsThatNeedIt)
{
    const std::vector<BackupRow> rows = {
        {"C:\\Menu\\a,b.lnk", "C:\\x \"y\".exe", 0x0374},
        {"C:\\Menu\\\x83\x5C.lnk", "", 0x062C},
        {"C:\\Menu\\two\r\nlines.lnk", "C:\\t\nu.exe", 0x0421},
    };
    EXPECT_EQ(FormatBackupCsv(rows).str(), std::string(kArgumentsHeader) +
                                               "\"C:\\Menu\\a,b.lnk\",\"C:\\x \"\"y\"\".exe\",0374,CTRL+SHIFT+F5,\r\n"
                                               "C:\\Menu\\\x83\x5C.lnk,,062C,\"CTRL+ALT+,\",\r\n"
                                               "\"C:\\Menu\\two\r\nlines.lnk\",\"C:\\t\nu.exe\",0421,ALT+Page Up,\r\n");
    EXPECT_EQ(FormatBackupCsv({}).str(), kArgumentsHeader);
}

// Under the header with arguments, rows with quoted arguments and 0000 for no
// hotkey read back with their lines and are written again byte for byte;
// rows under the older header have no arguments.
TEST(ParseBackupCsv, ReadsArgumentsAndRowsWithoutHotkey)
{
    const std::string rows = "\"C:\\two\r\nlines.lnk\",C:\\t.exe,0374,CTRL+SHIFT+F5,\"-a \"\"b\"\"\"\r\nC:\\n.lnk,,0000,,\r\n";
    std::vector<BackupRow> read;
    ASSERT_EQ(ReadBackup(kArgumentsHeader + rows, read), "");
    EXPECT_EQ(std::to_string(read[0].line) + std::to_string(read[1].line), "24");
    EXPECT_EQ(FormatBackupCsv(read).str(), kArgumentsHeader + rows);
    ASSERT_EQ(ReadBackup(std::string(kBackupHeader) + "C:\\a.lnk,C:\\a.exe,0374,CTRL+SHIFT+F5\r\n", read), "");
    EXPECT_FALSE(read[0].arguments.has_value());
}

// What the writer writes reads back as the same rows, and so does text that
// quotes more than it must, uses LF line ends or lacks the last line end.
TEST(ParseBackupCsv, ReadsWhatIsWrittenAndPlainVariants)
{
    const std::vector<BackupRow> written = {
        {"C:\\Menu\\a,b.lnk", "C:\\x \"y\".exe", 0x0374},
        {"C:\\Menu\\two\r\nlines.PIF", "", 0x0B2C},  // the text of 0x0B2C is "CTRL+SHIFT+,"
    };
    const std::string variants[] = {
        FormatBackupCsv(written).str(),
        "\"Path\",Target,HotKey,Text\n\"C:\\Menu\\a,b.lnk\",\"C:\\x \"\"y\"\".exe\",0374,\"CTRL+SHIFT+F5\"\n"
        "\"C:\\Menu\\two\r\nlines.PIF\",,0b2c,\"CTRL+SHIFT+,\"",
    };
    for (const std::string& text : variants) {
        std::vector<BackupRow> rows;
        ASSERT_EQ(ReadBackup(text, rows), "") << text;
        ASSERT_EQ(rows.size(), written.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].path.str(), written[i].path.str());
            EXPECT_EQ(rows[i].target.str(), written[i].target.str());
            EXPECT_EQ(rows[i].hotKey, written[i].hotKey);
        }
    }
}

// Every hotkey word but 0 (its text a lead byte, a comma, a quote or no key
// at all), under names with a comma, a quote, a double-byte character and an
// extension that only begins with LNK, reads back as written.
TEST(ParseBackupCsv, ReadsBackEveryWordAndAwkwardName)
{
    const char* names[] = {"C:\\Menu\\a,b.lnk", "C:\\Menu\\say \"hi\".pif", "C:\\Menu\\\x83\x5C.lnk", "C:\\Menu\\Tool.lnk~"};
    std::vector<BackupRow> written;
    for (unsigned word = 1; word <= 0xFFFF; ++word)
        written.push_back({names[word % 4], word % 3 == 0 ? "" : "C:\\x,\"y\".exe", static_cast<std::uint16_t>(word)});
    std::vector<BackupRow> rows;
    ASSERT_EQ(ReadBackup(FormatBackupCsv(written).str(), rows), "");
    ASSERT_EQ(rows.size(), written.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        ASSERT_TRUE(rows[i].path == written[i].path && rows[i].target == written[i].target &&
                    rows[i].hotKey == written[i].hotKey)
            << "word " << written[i].hotKey;
}

// Each malformed text is refused whole, with the line it went wrong on.
TEST(ParseBackupCsv, RefusesMalformedTextWithLineAndReason)
{
    const std::string good = "C:\\a.lnk,C:\\a.exe,0374,CTRL+SHIFT+F5\r\n";
    const struct {
        std::string text;
        const char* refusal;
    } cases[] = {
        {"", "line 1: the first line is not the header Path,Target,HotKey,Text"},
        {"Path,Target,Hotkey,Text\r\n", "line 1: the first line is not the header Path,Target,HotKey,Text"},
        {good, "line 1: the first line is not the header Path,Target,HotKey,Text"},
        {kBackupHeader + good + "C:\\b.lnk,C:\\b.exe,0374\r\n", "line 3: a row does not have 4 fields (path, target, hotkey, text)"},
        {kBackupHeader + good + "\r\n", "line 3: a row does not have 4 fields (path, target, hotkey, text)"},
        {kBackupHeader + good + "C:\\b.lnk,C:\\b.exe,0374,CTRL+SHIFT+F5,x\r\n", "line 3: a row does not have 4 fields (path, target, hotkey, text)"},
        {kBackupHeader + std::string("\"C:\\a\r\n.lnk,C:\\a.exe,0374,CTRL+SHIFT+F5\r\n"), "line 2: a quoted field is not closed"},
        {kBackupHeader + std::string("C:\\a\"b.lnk,C:\\a.exe,0374,CTRL+SHIFT+F5\r\n"), "line 2: a quote inside an unquoted field"},
        {kBackupHeader + std::string("\"C:\\a.lnk\"x,C:\\a.exe,0374,CTRL+SHIFT+F5\r\n"), "line 2: a quoted field is followed by more than a comma or a line end"},
        {kBackupHeader + std::string("C:\\a.lnk\r,C:\\a.exe,0374,CTRL+SHIFT+F5\r\n"), "line 2: a carriage return without a line feed"},
        {kBackupHeader + std::string("C:\\a.exe,C:\\a.exe,0374,CTRL+SHIFT+F5\r\n"), "line 2: the path is not a .LNK, .PIF or .URL file"},
        {kBackupHeader + std::string(",C:\\a.exe,0374,CTRL+SHIFT+F5\r\n"), "line 2: the path is not a .LNK, .PIF or .URL file"},
        {kBackupHeader + std::string("C:\\a.lnk,C:\\a.exe,374,CTRL+SHIFT+F5\r\n"), "line 2: the hotkey is not 4 hex digits other than 0000"},
        {kBackupHeader + std::string("C:\\a.lnk,C:\\a.exe,03G4,CTRL+SHIFT+F5\r\n"), "line 2: the hotkey is not 4 hex digits other than 0000"},
        {kBackupHeader + std::string("C:\\a.lnk,C:\\a.exe,0000,\r\n"), "line 2: the hotkey is not 4 hex digits other than 0000"},
        {kBackupHeader + std::string("C:\\a.lnk,C:\\a.exe,0374,CTRL+SHIFT+F6\r\n"), "line 2: the hotkey text is not the text of the hotkey"},
        {kBackupHeader + std::string("C:\\a\x83.lnk,C:\\a.exe,0374,CTRL+SHIFT+F5\r\n"), "line 2: a path is not text in the ANSI code page"},
        {kBackupHeader + std::string("C:\\a.lnk,C:\\a\x83,0374,CTRL+SHIFT+F5\r\n"), "line 2: a path is not text in the ANSI code page"},
        {kBackupHeader + std::string("C:\\a.lnk,C:\\a", 13) + std::string(1, '\0') + ",0374,CTRL+SHIFT+F5\r\n", "line 2: a path is not text in the ANSI code page"},
        {kBackupHeader + good + good + "C:\\b.lnk,C:\\b.exe,0374,CTRL+SHIFT+F5,\r\n", "line 4: a row does not have 4 fields (path, target, hotkey, text)"},
        {kArgumentsHeader + good, "line 2: a row does not have 5 fields (path, target, hotkey, text, arguments)"},
        {kArgumentsHeader + std::string("C:\\a.lnk,C:\\a.exe,0000,F5,\r\n"), "line 2: the hotkey text is not the text of the hotkey"},
        {kArgumentsHeader + std::string("C:\\a.lnk,,0374,CTRL+SHIFT+F5,\x83\r\n"), "line 2: the arguments are not text in the ANSI code page"},
    };
    for (const auto& c : cases) {
        std::vector<BackupRow> rows;
        EXPECT_EQ(ReadBackup(c.text, rows), c.refusal) << c.text;
    }
}

// The keeper's log: a tab in a field cannot shift the fields after it; a cut
// log keeps its newest whole lines within both bounds.
TEST(KeepLogText, LinesReadBackFieldByFieldAndTrimKeepsTheNewestWholeLines)
{
    const std::string log = FormatKeepLogLine({"t1", "given back", "C:\\a.lnk", "F1", "x\ty"}) + "\r\n" +
                            FormatKeepLogLine({"t2", "held", "C:\\b.lnk", "F2", ""}) + "t3\tmoved";
    const std::vector<KeepLogLine> last = LastKeepLogLines(log, 2);
    ASSERT_EQ(last.size(), 2u);
    EXPECT_EQ(last[0].detail, "");
    EXPECT_EQ(last[0].path, "C:\\b.lnk");
    EXPECT_EQ(last[1].what, "moved");
    EXPECT_EQ(LastKeepLogLines(log, 3)[0].detail, "x y");
    EXPECT_EQ(TrimmedKeepLog(log, 2, 1000), log.substr(log.find("t2")));
    EXPECT_EQ(TrimmedKeepLog(log, 3, 20), "t3\tmoved");
    EXPECT_EQ(TrimmedKeepLog(log, 3, log.size()), log);
}
