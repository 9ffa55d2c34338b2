#include "survey/SurveyRun.h"

#include <shlobj.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "framework/Com.h"
#include "framework/FileIdentity.h"
#include "framework/PathForms.h"
#include "shell/InternetShortcut.h"
#include "shell/ShellItemId.h"
#include "shell/ShellLink.h"
#include "shell/ShortcutFileKind.h"
#include "shellicon/IconLocation.h"
#include "survey/FileSearch.h"
#include "rules/PathText.h"

namespace {
// The taskbar's pinned shortcuts, below the user's application data.
const WCHAR kPinnedFolder[] = L"\\Microsoft\\Internet Explorer\\Quick Launch\\User Pinned\\TaskBar";

// The file-system path of a special folder, or the empty text for a folder
// without one.
std::wstring SpecialFolderPath(HWND owner, int folder)
{
    CShellItemId items;
    if (FAILED(::SHGetSpecialFolderLocation(owner, folder, items.Receive())))
        return std::wstring();
    WCHAR path[MAX_PATH] = {};
    return ::SHGetPathFromIDListW(items.Get(), path) ? std::wstring(path) : std::wstring();
}
}

std::vector<std::pair<SurveyRoot, std::wstring>> SurveyRootPaths(HWND owner)
{
    const std::wstring appData = SpecialFolderPath(owner, CSIDL_APPDATA);
    return {{SurveyRoot::kStartMenu, SpecialFolderPath(owner, CSIDL_STARTMENU)},
            {SurveyRoot::kDesktop, SpecialFolderPath(owner, CSIDL_DESKTOP)},
            {SurveyRoot::kCommonStartMenu, SpecialFolderPath(owner, CSIDL_COMMON_STARTMENU)},
            {SurveyRoot::kCommonDesktop, SpecialFolderPath(owner, CSIDL_COMMON_DESKTOPDIRECTORY)},
            {SurveyRoot::kPinned, appData.empty() ? appData : appData + kPinnedFolder}};
}

namespace {
// A surveyed folder: which one, and its path as the ANSI functions name it
// (through short names where the code page cannot carry a long one).
struct RootFolder {
    SurveyRoot root;
    CString path;
};

// The surveyed folders that have a path, each folder once however many of
// them reach it; kUnnamedFolder when a folder has a path that no ANSI path
// reaches.
SurveyStatus GetSurveyFolders(HWND owner, std::vector<RootFolder>& folders)
{
    CComPtr<IMalloc> allocator;
    if (FAILED(::SHGetMalloc(allocator.Receive())))
        return SurveyStatus::kNoAllocator;
    SurveyStatus status = SurveyStatus::kDone;
    std::vector<FileIdentity> walked;
    for (const auto& [root, wide] : SurveyRootPaths(owner)) {
        if (wide.empty() || (root == SurveyRoot::kPinned && !IsExistingFolder(wide)))
            continue;
        const std::optional<FileIdentity> identity = IdentityOf(wide);
        if (identity && std::find(walked.begin(), walked.end(), *identity) != walked.end())
            continue;
        const CString ansi = AnsiFolderPath(wide);
        if (ansi.IsEmpty()) {
            status = SurveyStatus::kUnnamedFolder;
            continue;
        }
        if (identity)
            walked.push_back(*identity);
        folders.push_back({root, ansi});
    }
    return status;
}

// Each folder's LNK files, then its PIF files, then its URL files, folder by
// folder, each with its place.
void CollectShortcutFiles(const std::vector<RootFolder>& folders, SurveyFiles& files)
{
    for (const RootFolder& folder : folders) {
        const int first = files.paths.GetSize();
        CollectFiles(folder.path.GetString(), files.paths);
        for (int i = first; i < files.paths.GetSize(); ++i) {
            const CString& path = files.paths[i];
            const bool topLevel = GetPathFileName(path.GetString()).GetLength() + folder.path.GetLength() + 1 == path.GetLength();
            files.places.push_back({folder.root, topLevel});
        }
    }
}

// One shortcut file as the survey reads it: a shell link, or an internet
// shortcut read whole.
class COpenedShortcut {
public:
    // Opens `path` as the kind its names give; false when it does not open
    // (a link that does not load and resolve, a file that reads as no
    // internet shortcut).
    bool Open(const CString& path, HWND owner, IClassFactory* linkClass)
    {
        m_internet = ShortcutKindOf(path.GetString()) == ShortcutKind::kInternet;
        if (m_internet) {
            if (!ReadInternetShortcutFile(path.GetString(), m_internetShortcut))
                return false;
            m_hotKey = m_internetShortcut.hotKey;
            return true;
        }
        if (m_link.Open(path.GetString(), owner, linkClass) != S_OK)
            return false;
        m_link.Link()->GetHotkey(&m_hotKey);
        return true;
    }
    WORD HotKey() const { return m_hotKey; }
    CIconRequest IconRequest(const CString& path)
    {
        if (!m_internet)
            return LinkIconRequest(path, m_link);
        return InternetShortcutIconRequest(
            path, {m_internetShortcut.iconFile.c_str(), m_internetShortcut.iconIndex});
    }
    CString Target() { return m_internet ? CString(m_internetShortcut.url) : LinkTargetPath(m_link); }
    CString Arguments() const { return m_internet ? CString() : LinkArguments(m_link); }

private:
    bool m_internet = false;
    WORD m_hotKey = 0;
    CShellLinkFile m_link;                // a link's object
    InternetShortcut m_internetShortcut;  // an internet shortcut's values
};

// Adds the time since its last lap to one phase's total; idle without totals.
class CPhaseClock {
public:
    explicit CPhaseClock(CSurveyPhaseTimes* times) : m_times(times)
    {
        if (m_times)
            m_last = Now();
    }
    void Lap(double CSurveyPhaseTimes::*phase)
    {
        if (!m_times)
            return;
        const LONGLONG now = Now();
        m_times->*phase += static_cast<double>(now - m_last) * 1000.0 / Frequency();
        m_last = now;
    }

private:
    static LONGLONG Now()
    {
        LARGE_INTEGER count;
        ::QueryPerformanceCounter(&count);
        return count.QuadPart;
    }
    static double Frequency()
    {
        LARGE_INTEGER frequency;
        ::QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart);
    }

