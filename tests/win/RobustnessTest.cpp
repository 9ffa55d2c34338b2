// The survey and the hotkey write against what a real Start Menu can hold:
// malformed shortcut files among valid ones, deep trees, a folder symlink
// loop, a crowded folder, shortcuts that point at themselves, paths at and
// past the platform's limit, names of every code page 932 character class,
// and files that change between the survey and the edit.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "framework/Com.h"
#include "rules/HotKeyText.h"
#include "framework/App.h"
#include "shell/LinkFileCheck.h"
#include "rules/LinkFormat.h"
#include "shell/LinkHotKey.h"
#include "shell/ShellLink.h"
#include "support/AnsiText.h"
#include "support/LinkCorpus.h"
#include "support/Shortcuts.h"
#include "support/TestFolders.h"
#include "support/WindowDriver.h"

namespace {
using Row = std::pair<std::string, std::string>;  // path, hotkey text

// Writes `bytes` with `hotKey` stored in the header.
std::string WithHotKey(std::string bytes, WORD hotKey)
{
    bytes[kHotKeyOffset] = static_cast<char>(hotKey & 0xFF);
    bytes[kHotKeyOffset + 1] = static_cast<char>(hotKey >> 8);
    return bytes;
}

std::wstring LongPath(const std::string& path) { return L"\\\\?\\" + std::wstring(path.begin(), path.end()); }

// Removes files and folders made through long paths, which the ANSI file
// functions that empty the surveyed folders cannot reach.
class CLongPaths {
public:
    CLongPaths() = default;
    ~CLongPaths()
    {
        for (auto entry = m_made.rbegin(); entry != m_made.rend(); ++entry)
            entry->second ? ::RemoveDirectoryW(LongPath(entry->first).c_str())
                          : ::DeleteFileW(LongPath(entry->first).c_str());
    }
    CLongPaths(const CLongPaths&) = delete;
    CLongPaths& operator=(const CLongPaths&) = delete;

    bool Folder(const std::string& path)
    {
        m_made.emplace_back(path, true);
        return ::CreateDirectoryW(LongPath(path).c_str(), nullptr) != FALSE;
    }
    bool Copy(const std::string& from, const std::string& to)
    {
        m_made.emplace_back(to, false);
        return ::CopyFileW(LongPath(from).c_str(), LongPath(to).c_str(), FALSE) != FALSE;
    }

private:
    std::vector<std::pair<std::string, bool>> m_made;  // path, is a folder
};

class RobustnessTest : public testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, temp);
        // A folder of each test's own: Wine's menu builder, started by each
        // save, may still be reading a shortcut the test before saved.
        scratch = std::string(temp) + "velmora-robustness-" +
                 testing::UnitTest::GetInstance()->current_test_info()->name();
        ASSERT_TRUE(MakeFolders(scratch));
    }
    void TearDown() override
    {
        EmptyFolder(scratch);
        ::RemoveDirectoryA(scratch.c_str());
    }
    // A shortcut to the prefix's existing target file.
    void Shortcut(const std::string& path, WORD hotKey, const std::string& target = std::string()) const
    {
        MakeFolders(path.substr(0, path.rfind('\\')));
        ShortcutSpec spec;
        spec.target = target.empty() ? folders.Target() : target;
        spec.hotKey = hotKey;
        ASSERT_TRUE(MakeShortcut(path, spec)) << path;
    }
    // The shell link object's kinds of shortcut, written outside the
    // surveyed folders; their bytes.
    std::vector<std::string> VarietyBytes(std::vector<std::string>* paths = nullptr) const
    {
        const std::vector<std::string> written = WriteShellLinkVariety(scratch, folders.Target());
        std::vector<std::string> bytes;
        for (const std::string& path : written)
            bytes.push_back(ReadFileBytes(path));
        if (paths != nullptr)
            *paths = written;
        return bytes;
    }
    std::multiset<Row> ListedRows() const
    {
        std::multiset<Row> rows;
        for (const ListRow& row : window.Rows())
            rows.insert({row.path, row.hotKey});
        return rows;
    }
    static Row Expected(const std::string& path, WORD hotKey) { return {path, FormatHotKey(hotKey).str()}; }

    std::string scratch;
    SurveyFolders folders;
    MainDialogFixture window;
};

