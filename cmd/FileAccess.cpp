// Checking shortcut files and writing the backup file safely.
#include "cmd/FileAccess.h"

#include <windows.h>

#include "framework/NewFile.h"
#include "framework/ScopedHandles.h"
#include "rules/PathText.h"

namespace {
// The folder part of a full path: without its last backslash, except at a
// drive's root ("C:\\"; "C:" alone names the drive's current folder).
CString FolderOf(const CString& path)
{
    const int name = GetPathFileName(path.GetString()).GetLength();
    if (name == path.GetLength())
        return CString();
    const std::size_t slash = static_cast<std::size_t>(path.GetLength() - name - 1);
    const bool driveRoot = slash == 2 && path.str()[1] == ':';
    return CString(path.str().substr(0, driveRoot ? slash + 1 : slash));
}
}

CString FullPathOf(const char* path)
{
    char full[MAX_PATH] = {};
    const DWORD length = ::GetFullPathNameA(path, MAX_PATH, full, nullptr);
    return length == 0 || length >= MAX_PATH ? CString() : CString(full);
}

int WriteFileWhole(const CString& path, const CString& bytes, bool replace, const ReadBackCheck& check,
                   CommandOutput& output)
{
    const CString full = FullPathOf(path.GetString());
    const DWORD folder = full.IsEmpty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesA(FolderOf(full).GetString());
    if (folder == INVALID_FILE_ATTRIBUTES || !(folder & FILE_ATTRIBUTE_DIRECTORY)) {
        output.Err({"The folder of " + path + " does not exist; nothing written.\r\n"});
        return kExitRefused;
    }
    if (::GetFileAttributesA(full.GetString()) != INVALID_FILE_ATTRIBUTES && !replace) {
        output.Err({NamePiece(full), " exists; add /force to replace it. Nothing written.\r\n"});
        return kExitRefused;
    }
    const std::wstring temporary = NewTemporaryFileBeside(WideFromAnsi(full.GetString()));
    if (temporary.empty()) {
        output.Err({"Could not create a temporary file beside ", NamePiece(full), "; nothing written.\r\n"});
        return kExitPartly;
    }
    const CString ansiTemporary = AnsiFromWide(temporary.c_str());
    std::string readBack;
    const bool written = WriteNewFile(temporary, bytes.str()) && ReadFileWhole(ansiTemporary, readBack);
    const CString problem = written ? check(readBack) : CString("it could not be written");
    if (!problem.IsEmpty() ||
        !::MoveFileExA(ansiTemporary.GetString(), full.GetString(), replace ? MOVEFILE_REPLACE_EXISTING : 0)) {
        ::DeleteFileA(ansiTemporary.GetString());
        output.Err({"Could not write ", NamePiece(full), problem.IsEmpty() ? CString() : ": " + problem,
                    "; nothing written.\r\n"});
        return kExitPartly;
    }
    return kExitDone;
}

bool ReadFileWhole(const CString& path, std::string& bytes)
{
    const CScopedFile file(::CreateFileA(path.GetString(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file.IsOpen())
        return false;
    bytes.clear();
    char buffer[65536];
    DWORD read = 0;
    bool ok = true;
    while ((ok = ::ReadFile(file.Get(), buffer, sizeof(buffer), &read, nullptr) != FALSE) && read > 0)
        bytes.append(buffer, read);
    return ok;
}
