// Changing a shortcut's hotkey through the real assignment dialog.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "framework/App.h"
#include "framework/SystemError.h"
#include "support/AnsiText.h"
#include "support/HotKeyHolder.h"
#include "support/Shortcuts.h"
#include "support/TestFolders.h"
#include "support/WindowDriver.h"

namespace {
class HotKeyChangeTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"\\Alpha.lnk", "\\Beta.lnk"}) {
            ShortcutSpec spec;
            spec.target = folders.Target();
            spec.hotKey = name[1] == 'A' ? 0x0374 : 0x0641;  // CTRL+SHIFT+F5, CTRL+ALT+A
            ASSERT_TRUE(MakeShortcut(folders.StartMenu() + name, spec));
        }
        window.Command(IDC_START_SURVEY);
        ASSERT_EQ(window.Rows().size(), 2u);
    }
    std::string Path(int row) const { return window.Rows()[static_cast<size_t>(row)].path; }
    void Select(int row, bool selected = true) const
    {
        LVITEMA state = {};
        state.stateMask = LVIS_SELECTED;
        state.state = selected ? LVIS_SELECTED : 0;
        window.list.SendMessage(LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
    }
    // Opens the dialog through `open`; `act` gets the hotkey control's value
    // as shown and answers with the button to press and the value to set.
    void Change(const std::function<void()>& open, WORD* shown, WORD newValue, int button)
    {
        ModalWatcher watcher(AnsiFromUtf8("ホットキーの設定"), [&](HWND dialog) {
            const HWND control = ::GetDlgItem(dialog, IDC_HOTKEY_EDIT);
            *shown = static_cast<WORD>(::SendMessageA(control, HKM_GETHOTKEY, 0, 0));
            ::SendMessageA(control, HKM_SETHOTKEY, newValue, 0);
            ::SendMessageA(::GetDlgItem(dialog, button), BM_CLICK, 0, 0);
        });
        open();
        EXPECT_TRUE(watcher.Fired());
    }
    void ChangeSelected(WORD* shown, WORD newValue, int button)
    {
        Change([&] { window.Command(ID_EDIT_SET_HOTKEY); }, shown, newValue, button);
    }
    // Types CTRL+ALT+`key` into `dialog`'s hotkey control as the keyboard
    // does, and gives the state line it shows then.
    static std::wstring TypeCtrlAlt(HWND dialog, BYTE key)
    {
        const HWND control = ::GetDlgItem(dialog, IDC_HOTKEY_EDIT);
        BYTE keys[256] = {};
        keys[VK_CONTROL] = keys[VK_MENU] = 0x80;
        ::SetKeyboardState(keys);
        for (const auto& [message, down] : {std::pair{WM_KEYDOWN, VK_CONTROL}, {WM_SYSKEYDOWN, VK_MENU}, {WM_SYSKEYDOWN, key}})
            ::SendMessageA(control, message, down, 0);
        for (const auto& [message, up] : {std::pair{WM_SYSKEYUP, int{key}}, {WM_SYSKEYUP, VK_MENU}, {WM_KEYUP, VK_CONTROL}})
            ::SendMessageA(control, message, up, 0);
        keys[VK_CONTROL] = keys[VK_MENU] = 0;
        ::SetKeyboardState(keys);
        wchar_t text[256] = {};
        ::GetWindowTextW(::GetDlgItem(dialog, IDC_HOTKEY_STATE), text, 256);
        return text;
    }

    SurveyFolders folders;
    MainDialogFixture window;
};
}

