#include "shellicon/ExistingPaths.h"

#include <cstring>
#include <string>

#include <windows.h>

std::optional<unsigned long> SearchFirstEntry(const std::string& path)
{
    WIN32_FIND_DATAA data;
    const HANDLE find = ::FindFirstFileA(path.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return std::nullopt;
    ::FindClose(find);
    return data.dwFileAttributes;
}

namespace {

// 1 if `search` finds an entry for `path` and that first entry's directory
// flag equals `directory`, else 0.
int FirstEntryIs(const std::string& path, bool directory, const FirstEntrySearch& search)
{
    const std::optional<unsigned long> attributes = search(path);
    return attributes && ((*attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) == directory ? 1 : 0;
}

} // namespace

int IsExistingFile(const char* path, const FirstEntrySearch& search)
{
    // Only an absolute path (with a drive) or a network path is looked up.
    if (!std::strchr(path, ':') && !std::strstr(path, "\\\\"))
        return 0;
    return FirstEntryIs(path, false, search);
}

int IsDirectoryOrDrive(const char* path, const FirstEntrySearch& search)
{
    const std::size_t length = std::strlen(path);
    if (length <= 3) {
        // "C", "C:" and "C:\" all become the root "C:\".
        char root[] = "*:\\";
        std::memcpy(root, path, length);
        const UINT type = ::GetDriveTypeA(root);
        return type != DRIVE_UNKNOWN && type != DRIVE_NO_ROOT_DIR ? 1 : 0;
    }
    // The last byte, not the last character: a trail byte 0x5C is cut as well.
    const std::string directory(path, path[length - 1] == '\\' ? length - 1 : length);
    return FirstEntryIs(directory, true, search);
}

int NamesNothing(const char* path)
{
    return IsExistingFile(path) == 0 && IsDirectoryOrDrive(path) == 0 ? 1 : 0;
}
