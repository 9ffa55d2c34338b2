// What stands between listed hotkeys and Windows starting their shortcuts,
// who holds a combination, and which combinations are still free. Pure: no
// windows.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <set>
#include <vector>

// One listed row as these rules see it.
struct HotKeyRowFacts {
    std::uint16_t hotKey;  // the stored value
    bool acts;             // Windows acts on hotkeys where the shortcut lies
    bool first;            // the first row that names its file
    bool missing = false;  // its target is gone, so the hotkey starts nothing
};

// The reasons a row's hotkey may not start its shortcut, in the order a
// row's findings are given.
enum class HotKeyFinding { kDuplicate, kInert, kNoKey, kSystem, kMissing };

struct RowFinding {
    std::size_t row;
    HotKeyFinding finding;
};

// The findings of the first row of each file, row by row: a duplicate when
// another file where Windows acts holds the combination and Windows acts on
// this one too, inert where Windows does not act, no key, system, and last
// missing.
std::vector<RowFinding> FindingsOf(const std::vector<HotKeyRowFacts>& rows);

// The rows, first of their files, that hold the combination of `value`, in
// order: never row `self` (the number of the shortcut's own file, -1 for
// none), and only rows where Windows acts when `actingOnly`.
std::vector<std::size_t> HoldersOf(const std::vector<HotKeyRowFacts>& rows, std::uint16_t value, int self,
                                   bool actingOnly);

// Whether a running program holds `value`, for a shortcut whose value was
// `before` and which `holders` other listed shortcuts hold. `registered` is
// asked only when no other shortcut holds the value and the shortcut did not
// hold it already: Explorer itself may hold the values of the shortcuts it
// acts on.
bool IsRegisteredForShortcut(std::size_t holders, std::uint16_t before, std::uint16_t value,
                             bool (*registered)(std::uint16_t));

// The modifier sets the shortcut Properties dialog gives, in the order the
// free combinations are listed.
std::vector<std::uint16_t> DialogModifierSets();

// Calls `each` with every combination of each of `modifierSets` with the
// keys 0 to 9, A to Z and F1 to F24 that no value of `held` holds and
// `registered` does not report, set by set, as soon as it is found: a
// program that prints them shows each before the next probe.
void ForEachFreeCombination(const std::vector<std::uint16_t>& modifierSets, const std::set<std::uint16_t>& held,
                            bool (*registered)(std::uint16_t), const std::function<void(std::uint16_t)>& each);
