// keep on [FILE], keep off, keep: the keeper that gives back the hotkeys
// other programs take from the shortcuts, started, stopped and shown.
#include "cmd/Commands.h"

#include <algorithm>

#include "cmd/FileAccess.h"
#include "keep/BackupFile.h"
#include "keep/KeeperControl.h"
#include "keep/KeptFile.h"

namespace {
// How long `keep off` waits for the keeper to end, in ms.
constexpr DWORD kStopWait = 30000;
// How many of the last actions `keep` prints.
constexpr std::size_t kShownActions = 10;

// The kept file the Run value names, or else the default one.
CString CurrentKeptFile()
{
    const std::optional<CString> named = KeptFileOfRunValue();
    return named && !named->IsEmpty() ? *named : DefaultKeptFilePath();
}

// Writes every listed shortcut with a hotkey into the kept file `file`; an
// existing file that is no backup is refused rather than replaced.
int WriteKeptList(const CString& file, CommandOutput& output)
{
    std::vector<BackupRow> old;
    CString problem;
    if (::GetFileAttributesA(file.GetString()) != INVALID_FILE_ATTRIBUTES && !ReadBackupFile(file, old, problem)) {
        output.Err({"Not replacing ", NamePiece(file), ": " + problem + ". Nothing written.\r\n"});
        return kExitRefused;
    }
    std::vector<BackupRow> rows;
    if (!SurveyBackupRows(0, rows, output))
        return kExitPartly;
    const int status = ReportWholeWrite(file, WriteBackupFile(file, rows, true), output);
    if (status == kExitDone)
        output.Out({std::to_string(rows.size()) + " hotkey(s) kept in ", NamePiece(file), ".\r\n"});
    return status;
}

// Starts the keeper with `file` and says how that went.
int StartWith(const CString& file, CommandOutput& output)
{
    DWORD status = 0;
    switch (StartKeeper(file, status)) {
    case KeeperStart::kStarted:
        output.Out({"The keeper runs.\r\n"});
        return kExitDone;
    case KeeperStart::kNoProgram:
        output.Err({"Could not start VelmoraKeep.exe from beside VelmoraCmd.exe.\r\n"});
        return kExitPartly;
    case KeeperStart::kEnded:
        break;
    }
    output.Err({"The keeper ended at once (status " + std::to_string(status) + "); see keep.log beside ",
                NamePiece(file), ".\r\n"});
    return kExitPartly;
}

int KeepOn(const CommandLine& line, CommandOutput& output)
{
    if (KeeperRuns()) {
        output.Out({"The keeper already runs; nothing started.\r\n"});
        return kExitDone;
    }
    const CString file = line.operands.size() == 2 ? FullPathOf(line.operands[1].GetString()) : DefaultKeptFilePath();
    if (file.IsEmpty()) {
        output.Err({"No path for the kept file; nothing written.\r\n"});
        return kExitRefused;
    }
    const int written = WriteKeptList(file, output);
    if (written != kExitDone)
        return written;
    if (!SetKeepRunValue(file)) {
        output.Err({"Could not add the Run value Velmora keep; the keeper will not start at logon.\r\n"});
        return std::max(kExitPartly, StartWith(file, output));
    }
    return StartWith(file, output);
}

int KeepOff(CommandOutput& output)
{
    const bool ran = KeeperRuns();
    if (!StopKeeper(kStopWait)) {
        output.Err({"The keeper did not end within " + std::to_string(kStopWait / 1000) + " s.\r\n"});
        return kExitPartly;
    }
    output.Out({ran ? "The keeper has ended.\r\n" : "The keeper was not running.\r\n"});
    if (!RemoveKeepRunValue()) {
        output.Err({"Could not remove the Run value Velmora keep.\r\n"});
        return kExitPartly;
    }
    return kExitDone;
}

int KeepState(CommandOutput& output)
{
    const bool on = KeptFileOfRunValue().has_value();
    output.Out({CString("Keep is ") + (on ? "on" : "off") + "; the keeper " + (KeeperRuns() ? "runs" : "does not run") +
                ".\r\n"});
    const CString file = CurrentKeptFile();
    std::vector<BackupRow> kept;
    CString problem;
    if (ReadBackupFile(file, kept, problem))
        output.Out({"Kept file: ", NamePiece(file), " (" + std::to_string(kept.size()) + " hotkey(s)).\r\n"});
    else
        output.Out({"Kept file: ", NamePiece(file), ": " + problem + ".\r\n"});
    for (const KeepLogLine& action : ReadKeepLog(KeepLogPathOf(file), kShownActions))
        output.Out({action.time + "  " + action.what + "  ", NamePiece(action.path),
                    "  " + action.hotKey + (action.detail.IsEmpty() ? CString() : "  (" + action.detail + ")") + "\r\n"});
    return kExitDone;
}
}

int RunKeep(const CommandLine& line, CommandOutput& output)
{
    const CString word = line.operands.empty() ? CString() : line.operands[0];
    const std::size_t operands = word == "on" && line.operands.size() == 2 ? 2 : word.IsEmpty() ? 0 : 1;
    if (!CheckArguments(line, operands, {}, output))
        return kExitRefused;
    if (word == "on")
        return KeepOn(line, output);
    if (word == "off")
        return KeepOff(output);
    if (word.IsEmpty())
        return KeepState(output);
    output.Err({"keep takes on [FILE], off, or nothing. Run VelmoraCmd /? for usage.\r\n"});
    return kExitRefused;
}
