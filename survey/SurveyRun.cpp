// The survey: finds every shortcut under the Start Menu, the Desktop and the
// common Start Menu, reads each one's hotkey and rebuilds the result list.
#include <windows.h>
#include <shlobj.h>

#include <cstring>

#include "app/SurveyDlg.h"
#include "framework/App.h"
#include "framework/Com.h"
#include "hotkey/HotKeyText.h"
#include "shellicon/IconLocation.h"
#include "shellicon/IconLookups.h"
#include "survey/FileSearch.h"
#include "survey/IconCache.h"
#include "survey/ShellLink.h"

namespace {
// The file-system path of a special folder, or the empty text.
CString SpecialFolderPath(HWND owner, int folder, IMalloc* allocator)
{
    LPITEMIDLIST items = nullptr;
    if (FAILED(::SHGetSpecialFolderLocation(owner, folder, &items)))
        return CString();
    char path[MAX_PATH] = {};
    ::SHGetPathFromIDListA(items, path);
    allocator->Free(items);
    return CString(path);
}
}

// The start button: a new survey replaces the whole list.
void CSurveyDlg::RunSurvey()
{
    m_bSurveyed = 1;
    BeginWaitCursor();
    m_list.DeleteAllItems();
    ClearRowIcons();

    CString folders[3];
    {
        CComPtr<IMalloc> allocator;
        if (FAILED(::SHGetMalloc(allocator.Receive()))) {
            EndWaitCursor();
            return;
        }
        const int ids[3] = {CSIDL_STARTMENU, CSIDL_DESKTOP, CSIDL_COMMON_STARTMENU};
        for (int i = 0; i < 3; ++i)
            folders[i] = SpecialFolderPath(m_hWnd, ids[i], allocator.Get());
    }

    CStringArray files;
    for (const CString& folder : folders) {
        if (folder.IsEmpty())
            continue;
        CollectFiles(folder, "LNK", files);
        CollectFiles(folder, "PIF", files);
    }

    {
        const CComInit com;
        if (com.Succeeded()) {
            m_list.SendMessage(WM_SETREDRAW, FALSE);
            CSurveyIconCache icons;
            CIconLookups lookups;  // registry and namespace answers, for this run only
            for (int i = 0; i < files.GetSize(); ++i) {
                CShellLinkFile link;
                if (link.Open(files[i], m_hWnd) != S_OK)
                    continue;
                WORD hotKey = 0;
                link.Link()->GetHotkey(&hotKey);
                if (hotKey != 0 || m_bShowUnassigned == 1)
                    AddSurveyRow(files[i], hotKey, link, icons, lookups);
            }
            m_list.SendMessage(WM_SETREDRAW, TRUE);
        }
    }

    EndWaitCursor();
    PostMessage(WM_COMMAND, ID_SORT_BY_KEY, 0);
}

// Appends one row (path, item data, hotkey text) and its icon slot.
void CSurveyDlg::AddSurveyRow(const CString& path, WORD hotKey, const CShellLinkFile& link, CSurveyIconCache& icons,
                              CIconLookups& lookups)
{
    const int row = m_list.InsertItem(LVIF_TEXT, m_list.GetItemCount(), path);
    if (row < 0)
        return;
    m_list.SetItemData(row, row);
    m_list.SetItemText(row, 1, FormatHotKey(hotKey));

    char iconFile[MAX_PATH] = {};
    CString location;
    int iconIndex = 0;
    if (GetLinkIconLocation(m_hWnd, path, link.Link(), lookups, location, &iconIndex) == 1 &&
        location.GetLength() < MAX_PATH)
        std::memcpy(iconFile, location.GetString(), static_cast<size_t>(location.GetLength()));
    const HICON icon = iconFile[0] != '\0' ? icons.CopyIconFor(iconFile, iconIndex) : nullptr;
    m_icons.Add(reinterpret_cast<std::uintptr_t>(icon));
}
