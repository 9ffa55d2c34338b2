// Real shortcut files for tests, made through the shell's link object.
#pragma once

#include <windows.h>

#include <string>

struct ShortcutSpec {
    std::string target;          // the target's path
    WORD hotKey = 0;             // 0: no hotkey
    std::string arguments;
    std::string workingDir;
    std::string description;
    std::string iconFile;        // empty: none stored
    int iconIndex = 0;
};

// Writes `path` as a shortcut; true on success.
bool MakeShortcut(const std::string& path, const ShortcutSpec& spec);
// Writes `bytes` as the whole content of `path`; true on success.
bool WriteFileBytes(const std::string& path, const std::string& bytes);
// The whole content of `path`, or the empty string.
std::string ReadFileBytes(const std::string& path);
// The hotkey stored at offset 0x40 of a shortcut file (-1 if too short).
int StoredHotKey(const std::string& path);
// The same for a path the wide file functions take ("\\?\" allowed).
int StoredHotKey(const std::wstring& path);
