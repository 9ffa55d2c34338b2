// The command program's arguments: a command word, its operands and its
// switches, and what every command hands back to be printed.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <vector>

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

// What a command prints: data for standard output (ANSI bytes, as they
// stand) and messages for standard error.
struct CommandOutput {
    CString out;
    CString err;
};

// Splits the arguments after the program name; an argument of two or more
// characters that begins with "/" or "-" is a switch.
CommandLine SplitCommandLine(int argc, const char* const* argv);

// True when `line` has exactly `operands` operands and only switches from
// `allowed`; otherwise false with a message in `output`.
bool CheckArguments(const CommandLine& line, std::size_t operands, std::initializer_list<const char*> allowed,
                    CommandOutput& output);

// True when `line` holds switch `name` (lower case).
bool HasSwitch(const CommandLine& line, const char* name);

// `text` with ASCII letters in lower case.
CString LowerCase(const CString& text);