// The 100 distinct hotkeys of the valid shortcuts: four modifier sets with
// the keys A to Y.
WORD ValidHotKey(size_t index)
{
    const WORD modifiers[4] = {0x02, 0x04, 0x03, 0x06};
    return static_cast<WORD>((modifiers[index / 25] << 8) | ('A' + index % 25));
}

struct LinkFields {
    std::string path, arguments, workingDir, description, iconFile, idList;
    int iconIndex = -1, showCmd = -1;
    WORD hotKey = 0;
    bool operator==(const LinkFields& other) const
    {
        return path == other.path && arguments == other.arguments && workingDir == other.workingDir &&
               description == other.description && iconFile == other.iconFile && idList == other.idList &&
               iconIndex == other.iconIndex && showCmd == other.showCmd && hotKey == other.hotKey;
    }
};

std::string IDListBytes(IShellLinkA* link)
{
    LPITEMIDLIST items = nullptr;
    if (link->GetIDList(&items) != S_OK || items == nullptr)
        return std::string();
    const std::string bytes(reinterpret_cast<const char*>(items), ::ILGetSize(items));
    ::CoTaskMemFree(items);
    return bytes;
}

// Every field of a shortcut that the shell link object reads back, as
// opened by the program; false when it does not open.
bool ReadFields(const std::string& path, LinkFields& fields)
{
    const CComInit com;
    CShellLinkFile link;
    if (link.Open(path.c_str(), nullptr) != S_OK)
        return false;
    IShellLinkA* shell = link.Link();
    char text[1024] = {};
    shell->GetPath(text, MAX_PATH, nullptr, 0);
    fields.path = text;
    shell->GetArguments(text, sizeof(text));
    fields.arguments = text;
    shell->GetWorkingDirectory(text, MAX_PATH);
    fields.workingDir = text;
    shell->GetDescription(text, sizeof(text));
    fields.description = text;
    shell->GetIconLocation(text, MAX_PATH, &fields.iconIndex);
    fields.iconFile = text;
    shell->GetShowCmd(&fields.showCmd);
    shell->GetHotkey(&fields.hotKey);
    fields.idList = IDListBytes(shell);
    return true;
}

void SelectRow(const MainDialogFixture& window, int row)
{
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED;
    state.state = LVIS_SELECTED;
    window.list.SendMessage(LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
}
}

