#include "survey/SurveyRun.h"

#include <shlobj.h>


#include "framework/Com.h"
#include "hotkey/HotKeyText.h"
#include "shell/ShellItemId.h"
#include "shellicon/SurveyIconResolver.h"
#include "survey/FileSearch.h"

namespace {
constexpr int kFolderCount = 3;

// The file-system path of a special folder as the ANSI functions name it
// (through short names where the code page cannot carry a long one), or the
// empty text for a folder without one. `named` turns false when the folder
// has a path that no ANSI path reaches.
CString SpecialFolderPath(HWND owner, int folder, bool& named)
{
    CShellItemId items;
    if (FAILED(::SHGetSpecialFolderLocation(owner, folder, items.Receive())))
        return CString();
    WCHAR path[MAX_PATH] = {};
    if (!::SHGetPathFromIDListW(items.Get(), path) || path[0] == L'\0')
        return CString();
    const CString ansi = AnsiFolderPath(path);
    named = named && !ansi.IsEmpty();
    return ansi;
}

// The Start Menu's, the Desktop's and the common Start Menu's paths, in this
// order (empty for one without a path).
SurveyStatus GetSurveyFolders(HWND owner, CString (&folders)[kFolderCount])
{
    CComPtr<IMalloc> allocator;
    if (FAILED(::SHGetMalloc(allocator.Receive())))
        return SurveyStatus::kNoAllocator;
    const int ids[kFolderCount] = {CSIDL_STARTMENU, CSIDL_DESKTOP, CSIDL_COMMON_STARTMENU};
    bool named = true;
    for (int i = 0; i < kFolderCount; ++i)
        folders[i] = SpecialFolderPath(owner, ids[i], named);
    return named ? SurveyStatus::kDone : SurveyStatus::kUnnamedFolder;
}

// Each folder's LNK files, then its PIF files, folder by folder.
void CollectShortcutFiles(const CString (&folders)[kFolderCount], CStringArray& files)
{
    for (const CString& folder : folders) {
        if (folder.IsEmpty())
            continue;
        CollectFiles(folder.GetString(), files);
    }
}

// The icon the shell shows for `path`, opened as `link`: the survey's one
// handle for that icon location; null for none.
HICON RowIcon(const CString& path, CShellLinkFile& link, CSurveyIconResolver& resolver)
{
    const std::optional<CIconLocation> location = resolver.Resolve(path.GetString(), link);
    if (!location || location->file.GetLength() >= MAX_PATH || location->file.IsEmpty())
        return nullptr;
    return resolver.IconFor(*location);
}

// The row's details, for a sink that wants them.
void AddLinkDetails(CShellLinkFile& link, WORD hotKey, CRowSink& rows)
{
    if (rows.WantsLinkDetails())
        rows.AddLinkDetails(hotKey, LinkTargetPath(link));
}

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

SurveyStatus CollectSurveyFiles(HWND owner, CStringArray& files)
{
    CString folders[kFolderCount];
    const SurveyStatus status = GetSurveyFolders(owner, folders);
    if (status != SurveyStatus::kNoAllocator)
        CollectShortcutFiles(folders, files);
    return status;
}

void AddShortcutRows(HWND owner, const CStringArray& files, int showUnassigned, CRowSink& rows,
                     CSurveyPhaseTimes* times)
{
    // The link class, the lookups' answers and the icons, for this run only.
    CSurveyIconResolver resolver(owner);
    CPhaseClock clock(times);
    for (int i = 0; i < files.GetSize(); ++i) {
        CShellLinkFile link;
        WORD hotKey = 0;
        const bool opened = resolver.Open(files[i].GetString(), link) == S_OK;
        if (opened)
            link.Link()->GetHotkey(&hotKey);
        clock.Lap(&CSurveyPhaseTimes::opening);
        if (!opened || (hotKey == 0 && showUnassigned != 1))
            continue;
        const HICON icon = rows.WantsIcons() ? RowIcon(files[i], link, resolver) : nullptr;
        clock.Lap(&CSurveyPhaseTimes::icons);
        rows.AddRow(files[i], FormatHotKey(hotKey), icon);
        AddLinkDetails(link, hotKey, rows);
        clock.Lap(&CSurveyPhaseTimes::rows);
    }
}

SurveyStatus SurveyShortcuts(HWND owner, int showUnassigned, CRowSink& rows)
{
    CStringArray files;
    const SurveyStatus collected = CollectSurveyFiles(owner, files);
    if (collected == SurveyStatus::kNoAllocator)
        return collected;
    const CComInit com;
    if (!com.Succeeded())
        return SurveyStatus::kNoCom;
    rows.SetRedraw(FALSE);
    AddShortcutRows(owner, files, showUnassigned, rows);
    rows.SetRedraw(TRUE);
    return collected;
}
