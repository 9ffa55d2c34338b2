// The comma-separated and column-aligned texts of the result list.
#include "rules/ExportText.h"

#include <algorithm>
#include <string>

namespace {
const char kLineEnd[] = "\r\n";
}

int ByteColumns(const CString& text)
{
    return text.GetLength();
}

namespace {
// The columns the code point `code` takes: 2 in the wide East Asian blocks
// (Hangul Jamo, CJK, Hangul syllables, full-width forms), 0 for the
// combining diacritical marks, else 1.
int CodePointColumns(unsigned code)
{
    if (code >= 0x0300 && code <= 0x036F)
        return 0;
    const bool wide = (code >= 0x1100 && code <= 0x115F) || (code >= 0x2E80 && code <= 0xA4CF) ||
                      (code >= 0xAC00 && code <= 0xD7A3) || (code >= 0xF900 && code <= 0xFAFF) ||
                      (code >= 0xFE30 && code <= 0xFE4F) || (code >= 0xFF00 && code <= 0xFF60) ||
                      (code >= 0xFFE0 && code <= 0xFFE6) || (code >= 0x20000 && code <= 0x3FFFD);
    return wide ? 2 : 1;
}
}

int Utf8Columns(const CString& text)
{
    int columns = 0;
    const std::string& bytes = text.str();
    for (std::size_t i = 0; i < bytes.size();) {
        const unsigned char lead = static_cast<unsigned char>(bytes[i]);
        const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        unsigned code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length && i + k < bytes.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(bytes[i + k]) & 0x3F);
        columns += CodePointColumns(code);
        i += length;
    }
    return columns;
}

std::string CsvField(const std::string& field)
{
    if (field.find_first_of(",\"\r\n") == std::string::npos)
        return field;
    std::string quoted = "\"";
    for (char ch : field) {
        quoted += ch;
        if (ch == '"')
            quoted += '"';
    }
    return quoted + "\"";
}

CString FormatQuotedCsvText(const std::vector<ExportRow>& rows)
{
    std::string text;
    for (const ExportRow& row : rows)
        text += CsvField(row.name.str()) + "," + CsvField(row.hotKey.str()) + kLineEnd;
    return CString(text);
}

CString FormatCsvText(const std::vector<ExportRow>& rows)
{
    CString text;
    for (const ExportRow& row : rows)
        text += row.name + "," + row.hotKey + kLineEnd;
    return text;
}

std::vector<int> AlignmentSpaces(const std::vector<int>& widths)
{
    const int widest = widths.empty() ? 0 : *std::max_element(widths.begin(), widths.end());
    std::vector<int> spaces;
    for (int width : widths)
        spaces.push_back(widest - width + 1);
    return spaces;
}

CString FormatAlignedText(const std::vector<ExportRow>& rows, TextColumns columns)
{
    std::vector<int> widths;
    for (const ExportRow& row : rows)
        widths.push_back(columns(row.name));
    const std::vector<int> spaces = AlignmentSpaces(widths);
    CString text;
    for (std::size_t i = 0; i < rows.size(); ++i)
        text += rows[i].name + CString(std::string(static_cast<std::size_t>(spaces[i]), ' ')) + rows[i].hotKey + kLineEnd;
    return text;
}
