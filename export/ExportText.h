// The two plain texts the Edit menu copies from the result list: comma-
// separated lines and column-aligned text. Every line ends with CR LF, the
// last one included; lengths are byte lengths in the ANSI code page.
#pragma once

#include <vector>

#include "framework/AfxString.h"

// One row as it is copied: the name as the list shows it and the hotkey text.
struct ExportRow {
    CString name;    // column 0 after the display rule
    CString hotKey;  // column 1, empty for a shortcut without a hotkey
};

// "name,hotkey" per row; nothing is quoted or escaped.
CString FormatCsvText(const std::vector<ExportRow>& rows);

// Each name followed by spaces so that every hotkey text starts one byte past
// the longest name; there is no upper bound on the run of spaces.
CString FormatAlignedText(const std::vector<ExportRow>& rows);
