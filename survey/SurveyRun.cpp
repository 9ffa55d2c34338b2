#include "survey/SurveyRun.h"

#include <shlobj.h>

#include "framework/Com.h"
#include "hotkey/HotKeyText.h"
#include "shell/ShellItemId.h"
#include "shellicon/SurveyIconResolver.h"
#include "survey/FileSearch.h"

namespace {
constexpr int kFolderCount = 3;

// The file-system path of a special folder, or the empty text.
CString SpecialFolderPath(HWND owner, int folder)
{
    CShellItemId items;
    if (FAILED(::SHGetSpecialFolderLocation(owner, folder, items.Receive())))
        return CString();
    char path[MAX_PATH] = {};
    ::SHGetPathFromIDListA(items.Get(), path);
    return CString(path);
}

// The Start Menu's, the Desktop's and the common Start Menu's paths, in this
// order (empty for one without a path); false without the shell's allocator.
bool GetSurveyFolders(HWND owner, CString (&folders)[kFolderCount])
{
    CComPtr<IMalloc> allocator;
    if (FAILED(::SHGetMalloc(allocator.Receive())))
        return false;
    const int ids[kFolderCount] = {CSIDL_STARTMENU, CSIDL_DESKTOP, CSIDL_COMMON_STARTMENU};
    for (int i = 0; i < kFolderCount; ++i)
        folders[i] = SpecialFolderPath(owner, ids[i]);
    return true;
}

// Each folder's LNK files, then its PIF files, folder by folder.
void CollectShortcutFiles(const CString (&folders)[kFolderCount], CStringArray& files)
{
    for (const CString& folder : folders) {
        if (folder.IsEmpty())
            continue;
        CollectFiles(folder.GetString(), "LNK", files);
        CollectFiles(folder.GetString(), "PIF", files);
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

// A row for each file that opens as a shortcut and is listed. COM must be
// initialised.
void AddShortcutRows(HWND owner, const CStringArray& files, int showUnassigned, CRowSink& rows)
{
    // The link class, the lookups' answers and the icons, for this run only.
    CSurveyIconResolver resolver(owner);
    for (int i = 0; i < files.GetSize(); ++i) {
        CShellLinkFile link;
        if (resolver.Open(files[i].GetString(), link) != S_OK)
            continue;
        WORD hotKey = 0;
        link.Link()->GetHotkey(&hotKey);
        if (hotKey != 0 || showUnassigned == 1) {
            rows.AddRow(files[i], FormatHotKey(hotKey), RowIcon(files[i], link, resolver));
            AddLinkDetails(link, hotKey, rows);
        }
    }
}
}

bool SurveyShortcuts(HWND owner, int showUnassigned, CRowSink& rows)
{
    CString folders[kFolderCount];
    if (!GetSurveyFolders(owner, folders))
        return false;
    CStringArray files;
    CollectShortcutFiles(folders, files);
    const CComInit com;
    if (!com.Succeeded())
        return true;
    rows.SetRedraw(FALSE);
    AddShortcutRows(owner, files, showUnassigned, rows);
    rows.SetRedraw(TRUE);
    return true;
}
