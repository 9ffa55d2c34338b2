#include "rules/HotKeyFindings.h"
#include "rules/HotKeyText.h"
#include "rules/SurveyPlace.h"

#include <cstdint>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

namespace {

struct HotKeyCase {
    std::uint16_t value;
    const char* text;
};

void ExpectTexts(const HotKeyCase* first, const HotKeyCase* last)
{
    for (const HotKeyCase* c = first; c != last; ++c)
        EXPECT_EQ(FormatHotKey(c->value).str(), c->text) << "value 0x" << std::hex << c->value;
}

TEST(FormatHotKey, WritesModifiersAndKey)
{
    const HotKeyCase cases[] = {
        {0x0000, ""},
        {0x0374, "CTRL+SHIFT+F5"},
        {0x0641, "CTRL+ALT+A"},
        {0x0421, "ALT+Page Up"},
        {0x0587, "SHIFT+ALT+F24"},
        {0x0200, "CTRL+"},
        {0x0100, "SHIFT+"},
        {0x0400, "ALT+"},
        {0x0700, "CTRL+SHIFT+ALT+"},
        {0x0741, "CTRL+SHIFT+ALT+A"},
        {0x0800, ""},
        {0x0208, "CTRL+"},
        {0x0001, ""},
        {0x001F, ""},
        {0x0820, " "},
        {0x0031, "1"},
        {0x006A, "j"},
        {0x006F, "o"},
        {0x002C, ","},
        {0x0088, "\x88"},
        {0x00A1, "\xA1"},
        {0x00FF, "\xFF"},
        {0x0070, "F1"},
        {0x0079, "F10"},
        {0x047B, "ALT+F12"},
        {0x0086, "F23"},
    };
    ExpectTexts(std::begin(cases), std::end(cases));
}

TEST(FormatHotKey, NamesTheNamedKeys)
{
    const HotKeyCase cases[] = {
        {0x21, "Page Up"}, {0x22, "Page Down"}, {0x23, "End"},     {0x24, "Home"},
        {0x25, "Left"},    {0x26, "Up"},        {0x27, "Right"},   {0x28, "Down"},
        {0x29, "Select"},  {0x2A, "Print"},     {0x2B, "Execute"}, {0x2D, "Ins"},
        {0x2E, "Del"},     {0x2F, "Help"},      {0x60, "Num 0"},   {0x61, "Num 1"},
        {0x62, "Num 2"},   {0x63, "Num 3"},     {0x64, "Num 4"},   {0x65, "Num 5"},
        {0x66, "Num 6"},   {0x67, "Num 7"},     {0x68, "Num 8"},   {0x69, "Num 9"},
        {0x90, "Numlock"}, {0x91, "Scroll"},    {0x0390, "CTRL+SHIFT+Numlock"},
    };
    ExpectTexts(std::begin(cases), std::end(cases));
}

TEST(FormatHotKey, NumbersEveryFunctionKey)
{
    for (int n = 1; n <= 24; ++n) {
        const std::uint16_t value = static_cast<std::uint16_t>(0x0200 | (0x6F + n));
        EXPECT_EQ(FormatHotKey(value).str(), "CTRL+F" + std::to_string(n)) << "F" << n;
    }
}

bool IsNamedOrFunctionKey(int key)
{
    return (key >= 0x21 && key <= 0x2F && key != 0x2C) || (key >= 0x60 && key <= 0x69) ||
           (key >= 0x70 && key <= 0x87) || key == 0x90 || key == 0x91;
}

TEST(FormatHotKey, WritesAnyOtherKeyAsItsOwnByte)
{
    for (int key = 0x01; key <= 0xFF; ++key) {
        if (IsNamedOrFunctionKey(key))
            continue;
        const std::string expected = key < 0x20 ? "" : std::string(1, static_cast<char>(key));
        EXPECT_EQ(FormatHotKey(static_cast<std::uint16_t>(key)).str(), expected) << "key 0x" << std::hex << key;
    }
}

TEST(FormatHotKey, IgnoresBitsElevenToFifteen)
{
    for (unsigned value = 0; value <= 0x07FF; ++value) {
        const std::string text = FormatHotKey(static_cast<std::uint16_t>(value)).str();
        for (unsigned high = 1; high <= 0x1F; ++high) {
            const std::uint16_t withHigh = static_cast<std::uint16_t>(value | (high << 11));
            ASSERT_EQ(FormatHotKey(withHigh).str(), text) << "value 0x" << std::hex << withHigh;
        }
    }
}

// Every 16-bit value: its text reads back as a value with the same text.
TEST(ParseHotKey, ReadsBackTheTextOfEveryValue)
{
    for (unsigned value = 0; value <= 0xFFFF; ++value) {
        const CString text = FormatHotKey(static_cast<std::uint16_t>(value));
        std::uint16_t parsed = 0;
        ASSERT_EQ(ParseHotKey(text.GetString(), &parsed), 1) << "value 0x" << std::hex << value << " \"" << text.str() << "\"";
        ASSERT_EQ(FormatHotKey(parsed).str(), text.str()) << "value 0x" << std::hex << value;
    }
}

// One text of each class gives its one value: modifiers only, function
// keys at both ends, named keys, a byte key from 0x80 up, the empty text.
TEST(ParseHotKey, GivesTheValueOfEachKindOfText)
{
    const HotKeyCase cases[] = {
        {0x0000, ""},           {0x0374, "CTRL+SHIFT+F5"}, {0x0641, "CTRL+ALT+A"},
        {0x0421, "ALT+Page Up"}, {0x0587, "SHIFT+ALT+F24"}, {0x0070, "F1"},
        {0x0200, "CTRL+"},       {0x0700, "CTRL+SHIFT+ALT+"}, {0x0020, " "},
        {0x006A, "j"},           {0x002C, ","},            {0x0088, "\x88"},
        {0x04FF, "ALT+\xFF"},    {0x0391, "CTRL+SHIFT+Scroll"}, {0x0160, "SHIFT+Num 0"},
        {0x0046, "F"},           {0x022E, "CTRL+Del"},
    };
    for (const HotKeyCase& c : cases) {
        std::uint16_t parsed = 0xFFFF;
        EXPECT_EQ(ParseHotKey(c.text, &parsed), 1) << "\"" << c.text << "\"";
        EXPECT_EQ(parsed, c.value) << "\"" << c.text << "\"";
    }
}

// Texts the notation never writes are refused and leave the value alone:
// other case, other order, repeats, spaces, keys that have a name of their
// own ("p" is F1, "a" is Num 1, "+" is Execute), numbers past F24, "none".
TEST(ParseHotKey, RefusesEveryOtherText)
{
    const char* const texts[] = {
        "ctrl+A", "Ctrl+A", "CTRL+a", "f5", "CTRL +A", " CTRL+A", "CTRL+A ", "ALT+CTRL+A", "SHIFT+CTRL+F5",
        "CTRL+CTRL+A", "CTRL", "CTRL+AB", "F0", "F25", "F05", "p", "a", "+", "CTRL++", "Page up", "PageUp",
        "Num0", "Num 10", "none", "\x1F", "CTRL+\x08", "Ins Del",
    };
    for (const char* text : texts) {
        std::uint16_t parsed = 0x1234;
        EXPECT_EQ(ParseHotKey(text, &parsed), 0) << "\"" << text << "\"";
        EXPECT_EQ(parsed, 0x1234) << "\"" << text << "\"";
    }
}

} // namespace

