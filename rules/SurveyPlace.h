// Where a surveyed shortcut lies, and whether Windows acts on its hotkey
// there. Pure: no windows.h.
#pragma once

// The folders the survey walks, in the order it walks them.
enum class SurveyRoot {
    kStartMenu,        // the user's Start Menu
    kDesktop,          // the user's Desktop
    kCommonStartMenu,  // the all-users Start Menu
    kCommonDesktop,    // the all-users Desktop
    kPinned,           // the taskbar's pinned shortcuts
};

struct SurveyPlace {
    SurveyRoot root = SurveyRoot::kStartMenu;
    bool topLevel = true;  // directly in the root, not in a subfolder of it
};

// True where Explorer starts a shortcut by its hotkey: anywhere in either
// Start Menu's tree, and directly on either Desktop or among the pinned
// shortcuts (not in their subfolders).
bool WindowsActsOn(const SurveyPlace& place);
