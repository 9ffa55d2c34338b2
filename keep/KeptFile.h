// The kept file (the hotkeys the keeper keeps, in the backup's format) and
// the keeper's log beside it.
#pragma once

#include <cstddef>
#include <vector>

#include "keep/KeepPass.h"
#include "rules/BackupCsv.h"
#include "rules/KeepLogText.h"

// %LOCALAPPDATA%\Velmora\kept.csv, the Velmora folder made when missing;
// empty when the local application data folder has no path or the folder
// cannot be made.
CString DefaultKeptFilePath();

// keep.log in the kept file's folder.
CString KeepLogPathOf(const CString& keptFile);

// Appends `lines` to the log `logPath`, each stamped with the local time now;
// past 64 KiB the log is cut to its newest 500 lines. False when it could not
// be written.
bool AppendKeepLog(const CString& logPath, std::vector<KeepLogLine> lines);

// The log line of a pass's action.
KeepLogLine LogLineOf(const KeepAction& action);

// The last `count` lines of the log `logPath`; none when it cannot be read.
std::vector<KeepLogLine> ReadKeepLog(const CString& logPath, std::size_t count);
