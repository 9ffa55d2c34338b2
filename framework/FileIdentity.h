// Where a file or folder lives on its volume, the wide forms of a path (the
// one that reaches past MAX_PATH and the one with long names), and a new
// file written whole.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <tuple>

// The volume's serial number and the file's index on it: the same for every
// path that reaches one file.
struct FileIdentity {
    DWORD volume = 0, indexHigh = 0, indexLow = 0;
    bool operator==(const FileIdentity& other) const
    {
        return volume == other.volume && indexHigh == other.indexHigh && indexLow == other.indexLow;
    }
    bool operator<(const FileIdentity& other) const
    {
        return std::tie(volume, indexHigh, indexLow) < std::tie(other.volume, other.indexHigh, other.indexLow);
    }
};

// `path` in the form the wide file functions take past MAX_PATH.
std::wstring LongPathForm(const std::wstring& path);

// The identity of the file or folder at `path`, opened for its attributes
// only and shared with every other handle; none when it cannot be opened.
std::optional<FileIdentity> IdentityOf(const std::wstring& path);

// The long form of the path `path` (every short name replaced by its long
// name); `path` itself when it cannot be found.
std::wstring LongNameOf(const std::wstring& path);

// Writes `bytes` as the new file `path` (replacing any file there), flushed
// and closed; false when any of it failed.
bool WriteNewFile(const std::wstring& path, const std::string& bytes);
