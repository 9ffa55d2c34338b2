// Where an icon lies (a file that holds icons and the index of the icon in
// it), and what a listed row's icon is found from: read while the survey
// has the shortcut open, so that no shortcut is opened again for its icon.
#pragma once

#include <windows.h>

#include <string>

#include "framework/AfxString.h"

class CShellLinkFile;

// An icon as a file that holds icons and the index of the icon in it.
struct CIconLocation {
    CString file;
    int index = 0;
};

// What an opened and resolved shortcut holds that its icon is found from:
// what GetPath gave, its own icon location and, when it has no file-system
// target, its ID list. Read once, so that the icon can be found after the
// link object is gone.
struct LinkIconFields {
    HRESULT targetResult = E_FAIL;  // GetPath's result; S_OK: `target` is the file-system target
    CString target;                 // what GetPath left in its buffer
    CIconLocation icon;             // the stored icon location, its file empty for none
    std::string idList;             // the ID list's bytes, only without a file-system target
};

// The fields of `link`, which the caller has loaded and resolved.
LinkIconFields ReadLinkIconFields(CShellLinkFile& link);

// What a listed row's icon is found from.
struct CIconRequest {
    CString path;                   // the shortcut file
    bool internetShortcut = false;  // true: `fields` holds only its IconFile and IconIndex values, in `icon`
    LinkIconFields fields;
    bool unread = false;            // true: a shell link the survey read without its link object;
                                    // `fields` are read from it when the icon is found
};

// The request for the shell link `path`, read from `link` (loaded and resolved).
CIconRequest LinkIconRequest(const CString& path, CShellLinkFile& link);
// The request for the shell link `path`, whose fields are read when its icon
// is found.
CIconRequest UnreadLinkIconRequest(const CString& path);
// The request for the internet shortcut `path`, whose own IconFile and
// IconIndex values are `own`.
CIconRequest InternetShortcutIconRequest(const CString& path, const CIconLocation& own);
