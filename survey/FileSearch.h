// The search for shortcut files under a folder tree.
#pragma once

#include <string>
#include <vector>

#include "framework/AfxString.h"

// Appends the full path of every LNK file under `folder` (no trailing
// backslash), then of every PIF file, then of every URL file, each by its
// kind (shell/ShortcutFileKind.h), reading each folder once. Within each
// kind the walk is depth first: a folder's own files in the platform's
// order, then each subfolder's whole tree in turn. Each file and subfolder is
// named by its long name when the code page carries that name exactly and
// the path stays under MAX_PATH, else by its short name; where neither fits,
// the folders above it (below `folder`) go by their short names too. An
// entry that no such path reaches is left out. A junction or symbolic link
// that leads back to a folder of its own path is not entered. `longPaths`,
// when given, gets each listed file's path with every name in its long form,
// in the same order, from the names the walk read.
void CollectFiles(const char* folder, CStringArray& list, std::vector<std::wstring>* longPaths = nullptr);

// The folder `folder` (a full wide path, no trailing backslash) as the ANSI
// functions name it, by the rule CollectFiles names entries by: each folder
// by its long name where the code page carries it exactly and the path fits,
// else by its short name; empty when no such path reaches it.
CString AnsiFolderPath(const std::wstring& folder);
