// The command program's standard output and standard error. On a console a
// line goes out as wide text (WriteConsoleW); redirected, as ANSI bytes, or
// as UTF-8 with /utf8. Where lines are wide or UTF-8 they are built in
// UTF-8 and name each file by its long name, as Explorer shows it, rather
// than by the short name the ANSI survey may have had to use.
#pragma once

#include <windows.h>

#include "cmd/CommandLine.h"

class CStandardOutput : public CommandOutput {
public:
    // `utf8`: the /utf8 switch was given.
    explicit CStandardOutput(bool utf8);

    void Out(const CString& lines) override;
    void Err(const CString& lines) override;
    CString Text(const CString& text) const override;
    CString Name(const CString& path, int fullPath) const override;
    TextColumns Columns() const override;

private:
    // A standard handle and whether it is a console.
    struct Stream {
        HANDLE handle;
        bool console;
    };
    static Stream StreamOf(DWORD which);
    void Write(const Stream& stream, const CString& lines) const;

    bool m_utf8;      // /utf8: redirected lines are written as UTF-8
    Stream m_out;
    Stream m_err;
    UINT m_codePage;  // the lines' encoding: CP_UTF8 when wide, else CP_ACP
};
