#include "rules/HotKeyFindings.h"

#include <utility>

#include "rules/HotKeyReach.h"

namespace {
// The keys offered with each modifier set: 0 to 9, A to Z, F1 to F24.
std::vector<std::uint8_t> OfferedKeys()
{
    std::vector<std::uint8_t> keys;
    for (std::uint8_t key = '0'; key <= '9'; ++key)
        keys.push_back(key);
    for (std::uint8_t key = 'A'; key <= 'Z'; ++key)
        keys.push_back(key);
    for (std::uint8_t key = 0x70; key <= 0x87; ++key)
        keys.push_back(key);
    return keys;
}

// True when row `index` of `rows` is a duplicate: Windows acts on it and on
// another file that holds its combination.
bool IsDuplicate(const std::vector<HotKeyRowFacts>& rows, std::size_t index)
{
    return rows[index].acts && !HoldersOf(rows, rows[index].hotKey, static_cast<int>(index), true).empty();
}
}

std::vector<RowFinding> FindingsOf(const std::vector<HotKeyRowFacts>& rows)
{
    std::vector<RowFinding> findings;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i].first)
            continue;
        const std::pair<bool, HotKeyFinding> checks[] = {
            {IsDuplicate(rows, i), HotKeyFinding::kDuplicate},
            {!rows[i].acts, HotKeyFinding::kInert},
            {HasNoKey(rows[i].hotKey), HotKeyFinding::kNoKey},
            {IsSystemCombination(rows[i].hotKey), HotKeyFinding::kSystem},
            {rows[i].missing, HotKeyFinding::kMissing},
        };
        for (const auto& [holds, finding] : checks)
            if (holds)
                findings.push_back({i, finding});
    }
    return findings;
}

std::vector<std::size_t> HoldersOf(const std::vector<HotKeyRowFacts>& rows, std::uint16_t value, int self,
                                   bool actingOnly)
{
    std::vector<std::size_t> holders;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].first && static_cast<int>(i) != self && (rows[i].acts || !actingOnly) &&
            Combination(rows[i].hotKey) == Combination(value))
            holders.push_back(i);
    return holders;
}

bool IsRegisteredForShortcut(std::size_t holders, std::uint16_t before, std::uint16_t value,
                             bool (*registered)(std::uint16_t))
{
    return holders == 0 && Combination(before) != Combination(value) && registered(value);
}

std::vector<std::uint16_t> DialogModifierSets()
{
    return {0x0600, 0x0300, 0x0500, 0x0700};
}

void ForEachFreeCombination(const std::vector<std::uint16_t>& modifierSets, const std::set<std::uint16_t>& held,
                            bool (*registered)(std::uint16_t), const std::function<void(std::uint16_t)>& each)
{
    for (std::uint16_t modifiers : modifierSets)
        for (std::uint8_t key : OfferedKeys()) {
            const std::uint16_t value = static_cast<std::uint16_t>(modifiers | key);
            if (held.count(value) == 0 && !registered(value))
                each(value);
        }
}
