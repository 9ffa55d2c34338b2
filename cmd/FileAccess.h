// The files the command program writes: a file written whole, with the
// reason printed where it could not be.
#pragma once

#include "cmd/CommandLine.h"
#include "keep/WholeFile.h"

// The exit status of a whole write of the file `path` (kExitDone when it
// was written), with the reason it was not on standard error: a missing
// folder or an existing file that was not to be replaced is refused
// (kExitRefused); a failed write or check leaves no file behind and any old
// one as it was (kExitPartly).
int ReportWholeWrite(const CString& path, const WholeWriteResult& result, CommandOutput& output);
