// What one pass of the keeper does with each kept shortcut, decided for the
// whole kept list at once against one survey, before anything is written. A
// pure rule: shortcuts are numbers, as in the restore's plan.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "rules/RestorePlan.h"

// What the keeper remembers of a shortcut file, to tell a change of its
// hotkey alone from a file made or rewritten anew: the file's identity (its
// volume serial and index; zero for an internet shortcut, which a hotkey
// write replaces), its size (zero for an internet shortcut) and the hash of
// its bytes without the hotkey (ShortcutHash).
struct ShortcutFingerprint {
    std::uint32_t volume = 0;
    std::uint64_t index = 0;
    std::uint64_t size = 0;
    std::uint64_t hash = 0;
    std::uint16_t hotKey = 0;  // the hotkey the bytes held when read; not part of the comparison
    bool operator==(const ShortcutFingerprint& other) const
    {
        return volume == other.volume && index == other.index && size == other.size && hash == other.hash;
    }
};

// The hash (64-bit FNV-1a) of a shortcut file's bytes without its hotkey: a
// shell link's with the hotkey word at its header's offset zeroed, an
// internet shortcut's text with its HotKey value made 0.
std::uint64_t ShortcutHash(std::string bytes, bool internet);

// What became of a kept shortcut's file since the previous pass.
enum class KeptFile {
    kSame,       // listed, with the identity, size and hash remembered: only its hotkey may have changed
    kRewritten,  // listed, made or rewritten since, or nothing is remembered of it
    kBusy,       // found, but it could not be read (still being written, say)
    kGone,       // not found
};

// A kept row: the listed shortcut its path names (-1 for none), its target
// and arguments as the restore's plan compares them, its folder tree and
// file name as one key (empty when not known), its hotkey, and its file.
struct KeptShortcut {
    RestoreRow row;
    std::string place;
    KeptFile file;
};

// A listed shortcut: its number, target, arguments and hotkey now, whether
// Windows acts on its hotkey where it lies, its folder tree and file name as
// one key, and whether it is new (not listed in the previous pass).
struct KeepListed {
    ListedShortcut shortcut;
    bool acts;
    std::string place;
    bool isNew;
};

enum class KeepStep {
    kKept,       // nothing to do: the hotkey is in place, or the file is busy or gone with no destination
    kGivenBack,  // the kept hotkey goes back into the row's own shortcut
    kMoved,      // the kept hotkey goes into the one new shortcut that replaced the row's
    kAdopted,    // the shortcut holds another combination now: the kept list takes it
    kCleared,    // only the hotkey word changed, to none: the row leaves the kept list
    kHeld,       // not written: another listed shortcut where Windows acts holds the combination
    kAmbiguous,  // gone, and more than one new shortcut could have replaced it
};

struct KeepDecision {
    KeepStep step;
    int shortcut;             // the listed shortcut the row is on or is to be written into; -1 for none
    std::uint16_t hotKey;     // the row's hotkey after the pass
    std::vector<int> others = {};  // when held, the holders; when ambiguous, the candidates
};

struct KeepPlan {
    std::vector<KeepDecision> kept;  // one for each kept row, in order
    std::vector<int> joined;         // the listed shortcuts, first of their files, with a hotkey no kept row names
    bool again = false;              // a kept row's file is busy: pass again later
};

// Plans a pass over `kept` against `listed`, whose shortcuts are numbered by
// the index of the first row naming their file (as CListedShortcuts does):
// - a listed kept shortcut holding another combination is adopted; one whose
//   hotkey fell to none is cleared when its file is the same, and otherwise
//   given back;
// - a gone kept row moves to the one new listed shortcut without a hotkey to
//   its target (and arguments), or, when none is, to the one with its file
//   name in its folder tree; more than one is ambiguous; none leaves the row;
// - nothing is given back or moved onto a combination another listed
//   shortcut where Windows acts holds: the row is held;
// - a busy row is left as it is and asks for another pass.
KeepPlan PlanKeepPass(const std::vector<KeptShortcut>& kept, const std::vector<KeepListed>& listed);
