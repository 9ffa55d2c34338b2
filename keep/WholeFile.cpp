// Writing a file whole through a checked temporary file, and reading one.
#include "keep/WholeFile.h"

#include <windows.h>

#include "framework/NewFile.h"
#include "framework/ScopedHandles.h"
#include "rules/PathText.h"

CString FullPathOf(const char* path)
{
    char full[MAX_PATH] = {};
    const DWORD length = ::GetFullPathNameA(path, MAX_PATH, full, nullptr);
    return length == 0 || length >= MAX_PATH ? CString() : CString(full);
}

CString FolderOf(const CString& path)
{
    const int name = GetPathFileName(path.GetString()).GetLength();
    if (name == path.GetLength())
        return CString();
    const std::size_t slash = static_cast<std::size_t>(path.GetLength() - name - 1);
    const bool driveRoot = slash == 2 && path.str()[1] == ':';
    return CString(path.str().substr(0, driveRoot ? slash + 1 : slash));
}

WholeWriteResult WriteWholeFile(const CString& path, const CString& bytes, bool replace, const ReadBackCheck& check)
{
    WholeWriteResult result;
    result.full = FullPathOf(path.GetString());
    const CString& full = result.full;
    const DWORD folder = full.IsEmpty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesA(FolderOf(full).GetString());
    if (folder == INVALID_FILE_ATTRIBUTES || !(folder & FILE_ATTRIBUTE_DIRECTORY)) {
        result.outcome = WholeWrite::kNoFolder;
        return result;
    }
    if (::GetFileAttributesA(full.GetString()) != INVALID_FILE_ATTRIBUTES && !replace) {
        result.outcome = WholeWrite::kExists;
        return result;
    }
    const std::wstring temporary = NewTemporaryFileBeside(WideFromAnsi(full.GetString()));
    if (temporary.empty()) {
        result.outcome = WholeWrite::kNoTemporary;
        return result;
    }
    const CString ansiTemporary = AnsiFromWide(temporary.c_str());
    std::string readBack;
    const bool written = WriteNewFile(temporary, bytes.str()) && ReadFileWhole(ansiTemporary, readBack);
    result.problem = written ? check(readBack) : CString("it could not be written");
    if (!result.problem.IsEmpty() ||
        !::MoveFileExA(ansiTemporary.GetString(), full.GetString(), replace ? MOVEFILE_REPLACE_EXISTING : 0)) {
        ::DeleteFileA(ansiTemporary.GetString());
        return result;
    }
    result.outcome = WholeWrite::kWritten;
    return result;
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
