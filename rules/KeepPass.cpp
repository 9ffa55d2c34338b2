#include "rules/KeepPass.h"

#include <set>

#include "rules/HotKeyFindings.h"
#include "rules/InternetShortcutText.h"
#include "rules/LinkFormat.h"

namespace {
// Where each gone kept row moves, planned by PlanRestore with every other
// kept row, every shortcut listed in the previous pass and every shortcut
// holding a hotkey as a noted row, so that only a new shortcut without a
// hotkey is a destination: first by target and arguments, then, for the
// rows with no destination by target, by folder tree and file name.
std::vector<PlannedRow> PlanMoves(const std::vector<KeptShortcut>& kept, const std::vector<KeepListed>& listed)
{
    std::vector<RestoreRow> rows;
    for (const KeptShortcut& row : kept)
        rows.push_back(row.file == KeptFile::kGone ? row.row : RestoreRow{row.row.shortcut, "", 0});
    std::vector<ListedShortcut> byTarget, byPlace;
    for (const KeepListed& shortcut : listed) {
        byTarget.push_back(shortcut.shortcut);
        byPlace.push_back({shortcut.shortcut.shortcut, shortcut.place, shortcut.shortcut.hotKey});
        if (!shortcut.isNew || shortcut.shortcut.hotKey != 0)
            rows.push_back({shortcut.shortcut.shortcut, "", 0});
    }
    std::vector<PlannedRow> plan = PlanRestore(rows, byTarget);
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (plan[i].step == RestoreStep::kMissing)
            rows[i] = {-1, kept[i].place, kept[i].row.hotKey};
        else if (plan[i].step != RestoreStep::kNoted)
            rows[i] = {plan[i].shortcut, "", 0};
    }
    const std::vector<PlannedRow> byName = PlanRestore(rows, byPlace);
    for (std::size_t i = 0; i < kept.size(); ++i)
        if (plan[i].step == RestoreStep::kMissing)
            plan[i] = byName[i];
    plan.resize(kept.size());
    return plan;
}

// `hotKey` written into `shortcut` as `step`, or held when another listed
// shortcut where Windows acts holds it.
KeepDecision WriteUnlessHeld(KeepStep step, int shortcut, std::uint16_t hotKey, const std::vector<HotKeyRowFacts>& facts)
{
    std::vector<int> holders;
    for (std::size_t holder : HoldersOf(facts, hotKey, shortcut, true))
        holders.push_back(static_cast<int>(holder));
    return {holders.empty() ? step : KeepStep::kHeld, shortcut, hotKey, holders};
}

// The decision for a kept row whose file is listed.
KeepDecision DecideListed(const KeptShortcut& kept, const std::vector<KeepListed>& listed,
                          const std::vector<HotKeyRowFacts>& facts)
{
    const int shortcut = kept.row.shortcut;
    const std::uint16_t now = listed[static_cast<std::size_t>(shortcut)].shortcut.hotKey;
    if (now == kept.row.hotKey)
        return {KeepStep::kKept, shortcut, now};
    if (now != 0)
        return {KeepStep::kAdopted, shortcut, now};
    if (kept.file == KeptFile::kSame)
        return {KeepStep::kCleared, shortcut, 0};
    return WriteUnlessHeld(KeepStep::kGivenBack, shortcut, kept.row.hotKey, facts);
}

// The decision for a kept row whose file is not listed, from its move.
KeepDecision DecideUnlisted(const KeptShortcut& kept, const PlannedRow& move, const std::vector<HotKeyRowFacts>& facts)
{
    if (kept.file == KeptFile::kGone && move.step == RestoreStep::kMoved)
        return WriteUnlessHeld(KeepStep::kMoved, move.shortcut, move.hotKey, facts);
    if (kept.file == KeptFile::kGone && move.step == RestoreStep::kAmbiguous)
        return {KeepStep::kAmbiguous, -1, kept.row.hotKey, move.candidates};
    return {KeepStep::kKept, -1, kept.row.hotKey};
}
}

std::uint64_t ShortcutHash(std::string bytes, bool internet)
{
    if (internet)
        bytes = WithInternetShortcutHotKey(bytes, 0);
    else if (bytes.size() >= kHotKeyOffset + 2)
        bytes[kHotKeyOffset] = bytes[kHotKeyOffset + 1] = '\0';
    std::uint64_t hash = 14695981039346656037ull;
    for (char byte : bytes)
        hash = (hash ^ static_cast<unsigned char>(byte)) * 1099511628211ull;
    return hash;
}

KeepPlan PlanKeepPass(const std::vector<KeptShortcut>& kept, const std::vector<KeepListed>& listed)
{
    std::vector<HotKeyRowFacts> facts;
    for (std::size_t i = 0; i < listed.size(); ++i)
        facts.push_back({listed[i].shortcut.hotKey, listed[i].acts, listed[i].shortcut.shortcut == static_cast<int>(i)});
    const std::vector<PlannedRow> moves = PlanMoves(kept, listed);
    KeepPlan plan;
    std::set<int> named;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        const bool own = kept[i].row.shortcut >= 0;
        plan.kept.push_back(own ? DecideListed(kept[i], listed, facts) : DecideUnlisted(kept[i], moves[i], facts));
        plan.again = plan.again || kept[i].file == KeptFile::kBusy;
        named.insert(kept[i].row.shortcut);
    }
    for (std::size_t i = 0; i < listed.size(); ++i)
        if (facts[i].first && facts[i].hotKey != 0 && named.count(static_cast<int>(i)) == 0)
            plan.joined.push_back(static_cast<int>(i));
    return plan;
}
