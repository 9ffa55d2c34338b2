// The shortcut files the benchmark surveys: copies of one program shortcut,
// and a mix of the kinds of shortcut a Start Menu and a desktop hold. Every
// file has a hotkey, so the survey lists every one.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "support/TestFolders.h"

// The hotkey of generated file `i`: a spread of modifiers with letters,
// digits and F1 to F12, 240 distinct values in turn.
WORD HotKeyOf(int i);

struct Fixture {
    std::string name;                // the table's column
    std::vector<std::string> paths;  // in the order written
};

// A folder outside the surveyed ones for the files the mix's shortcuts point
// at; emptied when made, removed when destroyed.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

// `count` copies of one shortcut to notepad.exe under Start
// Menu\Programs\Bench g\Set s (ten groups of ten folders), under scrambled
// names so that no sort starts from sorted rows. The first 240 are written
// through the shell link object, one per hotkey; the rest are their bytes.
bool MakeCopies(const SurveyFolders& folders, int count, Fixture& fixture);

// `count` shortcuts in nested folders of the Start Menu, on the desktop and
// in the common Start Menu, taking turns in blocks of twenty: 5 to programs
// (one in five with an icon location of its own), 4 to documents of
// registered types, 3 to folders and drive roots, 2 to targets deleted since,
// 2 to other shortcuts, and 4 (a fifth) to Control Panel items, which have
// no file-system path.
bool MakeMix(const SurveyFolders& folders, const ScratchFolder& scratch, int count, Fixture& fixture);
