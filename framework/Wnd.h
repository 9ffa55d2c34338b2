// CWnd: a non-owning holder of a window handle with one-line wrappers that
// return the API's own result.
#pragma once

#include <windows.h>

#include "framework/AfxString.h"

class CWnd {
public:
    CWnd() = default;
    explicit CWnd(HWND hwnd) : m_hWnd(hwnd) {}
    virtual ~CWnd() = default;

    operator HWND() const { return m_hWnd; }
    void Attach(HWND hwnd) { m_hWnd = hwnd; }

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const { return ::SendMessageA(m_hWnd, message, wParam, lParam); }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const { return ::PostMessageA(m_hWnd, message, wParam, lParam); }

    CWnd GetDlgItem(int id) const { return CWnd(::GetDlgItem(m_hWnd, id)); }
    CWnd GetWindow(UINT relation) const { return CWnd(::GetWindow(m_hWnd, relation)); }
    int SetDlgCtrlID(int id) const { return static_cast<int>(::SetWindowLongPtrA(m_hWnd, GWLP_ID, id)); }

    BOOL GetClientRect(RECT* rect) const { return ::GetClientRect(m_hWnd, rect); }
    BOOL GetWindowRect(RECT* rect) const { return ::GetWindowRect(m_hWnd, rect); }
    // Converts a rectangle from screen to this window's client coordinates.
    void ScreenToClient(RECT* rect) const { ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(rect), 2); }
    BOOL MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE) const { return ::MoveWindow(m_hWnd, x, y, width, height, repaint); }
    BOOL InvalidateRect(const RECT* rect, BOOL erase = TRUE) const { return ::InvalidateRect(m_hWnd, rect, erase); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    BOOL SetMenu(HMENU menu) const { return ::SetMenu(m_hWnd, menu); }
    HMENU GetSystemMenu(BOOL revert) const { return ::GetSystemMenu(m_hWnd, revert); }

    CString GetWindowText() const;
    BOOL SetWindowText(const char* text) const { return ::SetWindowTextA(m_hWnd, text); }
    // Wide text, for names the ANSI code page cannot carry.
    BOOL SetWindowText(const std::wstring& text) const { return ::SetWindowTextW(m_hWnd, text.c_str()); }

    HWND m_hWnd = nullptr;
};
