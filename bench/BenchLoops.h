// The measured loops over a fixture's files: the floor, the bare shell link
// sequence and its steps, and the survey's own pieces called apart.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/AfxString.h"
#include "support/TestFolders.h"

using Paths = std::vector<std::string>;

// The hotkey word of each file as test support reads it (StoredHotKey: the
// file read whole). The files with a hotkey, or -1 when a read failed.
int RawReadLoop(const Paths& paths);

// Time spent in each step of the bare shell link sequence.
struct StepTimes {
    double create = 0, load = 0, resolve = 0, hotKeyAndRelease = 0;
};

// The least the survey does per file: create the link object, get its file
// interface, load, resolve without user interface, read the hotkey, release
// both; no structural check. With `steps`, each step is timed on its own.
// The files with a hotkey, or -1 when a step failed.
int BareLinkLoop(const Paths& paths, HWND owner, StepTimes* steps);

// The same with the link objects made by one class object obtained once, as
// the survey makes them; it shows what CoCreateInstance's lookup costs per
// call.
int ClassObjectLoop(const Paths& paths, HWND owner);

// The files that pass the structural check the survey makes before Load.
int StructuralCheckLoop(const Paths& paths);

// CollectFiles over the three surveyed folders, LNK then PIF each, as the
// survey calls it; the time it took.
double TimedCollect(const SurveyFolders& folders, CStringArray& files);

// Time spent in each step of a listed row's icon.
struct IconTimes {
    double location = 0, extract = 0;
    int found = 0;  // rows that got an icon
};

// Whether IconLoop takes the icons through the survey's cache.
enum class IconSource { kSurveyCache, kExtractEachRow };

// What a listed row adds for its icon, each step timed: GetIconLocation (COM
// flag 0, inside one CoInitialize bracket), then the survey's icon cache or,
// for comparison, ExtractIconA for every row. The icons are destroyed
// outside the timing.
IconTimes IconLoop(const Paths& paths, HWND owner, IconSource source);

// Time spent in each step of opening a listed row's shortcut again.
struct ReopenTimes {
    double open = 0, path = 0, icon = 0;
};

// What the icon resolver's shortcut branch does on the platform for each
// row, each step timed: the link opened (CShellLinkFile::Open), GetPath
// (SLGP_UNCPRIORITY, no find data), the link's own icon location.
ReopenTimes LinkReopenLoop(const Paths& paths, HWND owner);
