// The survey run in a real main window against real shortcut files in the
// test prefix's Start Menu, Desktop and common Start Menu.
#include <windows.h>
#include <commctrl.h>

#include <initializer_list>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "cmd/Commands.h"
#include "keep/KeepPass.h"
#include "rules/HotKeyText.h"
#include "rules/LinkFormat.h"
#include "shell/LinkHotKey.h"
#include "support/AnsiText.h"
#include "support/HotKeyHolder.h"
#include "support/Shortcuts.h"
#include "support/TestFolders.h"
#include "support/WindowDriver.h"

namespace {
std::wstring WideFromAnsi(const std::string& ansi)
{
    std::wstring wide(ansi.size() + 1, L'\0');
    const int length = ::MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}

std::string AnsiFromWide(const std::wstring& wide)
{
    std::string ansi(wide.size() * 2 + 1, '\0');
    const int length =
        ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, &ansi[0], static_cast<int>(ansi.size()), nullptr, nullptr);
    ansi.resize(static_cast<size_t>(length - 1));
    return ansi;
}

// Files and folders made through the wide file functions, removed in reverse
// order at the end: the ANSI functions that empty the surveyed folders
// cannot name them.
class CWideTree {
public:
    CWideTree() = default;
    ~CWideTree()
    {
        for (auto entry = m_made.rbegin(); entry != m_made.rend(); ++entry)
            entry->second ? ::RemoveDirectoryW(entry->first.c_str()) : ::DeleteFileW(entry->first.c_str());
    }
    CWideTree(const CWideTree&) = delete;
    CWideTree& operator=(const CWideTree&) = delete;

    void Folder(const std::wstring& path)
    {
        if (::CreateDirectoryW(path.c_str(), nullptr))
            m_made.emplace_back(path, true);
    }
    bool Move(const std::wstring& from, const std::wstring& to)
    {
        if (!::MoveFileW(from.c_str(), to.c_str()))
            return false;
        m_made.emplace_back(to, false);
        return true;
    }

private:
    std::vector<std::pair<std::wstring, bool>> m_made;  // path, is a folder
};

// A shortcut the file system holds under a Unicode name, below the Start Menu.
struct WideName {
    std::wstring relative;
    WORD hotKey;
    bool ansiExact;  // the code page carries it and the path fits: listed as it is
};

// Names the code page cannot carry exactly, one with a yen sign (whose best
// fit is a backslash) beside the folder that fit would name, a path of about
// 400 bytes, and ordinary names among them; CTRL+1 to CTRL+9.
std::vector<WideName> WideNames()
{
    std::wstring deep;
    for (const wchar_t* level : {L"01", L"02", L"03", L"04", L"05", L"06", L"07", L"08", L"09", L"10", L"11", L"12"})
        deep += std::wstring(L"Nested folder ") + level + L" of twelve\\";
    return {
        {L"plain 0.lnk", 0x0231, true},
        {L"Caf\u00E9.lnk", 0x0232, false},
        {L"\uD55C\uAD6D\uC5B4.lnk", 0x0233, false},
        {L"\u00DCn\u00EFc\u00F6d\u00E9 \u2605.lnk", 0x0234, false},
        {L"\u65E5\u672C\u8A9E.lnk", 0x0235, true},
        {L"Dossier \u00E9t\u00E9\\inside.lnk", 0x0236, false},
        {deep + L"deep.lnk", 0x0237, false},
        {L"a\u00A5b.lnk", 0x0238, false},
        {L"a\\b.lnk", 0x0239, true},
    };
}

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

    // The Start Menu as a wide path that may run past MAX_PATH.
    std::wstring WideStartMenu() const { return L"\\\\?\\" + WideFromAnsi(folders.StartMenu()) + L"\\"; }
    // Writes each shortcut through the shell under an ASCII name, then moves
    // it to its Unicode name, making its folders on the way.
    void WideShortcuts(const std::vector<WideName>& names)
    {
        char temp[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, temp);
        const std::string seed = std::string(temp) + "velmora-wide-seed.lnk";
        for (const WideName& name : names) {
            for (size_t slash = name.relative.find(L'\\'); slash != std::wstring::npos;
                 slash = name.relative.find(L'\\', slash + 1))
                wide.Folder(WideStartMenu() + name.relative.substr(0, slash));
            Shortcut(seed, name.hotKey);
            ASSERT_TRUE(wide.Move(WideFromAnsi(seed), WideStartMenu() + name.relative));
        }
    }
    // The rows whose path opens the file `relative` names below the Start Menu.
    std::vector<int> RowsOf(const std::wstring& relative) const
    {
        std::vector<int> found;
        const std::vector<ListRow> rows = window.Rows();
        for (size_t i = 0; i < rows.size(); ++i)
            if (SameFile(rows[i].path, WideStartMenu() + relative))
                found.push_back(static_cast<int>(i));
        return found;
    }
    // Gives `row` the hotkey `value` as a user does: selects it alone, opens
    // the assignment dialog, sets the value and presses OK.
    void ChangeRow(int row, WORD value)
    {
        LVITEMA state = {};
        state.stateMask = LVIS_SELECTED;
        window.list.SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
        state.state = LVIS_SELECTED;
        window.list.SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
        ModalWatcher watcher(AnsiFromUtf8("ホットキーの設定"), [&](HWND dialog) {
            ::SendMessageA(::GetDlgItem(dialog, IDC_HOTKEY_EDIT), HKM_SETHOTKEY, value, 0);
            ::SendMessageA(::GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
        });
        window.Command(ID_EDIT_SET_HOTKEY);
        EXPECT_TRUE(watcher.Fired());
    }

    SurveyFolders folders;
    MainDialogFixture window;
    CWideTree wide;
};
}

