// The icon the shell shows for an item of its namespace, found by walking
// down from the drives folder and comparing parsing names with a path.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <map>
#include <string>

#include "framework/AfxString.h"
#include "shell/NamespaceListing.h"

// The namespace's listings and the icon answers for as long as this object
// lives: every folder is enumerated once and walked again for every later
// path. COM must stay initialised until it is gone or its folders are let go.
class CNamespaceListings {
public:
    CNamespaceListings() = default;
    CNamespaceListings(const CNamespaceListings&) = delete;
    CNamespaceListings& operator=(const CNamespaceListings&) = delete;

    // GetShellItemIconLocation over the listings held.
    int GetIconLocation(HWND owner, const char* path, CString& iconFile, int* iconIndex);
    // The same for an item whose icon depends only on `answerKey`: its
    // folder is asked for the first item found with that key, and every later
    // one found with it takes that answer.
    int GetIconLocation(HWND owner, const char* path, const std::string& answerKey, CString& iconFile,
                        int* iconIndex);
    // Lets go of the folder objects before COM ends; the listings and the
    // answers stay for the next bracket.
    void ReleaseFolders() { m_namespace.ReleaseFolders(); }

private:
    // An item's icon location as its folder gave it; `found` 0: none.
    struct IconAnswer {
        int found = 0;
        CString file;
        int index = 0;
    };

    CShellNamespace m_namespace;
    std::map<std::string, IconAnswer> m_answers;
};

// 1 when the namespace holds an item whose parsing name is `path` (letter
// case ignored) and its icon location was read into `iconFile`/`*iconIndex`;
// 0 otherwise, with both left untouched. COM must be initialised. Every call
// lists the folders afresh.
int GetShellItemIconLocation(HWND owner, const char* path, CString& iconFile, int* iconIndex);

// 1 when `folder`'s icon extractor for `item` gave its icon location.
int GetItemIconLocation(HWND owner, IShellFolder* folder, LPCITEMIDLIST item, CString& iconFile, int* iconIndex);
