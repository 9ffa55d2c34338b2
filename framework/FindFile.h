// CFindFile: one wide file search (FindFirstFileW/FindNextFileW), its handle
// closed exactly once.
#pragma once

#include <windows.h>

#include "framework/ScopedHandles.h"

class CFindFile {
public:
    // Starts the search; when it found an entry, Entry() holds the first.
    explicit CFindFile(const WCHAR* pattern) : m_search(::FindFirstFileW(pattern, &m_entry)) {}

    bool Found() const { return m_search.IsOpen(); }
    BOOL FindNextFile() { return ::FindNextFileW(m_search.Get(), &m_entry); }
    const WIN32_FIND_DATAW& Entry() const { return m_entry; }

private:
    WIN32_FIND_DATAW m_entry{};
    CScopedFind m_search;
};
