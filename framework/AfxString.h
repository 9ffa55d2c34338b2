// CString and CStringArray: the framework's text and array types.
// Pure C++ (no windows.h), so the rules built on them also compile natively.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

// ANSI text in the system code page; lengths are byte lengths.
class CString {
public:
    CString() = default;
    CString(const char* text) : m_str(text ? text : "") {}
    CString(const char* text, int length) : m_str(text, static_cast<std::size_t>(length)) {}
    CString(const std::string& text) : m_str(text) {}
    // The text a call wrote into `buffer` of `size` bytes, up to its
    // terminator or the buffer's end, whichever comes first.
    static CString OfBuffer(const char* buffer, std::size_t size)
    {
        return CString(buffer, static_cast<int>(strnlen(buffer, size)));
    }

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    // The text as a terminated C string, valid while the string lives unchanged.
    const char* GetString() const { return m_str.c_str(); }
    const std::string& str() const { return m_str; }

    CString& operator+=(const CString& text) { m_str += text.m_str; return *this; }
    CString& operator+=(const char* text) { m_str += text ? text : ""; return *this; }
    CString& operator+=(char ch) { m_str += ch; return *this; }

    friend CString operator+(CString left, const CString& right) { return left += right; }
    friend CString operator+(CString left, const char* right) { return left += right; }
    // Comparisons are of the texts, byte for byte.
    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString& a, const char* b) { return a.m_str == (b ? b : ""); }
    friend bool operator==(const char* a, const CString& b) { return b == a; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }
    friend bool operator!=(const char* a, const CString& b) { return !(b == a); }

    // Loads string resource `id` of the program's module (Windows only).
    bool LoadFromResource(unsigned id);
    // String resource `id`, empty when there is none (Windows only).
    static CString FromResource(unsigned id);
    // The UTF-8 text of a source literal in the system code page (Windows only).
    static CString FromUtf8(const char* utf8);

private:
    std::string m_str;
};

// Conversions between text of the system code page and wide text (Windows
// only): the one set every caller uses.
// `ansi` as wide text.
std::wstring WideFromAnsi(const char* ansi);
// `wide` as text of the system code page.
CString AnsiFromWide(const wchar_t* wide);
// The same between wide text and code page `codePage` (CP_ACP, CP_UTF8, ...).
std::wstring WideFromCodePage(unsigned codePage, const char* text);
CString CodePageFromWide(unsigned codePage, const wchar_t* wide);
// String resource `id` of the program's module as wide text, with `inserts`
// put in for its %1, %2, ... (FormatMessage's inserts); empty when missing.
std::wstring LoadWideString(unsigned id, const std::vector<std::wstring>& inserts = {});
// The shell's wide form of a path, in a MAX_PATH (260) buffer; false when
// the path or its wide form does not fit.
bool ToWidePath(const char* path, wchar_t (&wide)[260]);

// Growable array of strings.
class CStringArray {
public:
    int GetSize() const { return static_cast<int>(m_items.size()); }
    int Add(const CString& item) { m_items.push_back(item); return GetSize() - 1; }
    const CString& operator[](int index) const { return m_items[static_cast<std::size_t>(index)]; }
    CString& operator[](int index) { return m_items[static_cast<std::size_t>(index)]; }

private:
    std::vector<CString> m_items;
};
