#include "BenchFixture.h"

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <cstdarg>
#include <cstdio>
#include <initializer_list>
#include <map>
#include <memory>

#include "framework/Com.h"
#include "rules/LinkFormat.h"
#include "support/LinkCorpus.h"
#include "support/Shortcuts.h"

namespace {
using IdList = std::unique_ptr<ITEMIDLIST, decltype(&::ILFree)>;

// The Control Panel's items (at most `most`), then the Control Panel itself,
// then those of the special folders `specials` that have an ID list.
std::vector<IdList> ItemTargets(size_t most, std::initializer_list<int> specials = {})
{
    std::vector<IdList> targets;
    LPITEMIDLIST received = nullptr;
    if (SUCCEEDED(::SHGetSpecialFolderLocation(nullptr, CSIDL_CONTROLS, &received))) {
        IdList panel(received, ::ILFree);
        CComPtr<IShellFolder> desktop, folder;
        CComPtr<IEnumIDList> items;
        LPITEMIDLIST child = nullptr;
        if (::SHGetDesktopFolder(desktop.Receive()) == S_OK &&
            desktop->BindToObject(panel.get(), nullptr, IID_IShellFolder, folder.ReceiveVoid()) == S_OK &&
            folder->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, items.Receive()) == S_OK)
            while (targets.size() < most && items->Next(1, &child, nullptr) == S_OK) {
                const IdList owned(child, ::ILFree);
                if (IdList item{::ILCombine(panel.get(), owned.get()), ::ILFree})
                    targets.push_back(std::move(item));
            }
        targets.push_back(std::move(panel));
    }
    for (int special : specials)
        if (SUCCEEDED(::SHGetSpecialFolderLocation(nullptr, special, &received)))
            targets.emplace_back(received, ::ILFree);
    return targets;
}

