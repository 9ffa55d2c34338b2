// Shortcuts to a program under the 64-bit Program Files. On 64-bit Windows a
// 32-bit process runs under WOW64, which gives it "Program Files (x86)" as its
// Program Files; the 64-bit build must list such a shortcut and keep its
// target when it writes a hotkey. On 32-bit Windows there is no 64-bit
// Program Files and these tests skip themselves.
//
// Measured under Wine 8.0 in a 64-bit prefix, the 32-bit build run through
// WOW64 does the same as the 64-bit build: only %ProgramFiles% and
// CSIDL_PROGRAM_FILES name the (x86) folder for it; the files under
// C:\Program Files are not redirected, the link object reports the stored
// C:\Program Files path, the survey lists the row, and Save writes that
// path back. Both builds therefore run the same expectations here.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/Com.h"
#include "shell/ShellLink.h"
#include "support/AnsiText.h"
#include "support/Shortcuts.h"
#include "support/TestFolders.h"
#include "support/WindowDriver.h"

namespace {
// A folder named by an environment variable, or "" when it is not set.
std::string EnvironmentFolder(const char* name)
{
    char value[MAX_PATH] = {};
    const DWORD length = ::GetEnvironmentVariableA(name, value, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(value, length) : std::string();
}

// The target the shell link object reports for a shortcut, or "".
std::string LinkTarget(const std::string& path)
{
    const CComInit com;
    CShellLinkFile link;
    char target[MAX_PATH] = {};
    if (link.Open(path.c_str(), nullptr) == S_OK)
        link.Link()->GetPath(target, MAX_PATH, nullptr, 0);
    return target;
}

// A file's bytes with the zero bytes left out, so ANSI and UTF-16 texts
// stored in it can both be searched as plain text.
std::string StoredText(const std::string& path)
{
    std::string bytes = ReadFileBytes(path);
    bytes.erase(std::remove(bytes.begin(), bytes.end(), '\0'), bytes.end());
    return bytes;
}

class Wow64Test : public testing::Test {
protected:
    void SetUp() override
    {
        // Set on 64-bit Windows for 32-bit and 64-bit processes alike.
        const std::string programFiles = EnvironmentFolder("ProgramW6432");
        if (programFiles.empty())
            GTEST_SKIP() << "32-bit Windows: no 64-bit Program Files";
        folder = programFiles + "\\VelmoraWow64";
        target = folder + "\\App.exe";
        ASSERT_TRUE(MakeFolders(folder));
        ASSERT_TRUE(WriteFileBytes(target, ReadFileBytes(folders.Target())));
        const std::string redirected = EnvironmentFolder("ProgramFiles(x86)") + "\\VelmoraWow64\\App.exe";
        ASSERT_EQ(::GetFileAttributesA(redirected.c_str()), INVALID_FILE_ATTRIBUTES) << redirected;

        link = folders.StartMenu() + "\\Wow64.lnk";
        ShortcutSpec spec;
        spec.target = target;
        spec.hotKey = 0x0374;  // CTRL+SHIFT+F5
        ASSERT_TRUE(MakeShortcut(link, spec));
        ASSERT_EQ(LinkTarget(link), target);
    }
    void TearDown() override
    {
        if (folder.empty())
            return;
        EmptyFolder(folder);
        ::RemoveDirectoryA(folder.c_str());
    }

    SurveyFolders folders;
    std::string folder, target, link;
};
}

// The survey lists the shortcut with its hotkey and the icon of the program
// it found at the 64-bit path.
TEST_F(Wow64Test, SurveyListsShortcutToProgramFilesTarget)
{
    MainDialogFixture window;
    window.Command(IDC_START_SURVEY);
    const std::vector<ListRow> rows = window.Rows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].path, link);
    EXPECT_EQ(rows[0].hotKey, "CTRL+SHIFT+F5");
    ASSERT_EQ(CSurveyDlgProbe::Icons(window.dialog).GetSize(), 1);
    EXPECT_TRUE(IsLiveIcon(reinterpret_cast<HICON>(CSurveyDlgProbe::Icons(window.dialog)[0])));
}

// A hotkey set through the assignment dialog is written, and the shortcut
// still points at the 64-bit path: no "(x86)" path is stored anywhere in it.
TEST_F(Wow64Test, HotKeyWriteKeepsProgramFilesTarget)
{
    MainDialogFixture window;
    window.Command(IDC_START_SURVEY);
    ASSERT_EQ(window.Rows().size(), 1u);
    LVITEMA selected = {};
    selected.stateMask = LVIS_SELECTED;
    selected.state = LVIS_SELECTED;
    window.list.SendMessage(LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&selected));

    ModalWatcher watcher(AnsiFromUtf8("ホットキーの設定"), [](HWND dialog) {
        ::SendMessageA(::GetDlgItem(dialog, IDC_HOTKEY_EDIT), HKM_SETHOTKEY, 0x0641, 0);  // CTRL+ALT+A
        ::SendMessageA(::GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    });
    window.Command(ID_EDIT_SET_HOTKEY);
    ASSERT_TRUE(watcher.Fired());

    EXPECT_EQ(StoredHotKey(link), 0x0641);
    EXPECT_EQ(window.Rows()[0].hotKey, "CTRL+ALT+A");
    EXPECT_EQ(LinkTarget(link), target);
    const std::string stored = StoredText(link);
    EXPECT_NE(stored.find(target), std::string::npos);
    EXPECT_EQ(stored.find("(x86)"), std::string::npos);
}

// Row item data and icon slots keep every bit of a pointer-sized value: in
// the 64-bit build nothing is cut to 32 bits on the way through the list.
TEST(PointerWidthTest, ItemDataAndIconSlotsKeepAllBits)
{
    const auto wide = static_cast<ULONG_PTR>(0x7EDCBA9876543210ull);
    MainDialogFixture window;
    CSurveyDlgProbe::AddRowWithIcon(window.dialog, "C:\\Wide.lnk", "F1", reinterpret_cast<HICON>(wide));
    ASSERT_TRUE(SetRowItemData(window.list, 0, static_cast<LPARAM>(wide)));
    EXPECT_EQ(static_cast<ULONG_PTR>(window.list.GetItemData(0)), wide);
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(CSurveyDlgProbe::Icons(window.dialog)[0]), wide);
    CSurveyDlgProbe::List(window.dialog).RemoveAllRows();  // the value is no live handle: destroying it fails and harms nothing
}
