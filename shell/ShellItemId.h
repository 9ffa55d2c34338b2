// CShellItemId: an item id list the shell allocated, freed exactly once.
#pragma once

#include <windows.h>
#include <shlobj.h>

class CShellItemId {
public:
    CShellItemId() = default;
    ~CShellItemId() { Free(); }
    CShellItemId(const CShellItemId&) = delete;
    CShellItemId& operator=(const CShellItemId&) = delete;

    LPITEMIDLIST Get() const { return m_id; }
    // The address to receive a new id; frees any held one first.
    LPITEMIDLIST* Receive() { Free(); return &m_id; }
    // Takes over `other`'s id; frees any held one first.
    void TakeFrom(CShellItemId& other)
    {
        Free();
        m_id = other.m_id;
        other.m_id = nullptr;
    }
    void Free()
    {
        ::ILFree(m_id);
        m_id = nullptr;
    }

private:
    LPITEMIDLIST m_id = nullptr;
};
