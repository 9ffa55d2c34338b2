// The command program's dispatch and its usage text, built from the table of
// commands.
#include "cmd/Commands.h"

namespace {
const char kUsageHead[] =
    "VelmoraCmd: the hotkeys of your shortcuts from the command line.\r\n"
    "\r\n";

const char kUsageTail[] =
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
    const char* arguments;  // the operands and switches, as the usage shows them after the name
    const char* about;      // the usage's lines on the command, indented, each ended
    int (*run)(const CommandLine&, CommandOutput&);
};

const Command kCommands[] = {
    {"list", "[/all] [/fullpath] [/csv]",
     "      the shortcuts with a hotkey (/all: every shortcut) as Velmora copies them;\r\n"
     "      /csv quotes a field that holds a comma, a quote or a line break\r\n"
     "      (RFC 4180), which the main window's Copy as CSV does not\r\n",
     &RunList},
    {"duplicates", "[/fullpath] [/csv]",
     "      only the shortcuts whose hotkey another shortcut holds too, grouped by hotkey\r\n", &RunDuplicates},
    {"set", "PATH HOTKEY",
     "      writes HOTKEY (CTRL+SHIFT+F5, ALT+Page Up, CTRL+ALT+N, or none) into PATH,\r\n"
     "      a .lnk, .pif or .url file\r\n",
     &RunSet},
    {"backup", "FILE [/force]", "      saves every shortcut's hotkey and target in the CSV file FILE\r\n", &RunBackup},
    {"restore", "FILE [/dryrun]",
     "      gives the hotkeys of a backup back to the shortcuts, or to the one new\r\n"
     "      shortcut with the same target; prints kept, set, moved, missing or ambiguous\r\n",
     &RunRestore},
    {"check", "[/fullpath]",
     "      why a hotkey may not start its shortcut, a line per finding: duplicate\r\n"
     "      (another shortcut Windows acts on holds it too), inert (Windows does not\r\n"
     "      act where the shortcut lies), nokey (no key) or system (Windows keeps it);\r\n"
     "      exit 1 if there is any\r\n",
     &RunCheck},
    {"free", "[MODIFIERS]",
     "      the combinations of 0-9, A-Z and F1-F24 that no shortcut and no running\r\n"
     "      program holds, with CTRL+ALT, CTRL+SHIFT, SHIFT+ALT and CTRL+SHIFT+ALT,\r\n"
     "      or only with MODIFIERS written as the list does (CTRL+ALT)\r\n",
     &RunFree},
    {"keep", "[on [FILE] | off]",
     "      on: keeps every hotkey a shortcut has now in FILE (by default\r\n"
     "      %LOCALAPPDATA%\\Velmora\\kept.csv) and starts VelmoraKeep.exe, now and at\r\n"
     "      each logon, which gives a kept hotkey back when another program (an\r\n"
     "      update) drops it; off: stops it; alone: the state and the last actions\r\n",
     &RunKeep},
};

CString Usage()
{
    CString usage(kUsageHead);
    for (const Command& command : kCommands)
        usage += CString("  VelmoraCmd ") + command.name + " " + command.arguments + "\r\n" + command.about;
    return usage + kUsageTail;
}
}

std::vector<CString> CommandNames()
{
    std::vector<CString> names;
    for (const Command& command : kCommands)
        names.push_back(command.name);
    return names;
}

int RunCommandLine(int argc, const char* const* argv, CommandOutput& output)
{
    const CommandLine line = SplitCommandLine(argc, argv);
    if (line.command.IsEmpty() && line.switches.size() == 1 && line.switches[0] == CString("?")) {
        output.Out({Usage()});
        return kExitDone;
    }
    for (const Command& command : kCommands)
        if (line.command == CString(command.name))
            return command.run(line, output);
    output.Err({line.command.IsEmpty() ? Usage()
                                       : "Unknown command " + line.command + ". Run VelmoraCmd /? for usage.\r\n"});
    return kExitRefused;
}
