#include "survey/SurveyRun.h"

#include <shlobj.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "framework/Com.h"
#include "framework/FileIdentity.h"
#include "framework/PathForms.h"
#include "shell/InternetShortcut.h"
#include "shell/LinkFileCheck.h"
#include "shell/ShellLink.h"
#include "shell/ShortcutFileKind.h"
#include "shellicon/ExistingPaths.h"
#include "shellicon/IconLocation.h"
#include "survey/FileSearch.h"
#include "rules/PathText.h"

namespace {
// The taskbar's pinned shortcuts, below the user's application data.
const WCHAR kPinnedFolder[] = L"\\Microsoft\\Internet Explorer\\Quick Launch\\User Pinned\\TaskBar";

// The file-system path of a special folder, or the empty text for a folder
// without one. Asked for its path alone: an item identifier list for it, read
// back as a path, took Wine about 1 ms a folder.
std::wstring SpecialFolderPath(HWND owner, int folder)
{
    WCHAR path[MAX_PATH] = {};
    return ::SHGetFolderPathW(owner, folder, nullptr, SHGFP_TYPE_CURRENT, path) == S_OK ? std::wstring(path)
                                                                                        : std::wstring();
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
        CollectFiles(folder.path.GetString(), files.paths, &files.longPaths);
        for (int i = first; i < files.paths.GetSize(); ++i) {
            const CString& path = files.paths[i];
            const bool topLevel = GetPathFileName(path.GetString()).GetLength() + folder.path.GetLength() + 1 == path.GetLength();
            files.places.push_back({folder.root, topLevel});
        }
    }
}

// One shortcut file as the survey reads it: a plain shell link read from its
// bytes, a link through the link object, or an internet shortcut read whole.
class COpenedShortcut {
public:
    COpenedShortcut(const CString& path, HWND owner, IClassFactory* linkClass)
        : m_path(path), m_owner(owner), m_linkClass(linkClass)
    {
    }

    // Opens the file as the kind its names give; false when it does not open
    // (a link that neither reads as a plain shell link nor loads, a file that
    // reads as no internet shortcut).
    bool Open()
    {
        m_internet = ShortcutKindOf(m_path.GetString()) == ShortcutKind::kInternet;
        if (m_internet) {
            if (!ReadInternetShortcutFile(m_path.GetString(), m_internetShortcut))
                return false;
            m_hotKey = m_internetShortcut.hotKey;
            return true;
        }
        if (const std::optional<WORD> plain = ReadPlainLinkHotKey(m_path.GetString())) {
            m_hotKey = *plain;
            return true;
        }
        if (!OpenLink())
            return false;
        m_link.Link()->GetHotkey(&m_hotKey);
        return true;
    }
    WORD HotKey() const { return m_hotKey; }
    CIconRequest IconRequest()
    {
        if (m_internet)
            return InternetShortcutIconRequest(m_path,
                                               {m_internetShortcut.iconFile.c_str(), m_internetShortcut.iconIndex});
        return m_opened ? LinkIconRequest(m_path, m_link) : UnreadLinkIconRequest(m_path);
    }
    CString Target()
    {
        if (m_internet)
            return CString(m_internetShortcut.url);
        return OpenLink() ? LinkTargetPath(m_link) : CString();
    }
    CString Arguments() { return !m_internet && OpenLink() ? LinkArguments(m_link) : CString(); }
    // True for a link whose file-system target names nothing.
    bool TargetGone()
    {
        const CString target = m_internet ? CString() : Target();
        return !target.IsEmpty() && NamesNothing(target.GetString()) == 1;
    }

private:
    // The link object opened on the file, the first time only; false when it
    // does not load.
    bool OpenLink()
    {
        if (!m_tried) {
            m_tried = true;
            m_opened = m_link.Open(m_path.GetString(), m_owner, m_linkClass) == S_OK;
        }
        return m_opened;
    }

    const CString& m_path;
    HWND m_owner;
    IClassFactory* m_linkClass;
    bool m_internet = false;
    bool m_tried = false, m_opened = false;
    WORD m_hotKey = 0;
    CShellLinkFile m_link;                // a link's object, when it was needed
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

bool IsTargetGone(const CString& path, HWND owner)
{
    COpenedShortcut shortcut(path, owner, nullptr);
    return shortcut.Open() && shortcut.TargetGone();
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
    const CComPtr<IClassFactory> linkClass = ShellLinkClass();
    CPhaseClock clock(times);
    const SurveyRowReading& reading = rows.Reading();
    for (int i = 0; i < files.GetSize(); ++i) {
        COpenedShortcut shortcut(files[i], owner, linkClass.Get());
        const bool opened = shortcut.Open();
        clock.Lap(&CSurveyPhaseTimes::opening);
        if (!opened || (shortcut.HotKey() == 0 && showUnassigned != 1))
            continue;
        const auto at = static_cast<std::size_t>(i);
        SurveyRow row{files[i], files.longPaths[at], shortcut.HotKey(), files.places[at], std::nullopt, CString(),
                      CString()};
        if (reading.icons)
            row.icon = shortcut.IconRequest();
        clock.Lap(&CSurveyPhaseTimes::icons);
        if (reading.targets) {
            row.target = shortcut.Target();
            row.arguments = shortcut.Arguments();
            row.targetGone = shortcut.TargetGone();
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
