// The icon the shell would show for a path, as an icon file and index.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <string>

#include "framework/AfxString.h"

// 1 when `iconFile` and `*iconIndex` now name an icon, 0 when none was found.
// `comFlag` 1 brackets the call with its own CoInitialize/CoUninitialize.
int GetIconLocation(HWND owner, const char* path, CString& iconFile, int* iconIndex, int comFlag);

class CIconLookups;
class CShellLinkFile;

// What an opened and resolved shortcut holds that its icon is found from:
// what GetPath gave, its own icon location and, when it has no file-system
// target, its ID list. Read once, so that the icon can be found after the
// link object is gone.
struct LinkIconFields {
    HRESULT targetResult = E_FAIL;  // GetPath's result; S_OK: `target` is the file-system target
    CString target;                 // what GetPath left in its buffer
    CString iconFile;               // the stored icon location, empty for none
    int iconIndex = 0;
    std::string idList;             // the ID list's bytes, only without a file-system target
};

// The fields of `link`, which the caller has loaded and resolved.
LinkIconFields ReadLinkIconFields(CShellLinkFile& link);

// What GetIconLocation(owner, path, iconFile, iconIndex, 0) gives for the
// shortcut at `path`, read into `link`: the shortcut branch takes the fields
// instead of opening the file again, and the registry and namespace answers
// are those kept in `lookups`.
int GetLinkIconLocation(HWND owner, const char* path, const LinkIconFields& link, CIconLookups& lookups,
                        CString& iconFile, int* iconIndex);

// The same for a file that is no shell link (an internet shortcut, say): the
// icon its type registers, with the registry's answers kept in `lookups`.
int GetFileIconLocation(HWND owner, const char* path, CIconLookups& lookups, CString& iconFile, int* iconIndex);
