// The text of an internet shortcut (a .URL file): an INI text whose
// [InternetShortcut] section holds URL= and optionally HotKey= (the 16-bit
// hotkey word in decimal), IconFile= and IconIndex=. Section and key names
// count in any ASCII case; lines end in CR LF or LF; names and values are
// ANSI text, a lead byte's trail byte never taken for a bracket or an equals
// sign. Pure: no windows.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The most of a file read as an internet shortcut; a longer file is none.
constexpr std::size_t kMaxInternetShortcutSize = 64 * 1024;

struct InternetShortcut {
    std::string url;
    std::uint16_t hotKey = 0;  // 0 for none, and for a value that is no decimal 16-bit number
    std::string iconFile;      // empty for none
    int iconIndex = 0;
};

// 1 when `text` is an internet shortcut: at most kMaxInternetShortcutSize
// bytes, no zero byte, and a first [InternetShortcut] section with a URL=
// line; its values are then in `shortcut`. 0 otherwise.
int ReadInternetShortcut(const std::string& text, InternetShortcut& shortcut);

// The internet shortcut `text` with the HotKey value of its first
// [InternetShortcut] section set to `value`: the existing value replaced by
// the digits, or without one a line "HotKey=N" added after the section's
// last line that is not blank, ending as the section's lines end. Every
// other byte stays as it was.
std::string WithInternetShortcutHotKey(const std::string& text, std::uint16_t value);