// 2,000 malformed files (seeded, the same on every run) among 100 valid
// shortcuts with hotkeys, in the Start Menu, its subfolders, the Desktop and
// the common Start Menu: the survey lists exactly the valid ones. With
// shortcuts without hotkey shown, every malformed file that still loads also
// goes through the icon resolver, and the survey still completes.
// The malformed files stay off the Desktop: Wine's virtual desktop loads
// every shortcut that appears there to draw its icon, and a crash of that
// process takes the desktop window, and the next test's windows, with it.
TEST_F(RobustnessTest, MalformedCorpusAmongValidShortcutsListsExactlyTheValidOnes)
{
    std::vector<std::string> seedPaths;
    const std::vector<std::string> seeds = VarietyBytes(&seedPaths);
    std::vector<std::string> resolvable;  // the seeds with an existing file or folder as target
    for (size_t i = 0; i < seeds.size(); ++i)
        if (seedPaths[i].find("\\File") != std::string::npos || seedPaths[i].find("\\Folder") != std::string::npos)
            resolvable.push_back(seeds[i]);
    ASSERT_EQ(resolvable.size(), 6u);

    const std::vector<std::string> places = {folders.StartMenu(), folders.StartMenu() + "\\Programs",
                                             folders.StartMenu() + "\\Programs\\Tools", folders.Desktop(),
                                             folders.CommonStartMenu()};
    for (const std::string& place : places)
        ASSERT_TRUE(MakeFolders(place));
    std::multiset<Row> expected;
    for (size_t i = 0; i < 100; ++i) {
        char name[32];
        std::snprintf(name, sizeof(name), "\\Valid%03u.%s", static_cast<unsigned>(i), i % 7 == 0 ? "pif" : "lnk");
        const std::string path = places[i % places.size()] + name;
        ASSERT_TRUE(WriteFileBytes(path, WithHotKey(resolvable[i % resolvable.size()], ValidHotKey(i))));
        EXPECT_EQ(IsSoundLinkFile(path.c_str()), 1) << path;
        expected.insert(Expected(path, ValidHotKey(i)));
    }
    const std::vector<CorpusFile> corpus = MalformedLinks(seeds, 20240607, 2000);
    ASSERT_EQ(corpus.size(), 2000u);
    std::vector<std::string> malformedPlaces = places;
    malformedPlaces.erase(std::find(malformedPlaces.begin(), malformedPlaces.end(), folders.Desktop()));
    for (size_t i = 0; i < corpus.size(); ++i)
        ASSERT_TRUE(WriteFileBytes(malformedPlaces[i % malformedPlaces.size()] + "\\" + corpus[i].name,
                                   corpus[i].bytes));

    window.Command(IDC_START_SURVEY);
    EXPECT_EQ(ListedRows(), expected);

    window.ShowUnassigned(1);
    window.Command(IDC_START_SURVEY);
    const std::multiset<Row> all = ListedRows();
    for (const Row& row : expected)
        EXPECT_EQ(all.count(row), 1u) << row.first;
    EXPECT_EQ(CSurveyDlgProbe::Icons(window.dialog).GetSize(), static_cast<int>(all.size()));
}

// A tree 50 folders deep is searched to its bottom.
TEST_F(RobustnessTest, FiftyFoldersDeepAreSearchedToTheBottom)
{
    std::string folder = folders.StartMenu();
    std::multiset<Row> expected;
    for (int level = 1; level <= 50; ++level) {
        folder += "\\" + std::string(1, static_cast<char>('a' + level % 26));
        if (level == 1 || level == 25 || level == 50) {
            const std::string path = folder + "\\Level" + std::to_string(level) + ".lnk";
            const WORD hotKey = static_cast<WORD>(0x0600 | ('0' + level % 10));
            Shortcut(path, hotKey);
            expected.insert(Expected(path, hotKey));
        }
    }
    window.Command(IDC_START_SURVEY);
    EXPECT_EQ(ListedRows(), expected);
}

// 10,000 shortcut files in one folder, one in a hundred with a hotkey.
TEST_F(RobustnessTest, TenThousandFilesInOneFolder)
{
    const std::string crowd = folders.StartMenu() + "\\Crowd";
    ASSERT_TRUE(MakeFolders(crowd));
    Shortcut(scratch + "\\Plain.lnk", 0);
    const std::string plain = ReadFileBytes(scratch + "\\Plain.lnk");
    ASSERT_FALSE(plain.empty());
    std::multiset<Row> expected;
    for (size_t i = 0; i < 10000; ++i) {
        char name[32];
        std::snprintf(name, sizeof(name), "\\Item%05u.lnk", static_cast<unsigned>(i));
        const WORD hotKey = i % 100 == 0 ? ValidHotKey(i / 100) : 0;
        ASSERT_TRUE(WriteFileBytes(crowd + name, WithHotKey(plain, hotKey)));
        if (hotKey != 0)
            expected.insert(Expected(crowd + name, hotKey));
    }
    window.Command(IDC_START_SURVEY);
    EXPECT_EQ(ListedRows(), expected);
}

