#include "survey/FileSearch.h"

#include <windows.h>

#include <cstring>

namespace {
bool IsDirectory(const WIN32_FIND_DATAA& entry)
{
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsDotEntry(const char* name)
{
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

// Calls `visit` for each entry matching `pattern`, in the platform's order.
template <class Visit>
void ForEachEntry(const CString& pattern, Visit visit)
{
    WIN32_FIND_DATAA entry;
    const HANDLE search = ::FindFirstFileA(pattern, &entry);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        visit(entry);
    } while (::FindNextFileA(search, &entry));
    ::FindClose(search);
}
}

void CollectFiles(const char* folder, const char* extension, CStringArray& list)
{
    const CString prefix = CString(folder) + "\\";
    ForEachEntry(prefix + "*." + extension, [&](const WIN32_FIND_DATAA& entry) {
        if (!IsDirectory(entry))
            list.Add(prefix + entry.cFileName);
    });
    ForEachEntry(prefix + "*.*", [&](const WIN32_FIND_DATAA& entry) {
        if (IsDirectory(entry) && !IsDotEntry(entry.cFileName))
            CollectFiles(prefix + entry.cFileName, extension, list);
    });
}
