// The kind of a shortcut file, told by its names. Windows' name matching
// goes by a file's short (8.3) name as well as its long name, so the pattern
// "*.lnk" also matches a.lnk2 and x.lnk~, whose short names (A~1.LNK,
// X~1.LNK) end so; the kind follows the same rule, and the survey lists,
// reads, writes and draws each file by it.
#pragma once

enum class ShortcutKind {
    kNone,      // not a shortcut file
    kLink,      // a shell link file (.lnk)
    kPif,       // a program information file (.pif), read as a shell link
    kInternet,  // an internet shortcut (.url), read as its INI text
};

// What a file's long name says of its kind.
struct NamedKind {
    // The kind whose letters (LNK, PIF or URL, in any ASCII case) the long
    // name's extension is or begins with; none for any other extension.
    ShortcutKind kind = ShortcutKind::kNone;
    // True when the extension goes on past those letters (a.lnk2, x.lnk~):
    // the short name then decides.
    bool shortNameDecides = false;
};

// What the long name of the file `path` (a path or a file name in the ANSI
// code page) says of its kind.
NamedKind KindOfLongName(const char* path);

// The kind of a file whose long name says `named` and whose short name is
// `shortName` (a name or a path; empty for none): the named kind where the
// long name decides it, or where the short name's extension is exactly that
// kind's letters; none otherwise.
ShortcutKind KindOfFile(const NamedKind& named, const char* shortName);
