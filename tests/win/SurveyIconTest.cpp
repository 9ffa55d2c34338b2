// Row icons of a real survey: shortcuts in the test prefix's Start Menu and
// Desktop, each row's icon slot filled through the icon location resolver
// and ExtractIconA in the real main window.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/Com.h"
#include "shell/ShellLink.h"
#include "support/ClassesRegistry.h"
#include "support/Shortcuts.h"
#include "support/TestFolders.h"
#include "support/WindowDriver.h"
#include "survey/SurveyRun.h"

namespace {

// Writes a shortcut to the Control Panel, which has no file-system path,
// with hotkey `hotKey`.
bool SaveControlPanelLink(const std::string& path, WORD hotKey)
{
    ShortcutSpec spec;
    spec.targetFolder = CSIDL_CONTROLS;
    spec.hotKey = hotKey;
    return MakeShortcut(path, spec);
}

struct IconCase {
    std::string name;
    std::string iconFile;  // stored in the shortcut; empty: none stored
    int iconIndex;
    bool hasIcon;
};

class SurveyIconTest : public testing::Test {
protected:
    void SetUp() override
    {
        char windows[MAX_PATH] = {};
        ::GetWindowsDirectoryA(windows, MAX_PATH);
        m_windows = windows;
    }

    // A shortcut with a hotkey to the survey's usual target.
    void Shortcut(const std::string& path, const std::string& iconFile, int iconIndex)
    {
        ShortcutSpec spec;
        spec.target = folders.Target();
        spec.hotKey = 0x0641;
        spec.iconFile = iconFile;
        spec.iconIndex = iconIndex;
        ASSERT_TRUE(MakeShortcut(path, spec)) << path;
    }

    // The icon slot of the row whose column 0 is `path`.
    HICON RowIcon(const std::string& path) const
    {
        for (const ListRow& row : window.Rows())
            if (row.path == path)
                return reinterpret_cast<HICON>(CSurveyDlgProbe::Icons(window.dialog)[static_cast<int>(row.data)]);
        ADD_FAILURE() << "no row for " << path;
        return nullptr;
    }

