// The name of a listed file as Explorer shows it: the one display rule of
// the main window's list, its copies and the command program's wide output.
#pragma once

#include <string>

#include "framework/AfxString.h"

// The ANSI path `path` in its long form: every short name the survey had to
// use replaced by the file's long name; the path itself (as wide text) where
// a name cannot be found.
std::wstring LongPathOf(const CString& path);

// The long path `longPath` as column 0 shows it: whole when `fullPath` is 1,
// else the part after its last backslash.
std::wstring ShownNameIn(const std::wstring& longPath, int fullPath);
