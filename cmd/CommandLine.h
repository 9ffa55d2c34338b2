// The command program's arguments: a command word, its operands and its
// switches, and what every command hands back to be printed.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <vector>

#include "export/ExportText.h"
#include "framework/AfxString.h"

// Exit statuses.
constexpr int kExitDone = 0;       // everything asked was done
constexpr int kExitPartly = 1;     // some of it could not be done
constexpr int kExitRefused = 2;    // a usage error or a refused input

struct CommandLine {
    CString command;                 // the first argument, lower case
    std::vector<CString> operands;   // the other arguments that are not switches
    std::vector<CString> switches;   // after "/" or "-", lower case
};

// Where a command prints: data to standard output, messages to standard
// error, whole lines at a time. This base keeps what is printed in `out` and
// `err` as ANSI bytes, paths as the survey found them; the program's own
// output (StandardOutput.h) writes each line to its handle as it comes.
class CommandOutput {
public:
    virtual ~CommandOutput() = default;
    // Prints whole lines of text in this output's encoding.
    virtual void Out(const CString& lines) { out += lines; }
    virtual void Err(const CString& lines) { err += lines; }
    // `text`, given in the ANSI code page, in this output's encoding.
    virtual CString Text(const CString& text) const { return text; }
    // The file `path` (ANSI, full) in this output's encoding: the whole path
    // when `fullPath` is 1, else its file name.
    virtual CString Name(const CString& path, int fullPath = 1) const;
    // How this output's texts count their columns.
    virtual TextColumns Columns() const { return &ByteColumns; }

    CString out;
    CString err;
};

// Splits the arguments after the program name; an argument of two or more
// characters that begins with "/" or "-" is a switch.
CommandLine SplitCommandLine(int argc, const char* const* argv);

// True when `line` has exactly `operands` operands and only switches from
// `allowed` or /utf8; otherwise false with a message in `output`.
bool CheckArguments(const CommandLine& line, std::size_t operands, std::initializer_list<const char*> allowed,
                    CommandOutput& output);

// True when `line` holds switch `name` (lower case).
bool HasSwitch(const CommandLine& line, const char* name);
