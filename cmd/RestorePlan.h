// What a restore does with each row of a backup, decided for all rows at
// once against one snapshot of the shortcuts, before anything is written.
#pragma once

#include <optional>
#include <vector>

#include "cmd/SurveyedRows.h"
#include "export/BackupCsv.h"

// The outcome planned for one backup row.
enum class RestoreStep {
    kKept,       // the shortcut already holds the row's hotkey
    kSet,        // the row's own shortcut gets its hotkey
    kMoved,      // the one other shortcut to the row's target gets it
    kMissing,    // no shortcut to put it on
    kAmbiguous,  // more than one candidate, or a shortcut another row also plans to write
};

struct PlannedRow {
    RestoreStep step;
    CString path;  // the shortcut kept or written; the row's own path when missing or ambiguous
    WORD hotKey;   // the row's hotkey
};

// The word each step prints ("kept", "set", ...).
const char* StepWord(RestoreStep step);

// Plans every row of `backup`. `own[i]` holds the hotkey the shortcut at row
// i's own path has now, or nothing when no shortcut opens there; `surveyed`
// is every listed shortcut. A row whose own shortcut is gone falls back on
// the one surveyed shortcut to its target that the backup does not name
// itself; rows that would write the same shortcut are all ambiguous.
std::vector<PlannedRow> PlanRestore(const std::vector<BackupRow>& backup, const std::vector<std::optional<WORD>>& own,
                                    const std::vector<SurveyedRow>& surveyed);
