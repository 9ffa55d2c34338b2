// Device contexts and regions: CDC wraps a DC it does not own; CPaintDC and
// CWindowDC own theirs; CRgn owns its region; CScopedTextState sets a DC's
// text colours for one drawing and gives them back.
#pragma once

#include <windows.h>

#include <string>

#include "framework/ScopedHandles.h"
#include "framework/Wnd.h"

class CDC {
public:
    CDC() = default;
    explicit CDC(HDC dc) : m_hDC(dc) {}
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }

    // Fills `rect` with `color` (sets the background colour and paints opaquely).
    void FillSolidRect(const RECT& rect, COLORREF color) const;
    COLORREF SetTextColor(COLORREF color) const { return ::SetTextColor(m_hDC, color); }
    int SetBkMode(int mode) const { return ::SetBkMode(m_hDC, mode); }
    int SelectClipRgn(HRGN region) const { return ::SelectClipRgn(m_hDC, region); }
    BOOL TextOut(int x, int y, const CString& text) const { return ::TextOutA(m_hDC, x, y, text.GetString(), text.GetLength()); }
    SIZE GetTextExtent(const CString& text) const;
    // The same for wide text, for names the ANSI code page cannot carry.
    BOOL TextOut(int x, int y, const std::wstring& text) const { return ::TextOutW(m_hDC, x, y, text.c_str(), static_cast<int>(text.size())); }
    SIZE GetTextExtent(const std::wstring& text) const;
    BOOL DrawIcon(int x, int y, HICON icon) const { return ::DrawIcon(m_hDC, x, y, icon); }

protected:
    void Attach(HDC dc) { m_hDC = dc; }

private:
    HDC m_hDC = nullptr;
};

// BeginPaint/EndPaint for one WM_PAINT.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(const CWnd& window) : m_hWnd(window.m_hWnd) { Attach(::BeginPaint(m_hWnd, &m_ps)); }
    ~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps{};
};

// GetDC/ReleaseDC of a window's client area.
class CWindowDC : public CDC {
public:
    explicit CWindowDC(const CWnd& window) : m_hWnd(window.m_hWnd) { Attach(::GetDC(m_hWnd)); }
    ~CWindowDC() { ::ReleaseDC(m_hWnd, GetSafeHdc()); }

private:
    HWND m_hWnd;
};

class CRgn {
public:
    BOOL CreateRectRgn(int left, int top, int right, int bottom)
    {
        m_region.Reset(::CreateRectRgn(left, top, right, bottom));
        return m_region.IsOpen();
    }
    BOOL SetRectRgn(int left, int top, int right, int bottom) const { return ::SetRectRgn(m_region.Get(), left, top, right, bottom); }
    operator HRGN() const { return m_region.Get(); }

private:
    CScopedRegion m_region;
};

// Sets `dc`'s text colour and background mode for one drawing. When it goes
// it gives both their previous values back and removes clipping altogether
// (a clip region the DC had before is not restored).
class CScopedTextState {
public:
    CScopedTextState(const CDC& dc, COLORREF text, int backgroundMode)
        : m_dc(dc), m_oldText(dc.SetTextColor(text)), m_oldMode(dc.SetBkMode(backgroundMode))
    {
    }
    ~CScopedTextState()
    {
        m_dc.SetTextColor(m_oldText);
        m_dc.SetBkMode(m_oldMode);
        m_dc.SelectClipRgn(nullptr);
    }
    CScopedTextState(const CScopedTextState&) = delete;
    CScopedTextState& operator=(const CScopedTextState&) = delete;

private:
    const CDC& m_dc;
    COLORREF m_oldText;
    int m_oldMode;
};
