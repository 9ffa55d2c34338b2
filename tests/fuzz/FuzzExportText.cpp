// Fuzz target for the export texts: the input's zero-separated texts are
// taken in pairs as the rows' names and hotkey texts; the whole input is also
// read as a hotkey backup file, and an accepted one planned as a restore.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "rules/RestorePlan.h"
#include "rules/BackupCsv.h"
#include "rules/ExportText.h"

namespace {

// Rows per input, at most; keeps the aligned text's size bounded.
constexpr std::size_t kMaxRows = 64;

// The rows that the input's texts spell, a missing last hotkey empty; none
// for an empty input.
std::vector<ExportRow> RowsOf(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return {};
    std::vector<std::string> texts = SplitAtZeros(data, size, 2 * kMaxRows);
    if (texts.size() % 2 != 0)
        texts.emplace_back();
    std::vector<ExportRow> rows;
    for (std::size_t i = 0; i < texts.size(); i += 2)
        rows.push_back({CString(texts[i]), CString(texts[i + 1])});
    return rows;
}

// Checks that `text` holds exactly `expected` from `position` on and moves
// `position` past it.
void ExpectAt(const std::string& text, std::size_t& position, const std::string& expected, const char* what)
{
    Check(text.compare(position, expected.size(), expected) == 0, what);
    position += expected.size();
}

// Checks that the CSV text is each row's name, a comma, its hotkey and CR LF.
void CheckCsvText(const std::vector<ExportRow>& rows)
{
    const std::string text = FormatCsvText(rows).str();
    std::size_t position = 0;
    for (const ExportRow& row : rows) {
        ExpectAt(text, position, row.name.str() + ",", "a CSV line does not start with its name and a comma");
        ExpectAt(text, position, row.hotKey.str() + "\r\n", "a CSV line does not end with its hotkey and CR LF");
    }
    Check(position == text.size(), "the CSV text holds more than its rows");
}

// Checks that in the aligned text every hotkey starts one byte past the
// longest name, after spaces, and every row is one line ending in CR LF.
void CheckAlignedText(const std::vector<ExportRow>& rows)
{
    std::size_t longest = 0;
    for (const ExportRow& row : rows)
        longest = std::max(longest, row.name.str().size());
    const std::string text = FormatAlignedText(rows).str();
    std::size_t position = 0;
    for (const ExportRow& row : rows) {
        const std::size_t lineStart = position;
        ExpectAt(text, position, row.name.str(), "an aligned line does not start with its name");
        ExpectAt(text, position, std::string(longest + 1 - row.name.str().size(), ' '),
                 "an aligned name is not followed by spaces up to the hotkey column");
        Check(position - lineStart == longest + 1, "a hotkey does not start one byte past the longest name");
        ExpectAt(text, position, row.hotKey.str() + "\r\n", "an aligned line does not end with its hotkey and CR LF");
    }
    Check(position == text.size(), "the aligned text holds more than its rows");
}

// Checks that rows without line breaks of their own give one line each.
void CheckLineCount(const std::vector<ExportRow>& rows)
{
    for (const ExportRow& row : rows) {
        if ((row.name + row.hotKey).str().find('\n') != std::string::npos)
            return;
    }
    const std::string aligned = FormatAlignedText(rows).str();
    const std::string csv = FormatCsvText(rows).str();
    Check(static_cast<std::size_t>(std::count(aligned.begin(), aligned.end(), '\n')) == rows.size(),
          "the aligned text's line count is not the row count");
    Check(static_cast<std::size_t>(std::count(csv.begin(), csv.end(), '\n')) == rows.size(),
          "the CSV text's line count is not the row count");
}

// Checks that the quoted CSV is the plain one's bytes when no field needs
// quotes, and that UTF-8 columns align any bytes without a fault.
void CheckQuotedCsvText(const std::vector<ExportRow>& rows)
{
    const bool plain = std::none_of(rows.begin(), rows.end(), [](const ExportRow& row) {
        return (row.name + row.hotKey).str().find_first_of(",\"\r\n") != std::string::npos;
    });
    Check(!plain || FormatQuotedCsvText(rows) == FormatCsvText(rows), "a CSV needing no quotes came out quoted");
    Check(FormatAlignedText(rows, &Utf8Columns).GetLength() >= FormatCsvText(rows).GetLength(), "aligned UTF-8 lost bytes");
}

// Checks the restore's plan of `rows` against every other one of them as the
// listed shortcuts (rows with one path are one shortcut), every third row
// naming none: a step a row, a placed row on a listed shortcut, and no
// shortcut given two hotkeys.
void CheckRestorePlan(const std::vector<BackupRow>& rows)
{
    std::vector<ListedShortcut> listed;
    std::vector<RestoreRow> backup;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto first = std::find_if(rows.begin(), rows.end(), [&](const BackupRow& row) { return row.path == rows[i].path; });
        const int number = static_cast<int>(first - rows.begin());
        if (i % 2 == 0)
            listed.push_back({number, rows[i].target.str(), rows[i].hotKey});
        backup.push_back({i % 3 == 0 ? -1 : number, rows[i].target.str(), rows[i].hotKey});
    }
    const std::vector<PlannedRow> plan = PlanRestore(backup, listed);
    Check(plan.size() == backup.size(), "a plan without a step for each row");
    std::map<int, std::uint16_t> given;
    for (const PlannedRow& planned : plan) {
        const bool placed = planned.step == RestoreStep::kKept || planned.step == RestoreStep::kSet ||
                            planned.step == RestoreStep::kMoved;
        Check(placed == (planned.shortcut >= 0), "a step and its shortcut disagree");
        Check(!placed || std::any_of(listed.begin(), listed.end(), [&](const ListedShortcut& shortcut) {
                  return shortcut.shortcut == planned.shortcut;
              }), "a row placed on a shortcut that is not listed");
        Check(!placed || given.emplace(planned.shortcut, planned.hotKey).first->second == planned.hotKey,
              "a shortcut given two hotkeys");
    }
}

// Checks that a backup text is either refused with a line inside it and no
// rows, or read as rows that the writer writes as a text reading back the same.
void CheckBackupText(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<BackupRow> rows;
    BackupError error;
    if (ParseBackupCsv(text, rows, error) != 1) {
        Check(rows.empty() && error.line >= 1 && !error.reason.IsEmpty(), "a refusal without its line and reason");
        Check(error.line <= 1 + std::count(text.begin(), text.end(), '\n'), "a refusal on a line past the text");
        return;
    }
    const std::string written = FormatBackupCsv(rows).str();
    std::vector<BackupRow> again;
    Check(ParseBackupCsv(written, again, error) == 1, "a written backup is refused");
    Check(again.size() == rows.size(), "a written backup reads back another number of rows");
    for (std::size_t i = 0; i < rows.size(); ++i)
        Check(again[i].path == rows[i].path && again[i].target == rows[i].target && again[i].hotKey == rows[i].hotKey,
              "a written backup reads back other rows");
    CheckRestorePlan(rows);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<ExportRow> rows = RowsOf(data, size);
    CheckCsvText(rows);
    CheckAlignedText(rows);
    CheckLineCount(rows);
    CheckQuotedCsvText(rows);
    CheckBackupText(data, size);
    return 0;
}
