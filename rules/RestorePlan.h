// What a restore does with each row of a backup, decided for all rows at
// once against one snapshot of the listed shortcuts, before anything is
// written. A pure rule: shortcuts are numbers, targets compared as given.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The outcome planned for one backup row.
enum class RestoreStep {
    kKept,       // the shortcut already holds the row's hotkey
    kSet,        // the row's own shortcut gets its hotkey
    kMoved,      // the one other shortcut to the row's target gets it
    kMissing,    // no shortcut to put it on
    kAmbiguous,  // more than one candidate, or a shortcut other rows give another hotkey
    kNoted,      // a row without a hotkey: its shortcut is only known not to be new
};

// A listed shortcut: its number (the same for every listing of one file),
// its target's key (empty for none), the hotkey it holds now and its
// target's arguments.
struct ListedShortcut {
    int shortcut;
    std::string target;
    std::uint16_t hotKey;
    std::string arguments = "";
};

// A backup row: the number of the listed shortcut its path names (-1 when
// it names none), its target's key (empty for none), its hotkey (0 for
// none) and its target's arguments (none when the backup has none to give).
struct RestoreRow {
    int shortcut;
    std::string target;
    std::uint16_t hotKey;
    std::optional<std::string> arguments = std::nullopt;
};

struct PlannedRow {
    RestoreStep step;
    int shortcut;          // the shortcut kept or written; -1 when missing, ambiguous or noted
    std::uint16_t hotKey;  // the row's hotkey
    std::vector<int> candidates = {};  // when ambiguous: the shortcuts it could have gone to
};

// The word each step prints ("kept", "set", ...).
const char* StepWord(RestoreStep step);

// Plans every row of `backup` against `listed`. A row without a hotkey is
// noted and writes nothing. A row naming a listed shortcut keeps or sets its
// hotkey there; any other row falls back on the one listed shortcut to its
// target (and its arguments, when the row has them) that no row names, with
// or without a hotkey; rows that would give one shortcut different hotkeys
// are all ambiguous. Rows naming a path that is not listed are never planned
// onto that path.
std::vector<PlannedRow> PlanRestore(const std::vector<RestoreRow>& backup, const std::vector<ListedShortcut>& listed);
