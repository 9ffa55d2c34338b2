// The survey: finds every shortcut under the Start Menu, the Desktop and the
// common Start Menu, reads each one's hotkey and hands the rows to a sink.
#pragma once

#include <windows.h>

#include <memory>

#include "framework/AfxString.h"

// Where a survey puts its rows, in the order it finds them.
class CRowSink {
public:
    virtual ~CRowSink() = default;
    // Turns repainting off while the rows go in, and on again after them.
    virtual void SetRedraw(BOOL redraw) = 0;
    // Appends a row: the shortcut's full path, its hotkey text and its icon
    // (null for none), which the sink owns from now on. Rows that show the
    // same icon get the same handle; the sink destroys it once.
    virtual void AddRow(const CString& path, const CString& hotKeyText, HICON icon) = 0;

    // True when the sink wants AddLinkDetails after every AddRow; the
    // survey then asks each listed link for its target as well.
    virtual bool WantsLinkDetails() const { return false; }
    // The row just added: its stored hotkey value and its target's
    // file-system path (empty for none).
    virtual void AddLinkDetails(WORD /*hotKey*/, const CString& /*target*/) {}
};

// Surveys the three folders with `owner` as the shell's owner window: a row
// for every shortcut that opens and resolves and has a hotkey (with
// `showUnassigned` 1, for every one that opens). COM is initialised for the
// rows alone; without it no row is built. False only when the shell's
// allocator is not at hand, and nothing was looked at.
bool SurveyShortcuts(HWND owner, int showUnassigned, CRowSink& rows);

// The survey's phases, which SurveyShortcuts runs in this order: collection,
// then opening, icons and rows in one CSurveyRun. The benchmark calls them
// one by one to time them.

// Collection: each surveyed folder's LNK files, then its PIF files, the
// Start Menu's first, then the Desktop's and the common Start Menu's. False
// only when the shell's allocator is not at hand.
bool CollectSurveyFiles(HWND owner, CStringArray& files);

// One survey over collected files: the link objects it opened and the
// answers it keeps, none of which outlives it. COM must stay initialised
// while it lives.
class CSurveyRun {
public:
    explicit CSurveyRun(HWND owner);
    ~CSurveyRun();
    CSurveyRun(const CSurveyRun&) = delete;
    CSurveyRun& operator=(const CSurveyRun&) = delete;

    // Opening: each file opened and resolved through the survey's link
    // reader; those listed (a hotkey, or with `showUnassigned` 1 any) are
    // kept, in order, the others released at once.
    void OpenLinks(const CStringArray& files, int showUnassigned);
    // Icons: each kept link's icon, one handle per icon location.
    void ResolveIcons();
    // Rows: each kept link's path, hotkey text and icon into `rows` (which
    // owns the icons from then on), repainting off meanwhile.
    void AddRows(CRowSink& rows);
    // The links kept by OpenLinks.
    int ListedCount() const;

private:
    struct State;
    std::unique_ptr<State> m_state;
};
