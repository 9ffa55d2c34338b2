// Fills the prefix it runs in with shortcuts.
//   velmora_seed             sample shortcuts for the demo, added to what is
//                            there: hotkeys and none, nested folders, Japanese
//                            names (one with the byte 0x5C inside a character),
//                            and the common Start Menu too
//   velmora_seed user-test   the user-level test's fixed set, in place of every
//                            shortcut there was (test prefix only); then prints
//                            the three surveyed folders, one "NAME PATH" a line
//                            (NAME: startmenu, desktop, common), in ANSI
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
}

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "user-test") == 0)
        return SeedUserTest();
    if (argc != 1) {
        std::fputs("usage: velmora_seed [user-test]\n", stderr);
        return 2;
    }
    return WriteSamples(kDemoSamples) ? 0 : 1;
}