    CSurveyPhaseTimes* m_times;
    LONGLONG m_last = 0;
};
}

SurveyStatus CollectSurveyFiles(HWND owner, SurveyFiles& files)
{
    std::vector<RootFolder> folders;
    const SurveyStatus status = GetSurveyFolders(owner, folders);
    if (status != SurveyStatus::kNoAllocator)
        CollectShortcutFiles(folders, files);
    return status;
}

void AddShortcutRows(HWND owner, const SurveyFiles& files, int showUnassigned, CRowSink& rows,
                     CSurveyPhaseTimes* times)
{
    // The link class object, kept for this run, makes each file's link
    // object without the class being looked up again.
    CComPtr<IClassFactory> linkClass;
    if (::CoGetClassObject(CLSID_ShellLink, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                           linkClass.ReceiveVoid()) != S_OK)
        linkClass.Release();
    CPhaseClock clock(times);
    const SurveyRowReading& reading = rows.Reading();
    for (int i = 0; i < files.GetSize(); ++i) {
        COpenedShortcut shortcut;
        const bool opened = shortcut.Open(files[i], owner, linkClass.Get());
        clock.Lap(&CSurveyPhaseTimes::opening);
        if (!opened || (shortcut.HotKey() == 0 && showUnassigned != 1))
            continue;
        SurveyRow row{files[i], shortcut.HotKey(), files.places[static_cast<std::size_t>(i)], std::nullopt, CString(),
                      CString()};
        if (reading.icons)
            row.icon = shortcut.IconRequest(files[i]);
        clock.Lap(&CSurveyPhaseTimes::icons);
        if (reading.targets) {
            row.target = shortcut.Target();
            row.arguments = shortcut.Arguments();
        }
        rows.Add(std::move(row));
        clock.Lap(&CSurveyPhaseTimes::rows);
    }
}

SurveyStatus SurveyShortcuts(HWND owner, int showUnassigned, CRowSink& rows, SurveyFiles* found)
{
    SurveyFiles collectedFiles;
    SurveyFiles& files = found != nullptr ? *found : collectedFiles;
    const SurveyStatus collected = CollectSurveyFiles(owner, files);
    if (collected == SurveyStatus::kNoAllocator)
        return collected;
    const CComInit com;
    if (!com.Succeeded())
        return SurveyStatus::kNoCom;
    AddShortcutRows(owner, files, showUnassigned, rows);
    return collected;
}