// Rows are built in search order (Start Menu LNK, its PIF, Desktop, common
// Start Menu, common Desktop, pinned shortcuts) with item data 0..n-1, one icon slot each; the posted sort then
// orders them by key name.
TEST_F(SurveyTest, ListsShortcutsWithHotkeysInSearchOrderThenSortsByKey)
{
    Shortcut(folders.StartMenu() + "\\Alpha.lnk", 0x0374);
    Shortcut(folders.StartMenu() + "\\Programs\\Beta.lnk", 0x0641);
    Shortcut(folders.StartMenu() + "\\NoKey.lnk", 0);
    Shortcut(folders.StartMenu() + "\\Old.pif", 0x0587);
    Shortcut(folders.Desktop() + "\\Gamma.lnk", 0x0421);
    Shortcut(folders.CommonStartMenu() + "\\Delta.lnk", 0x0200);
    Shortcut(folders.CommonDesktop() + "\\Epsilon.lnk", 0x0642);
    Shortcut(folders.Pinned() + "\\Zeta.lnk", 0x0643);

    SurveyUnsorted();
    const std::vector<ListRow> rows = window.Rows();
    ASSERT_EQ(rows.size(), 7u);
    const std::vector<std::string> inOrder = {
        folders.StartMenu() + "\\Alpha.lnk", folders.StartMenu() + "\\Programs\\Beta.lnk",
        folders.StartMenu() + "\\Old.pif", folders.Desktop() + "\\Gamma.lnk",
        folders.CommonStartMenu() + "\\Delta.lnk", folders.CommonDesktop() + "\\Epsilon.lnk", folders.Pinned() + "\\Zeta.lnk"};
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].path, inOrder[i]);
        EXPECT_EQ(rows[i].data, static_cast<LPARAM>(i));
    }
    EXPECT_EQ(CSurveyDlgProbe::Icons(window.dialog).GetSize(), 7);
    EXPECT_EQ(CSurveyDlgProbe::Surveyed(window.dialog), 1);

    PumpMessages();
    EXPECT_EQ(HotKeyTexts(), (std::vector<std::string>{"ALT+Page Up", "CTRL+", "CTRL+ALT+A", "CTRL+ALT+B", "CTRL+ALT+C",
                                                    "CTRL+SHIFT+F5", "SHIFT+ALT+F24"}));
    EXPECT_EQ(window.Rows()[0].path, folders.Desktop() + "\\Gamma.lnk");
    EXPECT_EQ(ItemData(), (std::set<LPARAM>{0, 1, 2, 3, 4, 5, 6}));
}

// With the view setting on, shortcuts without a hotkey get a row with an
// empty key text and an icon slot of their own.
TEST_F(SurveyTest, ShowUnassignedListsShortcutsWithoutHotkey)
{
    Shortcut(folders.StartMenu() + "\\Keyed.lnk", 0x0374);
    Shortcut(folders.Desktop() + "\\Plain.lnk", 0);

    window.Command(IDC_START_SURVEY);
    ASSERT_EQ(window.Rows().size(), 1u);

    window.ShowUnassigned(1);
    window.Command(IDC_START_SURVEY);
    const std::vector<ListRow> rows = window.Rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].path, folders.Desktop() + "\\Plain.lnk");  // the empty text sorts first
    EXPECT_EQ(rows[0].hotKey, "");
    EXPECT_EQ(CSurveyDlgProbe::Icons(window.dialog).GetSize(), 2);
}

// A second survey rebuilds the same rows and destroys the first run's icons.
TEST_F(SurveyTest, SecondRunRebuildsRowsAndDestroysPreviousIcons)
{
    Shortcut(folders.StartMenu() + "\\One.lnk", 0x0031);
    Shortcut(folders.StartMenu() + "\\Two.lnk", 0x0032);
    window.Command(IDC_START_SURVEY);
    const std::vector<ListRow> first = window.Rows();
    ASSERT_EQ(first.size(), 2u);

    // The same rows again with real icons, as an icon-bearing survey gives them.
    const HICON icons[2] = {::CopyIcon(::LoadIconA(nullptr, IDI_APPLICATION)), ::CopyIcon(::LoadIconA(nullptr, IDI_APPLICATION))};
    CSurveyDlgProbe::List(window.dialog).RemoveAllRows();
    for (size_t i = 0; i < 2; ++i) {
        ASSERT_TRUE(IsLiveIcon(icons[i]));
        CSurveyDlgProbe::AddRowWithIcon(window.dialog, first[i].path.c_str(), first[i].hotKey.c_str(), icons[i]);
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
    EXPECT_EQ(CSurveyDlgProbe::Icons(window.dialog).GetSize(), 2);
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
    EXPECT_EQ(CSurveyDlgProbe::Icons(window.dialog).GetSize(), 3);
}

// Every survey ends sorted by key name, whatever order was chosen before;
// with nothing found the list is empty and the sort still runs.
TEST_F(SurveyTest, EndsSortedByKeyEvenAfterSortByName)
{
    window.Command(ID_SORT_BY_NAME);
    EXPECT_EQ(CSurveyDlgProbe::SortKey(window.dialog), ID_SORT_BY_NAME);
    window.Command(IDC_START_SURVEY);
    EXPECT_TRUE(window.Rows().empty());
    EXPECT_EQ(CSurveyDlgProbe::SortKey(window.dialog), ID_SORT_BY_KEY);

    Shortcut(folders.StartMenu() + "\\A.lnk", 0x0046);         // F
    Shortcut(folders.StartMenu() + "\\B.lnk", 0x0241);         // CTRL+A
    window.Command(ID_SORT_BY_NAME);
    window.Command(IDC_START_SURVEY);
    EXPECT_EQ(CSurveyDlgProbe::SortKey(window.dialog), ID_SORT_BY_KEY);
    EXPECT_EQ(HotKeyTexts(), (std::vector<std::string>{"CTRL+A", "F"}));
}

// A path of 260 bytes or more does not fit the platform's path buffers: such
// a file is listed by its short name, a path that opens that file; 259 bytes
// still fits under the long name.
TEST_F(SurveyTest, ListsPathsThatDoNotFitByShortNameAndKeepsThoseThatDo)
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
    ASSERT_EQ(paths.size(), 3u);
    EXPECT_EQ(paths.count(seed), 1u);
    EXPECT_EQ(paths.count(fits), 1u);
    paths.erase(seed);
    paths.erase(fits);
    EXPECT_TRUE(SameFile(*paths.begin(), L"\\\\?\\" + wideLong)) << *paths.begin();
    ::DeleteFileW((L"\\\\?\\" + wideLong).c_str());
}

