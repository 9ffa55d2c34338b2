// Where a file or folder lives on its volume: the same for every path that
// reaches it.
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

// The identity of the file or folder at `path`, opened for its attributes
// only and shared with every other handle; none when it cannot be opened.
std::optional<FileIdentity> IdentityOf(const std::wstring& path);