// The dialog shows the value in the file; OK writes the new one and shows its
// text in the row, which keeps its place until the next sort.
TEST_F(HotKeyChangeTest, OkWritesTheFileAndTheRowKeepsItsPlace)
{
    // Rows by key: CTRL+ALT+A (Beta), CTRL+SHIFT+F5 (Alpha).
    Select(0);
    WORD shown = 0;
    ChangeSelected(&shown, 0x0658, IDOK);  // CTRL+ALT+X: would sort after Alpha
    EXPECT_EQ(shown, 0x0641);
    EXPECT_EQ(StoredHotKey(Path(0)), 0x0658);
    EXPECT_EQ(window.Rows()[0].hotKey, "CTRL+ALT+X");
    EXPECT_EQ(window.Rows()[0].path, folders.StartMenu() + "\\Beta.lnk");
}

// The value shown is the file's, even when the row's text is out of date.
TEST_F(HotKeyChangeTest, ShowsTheFilesValueNotTheRowText)
{
    ShortcutSpec spec;
    spec.target = folders.Target();
    spec.hotKey = 0x0446;  // ALT+F, written after the survey
    ASSERT_TRUE(MakeShortcut(Path(1), spec));
    Select(1);
    WORD shown = 0;
    ChangeSelected(&shown, 0, IDCANCEL);
    EXPECT_EQ(shown, 0x0446);
    EXPECT_EQ(window.Rows()[1].hotKey, "CTRL+SHIFT+F5");
}

// Cancel changes nothing, neither the file's bytes nor the row.
TEST_F(HotKeyChangeTest, CancelChangesNothing)
{
    const std::string before = ReadFileBytes(Path(1));
    Select(1);
    WORD shown = 0;
    ChangeSelected(&shown, 0x0231, IDCANCEL);
    EXPECT_EQ(ReadFileBytes(Path(1)), before);
    EXPECT_EQ(window.Rows()[1].hotKey, "CTRL+SHIFT+F5");
}

// A cleared control removes the hotkey; the row stays with an empty text.
// Confirming an unchanged value writes the same value again.
TEST_F(HotKeyChangeTest, ClearingRemovesAndUnchangedRewrites)
{
    Select(1);
    WORD shown = 0;
    ChangeSelected(&shown, 0x0374, IDOK);
    EXPECT_EQ(StoredHotKey(Path(1)), 0x0374);
    EXPECT_EQ(window.Rows()[1].hotKey, "CTRL+SHIFT+F5");

    ChangeSelected(&shown, 0, IDOK);
    EXPECT_EQ(StoredHotKey(Path(1)), 0);
    ASSERT_EQ(window.Rows().size(), 2u);
    EXPECT_EQ(window.Rows()[1].hotKey, "");
}

// A file that cannot be written: a message box names the shortcut and the
// reason, and the file and the row stay as they were. The file is no longer
// a shortcut (the dialog then starts empty), is read-only, or is held open by
// another handle that lets others read it but not write it.
TEST_F(HotKeyChangeTest, UnwritableFileIsReportedAndLeftAlone)
{
    const std::string path = Path(0);
    const std::string link = ReadFileBytes(path);
    HANDLE held = INVALID_HANDLE_VALUE;
    const struct {
        const char* reason;  // UTF-8
        std::function<void()> spoil;
    } cases[] = {
        {"ショートカット ファイルとして開けません。", [&] { WriteFileBytes(path, "no longer a shortcut"); }},
        {"ファイルは読み取り専用です。", [&] { ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY); }},
        {"", [&] { held = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr); }},
    };
    for (const auto& c : cases) {
        c.spoil();
        const std::string before = ReadFileBytes(path);
        const std::string reason = *c.reason ? AnsiFromUtf8(c.reason) : SystemErrorText(ERROR_SHARING_VIOLATION).str();
        std::string message;
        ModalWatcher box(AfxGetAppName().str(), [&](HWND window) {
            message = WindowText(::GetDlgItem(window, 0xFFFF));
            ::PostMessageA(window, WM_COMMAND, IDOK, 0);
        });
        Select(0);
        WORD shown = 0;
        ChangeSelected(&shown, 0x0241, IDOK);
        EXPECT_TRUE(box.Fired()) << reason;
        EXPECT_NE(message.find(path), std::string::npos) << message;
        EXPECT_NE(message.find(reason), std::string::npos) << message;
        if (held != INVALID_HANDLE_VALUE)
            ::CloseHandle(held);
        EXPECT_EQ(ReadFileBytes(path), before) << reason;
        EXPECT_EQ(window.Rows()[0].hotKey, "CTRL+ALT+A") << reason;
        ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        WriteFileBytes(path, link);
    }
}

