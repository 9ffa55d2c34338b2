// CFindFile: one wide file search (FindFirstFileExW/FindNextFileW), its
// handle closed exactly once.
#pragma once

#include <windows.h>

#include "framework/ScopedHandles.h"

class CFindFile {
public:
    // Starts the search at information `level` with `flags`; when it found
    // an entry, Entry() holds the first.
    CFindFile(const WCHAR* pattern, FINDEX_INFO_LEVELS level, DWORD flags)
        : m_search(::FindFirstFileExW(pattern, level, &m_entry, FindExSearchNameMatch, nullptr, flags))
    {
    }

    bool Found() const { return m_search.IsOpen(); }
    BOOL FindNextFile() { return ::FindNextFileW(m_search.Get(), &m_entry); }
    const WIN32_FIND_DATAW& Entry() const { return m_entry; }

private:
    WIN32_FIND_DATAW m_entry{};
    CScopedFind m_search;
};
