// CRowIcons: the result list's row icons. One slot per row, indexed by the
// row's item data (its insertion number), holding the row's icon or null;
// apart from the slots, the handles the store owns, each destroyed once.
#pragma once

#include <windows.h>

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
    // Appends a slot holding `icon` (null for none); the store owns it from now on.
    void Add(HICON icon);
    // Destroys every handle the store owns and empties it, storage included.
    void Clear();

private:
    std::vector<HICON> m_slots;
    std::vector<CScopedIcon> m_owned;
};
