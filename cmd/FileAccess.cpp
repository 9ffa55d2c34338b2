// The command program's messages for a file written whole.
#include "cmd/FileAccess.h"

int ReportWholeWrite(const CString& path, const WholeWriteResult& result, CommandOutput& output)
{
    switch (result.outcome) {
    case WholeWrite::kWritten:
        return kExitDone;
    case WholeWrite::kNoFolder:
        output.Err({"The folder of " + path + " does not exist; nothing written.\r\n"});
        return kExitRefused;
    case WholeWrite::kExists:
        output.Err({NamePiece(result.full), " exists; add /force to replace it. Nothing written.\r\n"});
        return kExitRefused;
    case WholeWrite::kNoTemporary:
        output.Err({"Could not create a temporary file beside ", NamePiece(result.full), "; nothing written.\r\n"});
        return kExitPartly;
    case WholeWrite::kNotWritten:
        break;
    }
    output.Err({"Could not write ", NamePiece(result.full), result.problem.IsEmpty() ? CString() : ": " + result.problem,
                "; nothing written.\r\n"});
    return kExitPartly;
}