// A double-click acts on the lowest selected row, even with several selected;
// with none selected nothing opens.
TEST_F(HotKeyChangeTest, DoubleClickActsOnTheLowestSelectedRow)
{
    const auto doubleClick = [&] {
        NMITEMACTIVATE click = {};
        click.hdr.hwndFrom = window.list.m_hWnd;
        click.hdr.idFrom = IDC_RESULT_LIST;
        click.hdr.code = NM_DBLCLK;
        window.dialog.SendMessage(WM_NOTIFY, IDC_RESULT_LIST, reinterpret_cast<LPARAM>(&click));
    };
    {
        ModalWatcher watcher(AnsiFromUtf8("ホットキーの設定"), [](HWND dialog) { ::PostMessageA(dialog, WM_CLOSE, 0, 0); });
        doubleClick();
        PumpMessages();
        EXPECT_FALSE(watcher.Fired()) << "no row selected";
    }
    Select(1);
    Select(0);
    WORD shown = 0;
    Change(doubleClick, &shown, 0x0431, IDOK);  // ALT+1
    EXPECT_EQ(shown, 0x0641);
    EXPECT_EQ(window.Rows()[0].hotKey, "ALT+1");
    EXPECT_EQ(window.Rows()[1].hotKey, "CTRL+SHIFT+F5");
}

// An internet shortcut is listed beside the links and changed through the
// dialog like them: only its HotKey value's digits change.
TEST_F(HotKeyChangeTest, ChangesAnInternetShortcutsValueOnly)
{
    const std::string path = folders.Desktop() + "\\Site.url";
    const std::string before = "[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,2\r\n[InternetShortcut]\r\n"
                               "URL=http://intranet/\r\nHotKey=1602\r\nIconIndex=0\r\n";
    ASSERT_TRUE(WriteFileBytes(path, before));
    window.Command(IDC_START_SURVEY);
    ASSERT_EQ(window.Rows().size(), 3u);
    EXPECT_EQ(window.Rows()[1].path, path);
    EXPECT_EQ(window.Rows()[1].hotKey, "CTRL+ALT+B");
    Select(1);
    WORD shown = 0;
    ChangeSelected(&shown, 0x0374, IDOK);
    EXPECT_EQ(shown, 0x0642);
    EXPECT_EQ(ReadFileBytes(path), "[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,2\r\n[InternetShortcut]\r\n"
                                   "URL=http://intranet/\r\nHotKey=884\r\nIconIndex=0\r\n");
    EXPECT_EQ(window.Rows()[1].hotKey, "CTRL+SHIFT+F5");
}

