#include "rules/RestorePlan.h"

#include <map>
#include <set>

namespace {
// True when `shortcut` has the target of `row`, and its arguments when the
// row has them.
bool SameTarget(const RestoreRow& row, const ListedShortcut& shortcut)
{
    return !row.target.empty() && shortcut.target == row.target &&
           (!row.arguments || *row.arguments == shortcut.arguments);
}

// The plan of a row that names no listed shortcut: the listed shortcuts to
// its target that no backup row names; moved (or kept) when there is one.
PlannedRow PlanFallback(const RestoreRow& row, const std::set<int>& named, const std::vector<ListedShortcut>& listed)
{
    std::map<int, std::uint16_t> found;
    for (const ListedShortcut& shortcut : listed)
        if (SameTarget(row, shortcut) && named.count(shortcut.shortcut) == 0)
            found.emplace(shortcut.shortcut, shortcut.hotKey);
    if (found.size() > 1) {
        PlannedRow ambiguous{RestoreStep::kAmbiguous, -1, row.hotKey};
        for (const auto& candidate : found)
            ambiguous.candidates.push_back(candidate.first);
        return ambiguous;
    }
    if (found.empty())
        return {RestoreStep::kMissing, -1, row.hotKey};
    const auto& [shortcut, now] = *found.begin();
    return {now == row.hotKey ? RestoreStep::kKept : RestoreStep::kMoved, shortcut, row.hotKey};
}

// Makes every row that places its hotkey on a shortcut another row places a
// different hotkey on ambiguous.
void MarkDisputedShortcuts(std::vector<PlannedRow>& plan)
{
    std::map<int, std::set<std::uint16_t>> placed;
    for (const PlannedRow& planned : plan)
        if (planned.shortcut >= 0)
            placed[planned.shortcut].insert(planned.hotKey);
    for (PlannedRow& planned : plan)
        if (planned.shortcut >= 0 && placed[planned.shortcut].size() > 1)
            planned = {RestoreStep::kAmbiguous, -1, planned.hotKey, {planned.shortcut}};
}
}

const char* StepWord(RestoreStep step)
{
    switch (step) {
    case RestoreStep::kKept:
        return "kept";
    case RestoreStep::kSet:
        return "set";
    case RestoreStep::kMoved:
        return "moved";
    case RestoreStep::kMissing:
        return "missing";
    case RestoreStep::kNoted:
        return "noted";
    default:
        return "ambiguous";
    }
}

std::vector<PlannedRow> PlanRestore(const std::vector<RestoreRow>& backup, const std::vector<ListedShortcut>& listed)
{
    std::map<int, std::uint16_t> now;
    for (const ListedShortcut& shortcut : listed)
        now.emplace(shortcut.shortcut, shortcut.hotKey);
    std::set<int> named;
    for (const RestoreRow& row : backup)
        if (now.count(row.shortcut) != 0)
            named.insert(row.shortcut);
    std::vector<PlannedRow> plan;
    for (const RestoreRow& row : backup) {
        const auto own = now.find(row.shortcut);
        if (row.hotKey == 0)
            plan.push_back({RestoreStep::kNoted, -1, 0});
        else if (own != now.end())
            plan.push_back({own->second == row.hotKey ? RestoreStep::kKept : RestoreStep::kSet, row.shortcut, row.hotKey});
        else
            plan.push_back(PlanFallback(row, named, listed));
    }
    MarkDisputedShortcuts(plan);
    return plan;
}
