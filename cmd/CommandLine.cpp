// Splitting and checking the command program's arguments.
#include "cmd/CommandLine.h"

#include <algorithm>

#include "rules/ExportText.h"
#include "rules/DisplayName.h"
#include "rules/AsciiCase.h"
#include "survey/SurveyedRows.h"

OutputPiece NamePiece(const CString& path, int fullPath, bool csvField)
{
    OutputPiece piece(path);
    piece.name = fullPath == 1 ? 1 : 0;
    piece.csvField = csvField;
    return piece;
}

OutputPiece NamePiece(const SurveyedRow& row, int fullPath, bool csvField)
{
    OutputPiece piece = NamePiece(row.path, fullPath, csvField);
    piece.longPath = row.longPath;
    return piece;
}

CString CommandOutput::EncodePiece(const OutputPiece& piece) const
{
    if (piece.name < 0)
        return piece.text;
    const CString shown = DisplayName(piece.text.GetString(), piece.name);
    return piece.csvField ? CString(CsvField(shown.str())) : shown;
}

CString CommandOutput::Encode(const OutputLine& line) const
{
    CString bytes;
    for (const OutputPiece& piece : line)
        bytes += EncodePiece(piece);
    return bytes;
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
            output.Err({"Unknown switch /" + given + " for " + line.command + ". Run VelmoraCmd /? for usage.\r\n"});
            return false;
        }
    }
    if (line.operands.size() == operands)
        return true;
    output.Err({line.command + " takes " + std::to_string(operands) + " argument(s), not " +
                std::to_string(line.operands.size()) + ". Run VelmoraCmd /? for usage.\r\n"});
    return false;
}