// Names the code page cannot carry exactly, a yen sign beside the folder
// its best fit would name, and a path of about 400 bytes: each shortcut is
// listed once, by a path that opens that very file, with its own hotkey;
// names the code page carries are listed as they are.
TEST_F(SurveyTest, ListsEveryNameOnceByAPathThatOpensIt)
{
    const std::vector<WideName> names = WideNames();
    WideShortcuts(names);
    ASSERT_GT((WideStartMenu() + names[6].relative).size(), 380u);  // deep.lnk

    window.Command(IDC_START_SURVEY);
    const std::vector<ListRow> rows = window.Rows();
    EXPECT_EQ(rows.size(), names.size());
    for (const WideName& name : names) {
        const std::vector<int> found = RowsOf(name.relative);
        ASSERT_EQ(found.size(), 1u) << AnsiFromWide(name.relative);
        const ListRow& row = rows[static_cast<size_t>(found[0])];
        EXPECT_EQ(row.hotKey, FormatHotKey(name.hotKey).str()) << row.path;
        if (name.ansiExact) {
            EXPECT_EQ(row.path, folders.StartMenu() + "\\" + AnsiFromWide(name.relative));
        }
    }
}

// A hotkey change on a row named by its short name, and on each of the two
// rows a yen sign could confuse, is written into that row's own file alone.
TEST_F(SurveyTest, HotKeyChangeReachesTheRowsOwnFile)
{
    std::vector<WideName> names = WideNames();
    WideShortcuts(names);
    window.Command(IDC_START_SURVEY);
    WORD value = 0x0441;  // ALT+A, ALT+B, ALT+C
    for (WideName* name : {&names[1], &names[7], &names[8]}) {  // Café, a¥b, a\b
        const std::vector<int> found = RowsOf(name->relative);
        ASSERT_EQ(found.size(), 1u) << AnsiFromWide(name->relative);
        ChangeRow(found[0], value);
        EXPECT_EQ(window.Rows()[static_cast<size_t>(found[0])].hotKey, FormatHotKey(value).str());
        name->hotKey = value++;
    }
    for (const WideName& name : names)
        EXPECT_EQ(StoredHotKey(WideStartMenu() + name.relative), name.hotKey) << AnsiFromWide(name.relative);
}