// Run with a folder symlink loop made on the Unix side ("Loop\Again" is
// "Loop" itself; see tests/wine/with-start-menu-loop.sh): the link that leads
// back is not entered, so the shortcut inside the loop is listed once.
TEST_F(RobustnessTest, StartMenuLoopIsWalkedOnce)
{
    const char* loopName = std::getenv("VELMORA_START_MENU_LOOP");
    if (loopName == nullptr)
        GTEST_SKIP() << "needs the Unix-side loop of tests/wine/with-start-menu-loop.sh";
    const std::string loop = folders.StartMenu() + "\\" + loopName;
    const DWORD attributes = ::GetFileAttributesA((loop + "\\Again").c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    ASSERT_NE(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);

    Shortcut(folders.StartMenu() + "\\Outside.lnk", 0x0641);
    Shortcut(loop + "\\Inside.lnk", 0x0374);
    const std::multiset<Row> expected = {Expected(folders.StartMenu() + "\\Outside.lnk", 0x0641),
                                         Expected(loop + "\\Inside.lnk", 0x0374)};

    window.Command(IDC_START_SURVEY);
    EXPECT_EQ(ListedRows(), expected);
}

// A shortcut to itself and two shortcuts to each other resolve (their
// targets exist) and are listed; finding their icons ends.
TEST_F(RobustnessTest, ShortcutsPointingAtThemselvesOrEachOther)
{
    const std::string self = folders.StartMenu() + "\\Self.lnk";
    const std::string ping = folders.StartMenu() + "\\Ping.lnk";
    const std::string pong = folders.StartMenu() + "\\Pong.lnk";
    Shortcut(self, 0x0231);
    Shortcut(ping, 0x0232);
    Shortcut(self, 0x0231, self);
    Shortcut(pong, 0x0233, ping);
    Shortcut(ping, 0x0232, pong);

    window.Command(IDC_START_SURVEY);
    EXPECT_EQ(ListedRows(),
              (std::multiset<Row>{Expected(self, 0x0231), Expected(ping, 0x0232), Expected(pong, 0x0233)}));
    EXPECT_EQ(GetLinkHotKey(ping.c_str(), nullptr), 0x0232);
    EXPECT_EQ(SetLinkHotKey(self.c_str(), 0x0234, nullptr), 1);
    EXPECT_EQ(StoredHotKey(self), 0x0234);
}

// A 259-byte path is listed and written under its long name. A 300-byte
// path, and a shortcut in a folder whose own path is past the limit, are
// listed under short names that open them and take a new hotkey, while
// writing to the 300-byte path itself fails. Where even the short name does
// not fit (an 8.3 name has none of its own), a file, and a folder with what
// it holds, are passed over.
TEST_F(RobustnessTest, PathsPastTheLimitGoByShortNamesOrArePassedOver)
{
    Shortcut(scratch + "\\Seed.lnk", 0x0374);
    const std::string seed = scratch + "\\Seed.lnk";
    const std::string folder = folders.StartMenu() + "\\" + std::string(150 - folders.StartMenu().size() - 1, 'f');
    const std::string fits = folder + "\\" + std::string(259 - 150 - 1 - 4, 'k') + ".lnk";
    const std::string tooLong = folder + "\\" + std::string(300 - 150 - 1 - 4, 'm') + ".lnk";
    const std::string deepFolder = folder + "\\" + std::string(120, 'g');
    ASSERT_EQ(folder.size(), 150u);
    ASSERT_EQ(fits.size(), 259u);
    ASSERT_EQ(tooLong.size(), 300u);
    CLongPaths longPaths;
    ASSERT_TRUE(longPaths.Folder(folder));
    ASSERT_TRUE(longPaths.Folder(deepFolder));
    ASSERT_TRUE(longPaths.Copy(seed, fits));
    ASSERT_TRUE(longPaths.Copy(seed, tooLong));
    ASSERT_TRUE(longPaths.Copy(seed, deepFolder + "\\Deep.lnk"));
    // 8.3 names, which have no short names of their own, down to 247 or 248
    // bytes: IN.LNK fits, a 13-byte name does not.
    std::string chain = folders.StartMenu();
    while (chain.size() < 247) {
        chain += chain.size() + 9 < 247 ? "\\DDDDDDDD" : "\\D";
        ASSERT_TRUE(longPaths.Folder(chain));
    }
    ASSERT_TRUE(longPaths.Copy(seed, chain + "\\IN.LNK"));
    ASSERT_TRUE(longPaths.Copy(seed, chain + "\\OVERLONG.LNK"));
    ASSERT_TRUE(longPaths.Folder(chain + "\\OVERLONG.DIR"));
    ASSERT_TRUE(longPaths.Copy(seed, chain + "\\OVERLONG.DIR\\A.LNK"));

    window.Command(IDC_START_SURVEY);
    std::multiset<Row> rows = ListedRows();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows.erase(Expected(fits, 0x0374)), 1u);
    EXPECT_EQ(rows.erase(Expected(chain + "\\IN.LNK", 0x0374)), 1u);
    std::string shortPath;  // the row of the 300-byte path
    for (const Row& row : rows) {
        EXPECT_EQ(row.second, FormatHotKey(0x0374).str());
        if (SameFile(row.first, LongPath(tooLong)))
            shortPath = row.first;
        else
            EXPECT_TRUE(SameFile(row.first, LongPath(deepFolder + "\\Deep.lnk"))) << row.first;
    }
    ASSERT_FALSE(shortPath.empty());
    EXPECT_EQ(SetLinkHotKey(fits.c_str(), 0x0241, nullptr), 1);
    EXPECT_EQ(StoredHotKey(fits), 0x0241);
    EXPECT_EQ(SetLinkHotKey(tooLong.c_str(), 0x0241, nullptr), 0);
    EXPECT_EQ(GetLinkHotKey(tooLong.c_str(), nullptr), 0);
    EXPECT_EQ(SetLinkHotKey(shortPath.c_str(), 0x0242, nullptr), 1);
    EXPECT_EQ(StoredHotKey(LongPath(tooLong)), 0x0242);
}

