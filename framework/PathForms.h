// The wide forms of a path: the one the wide file functions take past
// MAX_PATH, and the one with long names.
#pragma once

#include <string>

// `path` in the form the wide file functions take past MAX_PATH.
std::wstring LongPathForm(const std::wstring& path);

// The long form of the path `path` (every short name replaced by its long
// name), found one name at a time so that a path of any length can be
// given; `path` itself when a name in it cannot be found or holds a
// wildcard. Root, "." and ".." stay as they are.
std::wstring LongNameOf(const std::wstring& path);

// True when the wide path `path` names an existing folder.
bool IsExistingFolder(const std::wstring& path);
