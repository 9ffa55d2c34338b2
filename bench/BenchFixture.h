// The shortcut files the benchmark surveys. Every file has a hotkey, so the
// survey lists every one.
#pragma once

#include <string>
#include <vector>

#include "support/TestFolders.h"

using Paths = std::vector<std::string>;

// printf into a string (up to 255 bytes).
std::string Format(const char* format, ...);

// `count` copies of one shortcut to notepad.exe in a hundred folders of the
// Start Menu, under scrambled names (no sort starts from sorted rows): 240
// written through the shell link object, one per hotkey, the rest their bytes.
bool MakeCopies(const SurveyFolders& folders, int count, Paths& paths);

// `count` shortcuts in nested folders of the three surveyed ones, in blocks
// of twenty: 5 to programs (one block in five with an icon location of its
// own), 4 to documents of registered types, 3 to folders and drive roots, 2
// to deleted files, 2 to other shortcuts, 4 to Control Panel items.
bool MakeMix(const SurveyFolders& folders, int count, Paths& paths);

// A tree of `entries` plain files (C and header sources, text, images) in
// folders three levels deep under the Desktop, about fifty files a folder,
// with one shortcut among every thousand files; `paths` gets the shortcuts.
bool MakeDesktopTree(const SurveyFolders& folders, int entries, Paths& paths);

// `count` shortcuts of the kinds a Windows machine holds, almost each to a
// target of its own, in nested folders of the three surveyed ones, in
// blocks of ten: 2 to programs on a drive that does not exist, 2 on a UNC
// path, 2 given as %ProgramFiles% and %SystemRoot% paths (stored as Windows
// stores them: the expanded target and an environment variable block), 2 to
// Control Panel items, 2 advertised by Windows Installer (a Darwin
// descriptor, an icon in the installer's cache).
bool MakeWindowsMix(const SurveyFolders& folders, int count, Paths& paths);

// `count` shortcuts shaped like those Windows XP to 10 leave on a machine,
// in the mix's folders, in blocks of a hundred: 34 with only an ID list (a
// Control Panel item or a special folder), 35 to missing programs on C:,
// 10 on a D: and 6 on an E: drive that is not there, 8 relative, 4 given as
// a ::{GUID} path and 3 to programs that exist. Half carry an icon location
// of their own that differs from the target (the missing program's own
// file, or a shell32.dll index), so about half the rows name an icon
// location no other row names.
bool MakeWindowsShaped(const SurveyFolders& folders, int count, Paths& paths);
