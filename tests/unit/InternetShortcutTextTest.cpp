// Reading an internet shortcut's INI text and rewriting its HotKey value.
#include "rules/InternetShortcutText.h"

#include <gtest/gtest.h>

namespace {
const char kProperties[] = "[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,2\r\n";
}

// The HotKey value of the [InternetShortcut] section alone is read and
// written: replaced where it is, added at the section's end where it is not,
// with the section's own line ends; every other byte is kept, a double-byte
// value included.
TEST(InternetShortcutText, RewritesOnlyTheSectionsHotKeyValue)
{
    const std::string url = "URL=file:///C:/\x83\x5C\x83\x74\x83\x67.txt";
    const struct {
        std::string before, after;
        std::uint16_t read;  // the hotkey read before
    } cases[] = {
        {"[InternetShortcut]\r\n" + url + "\r\nHotKey = 1601 \r\n" + kProperties,
         "[InternetShortcut]\r\n" + url + "\r\nHotKey = 884 \r\n" + kProperties, 1601},
        {"[InternetShortcut]\r\n" + url + "\r\n\r\n" + kProperties,
         "[InternetShortcut]\r\n" + url + "\r\nHotKey=884\r\n\r\n" + kProperties, 0},
        {"[Other]\r\nHotKey=1601\r\n[internetshortcut]\r\n" + url,
         "[Other]\r\nHotKey=1601\r\n[internetshortcut]\r\n" + url + "\r\nHotKey=884", 0},
        {"[InternetShortcut]\n" + url + "\nHotKey=none\n", "[InternetShortcut]\n" + url + "\nHotKey=884\n", 0},
        {"; saved\n[InternetShortcut]\n" + url + "\n", "; saved\n[InternetShortcut]\n" + url + "\nHotKey=884\n", 0},
    };
    for (const auto& c : cases) {
        InternetShortcut shortcut;
        ASSERT_EQ(ReadInternetShortcut(c.before, shortcut), 1) << c.before;
        EXPECT_EQ(shortcut.url, url.substr(4));
        EXPECT_EQ(shortcut.hotKey, c.read) << c.before;
        EXPECT_EQ(WithInternetShortcutHotKey(c.before, 0x0374), c.after);
        ASSERT_EQ(ReadInternetShortcut(c.after, shortcut), 1);
        EXPECT_EQ(shortcut.hotKey, 0x0374) << c.after;
    }
}

// The section's URL alone makes an internet shortcut (malformed files are
// refused in the survey's tests); IconFile and a signed IconIndex are read,
// a HotKey past 16 bits is none.
TEST(InternetShortcutText, ReadsTheIconAndOnlyTheSectionsUrl)
{
    InternetShortcut shortcut;
    EXPECT_EQ(ReadInternetShortcut("[InternetShortcut]\r\nHotKey=1601\r\n[Other]\r\nURL=http://a/\r\n", shortcut), 0);
    ASSERT_EQ(ReadInternetShortcut("[InternetShortcut]\r\nURL=u\r\nIconFile=C:\\a.ico\r\nIconIndex=-3\r\nHotKey=65536\r\n", shortcut), 1);
    EXPECT_EQ(shortcut.iconFile, "C:\\a.ico");
    EXPECT_EQ(shortcut.iconIndex, -3);
    EXPECT_EQ(shortcut.hotKey, 0);
}