    SurveyFolders folders;
    MainDialogFixture window;
    std::string m_windows;
};

// Rows whose icon location names a file with icons carry a live icon; rows
// whose location names a file without icons, a missing file, an index past
// the last icon or a folder carry none. Clearing the row icons destroys them.
TEST_F(SurveyIconTest, RowsCarryTheIconsTheirLocationsName)
{
    const std::string text = folders.StartMenu() + "\\plain.txt";
    ASSERT_TRUE(WriteFileBytes(text, "no icons here"));
    const std::vector<IconCase> cases = {
        {"Target.lnk", "", 0, true},  // read back as naming its target
        {"Library.lnk", "%SystemRoot%\\system32\\shell32.dll", 3, true},
        {"Program.lnk", m_windows + "\\notepad.exe", 0, true},
        {"TextFile.lnk", text, 0, false},
        {"Missing.lnk", m_windows + "\\no-such-icons.dll", 0, false},
        {"PastTheLast.lnk", m_windows + "\\notepad.exe", 5000, false},
    };
    for (const IconCase& c : cases)
        Shortcut(folders.StartMenu() + "\\" + c.name, c.iconFile, c.iconIndex);
    // A folder target, read back as naming the folder itself for its icon.
    ShortcutSpec toFolder;
    toFolder.target = folders.StartMenu();
    toFolder.hotKey = 0x0642;
    ASSERT_TRUE(MakeShortcut(folders.Desktop() + "\\Folder.lnk", toFolder));

    window.Command(IDC_START_SURVEY);
    ASSERT_EQ(window.Rows().size(), cases.size() + 1);
    EXPECT_EQ(CSurveyDlgProbe::Icons(window.dialog).GetSize(), static_cast<int>(cases.size() + 1));

    std::vector<HICON> live;
    for (const IconCase& c : cases) {
        const HICON icon = RowIcon(folders.StartMenu() + "\\" + c.name);
        EXPECT_EQ(IsLiveIcon(icon), c.hasIcon) << c.name;
        EXPECT_EQ(icon != nullptr, c.hasIcon) << c.name;
        if (c.hasIcon)
            live.push_back(icon);
    }
    EXPECT_EQ(RowIcon(folders.Desktop() + "\\Folder.lnk"), nullptr);

    CSurveyDlgProbe::List(window.dialog).RemoveAllRows();
    EXPECT_EQ(CSurveyDlgProbe::Icons(window.dialog).GetSize(), 0);
    for (HICON icon : live)
        EXPECT_FALSE(IsLiveIcon(icon));
}

// Rows whose shortcuts name the same icon location share one handle; each
// distinct handle is owned once, and a new survey and then the window's
// destruction destroy each of them: nothing is left and nothing is shared
// across surveys. Icons are found as rows come into view: rows below the
// first page wait until the list is scrolled to them, and then every row,
// the Control Panel shortcuts found through the shell's namespace in later
// batches too, shows its icon.
TEST_F(SurveyIconTest, RowsShowingOneIconShareOneHandleDestroyedOnce)
{
    std::vector<std::string> paths = {folders.StartMenu() + "\\One.lnk", folders.StartMenu() + "\\Two.lnk",
                                      folders.Desktop() + "\\Three.lnk", folders.Desktop() + "\\Other.lnk"};
    for (size_t i = 0; i < 3; ++i)
        Shortcut(paths[i], m_windows + "\\notepad.exe", 0);
    Shortcut(paths[3], "%SystemRoot%\\system32\\shell32.dll", 3);
    for (int i = 0; i < 16; ++i) {
        paths.push_back(folders.Desktop() + "\\Panel " + std::to_string(i) + ".lnk");
        ASSERT_TRUE(SaveControlPanelLink(paths.back(), 0x0641));
    }

    std::vector<HICON> earlier;
    for (int survey = 0; survey < 2; ++survey) {
        window.Command(IDC_START_SURVEY);
        ASSERT_EQ(window.Rows().size(), paths.size());
        const CRowIcons& store = CSurveyDlgProbe::Icons(window.dialog);
        EXPECT_TRUE(store.IsPending(static_cast<int>(window.Rows().back().data))) << "a row out of view waits";
        window.ScrollToEnd();
        std::vector<HICON> icons;
        for (const std::string& path : paths)
            icons.push_back(RowIcon(path));
        for (size_t i = 0; i < icons.size(); ++i)
            EXPECT_TRUE(IsLiveIcon(icons[i])) << paths[i];
        EXPECT_EQ(icons[1], icons[0]);
        EXPECT_EQ(icons[2], icons[0]);
        EXPECT_NE(icons[3], icons[0]);
        for (size_t i = 5; i < icons.size(); ++i)
            EXPECT_EQ(icons[i], icons[4]) << paths[i];
        EXPECT_EQ(store.OwnedCount(), 3);
        for (HICON icon : earlier) {
            if (std::find(icons.begin(), icons.end(), icon) == icons.end()) {  // a value the platform may hand out again
                EXPECT_FALSE(IsLiveIcon(icon)) << "an icon of the earlier survey outlived it";
            }
        }
        earlier = icons;
    }
    ::DestroyWindow(window.dialog.m_hWnd);
    PumpMessages();
    for (HICON icon : earlier)
        EXPECT_FALSE(IsLiveIcon(icon)) << "a row icon outlived the window";
    EXPECT_EQ(CSurveyDlgProbe::Icons(window.dialog).GetSize(), 0);
}

// A sink that declines icons (the command program's) gets every row, each
// without an icon, even where the window would show one.
TEST_F(SurveyIconTest, ASinkDecliningIconsIsHandedNone)
{
    Shortcut(folders.StartMenu() + "\\One.lnk", m_windows + "\\notepad.exe", 0);
    Shortcut(folders.Desktop() + "\\Two.lnk", "%SystemRoot%\\system32\\shell32.dll", 3);
    struct Sink : CRowSink {
        Sink() : CRowSink({/*icons*/ false, /*targets*/ false}) {}
        void Add(SurveyRow row) override { rows.push_back({row.path.str(), row.icon.has_value()}); }
        std::vector<std::pair<std::string, bool>> rows;
    } sink;
    ASSERT_EQ(SurveyShortcuts(nullptr, 0, sink), SurveyStatus::kDone);
    EXPECT_EQ(sink.rows.size(), 2u);
    for (const auto& row : sink.rows)
        EXPECT_FALSE(row.second) << row.first;
}

// A shortcut to the Control Panel has no file-system target: its row takes
// the icon the shell shows for the shortcut file.
TEST_F(SurveyIconTest, ShortcutWithoutFileSystemTargetGetsTheShellsIcon)
{
    const std::string path = folders.Desktop() + "\\Control Panel.lnk";
    ASSERT_TRUE(SaveControlPanelLink(path, 0x0643));
    window.Command(IDC_START_SURVEY);
    ASSERT_EQ(window.Rows().size(), 1u);
    EXPECT_TRUE(IsLiveIcon(RowIcon(path)));
}

// Every survey asks the registry afresh: a document type's icon changed
// between two surveys shows in the second.
TEST_F(SurveyIconTest, RegistryChangedBetweenSurveysShowsInTheNext)
{
    ClassesRegistry classes;
    classes.Set(".vlmsurvey", "Velmora.SurveyDocument");
    classes.Set("Velmora.SurveyDocument\\DefaultIcon", m_windows + "\\notepad.exe,0");
    const std::string document = folders.StartMenu() + "\\Document.vlmsurvey";
    ASSERT_TRUE(WriteFileBytes(document, ""));
    // An empty icon location stored: the row's icon is its target's type's.
    const std::string path = folders.StartMenu() + "\\Document.lnk";
    ShortcutSpec spec;
    spec.target = document;
    spec.hotKey = 0x0644;
    spec.storeIconLocation = true;
    ASSERT_TRUE(MakeShortcut(path, spec));

    window.Command(IDC_START_SURVEY);
    ASSERT_EQ(window.Rows().size(), 1u);
    EXPECT_TRUE(IsLiveIcon(RowIcon(path)));
    classes.Set("Velmora.SurveyDocument\\DefaultIcon", m_windows + "\\no-such-icons.dll,0");
    window.Command(IDC_START_SURVEY);
    ASSERT_EQ(window.Rows().size(), 1u);
    EXPECT_EQ(RowIcon(path), nullptr);
}

} // namespace
