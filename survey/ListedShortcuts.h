// The one rule for whether two listed paths name the same shortcut, which
// restore, set, check and the duplicates go by.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "framework/AfxString.h"
#include "framework/FileIdentity.h"

// `path` as the rule for one shortcut compares it: made full, with "." and
// ".." resolved, every short name replaced by its long name on a local
// drive, in upper case. Reads folder names only on a local drive and never
// opens the file itself; a UNC, device or "\\?\" path is only made full.
std::wstring ShortcutPathKey(const CString& path);

// The listed shortcuts numbered by file: rows that name one shortcut, by
// their path keys or by the volume and index of the file, share the number
// of the first of them.
class CListedShortcuts {
public:
    // Numbers `rows` (any rows with a `path`) in their order, opening each
    // row's file for its attributes.
    template <class Rows>
    explicit CListedShortcuts(const Rows& rows)
    {
        for (const auto& row : rows)
            Add(row.path);
    }

    // The number of row `row`: the index of the first row naming its file.
    int NumberOf(std::size_t row) const { return m_numbers[row]; }
    // True when row `row` is the first to name its file.
    bool IsFirst(std::size_t row) const { return NumberOf(row) == static_cast<int>(row); }
    // The number of the listed shortcut whose path key is `path`'s; -1 for
    // none. No file is opened.
    int ByPath(const CString& path) const;
    // The same, or by the file's volume and index (the file opened for its
    // attributes); -1 for none.
    int ByFile(const CString& path) const;

private:
    // Numbers the next row, whose path is `path`.
    void Add(const CString& path);

    std::map<std::wstring, int> m_byPath;
    std::map<FileIdentity, int> m_byFile;
    std::vector<int> m_numbers;
};
