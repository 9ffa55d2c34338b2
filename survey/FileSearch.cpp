#include "survey/FileSearch.h"

#include <windows.h>

#include <cwchar>
#include <string>

#include "framework/FindFile.h"

namespace {
bool IsDirectory(const WIN32_FIND_DATAW& entry)
{
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsDotEntry(const WCHAR* name)
{
    return std::wcscmp(name, L".") == 0 || std::wcscmp(name, L"..") == 0;
}

// Writes `name` in the system code page into `ansi` (`size` bytes, `size` > 1):
// true when it fits and every character is carried exactly, with neither
// the default character nor a best-fit look-alike.
bool ExactAnsiName(const WCHAR* name, char* ansi, int size)
{
    BOOL usedDefault = FALSE;
    return ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name, -1, ansi, size, nullptr, &usedDefault) > 1 &&
           !usedDefault;
}

// A folder as the walk names it, and the same folder reached with each
// subfolder walked by its short name where it has one; both end in a
// backslash.
struct FolderPrefixes {
    CString named;
    CString shortForm;
};

// `prefix` and `name` when the code page carries the name exactly and the
// path stays under MAX_PATH; otherwise empty.
CString PathUnder(const CString& prefix, const WCHAR* name)
{
    const int room = MAX_PATH - prefix.GetLength();
    char ansi[MAX_PATH];
    if (room > 1 && ExactAnsiName(name, ansi, room))
        return prefix + ansi;
    return CString();
}

// The path of `entry` in `folder` that names that very entry through the
// ANSI functions: by its long name where the code page carries it exactly
// and the path fits, else by its short name; where neither fits, the same
// under the folder's short form; empty when nothing fits.
CString EntryPath(const FolderPrefixes& folder, const WIN32_FIND_DATAW& entry)
{
    for (const CString* prefix : {&folder.named, &folder.shortForm}) {
        for (const WCHAR* name : {entry.cFileName, entry.cAlternateFileName}) {
            CString path = PathUnder(*prefix, name);
            if (!path.IsEmpty())
                return path;
        }
    }
    return CString();
}

// The prefixes of the subfolder `entry` of `folder`, walked as `path`.
FolderPrefixes SubfolderPrefixes(const FolderPrefixes& folder, const CString& path, const WIN32_FIND_DATAW& entry)
{
    const WCHAR* shortName = entry.cAlternateFileName[0] != L'\0' ? entry.cAlternateFileName : entry.cFileName;
    const CString shortForm = PathUnder(folder.shortForm, shortName);
    return {path + "\\", (shortForm.IsEmpty() ? path : shortForm) + "\\"};
}

// Calls `visit` for each entry matching `pattern`, in the platform's order.
template <class Visit>
void ForEachEntry(const CString& pattern, Visit visit)
{
    CFindFile search(WideFromAnsi(pattern.GetString()).c_str());
    if (!search.Found())
        return;
    do {
        visit(search.Entry());
    } while (search.FindNextFile());
}

// The depth-first walk of one folder and its whole tree.
void CollectTree(const FolderPrefixes& folder, const char* extension, CStringArray& list)
{
    ForEachEntry(folder.named + "*." + extension, [&](const WIN32_FIND_DATAW& entry) {
        if (IsDirectory(entry))
            return;
        const CString path = EntryPath(folder, entry);
        if (!path.IsEmpty())
            list.Add(path);
    });
    ForEachEntry(folder.named + "*.*", [&](const WIN32_FIND_DATAW& entry) {
        if (!IsDirectory(entry) || IsDotEntry(entry.cFileName))
            return;
        const CString path = EntryPath(folder, entry);
        if (!path.IsEmpty())
            CollectTree(SubfolderPrefixes(folder, path, entry), extension, list);
    });
}
}

void CollectFiles(const char* folder, const char* extension, CStringArray& list)
{
    const CString prefix = CString(folder) + "\\";
    CollectTree({prefix, prefix}, extension, list);
}
