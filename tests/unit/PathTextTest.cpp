#include "rules/PathText.h"
#include "rules/ShortcutKind.h"

#include <cstring>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "rules/DoubleByte.h"

namespace {

// The path in a heap block of exactly its size, so that a scan past its
// terminator is caught by the address sanitizer.
std::unique_ptr<char[]> ExactCopy(const char* text)
{
    const std::size_t size = std::strlen(text) + 1;
    std::unique_ptr<char[]> copy(new char[size]);
    std::memcpy(copy.get(), text, size);
    return copy;
}

struct PathCase {
    const char* path;
    const char* fileName;
    const char* extension;
};

TEST(PathText, FileNameAndExtension)
{
    // "\x83\x5C" is the katakana so, whose second byte is the backslash's value;
    // "\x88\x9F" is a character whose second byte is itself a lead byte value.
    const PathCase cases[] = {
        {"C:\\WINDOWS\\Desktop\\Notepad.lnk", "Notepad.lnk", "lnk"},
        {"Notepad.lnk", "Notepad.lnk", "lnk"},
        {"C:\\WINDOWS\\", "", ""},
        {"", "", ""},
        {"\\", "", ""},
        {"C:\\a\\b.txt", "b.txt", "txt"},
        {"C:\\My.Dir\\README", "README", ""},
        {"C:\\a\\b.", "b.", ""},
        {"C:\\a\\.lnk", ".lnk", "lnk"},
        {"NOTEPAD.Lnk", "NOTEPAD.Lnk", "Lnk"},
        {"C:\\a\\b.tar.gz", "b.tar.gz", "gz"},
        {"C:/a/b.txt", "C:/a/b.txt", "txt"},
        {"\\\\server\\share\\x.pif", "x.pif", "pif"},
        {"C:\\\x83\x5C\\Name.lnk", "Name.lnk", "lnk"},
        {"C:\\a\\\x83\x5C", "\x83\x5C", ""},
        {"C:\\a.b\\\x83\x5C\x83\x5C", "\x83\x5C\x83\x5C", ""},
        {"C:\\a\\b.\x83\x5C", "b.\x83\x5C", "\x83\x5C"},
        {"C:\\\x88\x9F\\x.txt", "x.txt", "txt"},
        {"\x83\x5C.lnk", "\x83\x5C.lnk", "lnk"},
        {"\xB1\\\xB2.\xB3", "\xB2.\xB3", "\xB3"},
        {"C:\\dir\\a\x83", "a\x83", ""},
        {"C:\\dir\\a.b\x83", "a.b\x83", "b\x83"},
        {"\x83", "\x83", ""},
    };
    for (const PathCase& c : cases) {
        const auto path = ExactCopy(c.path);
        EXPECT_EQ(GetPathFileName(path.get()).str(), c.fileName) << c.path;
        EXPECT_EQ(GetPathExtension(path.get()).str(), c.extension) << c.path;
    }
}

// The kind by the long name, and by the short name only where the long
// extension goes on past a kind's letters; `named` is the long name's alone.
TEST(PathText, ShortcutKindOfLongAndShortNames)
{
    constexpr ShortcutKind none = ShortcutKind::kNone, lnk = ShortcutKind::kLink, pif = ShortcutKind::kPif,
                           url = ShortcutKind::kInternet;
    const struct { const char* longName; const char* shortName; ShortcutKind kind, named; } cases[] = {
        // The long name decides: its extension is exactly a kind's letters, or begins with none.
        {"C:\\d\\a.lnk", "", lnk, lnk},     {"a.LnK", "A.TXT", lnk, lnk},     {"a.PIF", "", pif, pif},
        {"C:\\d\\a.Url", "", url, url},     {"a.txt", "A.LNK", none, none},   {"a.ln", "A.LNK", none, none},
        {"a.lnk.txt", "", none, none},     {"C:\\a.lnk\\b", "", none, none}, {"lnk", "", none, none},
        {"\x83\x5C.lnk", "", lnk, lnk},     {"a.\x83\x4C", "A.LNK", none, none},
        // The long extension goes on: the short name's extension must be exactly the same letters.
        {"C:\\d\\a.lnk2", "A~1.LNK", lnk, lnk}, {"a.lnk2", "C:\\d\\A~1.lnk", lnk, lnk}, {"a.lnk2", "", none, lnk},
        {"x.lnk~", "X~1.LNK", lnk, lnk},    {"x.lnk~", "", none, lnk},        {"a.pifx", "A~1.PIF", pif, pif},
        {"a.url2", "A~1.URL", url, url},    {"a.lnk2", "A~1.PIF", none, lnk}, {"a.lnk2", "A~1.LNK2", none, lnk},
    };
    for (const auto& c : cases) {
        const auto longName = ExactCopy(c.longName);
        const auto shortName = ExactCopy(c.shortName);
        EXPECT_EQ(KindOfFile(KindOfLongName(longName.get()), shortName.get()), c.kind)
            << c.longName << ' ' << c.shortName;
        EXPECT_EQ(KindOfLongName(longName.get()).kind, c.named) << c.longName;
    }
}

TEST(PathText, LeadBytesAreThoseOfCodePage932)
{
    for (int byte = 0; byte <= 0xFF; ++byte) {
        const bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
        EXPECT_EQ(IsLeadByte(static_cast<unsigned char>(byte)), lead) << "byte 0x" << std::hex << byte;
    }
}

} // namespace
