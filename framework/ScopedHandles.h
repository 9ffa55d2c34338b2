// Owners of one Windows resource each, released exactly once when the owner
// goes: an open file, an icon, the open clipboard.
#pragma once

#include <windows.h>

// A handle from CreateFile; INVALID_HANDLE_VALUE holds nothing.
class CScopedFile {
public:
    explicit CScopedFile(HANDLE file) : m_file(file) {}
    ~CScopedFile()
    {
        if (IsOpen())
            ::CloseHandle(m_file);
    }
    CScopedFile(const CScopedFile&) = delete;
    CScopedFile& operator=(const CScopedFile&) = delete;

    bool IsOpen() const { return m_file != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return m_file; }

private:
    HANDLE m_file;
};

// An icon handle, destroyed with DestroyIcon; null holds nothing.
class CScopedIcon {
public:
    explicit CScopedIcon(HICON icon) : m_icon(icon) {}
    ~CScopedIcon()
    {
        if (m_icon != nullptr)
            ::DestroyIcon(m_icon);
    }
    CScopedIcon(const CScopedIcon&) = delete;
    CScopedIcon& operator=(const CScopedIcon&) = delete;

private:
    HICON m_icon;
};

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
