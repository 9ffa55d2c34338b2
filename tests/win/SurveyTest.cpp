// The survey run in a real main window against real shortcut files in the
// test prefix's Start Menu, Desktop and common Start Menu.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "support/Shortcuts.h"
#include "survey/LinkFormat.h"
#include "support/TestFolders.h"
#include "support/WindowDriver.h"

namespace {
class SurveyTest : public testing::Test {
protected:
    void Shortcut(const std::string& path, WORD hotKey)
    {
        MakeFolders(path.substr(0, path.rfind('\\')));
        ShortcutSpec spec;
        spec.target = folders.Target();
        spec.hotKey = hotKey;
        ASSERT_TRUE(MakeShortcut(path, spec)) << path;
    }
    // Runs the survey without letting the posted sort run yet.
    void SurveyUnsorted() { window.dialog.SendMessage(WM_COMMAND, IDC_START_SURVEY, 0); }
    std::vector<std::string> HotKeyTexts() const
    {
        std::vector<std::string> texts;
        for (const ListRow& row : window.Rows())
            texts.push_back(row.hotKey);
        return texts;
    }
    std::set<LPARAM> ItemData() const
    {
        std::set<LPARAM> data;
        for (const ListRow& row : window.Rows())
            data.insert(row.data);
        return data;
    }

    SurveyFolders folders;
    MainDialogFixture window;
};
}

// Rows are built in search order (Start Menu LNK, its PIF, Desktop, common
// Start Menu) with item data 0..n-1, one icon slot each; the posted sort then
// orders them by key name.
TEST_F(SurveyTest, ListsShortcutsWithHotkeysInSearchOrderThenSortsByKey)
{
    Shortcut(folders.StartMenu() + "\\Alpha.lnk", 0x0374);
    Shortcut(folders.StartMenu() + "\\Programs\\Beta.lnk", 0x0641);
    Shortcut(folders.StartMenu() + "\\NoKey.lnk", 0);
    Shortcut(folders.StartMenu() + "\\Old.pif", 0x0587);
    Shortcut(folders.Desktop() + "\\Gamma.lnk", 0x0421);
    Shortcut(folders.CommonStartMenu() + "\\Delta.lnk", 0x0200);

    SurveyUnsorted();
    const std::vector<ListRow> rows = window.Rows();
    ASSERT_EQ(rows.size(), 5u);
    const std::vector<std::string> inOrder = {
        folders.StartMenu() + "\\Alpha.lnk", folders.StartMenu() + "\\Programs\\Beta.lnk",
        folders.StartMenu() + "\\Old.pif", folders.Desktop() + "\\Gamma.lnk",
        folders.CommonStartMenu() + "\\Delta.lnk"};
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].path, inOrder[i]);
        EXPECT_EQ(rows[i].data, static_cast<LPARAM>(i));
    }
    EXPECT_EQ(window.dialog.m_icons.GetSize(), 5);
    EXPECT_EQ(window.dialog.m_bSurveyed, 1);

    PumpMessages();
    EXPECT_EQ(HotKeyTexts(), (std::vector<std::string>{"ALT+Page Up", "CTRL+", "CTRL+ALT+A", "CTRL+SHIFT+F5", "SHIFT+ALT+F24"}));
    EXPECT_EQ(window.Rows()[0].path, folders.Desktop() + "\\Gamma.lnk");
    EXPECT_EQ(ItemData(), (std::set<LPARAM>{0, 1, 2, 3, 4}));
}

// With the view setting on, shortcuts without a hotkey get a row with an
// empty key text and an icon slot of their own.
TEST_F(SurveyTest, ShowUnassignedListsShortcutsWithoutHotkey)
{
    Shortcut(folders.StartMenu() + "\\Keyed.lnk", 0x0374);
    Shortcut(folders.Desktop() + "\\Plain.lnk", 0);

    window.Command(IDC_START_SURVEY);
    ASSERT_EQ(window.Rows().size(), 1u);

    window.dialog.m_bShowUnassigned = 1;
    window.Command(IDC_START_SURVEY);
    const std::vector<ListRow> rows = window.Rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].path, folders.Desktop() + "\\Plain.lnk");  // the empty text sorts first
    EXPECT_EQ(rows[0].hotKey, "");
    EXPECT_EQ(window.dialog.m_icons.GetSize(), 2);
}

// A second survey rebuilds the same rows and destroys the first run's icons.
TEST_F(SurveyTest, SecondRunRebuildsRowsAndDestroysPreviousIcons)
{
    Shortcut(folders.StartMenu() + "\\One.lnk", 0x0031);
    Shortcut(folders.StartMenu() + "\\Two.lnk", 0x0032);
    window.Command(IDC_START_SURVEY);
    const std::vector<ListRow> first = window.Rows();
    ASSERT_EQ(first.size(), 2u);

    // Give both rows real icons, as an icon-bearing survey would have.
    const HICON icons[2] = {::CopyIcon(::LoadIconA(nullptr, IDI_APPLICATION)), ::CopyIcon(::LoadIconA(nullptr, IDI_APPLICATION))};
    window.dialog.m_icons.Clear();
    for (HICON icon : icons) {
        ASSERT_TRUE(IsLiveIcon(icon));
        window.dialog.m_icons.Add(icon);
    }

    window.Command(IDC_START_SURVEY);
    const std::vector<ListRow> second = window.Rows();
    ASSERT_EQ(second.size(), first.size());
    for (size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(second[i].path, first[i].path);
        EXPECT_EQ(second[i].hotKey, first[i].hotKey);
    }
    EXPECT_EQ(ItemData(), (std::set<LPARAM>{0, 1}));
    EXPECT_FALSE(IsLiveIcon(icons[0]));
    EXPECT_FALSE(IsLiveIcon(icons[1]));
    EXPECT_EQ(window.dialog.m_icons.GetSize(), 2);
}

