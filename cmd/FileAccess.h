// The files the command program reads and writes: shortcut files checked
// before their hotkey is written, and the backup file, written whole.
#pragma once

#include <string>

#include "cmd/CommandLine.h"
#include "shell/LinkHotKey.h"

// The full path of `path` (relative to the current folder); empty when it
// cannot be made or does not fit.
CString FullPathOf(const char* path);

// 1 when `path` names a .LNK or .PIF file that passes the structural check
// and opens and resolves through the shell link object; `*hotKey`, when
// given, then holds its hotkey value.
int OpensAsShortcut(const char* path, WORD* hotKey = nullptr);

// Why the hotkey of a shortcut could not be written, as one clause.
CString WriteFailureReason(const LinkWriteFailure& failure);

// Writes `bytes` as the file `path`: into a new temporary file in the same
// folder, then renamed over `path`, replacing an existing file only with
// `replace`. A missing folder or an existing file without `replace` is
// refused (kExitRefused); a failed write leaves no file behind
// (kExitPartly). Messages go to `output`.
int WriteFileWhole(const CString& path, const CString& bytes, bool replace, CommandOutput& output);

// The whole content of the file `path`; false when it cannot be read.
bool ReadFileWhole(const CString& path, std::string& bytes);
