// VelmoraCmd.exe: the survey, duplicate hotkeys, setting one hotkey and a
// backup of them all, from the command line. Data goes to standard output as
// ANSI bytes, messages to standard error.
#include <windows.h>

#include "cmd/Commands.h"

namespace {
// Writes `text` to the standard handle `which` byte for byte.
void WriteStandard(DWORD which, const CString& text)
{
    HANDLE handle = ::GetStdHandle(which);
    DWORD written = 0;
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE && !text.IsEmpty())
        ::WriteFile(handle, text.GetString(), static_cast<DWORD>(text.GetLength()), &written, nullptr);
}
}

int main(int argc, char** argv)
{
    CommandOutput output;
    const int status = RunCommandLine(argc, argv, output);
    WriteStandard(STD_OUTPUT_HANDLE, output.out);
    WriteStandard(STD_ERROR_HANDLE, output.err);
    return status;
}
