// The icon the shell shows for an item of its namespace, found by walking
// down from the drives folder and comparing parsing names with a path.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <map>
#include <optional>
#include <string>

#include "shell/NamespaceListing.h"
#include "shellicon/IconRequest.h"

// The namespace's listings and the icon answers for as long as this object
// lives: every folder is enumerated once and walked again for every later
// path. COM must stay initialised until it is gone or its folders are let go.
class CNamespaceListings {
public:
    CNamespaceListings() = default;
    CNamespaceListings(const CNamespaceListings&) = delete;
    CNamespaceListings& operator=(const CNamespaceListings&) = delete;

    // ShellItemIconLocation over the listings held.
    std::optional<CIconLocation> IconLocationOf(HWND owner, const char* path);
    // The same for an item whose icon depends only on `answerKey`: its
    // folder is asked for the first item found with that key, and every later
    // one found with it takes that answer.
    std::optional<CIconLocation> IconLocationOf(HWND owner, const char* path, const std::string& answerKey);
    // Lets go of the folder objects before COM ends; the listings and the
    // answers stay for the next bracket.
    void ReleaseFolders() { m_namespace.ReleaseFolders(); }

private:
    CShellNamespace m_namespace;
    // Each item's icon location as its folder gave it, by answer key; none: no location.
    std::map<std::string, std::optional<CIconLocation>> m_answers;
};

// The icon location of the namespace's item whose parsing name is `path`
// (letter case ignored); none when there is no such item or its location
// could not be read. COM must be initialised. Every call lists the folders
// afresh.
std::optional<CIconLocation> ShellItemIconLocation(HWND owner, const char* path);

// The icon location `folder`'s icon extractor gives for `item`; none when it gives none.
std::optional<CIconLocation> ItemIconLocation(HWND owner, IShellFolder* folder, LPCITEMIDLIST item);
