// The shell namespace walked down from the drives folder: each folder's
// items with their parsing names, listed once and walked again for every
// later path.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <memory>

#include "framework/AfxString.h"
#include "framework/Com.h"
#include "shell/ShellItemId.h"

class CShellFolderListing;

// The walk's folders for as long as this object lives: the drives folder and
// each folder's items with their parsing names, enumerated once. The folder
// objects can be let go between COM brackets (ReleaseFolders); the listings
// stay, and a folder is bound again from its parent when it is next needed.
// COM must stay initialised while a folder object is held.
class CShellNamespace {
public:
    CShellNamespace();
    ~CShellNamespace();
    CShellNamespace(const CShellNamespace&) = delete;
    CShellNamespace& operator=(const CShellNamespace&) = delete;

    // The listed item whose parsing name is `path` (letter case ignored):
    // its folder and id, held by the listings; false when none matches or
    // its folder cannot be bound again. With `folder` null only the names
    // are walked: no folder is bound that is listed already.
    bool FindItem(HWND owner, const char* path, IShellFolder** folder = nullptr, LPCITEMIDLIST* item = nullptr);
    // Lets go of every folder object; the listings and their ids stay.
    void ReleaseFolders();

private:
    // The drives folder's listing; null when the shell could not give it.
    CShellFolderListing* Drives(HWND owner);

    bool m_opened = false;
    // Released in reverse: the listings, then the drives id they were bound by.
    CShellItemId m_drivesId;
    std::unique_ptr<CShellFolderListing> m_drives;
};

// Searches `folder` and, through the first item on the way to `path`, the
// folders below it. On a match anywhere, `foundFolder` holds the folder that
// contains the item and `foundItem` its id; both are cleared first. 1 only
// when the match lies directly in `folder`.
int FindShellItem(HWND owner, const char* path, IShellFolder* folder, CComPtr<IShellFolder>& foundFolder,
                  CShellItemId& foundItem);
