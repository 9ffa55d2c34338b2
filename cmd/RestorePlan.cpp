#include "cmd/RestorePlan.h"

#include <map>
#include <set>
#include <string>

#include "text/UpperCase.h"

namespace {
// `path` upper-cased: equal for two texts naming one path in any case.
std::string PathKey(const CString& path)
{
    return UpperCaseText(path.GetString()).str();
}

// The plan of a row whose own shortcut is gone: the surveyed shortcuts to its
// target whose paths are not in `named` (the backup's own); moved (or kept)
// when there is one.
PlannedRow PlanFallback(const BackupRow& row, const std::set<std::string>& named,
                        const std::vector<SurveyedRow>& surveyed)
{
    std::vector<const SurveyedRow*> found;
    for (const SurveyedRow& shortcut : surveyed)
        if (!row.target.IsEmpty() && ::lstrcmpiA(shortcut.target.GetString(), row.target.GetString()) == 0 &&
            named.count(PathKey(shortcut.path)) == 0)
            found.push_back(&shortcut);
    if (found.size() != 1)
        return {found.empty() ? RestoreStep::kMissing : RestoreStep::kAmbiguous, row.path, row.hotKey};
    return {found[0]->hotKey == row.hotKey ? RestoreStep::kKept : RestoreStep::kMoved, found[0]->path, row.hotKey};
}

// True for a step that names a shortcut to keep or write.
bool Places(RestoreStep step)
{
    return step == RestoreStep::kKept || step == RestoreStep::kSet || step == RestoreStep::kMoved;
}

// Makes every row that places its hotkey on a shortcut another row also
// places one on ambiguous, at its own path.
void MarkSharedShortcuts(const std::vector<BackupRow>& backup, std::vector<PlannedRow>& plan)
{
    std::map<std::string, int> placed;
    for (const PlannedRow& planned : plan)
        if (Places(planned.step))
            ++placed[PathKey(planned.path)];
    for (std::size_t i = 0; i < plan.size(); ++i)
        if (Places(plan[i].step) && placed[PathKey(plan[i].path)] > 1)
            plan[i] = {RestoreStep::kAmbiguous, backup[i].path, backup[i].hotKey};
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
    default:
        return "ambiguous";
    }
}

std::vector<PlannedRow> PlanRestore(const std::vector<BackupRow>& backup, const std::vector<std::optional<WORD>>& own,
                                    const std::vector<SurveyedRow>& surveyed)
{
    std::set<std::string> named;
    for (const BackupRow& row : backup)
        named.insert(PathKey(row.path));
    std::vector<PlannedRow> plan;
    for (std::size_t i = 0; i < backup.size(); ++i) {
        const BackupRow& row = backup[i];
        if (own[i])
            plan.push_back({*own[i] == row.hotKey ? RestoreStep::kKept : RestoreStep::kSet, row.path, row.hotKey});
        else
            plan.push_back(PlanFallback(row, named, surveyed));
    }
    MarkSharedShortcuts(backup, plan);
    return plan;
}
