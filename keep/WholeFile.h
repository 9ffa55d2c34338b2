// Files written whole, through a temporary file beside them that is read
// back and checked before it takes the old file's place, and files read
// whole.
#pragma once

#include <functional>
#include <string>

#include "framework/AfxString.h"

// The full path of `path` (relative to the current folder); empty when it
// cannot be made or does not fit.
CString FullPathOf(const char* path);

// The folder part of a full path: without its last backslash, except at a
// drive's root ("C:\\"); empty for a path without a folder.
CString FolderOf(const CString& path);

// What is wrong with a file's bytes as read back after writing; empty when
// nothing is.
using ReadBackCheck = std::function<CString(const std::string& bytes)>;

enum class WholeWrite {
    kWritten,      // the file holds the bytes
    kNoFolder,     // the folder does not exist: nothing written
    kExists,       // the file exists and was not to be replaced: nothing written
    kNoTemporary,  // no temporary file could be made beside it: nothing written
    kNotWritten,   // the write, the read-back check or the rename failed: no file left behind
};

struct WholeWriteResult {
    WholeWrite outcome = WholeWrite::kNotWritten;
    CString full;     // the file's full path
    CString problem;  // with kNotWritten: what the check found, or why it could not be written; may be empty
};

// Writes `bytes` as the file `path`: into a new temporary file in the same
// folder, read back and passed by `check`, then renamed over `path`,
// replacing an existing file only with `replace`. Any old file stays as it
// was unless the whole write succeeded.
WholeWriteResult WriteWholeFile(const CString& path, const CString& bytes, bool replace, const ReadBackCheck& check);

// The whole content of the file `path`; false when it cannot be read.
bool ReadFileWhole(const CString& path, std::string& bytes);