// Files that do not load as shortcuts are skipped and the survey goes on; a
// folder named like a shortcut is searched, not listed.
TEST_F(SurveyTest, SkipsUnreadableFilesAndGoesOn)
{
    Shortcut(folders.StartMenu() + "\\Good.lnk", 0x0374);
    const std::string good = ReadFileBytes(folders.StartMenu() + "\\Good.lnk");
    ASSERT_GT(good.size(), kHeaderSize);
    ASSERT_TRUE(WriteFileBytes(folders.StartMenu() + "\\Empty.lnk", ""));
    ASSERT_TRUE(WriteFileBytes(folders.StartMenu() + "\\Truncated.lnk", good.substr(0, 0x30)));
    ASSERT_TRUE(WriteFileBytes(folders.StartMenu() + "\\Noise.lnk", std::string(300, '\x5A')));
    ASSERT_TRUE(WriteFileBytes(folders.StartMenu() + "\\Text.pif", "not a shortcut"));
    Shortcut(folders.StartMenu() + "\\Folder.lnk\\Inner.lnk", 0x0641);
    Shortcut(folders.Desktop() + "\\After.lnk", 0x0421);

    window.Command(IDC_START_SURVEY);
    std::set<std::string> paths;
    for (const ListRow& row : window.Rows())
        paths.insert(row.path);
    EXPECT_EQ(paths, (std::set<std::string>{folders.StartMenu() + "\\Good.lnk",
                                            folders.StartMenu() + "\\Folder.lnk\\Inner.lnk",
                                            folders.Desktop() + "\\After.lnk"}));
    EXPECT_EQ(window.dialog.m_icons.GetSize(), 3);
}

// Every survey ends sorted by key name, whatever order was chosen before;
// with nothing found the list is empty and the sort still runs.
TEST_F(SurveyTest, EndsSortedByKeyEvenAfterSortByName)
{
    window.Command(ID_SORT_BY_NAME);
    EXPECT_EQ(window.dialog.m_nSortKey, ID_SORT_BY_NAME);
    window.Command(IDC_START_SURVEY);
    EXPECT_TRUE(window.Rows().empty());
    EXPECT_EQ(window.dialog.m_nSortKey, ID_SORT_BY_KEY);

    Shortcut(folders.StartMenu() + "\\A.lnk", 0x0046);         // F
    Shortcut(folders.StartMenu() + "\\B.lnk", 0x0241);         // CTRL+A
    window.Command(ID_SORT_BY_NAME);
    window.Command(IDC_START_SURVEY);
    EXPECT_EQ(window.dialog.m_nSortKey, ID_SORT_BY_KEY);
    EXPECT_EQ(HotKeyTexts(), (std::vector<std::string>{"CTRL+A", "F"}));
}

// A path of 260 bytes or more does not fit the platform's path buffers: it is
// skipped like a file that fails to open; 259 bytes still fits.
TEST_F(SurveyTest, SkipsPathsThatDoNotFitAndKeepsThoseThatDo)
{
    Shortcut(folders.StartMenu() + "\\Seed.lnk", 0x0374);
    const std::string seed = folders.StartMenu() + "\\Seed.lnk";
    const std::string folder = folders.StartMenu() + "\\" + std::string(120, 'f');
    ASSERT_TRUE(MakeFolders(folder));
    const size_t room = 259 - folder.size() - 1;  // name bytes for a 259-byte path
    const std::string fits = folder + "\\" + std::string(room - 4, 'k') + ".lnk";
    const std::string tooLong = folder + "\\" + std::string(room - 3, 'm') + ".lnk";
    ASSERT_EQ(fits.size(), 259u);
    ASSERT_EQ(tooLong.size(), 260u);
    const std::wstring wideFits(fits.begin(), fits.end()), wideLong(tooLong.begin(), tooLong.end());
    ASSERT_TRUE(::CopyFileW(std::wstring(seed.begin(), seed.end()).c_str(), (L"\\\\?\\" + wideFits).c_str(), FALSE));
    ASSERT_TRUE(::CopyFileW(std::wstring(seed.begin(), seed.end()).c_str(), (L"\\\\?\\" + wideLong).c_str(), FALSE));

    window.Command(IDC_START_SURVEY);
    std::set<std::string> paths;
    for (const ListRow& row : window.Rows())
        paths.insert(row.path);
    EXPECT_EQ(paths, (std::set<std::string>{seed, fits}));
    ::DeleteFileW((L"\\\\?\\" + wideLong).c_str());
}