std::string WindowsFolder()
{
    char windows[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    return windows;
}

// What the mix's shortcuts point at, by kind: Program, Document, Folder,
// Missing (deleted since), Link (another shortcut), control panel Item.
struct MixTargets {
    std::map<char, std::vector<std::string>> files;
    std::vector<IdList> items;
};

// Programs, folders and drive roots of the prefix, and the Control Panel's items.
void GatherSystemTargets(const std::string& scratch, MixTargets& targets)
{
    const std::string windows = WindowsFolder();
    auto AddExisting = [](std::vector<std::string>& list, const std::string& path) {
        if (::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES)
            list.push_back(path);
    };
    for (const char* name : {"notepad", "regedit", "winhlp32", "explorer", "hh", "system32\\cmd", "system32\\control",
                             "system32\\taskmgr", "system32\\winemine", "system32\\wordpad", "system32\\write",
                             "system32\\msiexec", "system32\\winecfg", "system32\\clock", "system32\\iexplore"})
        AddExisting(targets.files['P'], windows + "\\" + name + ".exe");
    for (const std::string& path : {std::string("C:\\"), windows, windows + "\\system32",
                                    std::string("C:\\Program Files"), std::string("C:\\users\\Public"), scratch})
        AddExisting(targets.files['F'], path);
    targets.items = ItemTargets(30);
}

// Documents, targets deleted later and shortcuts to programs, made in `scratch`.
bool GatherFiles(const std::string& scratch, MixTargets& targets)
{
    std::vector<std::string>&documents = targets.files['D'], &missing = targets.files['M'], &links = targets.files['L'];
    const std::vector<std::string>& programs = targets.files['P'];
    bool ok = !programs.empty() && MakeFolders(scratch + "\\Documents") && MakeFolders(scratch + "\\Gone") &&
              MakeFolders(scratch + "\\Links");
    for (const char* extension : {"chm", "msi", "msp", "pdf", "rtf", "wri", "ini", "inf", "hlp", "vbs"})
        for (int k = 0; k < 3 && ok; ++k) {
            documents.push_back(Format("%s\\Documents\\Report %d.%s", scratch.c_str(), k, extension));
            ok = WriteFileBytes(documents.back(), "x");
        }
    ShortcutSpec spec;
    for (int k = 0; k < 10 && ok; ++k) {
        missing.push_back(Format("%s\\Gone\\Old Tool %d.exe", scratch.c_str(), k));
        missing.push_back(Format("%s\\Gone\\Old Report %d.txt", scratch.c_str(), k));
        links.push_back(Format("%s\\Links\\Program %d.lnk", scratch.c_str(), k));
        spec.target = programs[static_cast<size_t>(k) % programs.size()];
        ok = WriteFileBytes(missing[2 * k], "MZ") && WriteFileBytes(missing[2 * k + 1], "x") &&
             MakeShortcut(links.back(), spec);
    }
    return ok;
}

// The kinds of target in one block of twenty files.
const char kBlock[] = "PDFIPLDIPMFDIPLFDIPM";

// The hotkey of generated file `i`: a spread of modifiers with letters,
// digits and F1 to F12, 240 distinct values in turn.
WORD HotKeyOf(int i)
{
    static const BYTE modifiers[] = {HOTKEYF_CONTROL | HOTKEYF_ALT, HOTKEYF_CONTROL | HOTKEYF_SHIFT, HOTKEYF_ALT,
                                     HOTKEYF_CONTROL, HOTKEYF_CONTROL | HOTKEYF_ALT | HOTKEYF_SHIFT};
    const int key = i % 48;
    const int vk = key < 26 ? 'A' + key : key < 36 ? '0' + key - 26 : VK_F1 + key - 36;
    return static_cast<WORD>(vk | (modifiers[(i / 48) % 5] << 8));
}

// Describes mix file `i` in `spec`, its hotkey aside.
void DescribeMixFile(const MixTargets& targets, int i, ShortcutSpec& spec)
{
    const char kind = kBlock[i % 20];
    const size_t pick = static_cast<size_t>(i / 20);
    if (kind == 'I')
        spec.targetItems = targets.items[pick % targets.items.size()].get();
    else
        spec.target = targets.files.at(kind)[pick % targets.files.at(kind).size()];
    spec.workingDir = kind == 'P' ? WindowsFolder() : std::string();
    if (kind == 'P' && pick % 5 == 0)
        spec.iconFile = "%SystemRoot%\\system32\\shell32.dll", spec.iconIndex = i / 100 % 40;
}

// Where mix file `i` goes: mostly two and three folders deep in the Start
// Menu, one in ten on the desktop, one in ten in the common Start Menu.
std::string MixFolder(const SurveyFolders& folders, int i)
{
    const int place = i % 10;
    if (place == 8)
        return folders.Desktop();
    if (place == 9)
        return Format("%s\\Programs\\Shared %d", folders.CommonStartMenu().c_str(), i / 10 % 3);
    const std::string suite = Format("%s\\Programs\\Suite %d", folders.StartMenu().c_str(), i / 10 % 6);
    return place < 6 ? Format("%s\\Part %d", suite.c_str(), i / 60 % 4) : suite;
}

// Writes `spec`, with file `i`'s hotkey, as the file `i` named after `stem`
// in its mix folder (made when missing); `paths` gets its path.
bool WriteMixShortcut(const SurveyFolders& folders, int i, const char* stem, ShortcutSpec& spec, Paths& paths)
{
    const std::string folder = MixFolder(folders, i);
    paths.push_back(Format("%s\\%s %05u-%05d.lnk", folder.c_str(), stem, i * 7919u % 100003u, i));
    spec.hotKey = HotKeyOf(i);
    return MakeFolders(folder) && MakeShortcut(paths.back(), spec);
}

// Adds to the shortcut at `path` what Windows writes for a target given with
// %NAME% references: the HasExpString flag and an environment variable block
// holding `unexpanded`.
bool AddEnvironmentBlock(const std::string& path, const std::string& unexpanded)
{
    const std::string link = ReadFileBytes(path);
    return link.size() >= kHeaderSize && WriteFileBytes(path, WithWindowsBlocks(link, kEnvironmentBlock, unexpanded));
}

// The system programs the %SystemRoot% shortcuts point at.
const char* const kSystemPrograms[] = {"notepad", "cmd", "taskmgr", "control", "msiexec", "winecfg", "reg", "xcopy"};

// What the Windows mix's shortcut `i` points at (by its place in a block of
// ten); as on a user's machine, almost every shortcut has a target of its own.
void WindowsTarget(const std::vector<IdList>& items, int i, ShortcutSpec& spec)
{
    switch ("QQUUEEIIAA"[i % 10]) {
    case 'Q':  // a drive that is not there: a removed disk, a disconnected share
        spec.target = Format("Q:\\Apps\\Tool %d\\tool.exe", i);
        spec.workingDir = Format("Q:\\Apps\\Tool %d", i);
        break;
    case 'U':
        spec.target = Format("\\\\fileserver%d\\apps\\Suite %d\\run.exe", i % 3, i);
        break;
    case 'E':  // the expanded path as the target; the unexpanded one in a block of its own (see below)
        spec.target = i % 2 ? Format("C:\\Program Files\\Vendor %d\\app.exe", i)
                            : Format("%s\\system32\\%s.exe", WindowsFolder().c_str(), kSystemPrograms[i / 10 % 8]);
        break;
    case 'I':
        spec.targetItems = items[static_cast<size_t>(i / 10) % items.size()].get();
        break;
    default:  // Windows Installer: product and component descriptors, the icon in its cache
        spec.target = Format("::{9db1186f-40df-11d1-aa8c-00c04fb67863}:{2A3E5C4F-0000-4000-8000-%012d}"
                             "::{9db1186e-40df-11d1-aa8c-00c04fb67863}:w_1^VZ]8ITBVO%d>Office_Files>Word::",
                             i / 10, i / 10);
        spec.iconFile = Format("C:\\Windows\\Installer\\{2A3E5C4F-0000-4000-8000-%012d}\\icon.exe", i / 10);
    }
}

// The target of Windows-shaped shortcut `i`, by its place in a block of a
// hundred; `ids` holds the ID lists it may point at.
void ShapedTarget(const std::vector<IdList>& ids, int i, ShortcutSpec& spec)
{
    const int place = i % 100;
    if (place < 34)
        spec.targetItems = ids[static_cast<size_t>(i / 3) % ids.size()].get();
    else if (place < 69)
        spec.target = Format("C:\\Program Files\\Vendor %d\\Product %d\\app%d.exe", i % 37, i / 37, i);
    else if (place < 79)
        spec.target = Format("D:\\Games\\Game %d\\game.exe", i);
    else if (place < 85)
        spec.target = Format("E:\\Tools\\tool%d.exe", i);
    else if (place < 93)
        spec.target = Format("..\\Tools %d\\run.exe", i);
    else if (place < 97)
        spec.target = "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}";
    else
        spec.target = WindowsFolder() + (place == 97 ? "\\notepad.exe" : place == 98 ? "\\regedit.exe" : "\\winhlp32.exe");
}
} // namespace

