// CShellItemId: an item id list of the shell's allocator, freed with it
// exactly once.
#pragma once

#include <windows.h>
#include <shlobj.h>

class CShellItemId {
public:
    explicit CShellItemId(IMalloc* allocator) : m_allocator(allocator) {}
    ~CShellItemId() { Free(); }
    CShellItemId(const CShellItemId&) = delete;
    CShellItemId& operator=(const CShellItemId&) = delete;

    LPITEMIDLIST Get() const { return m_id; }
    // The address to receive a new id; frees any held one first.
    LPITEMIDLIST* Receive() { Free(); return &m_id; }
    // Takes over `other`'s id (both share one allocator); frees any held one first.
    void TakeFrom(CShellItemId& other)
    {
        Free();
        m_id = other.m_id;
        other.m_id = nullptr;
    }
    void Free()
    {
        if (m_id != nullptr)
            m_allocator->Free(m_id);
        m_id = nullptr;
    }

private:
    IMalloc* m_allocator;
    LPITEMIDLIST m_id = nullptr;
};