namespace {
// The command program run in-process with `arguments` (after its name).
struct CommandRun {
    int status;
    std::string out, err;
};

CommandRun RunCommand(std::initializer_list<std::string> arguments)
{
    std::vector<const char*> argv = {"VelmoraCmd"};
    for (const std::string& argument : arguments)
        argv.push_back(argument.c_str());
    CommandOutput output;
    const int status = RunCommandLine(static_cast<int>(argv.size()), argv.data(), output);
    return {status, output.out.str(), output.err.str()};
}

// A file in the Windows folder, as a shortcut's target.
std::string WindowsFile(const char* name)
{
    char windows[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    return std::string(windows) + "\\" + name;
}

// A fresh path in the temporary folder.
std::string TempFile(const char* name)
{
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + name;
    ::DeleteFileA(path.c_str());
    return path;
}

// `word` in the backup's 4 upper-case hex digits.
std::string Hex(WORD word)
{
    char hex[8];
    std::snprintf(hex, sizeof(hex), "%04X", word);
    return hex;
}

// Writes a shortcut to `target` with `hotKey` and `arguments`.
void ShortcutTo(const std::string& path, const std::string& target, WORD hotKey, const char* arguments = "")
{
    MakeFolders(path.substr(0, path.rfind('\\')));
    ShortcutSpec spec;
    spec.target = target;
    spec.hotKey = hotKey;
    spec.arguments = arguments;
    ASSERT_TRUE(MakeShortcut(path, spec)) << path;
}

}

// After an update that cleared one hotkey, recreated one shortcut under a new
// name and removed others, restore sets, keeps and moves the saved hotkeys
// and reports the rows it cannot place; /dryrun reports the same and writes
// nothing.
TEST_F(SurveyTest, RestorePutsTheSavedHotkeysBackWhereTheShortcutsNowAre)
{
    const std::string keep = folders.StartMenu() + "\\Keep.lnk", change = folders.StartMenu() + "\\Change.lnk",
                      moved = folders.StartMenu() + "\\Old Name.lnk", gone = folders.Desktop() + "\\Gone.lnk",
                      twin = folders.CommonStartMenu() + "\\Twin.lnk",
                      renamed = folders.StartMenu() + "\\Programs\\New, Name.lnk",
                      twinA = folders.CommonStartMenu() + "\\Twin A.lnk", twinB = folders.Desktop() + "\\Twin B.lnk";
    ShortcutTo(keep, WindowsFile("notepad.exe"), 0x0374);
    ShortcutTo(change, WindowsFile("regedit.exe"), 0x0641);
    ShortcutTo(moved, WindowsFile("system32\\cmd.exe"), 0x0421);
    ShortcutTo(gone, WindowsFile("system32\\taskmgr.exe"), 0x0070);
    ShortcutTo(twin, WindowsFile("system32\\winecfg.exe"), 0x0752);
    const std::string backup = TempFile("velmora-backup.csv");
    ASSERT_EQ(RunCommand({"backup", backup}).status, 0);
    const std::string saved = ReadFileBytes(backup);
    EXPECT_EQ(RunCommand({"backup", backup}).status, 2) << "an existing file is replaced only with /force";
    EXPECT_EQ(RunCommand({"backup", backup, "-FORCE"}).status, 0);
    EXPECT_EQ(ReadFileBytes(backup), saved);

    ASSERT_EQ(SetLinkHotKey(change.c_str(), 0, nullptr), 1);
    for (const std::string& removed : {moved, gone, twin})
        ASSERT_TRUE(::DeleteFileA(removed.c_str())) << removed;
    ShortcutTo(renamed, WindowsFile("system32\\cmd.exe"), 0);
    ShortcutTo(twinA, WindowsFile("system32\\winecfg.exe"), 0);
    ShortcutTo(twinB, WindowsFile("system32\\winecfg.exe"), 0);

    const std::string report = "moved " + renamed + " (from backup line 2: " + moved + ")\r\nset " + change +
                               "\r\nambiguous " + twin + " (backup line 4; candidates: " + twinB + " | " + twinA +
                               ")\r\nkept " + keep + "\r\nmissing " + gone + "\r\n";
    const std::string before = ReadFileBytes(change) + ReadFileBytes(renamed);
    const CommandRun dryRun = RunCommand({"restore", backup, "/dryrun"});
    EXPECT_EQ(dryRun.status, 1);
    EXPECT_EQ(dryRun.out, report);
    EXPECT_EQ(ReadFileBytes(change) + ReadFileBytes(renamed), before);

    const CommandRun restored = RunCommand({"restore", backup});
    EXPECT_EQ(restored.status, 1);
    EXPECT_EQ(restored.out, report);
    EXPECT_EQ(GetLinkHotKey(keep.c_str(), nullptr), 0x0374);
    EXPECT_EQ(GetLinkHotKey(change.c_str(), nullptr), 0x0641);
    EXPECT_EQ(GetLinkHotKey(renamed.c_str(), nullptr), 0x0421);
    EXPECT_EQ(GetLinkHotKey(twinA.c_str(), nullptr), 0);
    EXPECT_EQ(GetLinkHotKey(twinB.c_str(), nullptr), 0);

    ASSERT_TRUE(::DeleteFileA(twinB.c_str()));
    const CommandRun again = RunCommand({"restore", backup});
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(again.out, "kept " + renamed + "\r\nkept " + change + "\r\nmoved " + twinA + " (from backup line 4: " + twin +
                             ")\r\nkept " + keep + "\r\nmissing " + gone + "\r\n");
    EXPECT_EQ(GetLinkHotKey(twinA.c_str(), nullptr), 0x0752);
    ::DeleteFileA(backup.c_str());
}

// The keeper's passes: new hotkeys join; a rewritten shortcut gets its
// hotkey back, one set to none alone stays so; the keeper's own writes make
// the next pass do nothing; a deleted shortcut's hotkey moves to the new one.
TEST_F(SurveyTest, KeeperPassesGiveBackMoveAndFollowTheUser)
{
    const std::string a = folders.StartMenu() + "\\A.lnk", b = folders.Desktop() + "\\B.lnk",
                      c = folders.StartMenu() + "\\Programs\\C.lnk";
    ShortcutTo(a, WindowsFile("notepad.exe"), 0x0651);
    ShortcutTo(b, WindowsFile("regedit.exe"), 0x0652);
    CKeeper keeper({});
    const auto pass = [&] {
        const KeepPassResult result = keeper.Pass();
        std::string text = result.surveyed ? "" : "not surveyed ";
        for (const KeepAction& action : result.actions)
            text += action.what.str() + " " + action.path.str() + " " + Hex(action.hotKey) + " " + action.detail.str() + ";";
        return text + std::to_string(result.kept.size());
    };
    EXPECT_EQ(pass(), "joined " + a + " 0651 ;joined " + b + " 0652 ;2");
    ShortcutTo(a, WindowsFile("notepad.exe"), 0, "/updated");
    ASSERT_EQ(SetLinkHotKey(b.c_str(), 0, nullptr), 1);
    EXPECT_EQ(pass(), "given back " + a + " 0651 ;cleared " + b + " 0652 ;1");
    EXPECT_EQ(GetLinkHotKey(a.c_str(), nullptr), 0x0651);
    EXPECT_EQ(pass(), "1");
    ASSERT_TRUE(::DeleteFileA(a.c_str()));
    ShortcutTo(c, WindowsFile("notepad.exe"), 0, "/updated");
    EXPECT_EQ(pass(), "moved " + c + " 0651 from " + a + ";1");
    EXPECT_EQ(GetLinkHotKey(c.c_str(), nullptr), 0x0651);
}

// A shortcut the backup names without a hotkey is not new: a gone
// shortcut's hotkey never moves onto it, and shortcuts to one program are
// told apart by their arguments.
TEST_F(SurveyTest, RestoreMovesHotkeysOnlyOntoNewShortcuts)
{
    const std::string notes = folders.Desktop() + "\\Notes.lnk", test1 = folders.Desktop() + "\\Test1.lnk",
                      doc = folders.StartMenu() + "\\Doc.lnk", docNew = folders.StartMenu() + "\\Programs\\Doc.lnk",
                      other = folders.Desktop() + "\\Other.lnk";
    ShortcutTo(notes, WindowsFile("notepad.exe"), 0);
    ShortcutTo(test1, WindowsFile("notepad.exe"), 0x0651);
    ShortcutTo(doc, WindowsFile("regedit.exe"), 0x0652, "a.txt");
    const std::string backup = TempFile("velmora-new.csv");
    ASSERT_EQ(RunCommand({"backup", backup}).status, 0);
    for (const std::string& removed : {test1, doc})
        ASSERT_TRUE(::DeleteFileA(removed.c_str())) << removed;
    ShortcutTo(docNew, WindowsFile("regedit.exe"), 0, "a.txt");
    ShortcutTo(other, WindowsFile("regedit.exe"), 0, "b.txt");
    const CommandRun dryRun = RunCommand({"restore", backup, "/dryrun"});
    EXPECT_EQ(dryRun.out, "missing " + test1 + "\r\nmoved " + docNew + " (from backup line 4: " + doc + ")\r\n");
    ::DeleteFileA(backup.c_str());
}

// Restore plans every row against the whole backup before writing: a gone
// shortcut's hotkey never moves onto a shortcut the backup names itself, two
// rows that would write one shortcut are both ambiguous and write nothing; a
// write that fails says why on its own line.
TEST_F(SurveyTest, RestorePlansAgainstTheWholeBackup)
{
    enum Update { kStays, kCleared, kDeleted, kReadOnly };
    const struct {
        std::string path;
        const char* target;
        WORD hotKey;
        Update update;
        const char* line;  // the restore's word for the row
        WORD after;        // the file's hotkey after the restore
    } rows[] = {
        {folders.Desktop() + "\\Editor.lnk", "notepad.exe", 0x0641, kDeleted, "missing", 0},
        {folders.StartMenu() + "\\Editor.lnk", "notepad.exe", 0x0642, kCleared, "set", 0x0642},
        {folders.StartMenu() + "\\Tool A.lnk", "regedit.exe", 0x0643, kDeleted, "ambiguous", 0},
        {folders.Desktop() + "\\Tool B.lnk", "regedit.exe", 0x0644, kDeleted, "ambiguous", 0},
        {folders.StartMenu() + "\\Keep.lnk", "system32\\cmd.exe", 0x0645, kStays, "kept", 0x0645},
        {folders.Desktop() + "\\Locked.lnk", "system32\\cmd.exe", 0x0646, kReadOnly, "failed", 0},
    };
    for (const auto& row : rows)
        ShortcutTo(row.path, WindowsFile(row.target), row.hotKey);
    const std::string backup = TempFile("velmora-plan.csv");
    ASSERT_EQ(RunCommand({"backup", backup}).status, 0);
    std::string plan, report, before;
    const std::string fresh = folders.StartMenu() + "\\Programs\\Tool.lnk";
    for (const auto& row : rows) {
        if (row.update == kCleared || row.update == kReadOnly) {
            ASSERT_EQ(SetLinkHotKey(row.path.c_str(), 0, nullptr), 1);
        } else if (row.update == kDeleted) {
            ASSERT_TRUE(::DeleteFileA(row.path.c_str()));
        }
        const bool locked = row.update == kReadOnly && ::SetFileAttributesA(row.path.c_str(), FILE_ATTRIBUTE_READONLY);
        const std::string candidates = std::string(row.line) == "ambiguous"
                                           ? " (backup line " + std::to_string(&row - rows + 2) + "; candidates: " + fresh + ")"
                                           : "";
        plan += (locked ? "set" : row.line) + (" " + row.path) + candidates + "\r\n";
        report += row.line + (" " + row.path) + candidates + (locked ? ": the file is read-only" : "") + "\r\n";
    }
    ShortcutTo(fresh, WindowsFile("regedit.exe"), 0);
    for (const auto& row : rows)
        before += ReadFileBytes(row.path);
    before += ReadFileBytes(fresh);

    const CommandRun dryRun = RunCommand({"restore", backup, "/dryrun"});
    EXPECT_EQ(dryRun.status, 1);
    EXPECT_EQ(dryRun.out, plan);
    std::string unchanged;
    for (const auto& row : rows)
        unchanged += ReadFileBytes(row.path);
    EXPECT_EQ(unchanged + ReadFileBytes(fresh), before) << "the dry run wrote a file";

    const CommandRun restored = RunCommand({"restore", backup});
    EXPECT_EQ(restored.status, 1);
    EXPECT_EQ(restored.out, report);
    for (const auto& row : rows)
        EXPECT_EQ(GetLinkHotKey(row.path.c_str(), nullptr), row.after) << row.path;
    EXPECT_EQ(GetLinkHotKey(fresh.c_str(), nullptr), 0) << "two rows were both given the one new shortcut";
    ::SetFileAttributesA(rows[5].path.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileA(backup.c_str());
}

// check names every finding in the list's order (clean shortcuts none; a
// shortcut whose target is gone is listed, and missing), free leaves out what
// shortcuts and a running program hold, and set warns of each reason a
// hotkey will not fire.
TEST_F(SurveyTest, CheckFreeAndSetTellWhyAHotkeyDoesNotFire)
{
    Shortcut(folders.StartMenu() + "\\Programs\\Deep.lnk", 0x0644);
    Shortcut(folders.Desktop() + "\\Top.lnk", 0x0645);
    Shortcut(folders.CommonStartMenu() + "\\Clean.lnk", 0x0648);
    const CommandRun clean = RunCommand({"check"});
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(clean.out, "");
    Shortcut(folders.Desktop() + "\\Sub\\Inert.lnk", 0x0646);
    Shortcut(folders.CommonDesktop() + "\\Dup1.lnk", 0x0647);
    Shortcut(folders.Pinned() + "\\Dup2.lnk", 0x0647);
    Shortcut(folders.Desktop() + "\\Sub\\Twin.lnk", 0x0647);
    Shortcut(folders.StartMenu() + "\\NoKey.lnk", 0x0600);
    Shortcut(folders.StartMenu() + "\\Sys.lnk", 0x062E);
    ShortcutTo(folders.StartMenu() + "\\Gone.lnk", folders.StartMenu() + "\\Gone.exe", 0x0349);
    const CommandRun check = RunCommand({"check"});
    EXPECT_EQ(check.status, 1);
    EXPECT_EQ(check.out, "nokey NoKey.lnk CTRL+ALT+\r\nsystem Sys.lnk CTRL+ALT+Del\r\ninert Inert.lnk CTRL+ALT+F\r\n"
                         "inert Twin.lnk CTRL+ALT+G\r\nduplicate Dup1.lnk CTRL+ALT+G\r\nduplicate Dup2.lnk CTRL+ALT+G\r\n"
                         "missing Gone.lnk CTRL+SHIFT+I\r\n");

    const CHotKeyHolder holder(MOD_CONTROL | MOD_ALT, 'A');
    ASSERT_TRUE(holder.Held());
    const CommandRun free = RunCommand({"free", "CTRL+ALT"});
    EXPECT_EQ(free.status, 0);
    EXPECT_EQ(free.out.find("CTRL+ALT+0\r\n"), 0u);
    for (const char* taken : {"+A\r", "+D\r", "+E\r", "+F\r", "+G\r", "+H\r"})
        EXPECT_EQ(free.out.find(taken), std::string::npos) << taken;
    EXPECT_EQ(std::count(free.out.begin(), free.out.end(), '\n'), 10 + 26 + 24 - 6);
    const CommandRun registered = RunCommand({"set", folders.Desktop() + "\\Top.lnk", "CTRL+ALT+A"});
    EXPECT_EQ(registered.status, 0);
    EXPECT_EQ(registered.err, "CTRL+ALT+A is registered by a running program, which gets it instead of the shortcut.\r\n");
    const CommandRun inert = RunCommand({"set", folders.Desktop() + "\\Sub\\Inert.lnk", "SHIFT+ALT+"});
    EXPECT_EQ(inert.status, 0);
    EXPECT_EQ(inert.err, folders.Desktop() + "\\Sub\\Inert.lnk lies where Windows does not act on hotkeys (only in the "
                                            "Start Menu, directly on the Desktop and among the taskbar's pinned shortcuts).\r\n"
                                            "SHIFT+ALT+ has no key and never fires.\r\n");
    EXPECT_EQ(GetLinkHotKey((folders.Desktop() + "\\Sub\\Inert.lnk").c_str(), nullptr), 0x0500);
}

// A restore writes only shortcuts the survey lists, each once: a row naming
// a shortcut outside the surveyed folders is missing and that file is never
// written; one Desktop shortcut named three ways with three hotkeys is
// ambiguous three times, with one hotkey set once.
TEST_F(SurveyTest, RestoreWritesOnlySurveyedShortcutsOnce)
{
    const std::string outside = TempFile("velmora-outside.lnk"), twin = folders.Desktop() + "\\twin.lnk";
    ShortcutTo(outside, WindowsFile("notepad.exe"), 0);
    ShortcutTo(twin, WindowsFile("regedit.exe"), 0);
    const std::string spellings[] = {twin, folders.Desktop() + "\\.\\twin.lnk", folders.Desktop() + "\\sub\\..\\twin.lnk"};
    const std::string backup = TempFile("velmora-reach.csv"), outsideBytes = ReadFileBytes(outside);
    const struct {
        WORD words[3];
        const char* step;
        WORD after;
    } cases[] = {{{0x0641, 0x0642, 0x0643}, "ambiguous", 0}, {{0x0644, 0x0644, 0x0644}, "set", 0x0644}};
    for (const auto& c : cases) {
        std::string text = "Path,Target,HotKey,Text\r\n" + outside + ",,0374,CTRL+SHIFT+F5\r\n", report = "missing " + outside + "\r\n";
        for (int i = 0; i < 3; ++i) {
            text += spellings[i] + ",," + Hex(c.words[i]) + "," + FormatHotKey(c.words[i]).str() + "\r\n";
            report += std::string(c.step) + " " + (c.after != 0 ? twin : spellings[i]) +
                      (c.after != 0 ? "" : " (backup line " + std::to_string(i + 3) + "; candidates: " + twin + ")") + "\r\n";
        }
        ASSERT_TRUE(WriteFileBytes(backup, text));
        const CommandRun run = RunCommand({"restore", backup});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, report);
        EXPECT_EQ(ReadFileBytes(outside), outsideBytes);
        EXPECT_EQ(GetLinkHotKey(twin.c_str(), nullptr), c.after);
    }
    ::DeleteFileA(outside.c_str());
    ::DeleteFileA(backup.c_str());
}

// A survey that cannot run (here COM, already initialised on the thread) is
// an error: list and backup exit 1 with the reason, and backup writes
// nothing, never replacing a good file.
TEST_F(SurveyTest, SurveyThatCannotRunIsAnError)
{
    Shortcut(folders.StartMenu() + "\\Tool.lnk", 0x0374);
    const std::string backup = TempFile("velmora-no-com.csv");
    ASSERT_TRUE(WriteFileBytes(backup, "good"));
    ASSERT_EQ(::CoInitialize(nullptr), S_OK);
    const CommandRun list = RunCommand({"list"}), saved = RunCommand({"backup", backup, "/force"});
    ::CoUninitialize();
    EXPECT_EQ(list.status, 1);
    EXPECT_NE(list.err.find("COM could not be initialised"), std::string::npos) << list.err;
    EXPECT_EQ(saved.status, 1);
    EXPECT_EQ(ReadFileBytes(backup), "good");
    ::DeleteFileA(backup.c_str());
}

// In a profile whose name the ANSI code page cannot carry (a prefix made for
// the user Zoë by tests/wine/with-foreign-user.sh), the Start Menu's and the
// Desktop's shortcuts are listed and backed up, by short names.
TEST(ForeignProfile, ListsTheStartMenuAndTheDesktop)
{
    WCHAR profile[MAX_PATH] = {};
    ASSERT_EQ(::SHGetFolderPathW(nullptr, CSIDL_PROFILE, nullptr, 0, profile), S_OK);
    BOOL lossy = FALSE;
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, profile, -1, nullptr, 0, nullptr, &lossy);
    ASSERT_TRUE(lossy) << "the profile's name is in the code page: " << AnsiFromWide(std::wstring(profile));
    const std::string made = "C:\\velmora-foreign.lnk";
    std::vector<std::wstring> placed;
    for (int folder : {CSIDL_STARTMENU, CSIDL_DESKTOPDIRECTORY}) {
        WCHAR path[MAX_PATH] = {};
        ASSERT_EQ(::SHGetFolderPathW(nullptr, folder | CSIDL_FLAG_CREATE, nullptr, 0, path), S_OK);
        ShortcutTo(made, WindowsFile("notepad.exe"), static_cast<WORD>(0x0641 + placed.size()));
        placed.push_back(std::wstring(path) + L"\\Foreign" + std::to_wstring(placed.size()) + L".lnk");
        ASSERT_TRUE(::MoveFileW(WideFromAnsi(made).c_str(), placed.back().c_str()));
    }
    const CommandRun list = RunCommand({"list"});
    EXPECT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(list.out, "Foreign0.lnk CTRL+ALT+A\r\nForeign1.lnk CTRL+ALT+B\r\n");
    const std::string backup = "C:\\velmora-foreign.csv";
    const CommandRun saved = RunCommand({"backup", backup, "/force"});
    EXPECT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(saved.out, "2 shortcut(s) with a hotkey saved in " + backup + ".\r\n");
    for (const std::wstring& path : placed)
        ::DeleteFileW(path.c_str());
    ::DeleteFileA(backup.c_str());
}

