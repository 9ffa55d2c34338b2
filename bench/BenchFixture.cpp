#include "BenchFixture.h"

#include <shlobj.h>

#include <memory>

#include "BenchReport.h"
#include "framework/Com.h"
#include "support/Shortcuts.h"

namespace {

// An item id list of the shell's allocator.
struct IdListFree {
    void operator()(ITEMIDLIST* id) const { ::ILFree(id); }
};
using IdList = std::unique_ptr<ITEMIDLIST, IdListFree>;

// The Control Panel's items (at most `most`), then the Control Panel itself.
std::vector<IdList> ControlPanelTargets(size_t most)
{
    const CComInit com;
    std::vector<IdList> targets;
    LPITEMIDLIST received = nullptr;
    if (FAILED(::SHGetSpecialFolderLocation(nullptr, CSIDL_CONTROLS, &received)))
        return targets;
    IdList panel(received);
    CComPtr<IShellFolder> desktop;
    CComPtr<IShellFolder> folder;
    CComPtr<IEnumIDList> items;
    if (::SHGetDesktopFolder(desktop.Receive()) == S_OK &&
        desktop->BindToObject(panel.get(), nullptr, IID_IShellFolder, folder.ReceiveVoid()) == S_OK &&
        folder->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, items.Receive()) == S_OK) {
        LPITEMIDLIST child = nullptr;
        while (targets.size() < most && items->Next(1, &child, nullptr) == S_OK) {
            const IdList owned(child);
            IdList item(::ILCombine(panel.get(), owned.get()));
            if (item)
                targets.push_back(std::move(item));
        }
    }
    targets.push_back(std::move(panel));
    return targets;
}

