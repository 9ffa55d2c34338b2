// CMenu: a non-owning holder of a menu handle. A menu set as a window's menu
// bar is destroyed with the window.
#pragma once

#include <windows.h>

class CMenu {
public:
    CMenu() = default;
    explicit CMenu(HMENU menu) : m_hMenu(menu) {}

    BOOL Attach(HMENU menu) { m_hMenu = menu; return menu != nullptr; }
    HMENU GetSafeHmenu() const { return m_hMenu; }

    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const char* text = nullptr) const { return ::AppendMenuA(m_hMenu, flags, id, text); }
    DWORD CheckMenuItem(UINT id, UINT check) const { return ::CheckMenuItem(m_hMenu, id, check); }
    BOOL EnableMenuItem(UINT id, UINT enable) const { return ::EnableMenuItem(m_hMenu, id, enable); }

private:
    HMENU m_hMenu = nullptr;
};
