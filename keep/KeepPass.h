// One pass of the keeper: the shortcuts listed now, compared with the kept
// list and with what the previous pass saw of each file; the hotkeys that
// another program took away are written back with the lossless write of
// `set`, and the kept list follows the user's own changes.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "framework/AfxString.h"
#include "rules/BackupCsv.h"

// What a pass did about one shortcut, for the log.
struct KeepAction {
    CString what;           // "given back", "moved", "adopted", "joined", "cleared", "held", "ambiguous", "failed"
    CString path;           // the shortcut acted on (for "moved", the new one)
    std::uint16_t hotKey;   // the hotkey concerned
    CString detail;         // the old path, the holder, the candidates or the write's failure; may be empty
};

struct KeepPassResult {
    bool surveyed = false;            // false when the survey could not run whole: `kept` is the list as it was
    std::vector<BackupRow> kept;      // the kept list after the pass: every kept shortcut with its hotkey
    std::vector<KeepAction> actions;  // in the order taken
    bool again = false;               // a shortcut could not be read yet (still being written): pass again later
};

// Keeps a kept list across passes, with what each pass saw of each listed
// file (its identity, size and a hash of its bytes without the hotkey), so
// that a change of the hotkey alone (the user's) is told from a file made
// or rewritten by another program.
class CKeeper {
public:
    // Starts from `kept` (as read from the kept file); nothing is seen yet.
    explicit CKeeper(std::vector<BackupRow> kept);
    ~CKeeper();
    CKeeper(const CKeeper&) = delete;
    CKeeper& operator=(const CKeeper&) = delete;

    // Surveys, plans against the kept list and what was seen, writes, and
    // gives the new kept list and the actions taken.
    KeepPassResult Pass();

private:
    struct State;
    std::unique_ptr<State> m_state;
};