std::string Format(const char* format, ...)
{
    char text[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof(text), format, args);
    va_end(args);
    return text;
}

bool MakeCopies(const SurveyFolders& folders, int count, Paths& paths)
{
    const CComInit com;  // one bracket for all files, so that each MakeShortcut's own one nests
    constexpr int kDistinct = 240;
    std::vector<std::string> models;
    ShortcutSpec spec;
    spec.target = WindowsFolder() + "\\notepad.exe";
    for (int i = 0; i < count; ++i) {
        const std::string folder = folders.StartMenu() + Format("\\Programs\\Bench %d\\Set %d", i % 10, i / 10 % 10);
        paths.push_back(Format("%s\\Tool %05u-%05d.lnk", folder.c_str(), i * 7919u % 100003u, i));
        spec.hotKey = HotKeyOf(i);
        if (i < kDistinct && (!MakeFolders(folder) || !MakeShortcut(paths.back(), spec)))
            return false;
        if (i < kDistinct)
            models.push_back(ReadFileBytes(paths.back()));
        else if (!WriteFileBytes(paths.back(), models[static_cast<size_t>(i % kDistinct)]))
            return false;
    }
    return true;
}

bool MakeMix(const SurveyFolders& folders, int count, Paths& paths)
{
    const CComInit com;
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    const std::string scratch = std::string(temp) + "velmora-bench";
    MakeFolders(scratch);
    EmptyFolder(scratch);
    MixTargets targets;
    GatherSystemTargets(scratch, targets);
    if (targets.files['F'].empty() || targets.items.empty() || !GatherFiles(scratch, targets))
        return false;
    for (int i = 0; i < count; ++i) {
        ShortcutSpec spec;
        DescribeMixFile(targets, i, spec);
        if (!WriteMixShortcut(folders, i, "Item", spec, paths))
            return false;
    }
    for (const std::string& gone : targets.files['M'])  // only now, after their shortcuts were written
        ::DeleteFileA(gone.c_str());
    return true;
}

