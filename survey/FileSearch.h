// The search for shortcut files under a folder tree.
#pragma once

#include "framework/AfxString.h"

// Appends the full path of every file with `extension` (no dot) under
// `folder` (no trailing backslash): the folder's own files first, then each
// subfolder's whole tree in turn, depth first.
void CollectFiles(const char* folder, const char* extension, CStringArray& list);
