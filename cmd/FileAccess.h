// The files the command program reads and writes: shortcut files checked
// before their hotkey is written, and the backup file, written whole.
#pragma once

#include <functional>
#include <string>

#include "cmd/CommandLine.h"

// The full path of `path` (relative to the current folder); empty when it
// cannot be made or does not fit.
CString FullPathOf(const char* path);

// What is wrong with a file's bytes as read back after writing; empty when
// nothing is.
using ReadBackCheck = std::function<CString(const std::string& bytes)>;

// Writes `bytes` as the file `path`: into a new temporary file in the same
// folder, read back and passed by `check`, then renamed over `path`,
// replacing an existing file only with `replace`. A missing folder or an
// existing file without `replace` is refused (kExitRefused); a failed write
// or check leaves no file behind and any old one as it was (kExitPartly).
// Messages go to `output`.
int WriteFileWhole(const CString& path, const CString& bytes, bool replace, const ReadBackCheck& check,
                   CommandOutput& output);

// The whole content of the file `path`; false when it cannot be read.
bool ReadFileWhole(const CString& path, std::string& bytes);
