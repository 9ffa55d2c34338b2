// What a path names in the file system (Windows only).
#pragma once

#include <functional>
#include <optional>
#include <string>

// The attributes of the first entry a search for `path` finds; none when
// the search finds nothing.
using FirstEntrySearch = std::function<std::optional<unsigned long>(const std::string& path)>;

// The platform's search, made afresh on every call.
std::optional<unsigned long> SearchFirstEntry(const std::string& path);

// 1 if the absolute or network path names an existing file (not a directory).
int IsExistingFile(const char* path, const FirstEntrySearch& search = SearchFirstEntry);
// 1 if the path names a drive root or an existing directory.
int IsDirectoryOrDrive(const char* path, const FirstEntrySearch& search = SearchFirstEntry);
// 1 if the path names neither an existing file nor a directory or drive.
int NamesNothing(const char* path);
