// The comma-separated and column-aligned texts of the result list.
#include "export/ExportText.h"

#include <string>

namespace {
const char kLineEnd[] = "\r\n";

// The greatest byte length of the rows' names (0 for no rows).
int LongestNameLength(const std::vector<ExportRow>& rows)
{
    int longest = 0;
    for (const ExportRow& row : rows)
        if (row.name.GetLength() > longest)
            longest = row.name.GetLength();
    return longest;
}
}

CString FormatCsvText(const std::vector<ExportRow>& rows)
{
    CString text;
    for (const ExportRow& row : rows)
        text += row.name + "," + row.hotKey + kLineEnd;
    return text;
}

CString FormatAlignedText(const std::vector<ExportRow>& rows)
{
    const int longest = LongestNameLength(rows);
    CString text;
    for (const ExportRow& row : rows) {
        const std::size_t spaces = static_cast<std::size_t>(longest - row.name.GetLength()) + 1;
        text += row.name + CString(std::string(spaces, ' ')) + row.hotKey + kLineEnd;
    }
    return text;
}