// Internet shortcuts beside malformed ones (no section, binary, too long):
// only the sound one is listed; set writes its HotKey value only, backup
// saves its URL as the target, and restore moves its hotkey onto the new
// internet shortcut to that URL.
TEST_F(SurveyTest, InternetShortcutsAreListedSetBackedUpAndRestored)
{
    const std::string site = folders.StartMenu() + "\\Site.url", text = "[InternetShortcut]\nURL=http://intranet/\nHotKey=1601\n";
    ASSERT_TRUE(WriteFileBytes(site, text));
    const std::pair<const char*, std::string> malformed[] = {
        {"\\NoSection.url", "URL=http://a/\r\nHotKey=1601\r\n"},
        {"\\Binary.url", std::string("[InternetShortcut]\r\nURL=http://a/\r\nHotKey=1601\r\n\0\x01", 52)},
        {"\\Huge.url", "[InternetShortcut]\r\nURL=http://a/\r\nHotKey=1601\r\n" + std::string(70000, ';')},
    };
    for (const auto& [name, bytes] : malformed)
        ASSERT_TRUE(WriteFileBytes(folders.Desktop() + name, bytes));
    EXPECT_EQ(RunCommand({"list", "/fullpath"}).out, site + " CTRL+ALT+A\r\n");
    ASSERT_EQ(RunCommand({"set", site, "CTRL+SHIFT+F5"}).status, 0);
    EXPECT_EQ(ReadFileBytes(site), "[InternetShortcut]\nURL=http://intranet/\nHotKey=884\n");
    const std::string backup = TempFile("velmora-url.csv");
    ASSERT_EQ(RunCommand({"backup", backup}).status, 0);
    EXPECT_EQ(ReadFileBytes(backup), "Path,Target,HotKey,Text,Arguments\r\n" + site + ",http://intranet/,0374,CTRL+SHIFT+F5,\r\n");
    ASSERT_TRUE(::DeleteFileA(site.c_str()));
    const std::string renamed = folders.Desktop() + "\\Intranet.url";
    ASSERT_TRUE(WriteFileBytes(renamed, "[InternetShortcut]\r\nURL=http://intranet/\r\n"));
    const CommandRun restored = RunCommand({"restore", backup});
    EXPECT_EQ(restored.out, "moved " + renamed + " (from backup line 2: " + site + ")\r\n");
    EXPECT_EQ(ReadFileBytes(renamed), "[InternetShortcut]\r\nURL=http://intranet/\r\nHotKey=884\r\n");
    for (const auto& [name, bytes] : malformed)
        EXPECT_EQ(ReadFileBytes(folders.Desktop() + name), bytes) << name;
    ::DeleteFileA(backup.c_str());
}

