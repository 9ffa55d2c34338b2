// The two plain texts the Edit menu copies from the result list: comma-
// separated lines and column-aligned text, and the quoted CSV the command
// program prints. Every line ends with CR LF, the last one included; lengths
// are byte lengths in the ANSI code page unless a caller measures otherwise.
#pragma once

#include <string>
#include <vector>

#include "framework/AfxString.h"

// One row as it is copied: the name as the list shows it and the hotkey text.
struct ExportRow {
    CString name;    // column 0 after the display rule
    CString hotKey;  // column 1, empty for a shortcut without a hotkey
};

// How many columns a text takes on screen.
using TextColumns = int (*)(const CString& text);

// The byte length of `text`: its columns in the ANSI code page.
int ByteColumns(const CString& text);

// The columns of the UTF-8 text `text` on a terminal: two for a wide East
// Asian character, none for a combining mark, one for any other character.
int Utf8Columns(const CString& text);

// "name,hotkey" per row; nothing is quoted or escaped.
CString FormatCsvText(const std::vector<ExportRow>& rows);

// `field` as one CSV field, as RFC 4180 writes it: in quotes, its quotes
// doubled, when it holds a comma, a quote or a line break; as it is otherwise.
std::string CsvField(const std::string& field);

// "name,hotkey" per row, each field by CsvField: the same bytes as
// FormatCsvText for every row without a comma, a quote or a line break.
CString FormatQuotedCsvText(const std::vector<ExportRow>& rows);

// The spaces after each name of widths `widths` so that every hotkey text
// starts one column past the widest name.
std::vector<int> AlignmentSpaces(const std::vector<int>& widths);

// Each name followed by spaces so that every hotkey text starts one column
// past the longest name, columns counted by `columns`; there is no upper
// bound on the run of spaces.
CString FormatAlignedText(const std::vector<ExportRow>& rows, TextColumns columns = &ByteColumns);