bool MakeDesktopTree(const SurveyFolders& folders, int entries, Paths& paths)
{
    const CComInit com;
    static const char* const kinds[] = {"c", "h", "txt", "png", "cpp"};
    ShortcutSpec spec;
    spec.target = WindowsFolder() + "\\notepad.exe";
    spec.hotKey = HotKeyOf(0);
    std::string model;
    for (int i = 0; i < entries; ++i) {
        const std::string folder = Format("%s\\Projects\\Project %d\\src %d\\part %d", folders.Desktop().c_str(),
                                          i / 5000, i / 500 % 10, i / 50 % 10);
        if (i % 50 == 0 && !MakeFolders(folder))
            return false;
        if (i % 1000 == 999) {
            paths.push_back(Format("%s\\Open %d.lnk", folder.c_str(), i));
            if (model.empty() && MakeShortcut(paths.back(), spec))
                model = ReadFileBytes(paths.back());
            if (model.empty() || !WriteFileBytes(paths.back(), model))
                return false;
        } else if (!WriteFileBytes(Format("%s\\file%d.%s", folder.c_str(), i, kinds[i % 5]), "x")) {
            return false;
        }
    }
    return true;
}

bool MakeWindowsMix(const SurveyFolders& folders, int count, Paths& paths)
{
    const CComInit com;
    const std::vector<IdList> items = ItemTargets(30);
    if (items.empty())
        return false;
    for (int i = 0; i < count; ++i) {
        ShortcutSpec spec;
        WindowsTarget(items, i, spec);
        if (!WriteMixShortcut(folders, i, "Win", spec, paths))
            return false;
        const std::string unexpanded = i % 2 ? spec.target.replace(0, 16, "%ProgramFiles%")
                                             : Format("%%SystemRoot%%\\system32\\%s.exe", kSystemPrograms[i / 10 % 8]);
        if (i % 10 / 2 == 2 && !AddEnvironmentBlock(paths.back(), unexpanded))
            return false;
    }
    return true;
}

bool MakeWindowsShaped(const SurveyFolders& folders, int count, Paths& paths)
{
    const CComInit com;
    // Besides the Control Panel's items, the special folders' ID lists.
    const std::vector<IdList> ids =
        ItemTargets(24, {CSIDL_DRIVES, CSIDL_PRINTERS, CSIDL_PERSONAL, CSIDL_BITBUCKET, CSIDL_NETWORK, CSIDL_FONTS});
    if (ids.size() < 2)
        return false;
    for (int i = 0; i < count; ++i) {
        ShortcutSpec spec;
        ShapedTarget(ids, i, spec);
        // Every other one an icon of its own: in a program's own missing
        // file, or one of shell32.dll's.
        if (i % 4 == 1)
            spec.iconFile = Format("C:\\Program Files\\Vendor %d\\icons%d.exe", i % 37, i), spec.iconIndex = i % 3;
        else if (i % 4 == 3)
            spec.iconFile = "%SystemRoot%\\system32\\shell32.dll", spec.iconIndex = i / 4 % 250;
        if (!WriteMixShortcut(folders, i, "Shaped", spec, paths))
            return false;
    }
    return true;
}