std::string WindowsFolder()
{
    char windows[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    return windows;
}

bool Exists(const std::string& path)
{
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Writes `text` as a new file and gives its path ("" when it failed).
std::string MakeFile(const std::string& path, const std::string& text)
{
    return WriteFileBytes(path, text) ? path : std::string();
}

// What the mix's shortcuts point at, each list in turn.
struct MixTargets {
    std::vector<std::string> programs, documents, folders, missing, links;
    std::vector<IdList> items;
};

void AddExisting(std::vector<std::string>& list, const std::string& path)
{
    if (Exists(path))
        list.push_back(path);
}

void GatherPrograms(MixTargets& targets)
{
    const std::string windows = WindowsFolder();
    for (const char* name : {"notepad.exe", "regedit.exe", "winhlp32.exe", "explorer.exe", "hh.exe"})
        AddExisting(targets.programs, windows + "\\" + name);
    for (const char* name : {"cmd.exe", "control.exe", "taskmgr.exe", "winemine.exe", "wordpad.exe", "write.exe",
                             "msiexec.exe", "winecfg.exe", "clock.exe", "iexplore.exe"})
        AddExisting(targets.programs, windows + "\\system32\\" + name);
}

// Documents, targets deleted later and shortcuts to programs, made in `scratch`.
bool GatherFiles(const std::string& scratch, MixTargets& targets)
{
    const std::string documents = scratch + "\\Documents", gone = scratch + "\\Gone", links = scratch + "\\Links";
    if (!MakeFolders(documents) || !MakeFolders(gone) || !MakeFolders(links))
        return false;
    for (const char* extension : {"chm", "msi", "msp", "pdf", "rtf", "wri", "ini", "inf", "hlp", "vbs"})
        for (int k = 0; k < 3; ++k)
            targets.documents.push_back(MakeFile(Format("%s\\Report %d.%s", documents.c_str(), k, extension), "x"));
    for (int k = 0; k < 10; ++k) {
        targets.missing.push_back(MakeFile(Format("%s\\Old Tool %d.exe", gone.c_str(), k), "MZ"));
        targets.missing.push_back(MakeFile(Format("%s\\Old Report %d.txt", gone.c_str(), k), "x"));
        ShortcutSpec spec;
        spec.target = targets.programs[static_cast<size_t>(k) % targets.programs.size()];
        const std::string link = Format("%s\\Program %d.lnk", links.c_str(), k);
        if (!MakeShortcut(link, spec))
            return false;
        targets.links.push_back(link);
    }
    for (const std::vector<std::string>* list : {&targets.documents, &targets.missing})
        for (const std::string& path : *list)
            if (path.empty())
                return false;
    return true;
}

bool GatherTargets(const std::string& scratch, MixTargets& targets)
{
    GatherPrograms(targets);
    const std::string windows = WindowsFolder();
    for (const std::string& path : {std::string("C:\\"), windows, windows + "\\system32",
                                    std::string("C:\\Program Files"), std::string("C:\\users\\Public"), scratch})
        AddExisting(targets.folders, path);
    targets.items = ControlPanelTargets(30);
    Progress("mix targets: %d programs, %d folders and drives, %d Control Panel items (the panel included)\n",
             static_cast<int>(targets.programs.size()), static_cast<int>(targets.folders.size()),
             static_cast<int>(targets.items.size()));
    return !targets.programs.empty() && !targets.folders.empty() && !targets.items.empty() &&
           GatherFiles(scratch, targets);
}

enum class Kind { kProgram, kDocument, kFolder, kMissing, kLink, kItem };

// The kinds in one block of twenty files.
const Kind kBlock[20] = {Kind::kProgram, Kind::kDocument, Kind::kFolder,  Kind::kItem,     Kind::kProgram,
                         Kind::kLink,    Kind::kDocument, Kind::kItem,    Kind::kProgram,  Kind::kMissing,
                         Kind::kFolder,  Kind::kDocument, Kind::kItem,    Kind::kProgram,  Kind::kLink,
                         Kind::kFolder,  Kind::kDocument, Kind::kItem,    Kind::kProgram,  Kind::kMissing};

const std::string& Pick(const std::vector<std::string>& list, int i)
{
    return list[static_cast<size_t>(i / 20) % list.size()];
}

// Writes mix file `i` at `path`.
bool MakeMixFile(const MixTargets& targets, int i, const std::string& path)
{
    const Kind kind = kBlock[i % 20];
    ShortcutSpec spec;
    spec.hotKey = HotKeyOf(i);
    switch (kind) {
    case Kind::kItem:
        spec.targetItems = targets.items[static_cast<size_t>(i / 20) % targets.items.size()].get();
        break;
    case Kind::kProgram:
        spec.target = Pick(targets.programs, i);
        spec.workingDir = WindowsFolder();
        if (i / 20 % 5 == 0) {
            spec.iconFile = "%SystemRoot%\\system32\\shell32.dll";
            spec.iconIndex = i / 100 % 40;
        }
        break;
    case Kind::kDocument: spec.target = Pick(targets.documents, i); break;
    case Kind::kFolder: spec.target = Pick(targets.folders, i); break;
    case Kind::kMissing: spec.target = Pick(targets.missing, i); break;
    default: spec.target = Pick(targets.links, i); break;
    }
    return MakeShortcut(path, spec);
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

// A file name that does not follow the order of writing.
std::string ScrambledName(const char* stem, int i)
{
    return Format("%s %05u-%05d.lnk", stem, static_cast<unsigned>(i) * 7919u % 100003u, i);
}

} // namespace

WORD HotKeyOf(int i)
{
    static const BYTE modifiers[] = {HOTKEYF_CONTROL | HOTKEYF_ALT, HOTKEYF_CONTROL | HOTKEYF_SHIFT, HOTKEYF_ALT,
                                     HOTKEYF_CONTROL, HOTKEYF_CONTROL | HOTKEYF_ALT | HOTKEYF_SHIFT};
    const int key = i % 48;
    BYTE vk;
    if (key < 26)
        vk = static_cast<BYTE>('A' + key);
    else if (key < 36)
        vk = static_cast<BYTE>('0' + key - 26);
    else
        vk = static_cast<BYTE>(VK_F1 + key - 36);
    return static_cast<WORD>(vk | (modifiers[(i / 48) % 5] << 8));
}

ScratchFolder::ScratchFolder()
{
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    m_path = std::string(temp) + "velmora-bench";
    if (MakeFolders(m_path))
        EmptyFolder(m_path);
}

ScratchFolder::~ScratchFolder()
{
    EmptyFolder(m_path);
    ::RemoveDirectoryA(m_path.c_str());
}

bool MakeCopies(const SurveyFolders& folders, int count, Fixture& fixture)
{
    // One bracket for all files, so that each MakeShortcut's own one nests.
    const CComInit com;
    constexpr int kDistinct = 240;
    const std::string root = folders.StartMenu() + "\\Programs";
    for (int g = 0; g < 10; ++g)
        for (int s = 0; s < 10; ++s)
            if (!MakeFolders(Format("%s\\Bench %d\\Set %d", root.c_str(), g, s)))
                return false;
    std::vector<std::string> models;
    ShortcutSpec spec;
    spec.target = WindowsFolder() + "\\notepad.exe";
    for (int i = 0; i < count; ++i) {
        const std::string path = Format("%s\\Bench %d\\Set %d\\%s", root.c_str(), i % 10, i / 10 % 10,
                                        ScrambledName("Tool", i).c_str());
        if (i < kDistinct) {
            spec.hotKey = HotKeyOf(i);
            if (!MakeShortcut(path, spec))
                return false;
            models.push_back(ReadFileBytes(path));
        } else if (!WriteFileBytes(path, models[static_cast<size_t>(i % kDistinct)])) {
            return false;
        }
        fixture.paths.push_back(path);
    }
    return true;
}

bool MakeMix(const SurveyFolders& folders, const ScratchFolder& scratch, int count, Fixture& fixture)
{
    const CComInit com;
    MixTargets targets;
    if (!GatherTargets(scratch.Path(), targets))
        return false;
    for (int i = 0; i < count; ++i) {
        const std::string folder = MixFolder(folders, i);
        const std::string path = folder + "\\" + ScrambledName("Item", i);
        if (!MakeFolders(folder) || !MakeMixFile(targets, i, path))
            return false;
        fixture.paths.push_back(path);
    }
    // The missing targets go only now, after their shortcuts were written.
    for (const std::string& gone : targets.missing)
        ::DeleteFileA(gone.c_str());
    return true;
}
