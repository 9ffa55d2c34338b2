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
