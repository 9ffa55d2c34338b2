#include "framework/PathForms.h"

#include <windows.h>

#include <algorithm>

#include "framework/FindFile.h"

namespace {
bool IsSeparator(wchar_t ch) { return ch == L'\\' || ch == L'/'; }

// Where the name that begins at `start` ends (its separator or the end).
std::size_t NameEnd(const std::wstring& path, std::size_t start)
{
    while (start < path.size() && !IsSeparator(path[start]))
        ++start;
    return start;
}

// Past `names` names and their separators from `start`.
std::size_t PastNames(const std::wstring& path, std::size_t start, int names)
{
    for (; names > 0 && start < path.size(); --names)
        start = std::min(NameEnd(path, start) + 1, path.size());
    return start;
}

// The length of the root of `path`: "\\?\C:\", "\\?\UNC\server\share\",
// "\\server\share\", "C:\", "C:" or "\"; 0 for a relative path.
std::size_t RootLength(const std::wstring& path)
{
    if (path.compare(0, 4, L"\\\\?\\") == 0 || path.compare(0, 4, L"\\\\.\\") == 0)
        return path.compare(4, 4, L"UNC\\") == 0 ? PastNames(path, 8, 2) : PastNames(path, 4, 1);
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]))
        return PastNames(path, 2, 2);
    if (path.size() >= 2 && path[1] == L':')
        return path.size() > 2 && IsSeparator(path[2]) ? 3 : 2;
    return !path.empty() && IsSeparator(path[0]) ? 1 : 0;
}

// Moves the searched folder `folder` (its names each followed by a
// backslash after a root of `root` characters) up one level, as ".." does;
// a relative path's ".." beyond its first name is kept.
void LeaveFolder(std::wstring& folder, std::size_t root)
{
    const std::size_t last = folder.size() > root ? folder.rfind(L'\\', folder.size() - 2) : std::wstring::npos;
    const std::size_t parent = last == std::wstring::npos || last < root ? root : last + 1;
    if (folder.size() > root && folder.compare(parent, std::wstring::npos, L"..\\") != 0)
        folder.resize(parent);
    else if (root == 0)
        folder += L"..\\";
}

// The long name of the file or folder `name` in the folder `folder` (a
// path ending in a separator, or a relative path's empty start); empty when
// it cannot be found.
std::wstring LongNameIn(const std::wstring& folder, const std::wstring& name)
{
    const std::wstring path = folder + name;
    const bool rooted = RootLength(path) > 0;
    const CFindFile entry((rooted ? LongPathForm(path) : path).c_str(), FindExInfoStandard, 0);
    return entry.Found() ? std::wstring(entry.Entry().cFileName) : std::wstring();
}
}

std::wstring LongPathForm(const std::wstring& path)
{
    if (path.size() < MAX_PATH || path.compare(0, 4, L"\\\\?\\") == 0)
        return path;
    if (path.compare(0, 2, L"\\\\") == 0)
        return L"\\\\?\\UNC" + path.substr(1);
    return L"\\\\?\\" + path;
}

std::wstring LongNameOf(const std::wstring& path)
{
    const std::size_t root = RootLength(path);
    std::wstring longPath = path.substr(0, root), folder = longPath;
    std::replace(folder.begin(), folder.end(), L'/', L'\\');
    for (std::size_t start = root; start < path.size();) {
        const std::size_t end = NameEnd(path, start);
        const std::wstring name = path.substr(start, end - start);
        std::wstring found = name;
        if (name == L"..") {
            LeaveFolder(folder, root);
        } else if (!name.empty() && name != L".") {
            if (name.find_first_of(L"*?") != std::wstring::npos || (found = LongNameIn(folder, name)).empty())
                return path;
            folder += found + L"\\";
        }
        longPath += found;
        if (end < path.size())
            longPath += path[end];
        start = end + 1;
    }
    return longPath;
}

bool IsExistingFolder(const std::wstring& path)
{
    const DWORD attributes = ::GetFileAttributesW(LongPathForm(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
