// Device contexts and regions: CDC wraps a DC it does not own; CPaintDC and
// CWindowDC own theirs; CRgn owns its region.
#pragma once

#include <windows.h>

#include "framework/Wnd.h"

class CDC {
public:
    CDC() = default;
    explicit CDC(HDC dc) : m_hDC(dc) {}
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    void Attach(HDC dc) { m_hDC = dc; }
    HDC Detach() { HDC dc = m_hDC; m_hDC = nullptr; return dc; }
    HDC GetSafeHdc() const { return m_hDC; }

    // Fills `rect` with `color` (sets the background colour and paints opaquely).
    void FillSolidRect(const RECT& rect, COLORREF color) const;
    COLORREF SetTextColor(COLORREF color) const { return ::SetTextColor(m_hDC, color); }
    int SetBkMode(int mode) const { return ::SetBkMode(m_hDC, mode); }
    int SelectClipRgn(HRGN region) const { return ::SelectClipRgn(m_hDC, region); }
    BOOL TextOut(int x, int y, const CString& text) const { return ::TextOutA(m_hDC, x, y, text, text.GetLength()); }
    SIZE GetTextExtent(const CString& text) const;
    BOOL DrawIcon(int x, int y, HICON icon) const { return ::DrawIcon(m_hDC, x, y, icon); }

    HDC m_hDC = nullptr;
};

// BeginPaint/EndPaint for one WM_PAINT.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(const CWnd& window) : m_hWnd(window.m_hWnd) { m_hDC = ::BeginPaint(m_hWnd, &m_ps); }
    ~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }
    PAINTSTRUCT m_ps{};

private:
    HWND m_hWnd;
};

// GetDC/ReleaseDC of a window's client area.
class CWindowDC : public CDC {
public:
    explicit CWindowDC(const CWnd& window) : m_hWnd(window.m_hWnd) { m_hDC = ::GetDC(m_hWnd); }
    ~CWindowDC() { ::ReleaseDC(m_hWnd, m_hDC); }

private:
    HWND m_hWnd;
};

class CRgn {
public:
    CRgn() = default;
    ~CRgn() { DeleteObject(); }
    CRgn(const CRgn&) = delete;
    CRgn& operator=(const CRgn&) = delete;

    BOOL CreateRectRgn(int left, int top, int right, int bottom);
    BOOL SetRectRgn(int left, int top, int right, int bottom) const { return ::SetRectRgn(m_hRgn, left, top, right, bottom); }
    BOOL DeleteObject();
    operator HRGN() const { return m_hRgn; }

    HRGN m_hRgn = nullptr;
};
