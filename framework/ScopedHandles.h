// Owners of one Windows resource each, released exactly once when the owner
// goes: a handle of any kind (CScopedHandle and its aliases), the open
// clipboard.
#pragma once

#include <windows.h>

#include <cstdint>
#include <utility>

// The one owner of a handle: `Close` releases it when the owner goes or takes
// another; the value `Empty` (0, or -1 for INVALID_HANDLE_VALUE) holds nothing.
// Movable, not copyable.
template <class Handle, auto Close, std::intptr_t Empty = 0>
class CScopedHandle {
public:
    CScopedHandle() = default;
    explicit CScopedHandle(Handle handle) : m_handle(handle) {}
    ~CScopedHandle() { Reset(); }
    CScopedHandle(CScopedHandle&& other) noexcept : m_handle(other.Release()) {}
    CScopedHandle& operator=(CScopedHandle&& other) noexcept { Reset(other.Release()); return *this; }
    CScopedHandle(const CScopedHandle&) = delete;
    CScopedHandle& operator=(const CScopedHandle&) = delete;

    bool IsOpen() const { return m_handle != EmptyHandle(); }
    Handle Get() const { return m_handle; }
    // Releases the handle held, if any, and holds `handle` instead.
    void Reset(Handle handle = EmptyHandle())
    {
        const Handle previous = std::exchange(m_handle, handle);
        if (previous != EmptyHandle())
            Close(previous);
    }

private:
    static Handle EmptyHandle() { return reinterpret_cast<Handle>(Empty); }
    Handle Release() { return std::exchange(m_handle, EmptyHandle()); }

    Handle m_handle = EmptyHandle();
};

// A handle from CreateFile; INVALID_HANDLE_VALUE holds nothing.
using CScopedFile = CScopedHandle<HANDLE, &::CloseHandle, -1>;
// An icon handle, destroyed with DestroyIcon.
using CScopedIcon = CScopedHandle<HICON, &::DestroyIcon>;
// A search handle from FindFirstFile; INVALID_HANDLE_VALUE holds nothing.
using CScopedFind = CScopedHandle<HANDLE, &::FindClose, -1>;
// A region, deleted with DeleteObject.
using CScopedRegion = CScopedHandle<HRGN, &::DeleteObject>;

// The clipboard opened by `owner` for one operation, closed when the holder
// goes (only if it was opened).
class CScopedClipboard {
public:
    explicit CScopedClipboard(HWND owner) : m_open(::OpenClipboard(owner) == TRUE) {}
    ~CScopedClipboard()
    {
        if (m_open)
            ::CloseClipboard();
    }
    CScopedClipboard(const CScopedClipboard&) = delete;
    CScopedClipboard& operator=(const CScopedClipboard&) = delete;

    bool IsOpen() const { return m_open; }

private:
    bool m_open;
};