// A malformed backup (columns, quotes, hex, encoding, text) is refused with
// its line before any shortcut is written; a backup into a missing folder
// (or one too long for a temporary file beside it) writes nothing.
TEST_F(SurveyTest, RestoreRefusesAMalformedBackupBeforeWriting)
{
    const std::string shortcut = folders.StartMenu() + "\\Tool.lnk";
    ShortcutTo(shortcut, WindowsFile("notepad.exe"), 0);
    const std::string good = "Path,Target,HotKey,Text\r\n" + shortcut + ",," + "0374,CTRL+SHIFT+F5\r\n";
    const std::string backup = TempFile("velmora-malformed.csv");
    const std::string bad[] = {
        good + shortcut + ",,0374\r\n",
        good + "\"" + shortcut + ",,0374,CTRL+SHIFT+F5\r\n",
        good + shortcut + ",,03X4,CTRL+SHIFT+F5\r\n",
        good + shortcut + ",\x83,0374,CTRL+SHIFT+F5\r\n",
        good + shortcut + ",,0374,CTRL+SHIFT+F6\r\n",
    };
    const std::string before = ReadFileBytes(shortcut);
    for (const std::string& text : bad) {
        ASSERT_TRUE(WriteFileBytes(backup, text));
        const CommandRun run = RunCommand({"restore", backup});
        EXPECT_EQ(run.status, 2) << text;
        EXPECT_NE(run.err.find(" line 3: "), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(ReadFileBytes(shortcut), before) << text;
    }
    ASSERT_TRUE(WriteFileBytes(backup, good));
    EXPECT_EQ(RunCommand({"restore", backup}).status, 0);
    EXPECT_EQ(GetLinkHotKey(shortcut.c_str(), nullptr), 0x0374);

    const std::string nowhere = TempFile("velmora-no-folder\\backup.csv");
    EXPECT_EQ(RunCommand({"backup", nowhere}).status, 2);
    EXPECT_EQ(::GetFileAttributesA(nowhere.c_str()), INVALID_FILE_ATTRIBUTES);
    ::DeleteFileA(backup.c_str());
    const std::string longFolder = "C:\\" + std::string(250, 'v');
    ASSERT_TRUE(MakeFolders(longFolder));
    EXPECT_EQ(RunCommand({"backup", longFolder + "\\b.csv"}).status, 1);
    EXPECT_TRUE(::RemoveDirectoryA(longFolder.c_str())) << "a file was left in the folder";

    // A backup at a drive's root is written there, whatever the drive's
    // current folder ("=C:", as a console records it) is.
    char current[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, current);
    ASSERT_TRUE(::SetCurrentDirectoryA("Z:\\") && ::SetEnvironmentVariableA("=C:", "C:\\velmora-gone"));
    const CommandRun root = RunCommand({"backup", "C:\\velmora-root.csv"});
    ::SetEnvironmentVariableA("=C:", nullptr);
    ::SetCurrentDirectoryA(current);
    EXPECT_EQ(root.status, 0) << root.err;
    EXPECT_EQ(ReadFileBytes("C:\\velmora-root.csv"), "Path,Target,HotKey,Text,Arguments\r\n" + shortcut + "," +
                                                         WindowsFile("notepad.exe") + ",0374,CTRL+SHIFT+F5,\r\n");
    ::DeleteFileA("C:\\velmora-root.csv");
}

namespace {
// The keeper started by `keep on` with a kept file of its own, ended by
// `keep off` after each case.
class KeeperTest : public SurveyTest {
protected:
    void TearDown() override
    {
        RunCommand({"keep", "off"});
        ::DeleteFileA(kept.c_str());
        ::DeleteFileA(TempFile("keep.log").c_str());
    }
    // Keeps the hotkeys `shortcut` and the others have now.
    void KeepOn(const std::string& shortcut, WORD hotKey)
    {
        ShortcutTo(shortcut, WindowsFile("notepad.exe"), hotKey);
        const CommandRun on = RunCommand({"keep", "on", kept});
        ASSERT_EQ(on.status, 0) << on.err;
        ASSERT_EQ(on.out, "1 hotkey(s) kept in " + kept + ".\r\nThe keeper runs.\r\n");
    }
    // Writes `path` as an update's installer does: its new shortcut to the
    // same program, without a hotkey, its description changed.
    static void Update(const std::string& path)
    {
        MakeFolders(path.substr(0, path.rfind('\\')));
        ShortcutSpec spec;
        spec.target = WindowsFile("notepad.exe");
        spec.description = "version 2";
        ASSERT_TRUE(MakeShortcut(path, spec)) << path;
    }
    // True once the shortcut `path` has `hotKey`, polled for up to `wait` ms.
    static bool Becomes(const std::string& path, WORD hotKey, DWORD wait = 20000)
    {
        for (DWORD start = ::GetTickCount(); ::GetTickCount() - start < wait; ::Sleep(100))
            if (GetLinkHotKey(path.c_str(), nullptr) == hotKey)
                return true;
        return false;
    }

    const std::string kept = TempFile("velmora-kept.csv");
    const std::string test1 = folders.StartMenu() + "\\Test1.lnk";
};
}

// An update that deletes a shortcut and makes it anew without its hotkey,
// or saves its new one over it in place, loses the hotkey; the keeper gives
// it back and logs what it did.
TEST_F(KeeperTest, GivesBackAHotkeyLostToARecreatedShortcut)
{
    KeepOn(test1, 0x0651);
    ASSERT_TRUE(::DeleteFileA(test1.c_str()));
    Update(test1);
    EXPECT_TRUE(Becomes(test1, 0x0651));
    CommandRun state = RunCommand({"keep"});
    for (DWORD start = ::GetTickCount(); state.out.find("  given back  " + test1 + "  CTRL+ALT+Q") == std::string::npos;
         state = RunCommand({"keep"}))
        ASSERT_LT(::GetTickCount() - start, 20000u) << state.out;
    EXPECT_EQ(state.out.find("Keep is on; the keeper runs.\r\nKept file: " + kept + " (1 hotkey(s)).\r\n"), 0u)
        << state.out;
}

TEST_F(KeeperTest, GivesBackAHotkeyLostToAShortcutSavedOverInPlace)
{
    KeepOn(test1, 0x0651);
    Update(test1);
    EXPECT_TRUE(Becomes(test1, 0x0651));
}

// An update that moves a shortcut to another folder takes its hotkey along.
TEST_F(KeeperTest, MovesAHotkeyWithAShortcutAnUpdateMoved)
{
    KeepOn(test1, 0x0651);
    const std::string moved = folders.StartMenu() + "\\Programs\\Test1.lnk";
    ASSERT_TRUE(::DeleteFileA(test1.c_str()));
    Update(moved);
    EXPECT_TRUE(Becomes(moved, 0x0651));
}

// A hotkey cleared with set stays cleared: the kept list drops it.
TEST_F(KeeperTest, LeavesAHotkeyClearedThroughVelmora)
{
    KeepOn(test1, 0x0651);
    ASSERT_EQ(RunCommand({"set", test1, "none"}).status, 0);
    for (DWORD start = ::GetTickCount(); ReadFileBytes(kept).find("Test1") != std::string::npos; ::Sleep(100))
        ASSERT_LT(::GetTickCount() - start, 20000u) << "the kept list still holds the cleared hotkey";
    EXPECT_EQ(GetLinkHotKey(test1.c_str(), nullptr), 0);
}

// After keep off the keeper has ended and gives nothing back; the kept list
// stays.
TEST_F(KeeperTest, GivesNothingBackAfterKeepOff)
{
    KeepOn(test1, 0x0651);
    ASSERT_EQ(RunCommand({"keep", "off"}).out, "The keeper has ended.\r\n");
    Update(test1);
    EXPECT_FALSE(Becomes(test1, 0x0651, 5000)) << "a keeper would have acted after 2 s of quiet";
    EXPECT_EQ(RunCommand({"keep"}).out.find("Keep is off; the keeper does not run.\r\n"), 0u);
    EXPECT_NE(ReadFileBytes(kept).find("Test1"), std::string::npos);
}
