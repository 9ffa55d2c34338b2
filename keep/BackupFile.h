// The backup file as a file: written whole and known to read back as the
// rows written before it takes the old one's place, and read with the
// reason it could not be.
#pragma once

#include <vector>

#include "keep/WholeFile.h"
#include "rules/BackupCsv.h"
#include "survey/SurveyedRows.h"

// The backup rows of surveyed shortcuts, in the same order.
std::vector<BackupRow> BackupRowsOf(const std::vector<SurveyedRow>& surveyed);

// Writes `rows` as the backup file `path` (replacing an existing one only
// with `replace`), read back and parsed before it replaces anything.
WholeWriteResult WriteBackupFile(const CString& path, const std::vector<BackupRow>& rows, bool replace);

// True when `a` and `b` hold the same rows (path, target, hotkey and
// arguments) in the same order.
bool SameBackupRows(const std::vector<BackupRow>& a, const std::vector<BackupRow>& b);

// The rows of the backup file `path`; false with why it cannot be used in
// `problem` ("it cannot be read", "line 3: ...; it is no Velmora backup").
bool ReadBackupFile(const CString& path, std::vector<BackupRow>& rows, CString& problem);
