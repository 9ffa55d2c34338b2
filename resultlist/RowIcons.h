// CRowIcons: the result list's row icons. One slot per row, indexed by the
// row's item data (its insertion number): the row's icon once found (null
// for none), or what it is found from until then. Icons are found when a
// row is first drawn, with the resolver and answers of the survey that
// listed the row; apart from the slots, the store owns the handles: rows
// that show the same icon share one handle, destroyed once.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "framework/ScopedHandles.h"
#include "shellicon/SurveyIconResolver.h"

class CRowIcons {
public:
    CRowIcons() = default;
    CRowIcons(const CRowIcons&) = delete;
    CRowIcons& operator=(const CRowIcons&) = delete;

    int GetSize() const { return static_cast<int>(m_slots.size()); }
    // The icon of slot `slot` as found so far; null for a row without one,
    // one not found yet and outside the slots.
    HICON operator[](int slot) const;
    // True when slot `slot` still waits for its icon to be found.
    bool IsPending(int slot) const;
    // Appends a slot whose icon is found from `icon` (none: no icon).
    void Add(std::optional<CIconRequest> icon);
    // Finds the icons of those of `slots` still pending, in one COM bracket,
    // with `owner` as the shell's owner window. When COM cannot be had the
    // slots stay pending for the next call.
    void Find(const std::vector<int>& slots, HWND owner);
    // The distinct handles owned.
    int OwnedCount() const { return static_cast<int>(m_owned.size()); }
    // Destroys every handle the store owns and empties it, storage and the
    // survey's resolver included.
    void Clear();

private:
    friend struct CSurveyDlgProbe;

    struct Slot {
        HICON icon = nullptr;
        std::unique_ptr<CIconRequest> request;  // null once the icon is found
    };
    // Puts `icon` (null: none) in slot `slot` and owns the handle.
    void Keep(int slot, HICON icon);

    std::vector<Slot> m_slots;
    std::map<HICON, CScopedIcon> m_owned;
    std::unique_ptr<CSurveyIconResolver> m_resolver;  // made at the first Find after Clear
};
