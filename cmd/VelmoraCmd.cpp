// VelmoraCmd.exe: the survey, duplicate hotkeys, setting one hotkey and a
// backup of them all, from the command line. Data goes to standard output,
// messages to standard error, each line as soon as it is known.
#include "cmd/Commands.h"
#include "cmd/StandardOutput.h"

int main(int argc, char** argv)
{
    CStandardOutput output(HasSwitch(SplitCommandLine(argc, argv), "utf8"));
    return output.Finish(RunCommandLine(argc, argv, output));
}
