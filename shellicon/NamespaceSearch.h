// The icon the shell shows for an item of its namespace, found by walking
// down from the drives folder and comparing parsing names with a path.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "framework/AfxString.h"
#include "framework/Com.h"
#include "framework/ShellItemId.h"

// The code page's upper-casing: a to z become A to Z, a double-byte
// character is upper-cased as one unit by the locale's case mapping.
CString UpperCaseText(const char* text);

class CShellFolderListing;

// The walk's folders for as long as this object lives: the drives folder and
// each folder's items with their parsing names, enumerated once and walked
// again for every later path. COM must stay initialised until it is gone.
class CNamespaceListings {
public:
    CNamespaceListings();
    ~CNamespaceListings();
    CNamespaceListings(const CNamespaceListings&) = delete;
    CNamespaceListings& operator=(const CNamespaceListings&) = delete;

    // GetShellItemIconLocation over the listings held.
    int GetIconLocation(HWND owner, const char* path, CString& iconFile, int* iconIndex);
    // The same for an item whose icon depends only on `answerKey`: its
    // folder is asked for the first item found with that key, and every later
    // one found with it takes that answer.
    int GetIconLocation(HWND owner, const char* path, const std::string& answerKey, CString& iconFile,
                        int* iconIndex);

private:
    // An item's icon location as its folder gave it; `found` 0: none.
    struct IconAnswer {
        int found = 0;
        CString file;
        int index = 0;
    };

    // The listed item whose parsing name is `path` (letter case ignored):
    // its folder and id, held by the listings; false when none matches.
    bool FindItem(HWND owner, const char* path, IShellFolder** folder, LPCITEMIDLIST* item);
    // The drives folder's listing; null when the shell could not give it.
    CShellFolderListing* Drives(HWND owner);

    bool m_opened = false;
    // Released in reverse: the listings, the drives id, the desktop, the allocator.
    CComPtr<IMalloc> m_allocator;
    CComPtr<IShellFolder> m_desktop;
    std::optional<CShellItemId> m_drivesId;
    std::unique_ptr<CShellFolderListing> m_drives;
    std::map<std::string, IconAnswer> m_answers;
};

// 1 when the namespace holds an item whose parsing name is `path` (letter
// case ignored) and its icon location was read into `iconFile`/`*iconIndex`;
// 0 otherwise, with both left untouched. COM must be initialised. Every call
// lists the folders afresh.
int GetShellItemIconLocation(HWND owner, const char* path, CString& iconFile, int* iconIndex);

// Searches `folder` and, through the first item on the way to `path`, the
// folders below it. On a match anywhere, `foundFolder` holds the folder that
// contains the item and `foundItem` its id; both are cleared first. 1 only
// when the match lies directly in `folder`.
int FindShellItem(HWND owner, const char* path, IShellFolder* folder, IMalloc* allocator,
                  CComPtr<IShellFolder>& foundFolder, CShellItemId& foundItem);

// 1 when `folder`'s icon extractor for `item` gave its icon location.
int GetItemIconLocation(HWND owner, IShellFolder* folder, LPCITEMIDLIST item, CString& iconFile, int* iconIndex);
