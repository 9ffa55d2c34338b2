// Real shortcut files for tests, made through the shell's link object.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <cstddef>
#include <string>

struct ShortcutSpec {
    std::string target;          // the target's path
    WORD hotKey = 0;             // 0: no hotkey
    std::string arguments;
    std::string workingDir;
    std::string description;
    std::string iconFile;        // empty: none stored (see storeIconLocation)
    int iconIndex = 0;
    int targetFolder = -1;       // a CSIDL whose ID list is the target instead of `target`, or -1
    const ITEMIDLIST* targetItems = nullptr;  // an ID list as the target instead of `target` (not owned)
    bool storePath = true;       // false: no target at all (with targetFolder -1)
    bool storeIconLocation = false;  // true: the icon location is stored even when iconFile is empty
    int showCommand = 0;         // 0: the link object's default
};

// Writes `path` as a shortcut through the shell's link object (in a COM
// bracket of its own); true on success. The one writer of the test programs,
// tools and benchmark.
bool MakeShortcut(const std::string& path, const ShortcutSpec& spec);
// Writes `bytes` as the whole content of `path`; true on success.
bool WriteFileBytes(const std::string& path, const std::string& bytes);
// The whole content of `path`, or the empty string.
std::string ReadFileBytes(const std::string& path);
// The hotkey stored in a shortcut file's header (-1 if the file is too short).
int StoredHotKey(const std::string& path);
// The same for a path the wide file functions take ("\\?\" allowed).
int StoredHotKey(const std::wstring& path);
