// The icon the shell would show for a path, as an icon file and index.
#pragma once

#include <windows.h>

#include <optional>

#include "shellicon/IconRequest.h"

class CIconLookups;

// Where the icon of `path` lies; none when none was found. `index` is the
// index the answer keeps when the registry value that names its file names
// no index. `comFlag` 1 brackets the call with its own
// CoInitialize/CoUninitialize.
std::optional<CIconLocation> IconLocationOf(HWND owner, const char* path, int comFlag, int index = 0);

// What IconLocationOf(owner, path, 0) gives for the shortcut at `path`, read
// into `link`: the shortcut branch takes the fields instead of opening the
// file again, and the registry and namespace answers are those kept in
// `lookups`.
std::optional<CIconLocation> LinkIconLocation(HWND owner, const char* path, const LinkIconFields& link,
                                              CIconLookups& lookups);

// The same for a file that is no shell link (an internet shortcut, say): the
// icon its type registers, with the registry's answers kept in `lookups`.
std::optional<CIconLocation> FileIconLocation(HWND owner, const char* path, CIconLookups& lookups, int index);
