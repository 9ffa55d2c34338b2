// The backup file as a file: written whole and known to read back as the
// rows written before it takes the old one's place, and read with the
// reason it could not be.
#pragma once

#include <vector>

#include "keep/WholeFile.h"
#include "rules/BackupCsv.h"
#include "rules/RestorePlan.h"
#include "survey/SurveyedRows.h"

// The backup rows of surveyed shortcuts, in the same order.
std::vector<BackupRow> BackupRowsOf(const std::vector<SurveyedRow>& surveyed);

// The surveyed shortcut `row`, listed as number `shortcut`, as the restore
// plan takes it: targets compared upper-cased.
ListedShortcut ListedShortcutOf(const SurveyedRow& row, int shortcut);
// The backup row `row`, whose path names the listed shortcut `shortcut` (-1
// for none), as the restore plan takes it.
RestoreRow RestoreRowOf(const BackupRow& row, int shortcut);

// Writes `rows` as the backup file `path` (replacing an existing one only
// with `replace`), read back and parsed before it replaces anything.
WholeWriteResult WriteBackupFile(const CString& path, const std::vector<BackupRow>& rows, bool replace);

// True when `a` and `b` hold the same rows (path, target, hotkey and
// arguments) in the same order.
bool SameBackupRows(const std::vector<BackupRow>& a, const std::vector<BackupRow>& b);

// The rows of the backup file `path`; false with why it cannot be used in
// `problem` ("it cannot be read", "line 3: ...; it is no Velmora backup").
bool ReadBackupFile(const CString& path, std::vector<BackupRow>& rows, CString& problem);
