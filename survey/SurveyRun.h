// The survey: finds every shortcut under the Start Menu, the Desktop, the
// common Start Menu, the common Desktop and the taskbar's pinned shortcuts,
// reads each one's hotkey and hands the rows to a sink.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "framework/AfxString.h"
#include "shellicon/SurveyIconResolver.h"
#include "survey/SurveyPlace.h"

// What the survey tells a sink of a listed link besides its row.
struct LinkDetails {
    WORD hotKey;         // the stored value, 0 for none
    CString target;      // the target's file-system path or an internet shortcut's URL, empty for none
    SurveyPlace place;   // where the shortcut lies
};

// Where a survey puts its rows, in the order it finds them.
class CRowSink {
public:
    virtual ~CRowSink() = default;
    // Turns repainting off while the rows go in, and on again after them.
    virtual void SetRedraw(BOOL redraw) = 0;
    // Appends a row: the shortcut's full path, its hotkey text and what its
    // icon is found from (none: the row has no icon). The survey finds no
    // icon itself; a sink that shows them finds each one when it needs it.
    virtual void AddRow(const CString& path, const CString& hotKeyText, std::optional<CIconRequest> icon) = 0;

    // False when the sink shows no icons: the survey then hands every row
    // none and reads nothing for icons.
    virtual bool WantsIcons() const { return true; }
    // True when the sink wants AddLinkDetails after every AddRow; the
    // survey then asks each listed link for its target as well.
    virtual bool WantsLinkDetails() const { return false; }
    // The row just added: its stored hotkey, its target and its place.
    virtual void AddLinkDetails(const LinkDetails& /*details*/) {}
};

// How a survey went.
enum class SurveyStatus {
    kDone,           // every folder was searched
    kUnnamedFolder,  // a folder has a path that no ANSI path reaches; the others were searched
    kNoCom,          // COM could not be initialised: the files were found, no row was built
    kNoAllocator,    // the shell's allocator could not be had: nothing was looked at
};

// Surveys the folders with `owner` as the shell's owner window: a row
// for every shortcut that opens and resolves and has a hotkey (with
// `showUnassigned` 1, for every one that opens). COM is initialised for the
// rows alone.
SurveyStatus SurveyShortcuts(HWND owner, int showUnassigned, CRowSink& rows);

// The survey's phases, which SurveyShortcuts runs in this order; the
// benchmark calls them to time each one.

// The files a survey opens: their full paths in the order found, and where
// each lies.
struct SurveyFiles {
    CStringArray paths;
    std::vector<SurveyPlace> places;

    int GetSize() const { return paths.GetSize(); }
    const CString& operator[](int index) const { return paths[index]; }
};

// Collection: each surveyed folder's LNK files, then its PIF files, folder
// by folder in the order of SurveyRoot (the Start Menu, the Desktop, the
// common Start Menu, the common Desktop, the pinned shortcuts); a folder
// without a path is skipped, and one reached through two of them is walked
// once. kDone, kUnnamedFolder or kNoAllocator.
SurveyStatus CollectSurveyFiles(HWND owner, SurveyFiles& files);

// How long each per-file phase took over one AddShortcutRows, in ms.
struct CSurveyPhaseTimes {
    double opening = 0;  // opening and resolving the link, reading its hotkey
    double icons = 0;    // reading what the listed link's icon is found from
    double rows = 0;     // the row into the sink
};

// Opening, icon fields and rows, file by file: a row for each file that opens
// as a shortcut and is listed (a hotkey, or with `showUnassigned` 1 any);
// each link is released after its file. `times`, when given, gets each phase's
// share. COM must be initialised.
void AddShortcutRows(HWND owner, const SurveyFiles& files, int showUnassigned, CRowSink& rows,
                     CSurveyPhaseTimes* times = nullptr);