namespace {
// `ansi` as the platform gives it back: through its wide form and back.
// Code page 932 spells some characters twice (the NEC-selected rows 0xED and
// 0xEE repeat the IBM extension rows 0xFA to 0xFC); a file search gives the
// one spelling the wide name converts back to.
std::string PlatformSpelling(const std::string& ansi)
{
    WCHAR wide[MAX_PATH] = {};
    char back[MAX_PATH * 2] = {};
    ::MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, wide, MAX_PATH);
    ::WideCharToMultiByte(CP_ACP, 0, wide, -1, back, sizeof(back), nullptr, nullptr);
    return back;
}
}

// Names with each double-byte character class of code page 932 (trail bytes
// 0x5C and 0x7C among them, lead bytes of both ranges, the extension rows)
// and half-width katakana, in folder and file names: listed under the bytes
// the platform spells them with, read and written.
TEST_F(RobustnessTest, CodePage932NamesOfEveryClass)
{
    const std::vector<std::string> names = {
        "\x95\x5C\x8E\xA6\\\x83\x5C\x83\x74\x83\x67.lnk",  // 表示\ソフト: trail 0x5C in folder and file
        "\x83\x7C\x83\x8B\\\x81\x5C\x81\x7C\x81\x80.lnk",  // ポル\―−÷: trail 0x7C, 0x80
        "\xB1\xDD\xC3\xDE\xA1\xDF.lnk",                    // ｱﾝﾃﾞ｡ﾟ: half-width katakana
        "\x88\x9F\x9F\xFC\x89\x40.lnk",                    // lead 0x88 to 0x9F, trail 0x40 and 0xFC
        "\xE0\x40\xEA\xA4\xE0\x5C.pif",                    // lead 0xE0 to 0xEA
        "\xED\x40\xEE\xFC\xFA\x5C\xFB\x7C\xFC\x4B.lnk",    // NEC and IBM extension rows
    };
    std::multiset<Row> expected;
    WORD hotKey = 0x0641;
    for (const std::string& name : names) {
        ASSERT_GT(::MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, name.c_str(), -1, nullptr, 0), 0) << name;
        const std::string path = folders.StartMenu() + "\\" + name;
        Shortcut(path, hotKey);
        expected.insert(Expected(PlatformSpelling(path), hotKey++));
    }
    EXPECT_NE(PlatformSpelling(names.back()), names.back());  // the NEC-selected row's second spelling
    window.Command(IDC_START_SURVEY);
    EXPECT_EQ(ListedRows(), expected);
    const std::string path = folders.StartMenu() + "\\" + names[0];
    EXPECT_EQ(GetLinkHotKey(path.c_str(), nullptr), 0x0641);
    EXPECT_EQ(SetLinkHotKey(path.c_str(), 0x0758, nullptr), 1);
    EXPECT_EQ(StoredHotKey(path), 0x0758);
}

