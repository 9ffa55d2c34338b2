// The search for shortcut files under a folder tree.
#pragma once

#include "framework/AfxString.h"

// Appends the full path of every file with `extension` (no dot) under
// `folder` (no trailing backslash): the folder's own files first, then each
// subfolder's whole tree in turn, depth first. Each file and subfolder is
// named by its long name when the code page carries that name exactly and
// the path stays under MAX_PATH, else by its short name; where neither fits,
// the folders above it (below `folder`) go by their short names too. An
// entry that no such path reaches is left out.
void CollectFiles(const char* folder, const char* extension, CStringArray& list);
