// The icon the shell would show for a path, as an icon file and index.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include "framework/AfxString.h"

// 1 when `iconFile` and `*iconIndex` now name an icon, 0 when none was found.
// `comFlag` 1 brackets the call with its own CoInitialize/CoUninitialize.
int GetIconLocation(HWND owner, const char* path, CString& iconFile, int* iconIndex, int comFlag);

class CIconLookups;
class CShellLinkFile;

// What GetIconLocation(owner, path, iconFile, iconIndex, 0) gives, for a path
// whose shortcut `link` the caller has already loaded and resolved: the
// shortcut branch reads `link` instead of opening the file again, and the
// registry and namespace answers are those kept in `lookups`.
int GetLinkIconLocation(HWND owner, const char* path, CShellLinkFile& link, CIconLookups& lookups, CString& iconFile,
                        int* iconIndex);

// The same for a file that is no shell link (an internet shortcut, say): the
// icon its type registers, with the registry's answers kept in `lookups`.
int GetFileIconLocation(HWND owner, const char* path, CIconLookups& lookups, CString& iconFile, int* iconIndex);