// The state line says who holds what the user presses: free at open, the
// other shortcut by its name, a running program that registered it.
TEST_F(HotKeyChangeTest, StateLineNamesWhoHoldsTheCombinationPressed)
{
    const CHotKeyHolder holder(MOD_CONTROL | MOD_ALT, 'Q');
    ASSERT_TRUE(holder.Held());
    std::wstring opened, held, registered;
    ModalWatcher watcher(AnsiFromUtf8("ホットキーの設定"), [&](HWND dialog) {
        wchar_t text[256] = {};
        ::GetWindowTextW(::GetDlgItem(dialog, IDC_HOTKEY_STATE), text, 256);
        opened = text;
        held = TypeCtrlAlt(dialog, 'A');
        registered = TypeCtrlAlt(dialog, 'Q');
        ::SendMessageA(::GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    });
    Select(1);  // Alpha, CTRL+SHIFT+F5
    window.Command(ID_EDIT_SET_HOTKEY);
    EXPECT_TRUE(watcher.Fired());
    EXPECT_EQ(opened, L"使われていません。");
    EXPECT_EQ(held, L"「Beta.lnk」が使っています。");
    EXPECT_EQ(registered, L"実行中のプログラムが登録しています。");
}

// The diagnosis lists one finding of each kind, each duplicate naming the
// other holder (a shortcut whose target is gone among them), and the free
// combinations of the four modifier sets; a
// double-click on a finding changes that shortcut's row.
TEST_F(HotKeyChangeTest, DiagnosisListsFindingsAndFreeCombinations)
{
    const std::pair<std::string, WORD> more[] = {{folders.Desktop() + "\\Dup.lnk", 0x0641},
                                                 {folders.Desktop() + "\\Sub\\Inert.lnk", 0x0646},
                                                 {folders.StartMenu() + "\\NoKey.lnk", 0x0600},
                                                 {folders.StartMenu() + "\\Sys.lnk", 0x062E}};
    for (const auto& [path, hotKey] : more) {
        MakeFolders(path.substr(0, path.rfind('\\')));
        ShortcutSpec spec;
        spec.target = folders.Target();
        spec.hotKey = hotKey;
        ASSERT_TRUE(MakeShortcut(path, spec)) << path;
    }
    ShortcutSpec gone;
    gone.target = folders.Desktop() + "\\Sub\\Gone.exe";
    gone.hotKey = 0x0646;
    ASSERT_TRUE(MakeShortcut(folders.Desktop() + "\\Sub\\Gone.lnk", gone));
    window.Command(IDC_START_SURVEY);
    std::set<std::wstring> findings;
    std::vector<std::string> free;
    ModalWatcher watcher(AnsiFromUtf8("ホットキーの診断"), [&](HWND dialog) {
        const HWND list = ::GetDlgItem(dialog, IDC_CHECK_LIST);
        for (int i = 0; i < ::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0); ++i) {
            std::wstring line;
            for (int column = 0; column < 3; ++column) {
                wchar_t text[256] = {};
                LVITEMW item = {};
                item.iSubItem = column;
                item.pszText = text;
                item.cchTextMax = 256;
                ::SendMessageW(list, LVM_GETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
                line += std::wstring(text) + L"|";
            }
            findings.insert(line);
        }
        CListCtrl freeList;
        freeList.Attach(::GetDlgItem(dialog, IDC_FREE_LIST));
        for (int i = 0; i < freeList.GetItemCount(); ++i)
            free.push_back(freeList.GetItemText(i, 0).str());
        ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    window.Command(ID_VIEW_CHECK);
    EXPECT_TRUE(watcher.Fired());
    EXPECT_EQ(findings, (std::set<std::wstring>{L"Beta.lnk|CTRL+ALT+A|重複 (「Dup.lnk」も使っています)|",
                                                L"Dup.lnk|CTRL+ALT+A|重複 (「Beta.lnk」も使っています)|",
                                                L"Inert.lnk|CTRL+ALT+F|Windowsが反応しない場所|",
                                                L"Gone.lnk|CTRL+ALT+F|Windowsが反応しない場所|",
                                                L"Gone.lnk|CTRL+ALT+F|リンク先が見つからないため働きません|",
                                                L"NoKey.lnk|CTRL+ALT+|キーなし|",
                                                L"Sys.lnk|CTRL+ALT+Del|Windowsが使う組み合わせ|"}));
    ASSERT_EQ(free.size(), 4u * 60 - 3);  // CTRL+ALT+A, CTRL+ALT+F and CTRL+SHIFT+F5 are held
    EXPECT_EQ(free.front(), "CTRL+ALT+0");
    EXPECT_EQ(free.back(), "CTRL+SHIFT+ALT+F24");
}
