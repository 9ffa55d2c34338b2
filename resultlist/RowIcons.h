// CRowIcons: the result list's row icons. One slot per row, indexed by the
// row's item data (its insertion number), holding the row's icon or null;
// apart from the slots, the handles the store owns: rows that show the same
// icon share one handle, destroyed once.
#pragma once

#include <windows.h>

#include <map>
#include <vector>

#include "framework/ScopedHandles.h"

class CRowIcons {
public:
    CRowIcons() = default;
    CRowIcons(const CRowIcons&) = delete;
    CRowIcons& operator=(const CRowIcons&) = delete;

    int GetSize() const { return static_cast<int>(m_slots.size()); }
    // The icon of slot `slot`; null for a row without one and outside the slots.
    HICON operator[](int slot) const;
    // Appends a slot holding `icon` (null for none) and owns the handle.
    void Add(HICON icon);
    // Owns `icon` (null: nothing) without a slot; a handle owned already is
    // owned once.
    void Own(HICON icon);
    // The distinct handles owned.
    int OwnedCount() const { return static_cast<int>(m_owned.size()); }
    // Destroys every handle the store owns and empties it, storage included.
    void Clear();

private:
    std::vector<HICON> m_slots;
    std::map<HICON, CScopedIcon> m_owned;
};
