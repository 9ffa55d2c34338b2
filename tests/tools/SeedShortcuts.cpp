// Fills the prefix it runs in with sample shortcuts for the demo: hotkeys and
// none, nested folders, Japanese names (one with the byte 0x5C inside a
// character), and the common Start Menu too.
#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <string>

#include "support/AnsiText.h"
#include "support/Shortcuts.h"
#include "support/TestFolders.h"

namespace {
struct Sample {
    int folder;             // CSIDL of the folder it goes under
    const char* relative;   // UTF-8 path below that folder
    const char* program;    // file in the Windows directory
    WORD hotKey;
};

const Sample kSamples[] = {
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
}

int main()
{
    char windows[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    int made = 0;
    for (const Sample& sample : kSamples) {
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
    std::printf("%d sample shortcuts written\n", made);
    return made == static_cast<int>(sizeof(kSamples) / sizeof(kSamples[0])) ? 0 : 1;
}
