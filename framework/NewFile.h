// A new file written whole, and the temporary file beside a file that a
// new one is to replace.
#pragma once

#include <string>

// Writes `bytes` as the new file `path` (replacing any file there), flushed
// and closed; false when any of it failed.
bool WriteNewFile(const std::wstring& path, const std::string& bytes);

// Creates an empty temporary file in the folder of the file `path` and gives
// its path; empty, with the system's error set, when it cannot, or when the
// folder is too long for the platform's temporary names (MAX_PATH - 14).
std::wstring NewTemporaryFileBeside(const std::wstring& path);
