// Fills the prefix it runs in with shortcuts.
//   velmora_seed             sample shortcuts for the demo, added to what is
//                            there: hotkeys and none, nested folders, Japanese
//                            names (one with the byte 0x5C inside a character),
//                            and the common Start Menu too
//   velmora_seed user-test   the user-level test's fixed set, in place of every
//                            shortcut there was (test prefix only); then prints
//                            the three surveyed folders, one "NAME PATH" a line
//                            (NAME: startmenu, desktop, common), in ANSI
//   velmora_seed restore-bench COUNT [cleared]
//                            COUNT shortcuts with Windows' extra data blocks,
//                            for bench/restore-timing.sh (test prefix only)
#include <windows.h>
#include <shlobj.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "support/AnsiText.h"
#include "support/LinkCorpus.h"
#include "support/Shortcuts.h"
#include "support/TestFolders.h"

namespace {
struct Sample {
    int folder;             // CSIDL of the folder it goes under
    const char* relative;   // UTF-8 path below that folder
    const char* program;    // file in the Windows directory
    WORD hotKey;
};

const std::vector<Sample> kDemoSamples = {
    {CSIDL_STARTMENU, "Programs\\アクセサリ\\メモ帳.lnk", "notepad.exe", 0x064E},
    {CSIDL_STARTMENU, "Programs\\アクセサリ\\ワードパッド.lnk", "system32\\write.exe", 0},
    {CSIDL_STARTMENU, "Programs\\ソフト\\表計算.lnk", "system32\\taskmgr.exe", 0x0374},
    {CSIDL_STARTMENU, "Programs\\Games\\Deep\\Mines.lnk", "system32\\winemine.exe", 0x0421},
    {CSIDL_STARTMENU, "レジストリ エディタ.lnk", "regedit.exe", 0x0752},
    {CSIDL_DESKTOPDIRECTORY, "コマンド プロンプト.lnk", "system32\\cmd.exe", 0x0343},
    {CSIDL_DESKTOPDIRECTORY, "Explorer.lnk", "explorer.exe", 0x0071},
    {CSIDL_DESKTOPDIRECTORY, "Notes.lnk", "notepad.exe", 0},
    {CSIDL_COMMON_STARTMENU, "Programs\\Wine 設定.lnk", "system32\\winecfg.exe", 0x0657},
    {CSIDL_COMMON_STARTMENU, "Programs\\Help.lnk", "system32\\winhlp32.exe", 0x0070},
};

// The user-level test checks its rows, copies and file bytes against this set
// (tests/user/user-level-test.sh): every hotkey text differs, so both sort
// orders are fixed; 表 and ソ have 0x5C as their second byte.
const std::vector<Sample> kUserTestSamples = {
    {CSIDL_STARTMENU, "Programs\\アクセサリ\\メモ帳.lnk", "notepad.exe", 0x064E},          // CTRL+ALT+N
    {CSIDL_STARTMENU, "Programs\\ソフト\\表計算.lnk", "system32\\taskmgr.exe", 0x0478},     // ALT+F9
    {CSIDL_STARTMENU, "Programs\\Games\\Mines.lnk", "system32\\winemine.exe", 0x0241},      // CTRL+A
    {CSIDL_DESKTOPDIRECTORY, "コマンド プロンプト.lnk", "system32\\cmd.exe", 0x0070},       // F1
    {CSIDL_DESKTOPDIRECTORY, "Notes.lnk", "notepad.exe", 0},
    {CSIDL_DESKTOPDIRECTORY, "Old.pif", "regedit.exe", 0x0343},                            // CTRL+SHIFT+C
    {CSIDL_COMMON_STARTMENU, "Programs\\Wine 設定.lnk", "system32\\winecfg.exe", 0x0657},   // CTRL+ALT+W
};

struct SurveyedFolder {
    int csidl;
    const char* name;  // as printed for the test
};

const SurveyedFolder kSurveyedFolders[] = {
    {CSIDL_STARTMENU, "startmenu"},
    {CSIDL_DESKTOPDIRECTORY, "desktop"},
    {CSIDL_COMMON_STARTMENU, "common"},
};

// Writes each sample as a shortcut; true when all were written.
bool WriteSamples(const std::vector<Sample>& samples)
{
    char windows[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    size_t made = 0;
    for (const Sample& sample : samples) {
        const std::string path = SpecialFolder(sample.folder) + "\\" + AnsiFromUtf8(sample.relative);
        MakeFolders(path.substr(0, path.rfind('\\')));
        ShortcutSpec spec;
        spec.target = std::string(windows) + "\\" + sample.program;
        spec.hotKey = sample.hotKey;
        if (MakeShortcut(path, spec))
            ++made;
        else
            std::fprintf(stderr, "could not write %s\n", sample.relative);
    }
    std::fprintf(stderr, "%u shortcuts written\n", static_cast<unsigned>(made));
    return made == samples.size();
}

// The user-level test's set alone in the surveyed folders, whose paths it
// then prints. Only inside the test prefix: it deletes what the folders hold.
int SeedUserTest()
{
    if (std::getenv("VELMORA_TEST_PREFIX") == nullptr) {
        std::fputs("Run through tests/wine/run-in-prefix.sh: this empties the Start Menu and Desktop.\n", stderr);
        return 2;
    }
    for (const SurveyedFolder& folder : kSurveyedFolders)
        EmptyFolder(SpecialFolder(folder.csidl));
    if (!WriteSamples(kUserTestSamples))
        return 1;
    // 表計算.lnk also carries the extra data blocks Windows writes, which a
    // hotkey change must keep.
    const std::string sheet = SpecialFolder(CSIDL_STARTMENU) + "\\" + AnsiFromUtf8("Programs\\ソフト\\表計算.lnk");
    if (!WriteFileBytes(sheet, WithWindowsBlocks(ReadFileBytes(sheet), kEveryWindowsBlock)))
        return 1;
    _setmode(_fileno(stdout), _O_BINARY);  // LF line ends, for the shell
    for (const SurveyedFolder& folder : kSurveyedFolders)
        std::printf("%s %s\n", folder.name, SpecialFolder(folder.csidl).c_str());
    return 0;
}

// `count` shortcuts under Start Menu\Programs\Restore, made from the kinds
// the link object writes, each with the extra data blocks Windows writes and
// a hotkey (none when `cleared`), for timing a restore. Only inside a test
// prefix.
int SeedRestoreBench(int count, bool cleared)
{
    if (std::getenv("VELMORA_TEST_PREFIX") == nullptr || count <= 0) {
        std::fputs("Run through tests/wine/run-in-prefix.sh with a count above 0.\n", stderr);
        return 2;
    }
    char temp[MAX_PATH] = {}, windows[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    const std::string kinds = std::string(temp) + "velmora-kinds";
    const std::string folder = SpecialFolder(CSIDL_STARTMENU) + "\\Programs\\Restore";
    MakeFolders(kinds);
    MakeFolders(folder);
    std::vector<std::string> links;
    for (const std::string& path : WriteShellLinkVariety(kinds, std::string(windows) + "\\notepad.exe"))
        links.push_back(WithWindowsBlocks(ReadFileBytes(path), kEveryWindowsBlock));
    for (int i = 0; i < count && !links.empty(); ++i) {
        std::string bytes = links[static_cast<size_t>(i) % links.size()];
        bytes[0x40] = cleared ? 0 : static_cast<char>('A' + i % 26);
        bytes[0x41] = cleared ? 0 : static_cast<char>(HOTKEYF_CONTROL | HOTKEYF_ALT);
        char name[32];
        std::snprintf(name, sizeof(name), "\\Link%04d.lnk", i);
        if (!WriteFileBytes(folder + name, bytes))
            return 1;
    }
    return links.empty() ? 1 : 0;
}
}

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "user-test") == 0)
        return SeedUserTest();
    if ((argc == 3 || argc == 4) && std::strcmp(argv[1], "restore-bench") == 0)
        return SeedRestoreBench(std::atoi(argv[2]), argc == 4 && std::strcmp(argv[3], "cleared") == 0);
    if (argc != 1) {
        std::fputs("usage: velmora_seed [user-test | restore-bench COUNT [cleared]]\n", stderr);
        return 2;
    }
    return WriteSamples(kDemoSamples) ? 0 : 1;
}
