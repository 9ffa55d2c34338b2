// The command program's dispatch and its usage text.
#include "cmd/Commands.h"

namespace {
const char kUsage[] =
    "VelmoraCmd: the hotkeys of your shortcuts from the command line.\r\n"
    "\r\n"
    "  VelmoraCmd list [/all] [/fullpath] [/csv]\r\n"
    "      the shortcuts with a hotkey (/all: every shortcut) as Velmora copies them;\r\n"
    "      /csv quotes a field that holds a comma, a quote or a line break\r\n"
    "      (RFC 4180), which the main window's Copy as CSV does not\r\n"
    "  VelmoraCmd duplicates [/fullpath] [/csv]\r\n"
    "      only the shortcuts whose hotkey another shortcut holds too, grouped by hotkey\r\n"
    "  VelmoraCmd set PATH HOTKEY\r\n"
    "      writes HOTKEY (CTRL+SHIFT+F5, ALT+Page Up, CTRL+ALT+N, or none) into PATH,\r\n"
    "      a .lnk, .pif or .url file\r\n"
    "  VelmoraCmd backup FILE [/force]\r\n"
    "      saves every shortcut's hotkey and target in the CSV file FILE\r\n"
    "  VelmoraCmd restore FILE [/dryrun]\r\n"
    "      gives the hotkeys of a backup back to the shortcuts, or to the one new\r\n"
    "      shortcut with the same target; prints kept, set, moved, missing or ambiguous\r\n"
    "\r\n"
    "On a console, names show as Explorer shows them. Redirected, output is in the\r\n"
    "ANSI code page; add /utf8 to any command for UTF-8 with the long names.\r\n"
    "Where a key's byte is no character of the code page on its own, it shows as\r\n"
    "its code in hex on a console and in UTF-8 (CTRL+<E2>).\r\n"
    "Switches take / or - in any case. Exit status: 0 done, 1 partly done (a\r\n"
    "failed write, a survey that could not run, output that could not be written),\r\n"
    "2 usage error or refused input.\r\n";

struct Command {
    const char* name;
    int (*run)(const CommandLine&, CommandOutput&);
};

const Command kCommands[] = {
    {"list", &RunList},     {"duplicates", &RunDuplicates}, {"set", &RunSet},
    {"backup", &RunBackup}, {"restore", &RunRestore}, {"check", &RunCheck},
    {"free", &RunFree},
};
}

int RunCommandLine(int argc, const char* const* argv, CommandOutput& output)
{
    const CommandLine line = SplitCommandLine(argc, argv);
    if (line.command.IsEmpty() && line.switches.size() == 1 && line.switches[0] == CString("?")) {
        output.Err({kUsage});
        return kExitDone;
    }
    for (const Command& command : kCommands)
        if (line.command == CString(command.name))
            return command.run(line, output);
    output.Err({line.command.IsEmpty() ? CString(kUsage)
                                       : "Unknown command " + line.command + ". Run VelmoraCmd /? for usage.\r\n"});
    return kExitRefused;
}
