// CFindFile: one wide file search (FindFirstFileW/FindNextFileW), its handle
// closed exactly once.
#pragma once

#include <windows.h>

class CFindFile {
public:
    // Starts the search; when it found an entry, Entry() holds the first.
    explicit CFindFile(const WCHAR* pattern) : m_hFind(::FindFirstFileW(pattern, &m_entry)) {}
    ~CFindFile()
    {
        if (m_hFind != INVALID_HANDLE_VALUE)
            ::FindClose(m_hFind);
    }
    CFindFile(const CFindFile&) = delete;
    CFindFile& operator=(const CFindFile&) = delete;

    bool Found() const { return m_hFind != INVALID_HANDLE_VALUE; }
    BOOL FindNextFile() { return ::FindNextFileW(m_hFind, &m_entry); }
    const WIN32_FIND_DATAW& Entry() const { return m_entry; }

private:
    WIN32_FIND_DATAW m_entry{};
    HANDLE m_hFind;
};