// Writing a hotkey into each kind of shortcut the shell link object makes
// keeps every field it reads back; a shortcut that does not open (its target
// is gone) is not written and keeps its bytes.
TEST_F(RobustnessTest, HotKeyWriteKeepsEveryFieldOfEveryKindOfShortcut)
{
    std::vector<std::string> paths;
    VarietyBytes(&paths);
    ASSERT_EQ(paths.size(), 48u);
    int written = 0;
    for (const std::string& path : paths) {
        const std::string before = ReadFileBytes(path);
        LinkFields fields;
        if (!ReadFields(path, fields)) {
            EXPECT_EQ(SetLinkHotKey(path.c_str(), 0x0758, nullptr), 0) << path;
            EXPECT_EQ(ReadFileBytes(path), before) << path;
            continue;
        }
        ASSERT_EQ(SetLinkHotKey(path.c_str(), 0x0758, nullptr), 1) << path;
        ++written;
        LinkFields after;
        ASSERT_TRUE(ReadFields(path, after)) << path;
        EXPECT_EQ(after.hotKey, 0x0758) << path;
        fields.hotKey = 0x0758;
        EXPECT_TRUE(after == fields) << path;
        EXPECT_EQ(IsSoundLinkFile(path.c_str()), 1) << path;
    }
    EXPECT_GT(written, 20);
}

// A shortcut deleted between the survey and the edit: the dialog starts with
// no hotkey, OK writes nothing (no file appears) and says so naming the
// shortcut, and the row keeps its text.
TEST_F(RobustnessTest, ShortcutDeletedBeforeTheEditIsReported)
{
    const std::string path = folders.StartMenu() + "\\Gone.lnk";
    Shortcut(path, 0x0374);
    window.Command(IDC_START_SURVEY);
    ASSERT_EQ(window.Rows().size(), 1u);
    ASSERT_TRUE(::DeleteFileA(path.c_str()));

    SelectRow(window, 0);
    WORD shown = 0xFFFF;
    ModalWatcher watcher(AnsiFromUtf8("ホットキーの設定"), [&](HWND dialog) {
        const HWND control = ::GetDlgItem(dialog, IDC_HOTKEY_EDIT);
        shown = static_cast<WORD>(::SendMessageA(control, HKM_GETHOTKEY, 0, 0));
        ::SendMessageA(control, HKM_SETHOTKEY, 0x0241, 0);
        ::SendMessageA(::GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    });
    std::string message;
    ModalWatcher box(AfxGetAppName().str(), [&](HWND window) {
        message = WindowText(::GetDlgItem(window, 0xFFFF));
        ::PostMessageA(window, WM_COMMAND, IDOK, 0);
    });
    window.Command(ID_EDIT_SET_HOTKEY);
    EXPECT_TRUE(watcher.Fired());
    EXPECT_NE(message.find(path), std::string::npos) << message;
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(::GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
    ASSERT_EQ(window.Rows().size(), 1u);
    EXPECT_EQ(window.Rows()[0].path, path);
    EXPECT_EQ(window.Rows()[0].hotKey, "CTRL+SHIFT+F5");
}
