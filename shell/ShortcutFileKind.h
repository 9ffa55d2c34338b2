// The kind of a shortcut file on disk (see rules/ShortcutKind.h): by its long
// name, and where that does not decide, by the short name the file system
// reports for it, which is looked up only then.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "rules/ShortcutKind.h"

// The short (8.3) name of the file or folder at `path`, as a search of that
// exact path reports it; empty for none, and for a path holding a character
// the search would take as a wildcard (* ? < > ").
std::wstring ShortNameOf(const std::wstring& path);

// The kind of the folder entry `longName`, whose short name `shortName`
// gives (empty for none).
ShortcutKind ShortcutKindOf(const WCHAR* longName, const std::function<const WCHAR*()>& shortName);

// The kind of the file at `path`.
ShortcutKind ShortcutKindOf(const char* path);
