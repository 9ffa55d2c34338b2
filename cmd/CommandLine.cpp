// Splitting and checking the command program's arguments.
#include "cmd/CommandLine.h"

#include <algorithm>

#include "resultlist/DisplayName.h"
#include "text/AsciiCase.h"

CString CommandOutput::Name(const CString& path, int fullPath) const
{
    return DisplayName(path.GetString(), fullPath);
}

CommandLine SplitCommandLine(int argc, const char* const* argv)
{
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const CString argument(argv[i]);
        const bool isSwitch = argument.GetLength() >= 2 && (argument.str()[0] == '/' || argument.str()[0] == '-');
        if (isSwitch)
            line.switches.push_back(AsciiLowerCase(argument.str().substr(1)));
        else if (i == 1)
            line.command = AsciiLowerCase(argument);
        else
            line.operands.push_back(argument);
    }
    return line;
}

bool HasSwitch(const CommandLine& line, const char* name)
{
    return std::find(line.switches.begin(), line.switches.end(), CString(name)) != line.switches.end();
}

bool CheckArguments(const CommandLine& line, std::size_t operands, std::initializer_list<const char*> allowed,
                    CommandOutput& output)
{
    for (const CString& given : line.switches) {
        if (given == CString("utf8"))
            continue;
        if (std::none_of(allowed.begin(), allowed.end(), [&](const char* name) { return given == CString(name); })) {
            output.Err(output.Text("Unknown switch /" + given + " for " + line.command + ". Run VelmoraCmd /? for usage.\r\n"));
            return false;
        }
    }
    if (line.operands.size() == operands)
        return true;
    output.Err(output.Text(line.command + " takes " + std::to_string(operands) + " argument(s), not " +
                           std::to_string(line.operands.size()) + ". Run VelmoraCmd /? for usage.\r\n"));
    return false;
}
