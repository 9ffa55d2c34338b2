// The survey: finds every shortcut under the Start Menu, the Desktop, the
// common Start Menu, the common Desktop and the taskbar's pinned shortcuts,
// reads each one's hotkey and hands the rows to a sink.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "framework/AfxString.h"
#include "rules/SurveyPlace.h"
#include "survey/SurveyRow.h"

// Where a survey puts its rows, in the order it finds them. The survey
// finds no icon itself; a sink that shows them finds each one when it
// needs it.
class CRowSink {
public:
    explicit CRowSink(SurveyRowReading reading = {}) : m_reading(reading) {}
    virtual ~CRowSink() = default;

    // Takes the next row.
    virtual void Add(SurveyRow row) = 0;
    // What the survey reads for this sink's rows; nothing else is read.
    const SurveyRowReading& Reading() const { return m_reading; }

private:
    SurveyRowReading m_reading;
};

// How a survey went.
enum class SurveyStatus {
    kDone,           // every folder was searched
    kUnnamedFolder,  // a folder has a path that no ANSI path reaches; the others were searched
    kNoCom,          // COM could not be initialised: the files were found, no row was built
    kNoAllocator,    // the shell's allocator could not be had: nothing was looked at
};

// The wide paths of the surveyed folders, in the order they are walked
// (empty for one without a path): the Start Menu, the Desktop, the common
// Start Menu, the common Desktop and the pinned shortcuts, that one even
// when it does not exist yet (the survey then skips it).
std::vector<std::pair<SurveyRoot, std::wstring>> SurveyRootPaths(HWND owner);

// True when the shortcut at `path` is a link whose file-system target names
// nothing: the target is gone, so its hotkey starts nothing. The survey gives
// its rows this answer when it reads their targets. COM must be initialised.
bool IsTargetGone(const CString& path, HWND owner);

// The survey's phases, which SurveyShortcuts runs in this order; the
// benchmark calls them to time each one.

// The files a survey opens: their full paths in the order found, each one's
// path with every name in its long form, and where each lies.
struct SurveyFiles {
    CStringArray paths;
    std::vector<std::wstring> longPaths;
    std::vector<SurveyPlace> places;

    int GetSize() const { return paths.GetSize(); }
    const CString& operator[](int index) const { return paths[index]; }
};

// Collection: each surveyed folder's LNK files, then its PIF files, then its
// URL files (CollectFiles), folder by folder in the order of SurveyRoot (the
// Start Menu, the Desktop, the common Start Menu, the common Desktop, the
// pinned shortcuts); a folder without a path is skipped, and one reached
// through two of them is walked once. kDone, kUnnamedFolder or kNoAllocator.
SurveyStatus CollectSurveyFiles(HWND owner, SurveyFiles& files);

// Surveys the folders with `owner` as the shell's owner window: a row
// for every shortcut that opens and has a hotkey, its target found or not (with
// `showUnassigned` 1, for every one that opens). COM is initialised for the
// rows alone. `found`, when given, gets every file collected, listed or not.
SurveyStatus SurveyShortcuts(HWND owner, int showUnassigned, CRowSink& rows, SurveyFiles* found = nullptr);

// How long each per-file phase took over one AddShortcutRows, in ms.
struct CSurveyPhaseTimes {
    double opening = 0;  // opening the shortcut (a plain link read, any other loaded), reading its hotkey
    double icons = 0;    // reading what the listed shortcut's icon is found from
    double rows = 0;     // reading the row's target, the row into the sink
};

// Opening, icon fields and rows, file by file: a row for each file that opens
// as a shortcut and is listed (a hotkey, or with `showUnassigned` 1 any),
// each kind read for the same row; each link is released after its file. `times`, when given, gets each phase's
// share. COM must be initialised.
void AddShortcutRows(HWND owner, const SurveyFiles& files, int showUnassigned, CRowSink& rows,
                     CSurveyPhaseTimes* times = nullptr);
