// The command program's standard output and standard error. On a console a
// line goes out as wide text (WriteConsoleW); redirected, as the ANSI bytes
// the commands give, or as UTF-8 with /utf8. Where lines are wide or UTF-8,
// each file is named by its long name, as Explorer shows it, rather than by
// the short name the ANSI survey may have had to use.
#pragma once

#include <windows.h>

#include "cmd/CommandLine.h"

class CStandardOutput : public CommandOutput {
public:
    // `utf8`: the /utf8 switch was given.
    explicit CStandardOutput(bool utf8);

    int Columns(const OutputPiece& piece) const override;
    // `status` once the command has ended: a failed write of standard output
    // makes a done command partly done, and is reported on standard error
    // unless the reader of a pipe had closed it.
    int Finish(int status);

protected:
    CString EncodePiece(const OutputPiece& piece) const override;
    void Put(bool error, const CString& bytes) override;

private:
    // A standard handle and whether it is a console.
    struct Stream {
        HANDLE handle;
        bool console;
    };
    static Stream StreamOf(DWORD which);
    static bool IsClosedPipe(DWORD error);
    // Writes `bytes` to `stream`; false when the system refused or wrote less.
    bool Write(const Stream& stream, const CString& bytes) const;

    bool m_utf8;       // /utf8: redirected lines are written as UTF-8
    Stream m_out;
    Stream m_err;
    bool m_wide;       // the lines are built in UTF-8 (a console or /utf8), else in ANSI
    DWORD m_outError = ERROR_SUCCESS;  // why the first failed write of standard output failed
};

// The ANSI text `ansi` as UTF-16, character by character: a byte that does
// not stand for a character of the code page on its own or with the byte
// after it (a lead byte without its trail byte, an unassigned byte) is
// written as its code in hexadecimal between angle brackets, "<E2>".
std::wstring ShownWideOfAnsi(const CString& ansi);