// Where Explorer acts on a shortcut's hotkey: every level of both Start
// Menus, the top level only of both Desktops and the pinned shortcuts.
TEST(WindowsActsOn, EachRootAtTheTopAndInASubfolder)
{
    const struct {
        SurveyRoot root;
        bool top, sub;
    } roots[] = {
        {SurveyRoot::kStartMenu, true, true},     {SurveyRoot::kDesktop, true, false},
        {SurveyRoot::kCommonStartMenu, true, true}, {SurveyRoot::kCommonDesktop, true, false},
        {SurveyRoot::kPinned, true, false},
    };
    for (const auto& r : roots) {
        EXPECT_EQ(WindowsActsOn({r.root, true}), r.top) << static_cast<int>(r.root);
        EXPECT_EQ(WindowsActsOn({r.root, false}), r.sub) << static_cast<int>(r.root);
    }
}

// A file listed twice (its second row not first) is one holder: never a
// duplicate of itself, never its own holder; an inert row is held but is no
// duplicate.
TEST(HoldersOf, CountEachFileOnceAndNeverTheOwnFile)
{
    const std::vector<HotKeyRowFacts> rows = {{0x0641, true, true}, {0x0641, true, false}, {0x0E41, false, true}};
    const std::vector<RowFinding> findings = FindingsOf(rows);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].row, 2u);
    EXPECT_EQ(findings[0].finding, HotKeyFinding::kInert);
    EXPECT_EQ(HoldersOf(rows, 0x0641, 0, false), std::vector<std::size_t>{2});
    EXPECT_EQ(HoldersOf(rows, 0x0641, -1, true), std::vector<std::size_t>{0});
}
