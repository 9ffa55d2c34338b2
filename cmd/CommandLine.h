// The command program's arguments: a command word, its operands and its
// switches, and what every command hands back to be printed.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

#include "rules/ExportText.h"
#include "framework/AfxString.h"

struct SurveyedRow;

// Exit statuses.
constexpr int kExitDone = 0;       // everything asked was done
constexpr int kExitPartly = 1;     // some of it could not be done
constexpr int kExitRefused = 2;    // a usage error or a refused input

struct CommandLine {
    CString command;                 // the first argument, lower case
    std::vector<CString> operands;   // the other arguments that are not switches
    std::vector<CString> switches;   // after "/" or "-", lower case
};

// A piece of a printed line, given in the ANSI code page: text, or the path
// of a file shown by the display rule. The output puts each piece in its
// own encoding.
struct OutputPiece {
    OutputPiece(const CString& ansi) : text(ansi) {}
    OutputPiece(const char* ansi) : text(ansi) {}
    OutputPiece(const std::string& ansi) : text(ansi) {}

    CString text;
    int name = -1;          // -1: text; else a path, shown whole with 1, by its file name with 0
    bool csvField = false;  // a name quoted as a CSV field where its shown form needs it
    std::wstring longPath;  // a name's path in its long form when known; else found from `text`
};

// The path `path` (ANSI, full) as a piece: the whole path when `fullPath` is
// 1, else its file name; quoted as a CSV field with `csvField`.
OutputPiece NamePiece(const CString& path, int fullPath = 1, bool csvField = false);
// The same for a surveyed row's path, with the long form the survey read.
OutputPiece NamePiece(const SurveyedRow& row, int fullPath = 1, bool csvField = false);

using OutputLine = std::vector<OutputPiece>;

// Where a command prints: data to standard output, messages to standard
// error, whole lines at a time. This base writes every piece as ANSI bytes,
// paths as the survey found them, into `out` and `err`; the program's own
// output (StandardOutput.h) writes them to its handles as they come, in the
// encoding there.
class CommandOutput {
public:
    virtual ~CommandOutput() = default;
    void Out(const OutputLine& line) { Put(false, Encode(line)); }
    void Err(const OutputLine& line) { Put(true, Encode(line)); }
    // How many columns `piece` takes once written.
    virtual int Columns(const OutputPiece& piece) const { return EncodePiece(piece).GetLength(); }

    CString out;
    CString err;

protected:
    // `piece` in this output's encoding.
    virtual CString EncodePiece(const OutputPiece& piece) const;
    // Writes bytes in this output's encoding to standard output, or with
    // `error` to standard error.
    virtual void Put(bool error, const CString& bytes) { (error ? err : out) += bytes; }

private:
    CString Encode(const OutputLine& line) const;
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
