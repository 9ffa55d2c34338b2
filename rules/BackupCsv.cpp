// Writing and reading the hotkey backup file.
#include "rules/BackupCsv.h"

#include <cstdio>
#include <cstring>

#include "rules/ExportText.h"
#include "rules/HotKeyText.h"
#include "rules/AsciiCase.h"
#include "rules/DoubleByte.h"
#include "rules/ShortcutKind.h"

namespace {
// The header without arguments is the older one, which its error message names.
const char kOldHeader[] = "Path,Target,HotKey,Text";
const char kHeader[] = "Path,Target,HotKey,Text,Arguments";
const char kLineEnd[] = "\r\n";

// One record of a CSV text: its fields and the line it starts on.
struct CsvRecord {
    int line;
    std::vector<std::string> fields;
};

// Reads a CSV text record by record, counting lines.
class CsvReader {
public:
    explicit CsvReader(const std::string& text) : m_text(text) {}
    bool AtEnd() const { return m_pos >= m_text.size(); }
    // The next record; false with `error` set when it is malformed.
    bool Next(CsvRecord& record, BackupError& error);

private:
    bool Field(std::string& field, BackupError& error);
    bool QuotedField(std::string& field, BackupError& error);
    // Moves past a line end at the current position; false when there is none.
    bool LineEnd();
    bool Fail(BackupError& error, const char* reason) const;

    const std::string& m_text;
    std::size_t m_pos = 0;
    int m_line = 1;
};

bool CsvReader::Fail(BackupError& error, const char* reason) const
{
    error.line = m_line;
    error.reason = reason;
    return false;
}

bool CsvReader::LineEnd()
{
    if (m_text.compare(m_pos, 2, kLineEnd) == 0)
        m_pos += 2;
    else if (m_pos < m_text.size() && m_text[m_pos] == '\n')
        m_pos += 1;
    else
        return false;
    ++m_line;
    return true;
}

bool CsvReader::Next(CsvRecord& record, BackupError& error)
{
    record.line = m_line;
    record.fields.clear();
    for (;;) {
        std::string field;
        if (!Field(field, error))
            return false;
        record.fields.push_back(field);
        if (AtEnd() || LineEnd())
            return true;
        if (m_text[m_pos] != ',')
            return Fail(error, "a quoted field is followed by more than a comma or a line end");
        ++m_pos;
    }
}

// An unquoted field runs to the next comma or line end and holds no quote
// and no lone carriage return.
bool CsvReader::Field(std::string& field, BackupError& error)
{
    if (!AtEnd() && m_text[m_pos] == '"')
        return QuotedField(field, error);
    const std::size_t end = m_text.find_first_of(",\r\n\"", m_pos);
    field = m_text.substr(m_pos, end == std::string::npos ? std::string::npos : end - m_pos);
    m_pos = end == std::string::npos ? m_text.size() : end;
    if (AtEnd() || m_text[m_pos] == ',' || m_text[m_pos] == '\n' || m_text.compare(m_pos, 2, kLineEnd) == 0)
        return true;
    return Fail(error, m_text[m_pos] == '"' ? "a quote inside an unquoted field" : "a carriage return without a line feed");
}

// A quoted field: any bytes up to the closing quote, "" standing for one quote.
bool CsvReader::QuotedField(std::string& field, BackupError& error)
{
    const int startLine = m_line;
    for (++m_pos; m_pos < m_text.size(); ++m_pos) {
        const char ch = m_text[m_pos];
        if (ch == '\n')
            ++m_line;
        if (ch != '"') {
            field += ch;
            continue;
        }
        if (m_text.compare(m_pos, 2, "\"\"") != 0) {
            ++m_pos;
            return true;
        }
        field += '"';
        ++m_pos;
    }
    m_line = startLine;
    return Fail(error, "a quoted field is not closed");
}

// 1 when every lead byte of `text` is followed by a trail byte (0x40 or
// above) and no byte is zero.
int IsWellEncoded(const std::string& text)
{
    // The terminator after the last byte stands where a trail byte is missing.
    for (std::size_t i = 0; i < text.size(); i += CharacterLength(text.c_str(), i)) {
        if (text[i] == '\0')
            return 0;
        if (IsLeadByte(static_cast<unsigned char>(text[i])) && static_cast<unsigned char>(text[i + 1]) < 0x40)
            return 0;
    }
    return 1;
}

// The value of exactly 4 hex digits, or -1.
int HexWord(const std::string& digits)
{
    if (digits.size() != 4)
        return -1;
    int value = 0;
    for (char ch : digits) {
        const char* hex = "0123456789abcdef";
        const char lower = static_cast<char>(AsciiLower(static_cast<unsigned char>(ch)));
        const char* found = lower == '\0' ? nullptr : std::strchr(hex, lower);
        if (found == nullptr)
            return -1;
        value = value * 16 + static_cast<int>(found - hex);
    }
    return value;
}

// The text a row gives the hotkey word `value`: none for 0.
std::string WordText(std::uint16_t value)
{
    return value == 0 ? std::string() : FormatHotKey(value).str();
}

// Why a record's fields are not a backup row under a header of `count`
// fields, or null when they are one.
const char* RowProblem(const std::vector<std::string>& fields, std::size_t count, BackupRow& row)
{
    if (fields.size() != count)
        return count == 4 ? "a row does not have 4 fields (path, target, hotkey, text)"
                          : "a row does not have 5 fields (path, target, hotkey, text, arguments)";
    // The hotkey text is checked as the text of its word below, whatever
    // bytes that is (a key code may be a lead byte).
    for (std::size_t i : {0, 1})
        if (!IsWellEncoded(fields[i]))
            return "a path is not text in the ANSI code page";
    if (count == 5 && !IsWellEncoded(fields[4]))
        return "the arguments are not text in the ANSI code page";
    if (KindOfLongName(fields[0].c_str()).kind == ShortcutKind::kNone)
        return "the path is not a .LNK, .PIF or .URL file";
    const int value = HexWord(fields[2]);
    if (value < 0 || (value == 0 && count == 4))
        return "the hotkey is not 4 hex digits other than 0000";
    if (WordText(static_cast<std::uint16_t>(value)) != fields[3])
        return "the hotkey text is not the text of the hotkey";
    row = {CString(fields[0]), CString(fields[1]), static_cast<std::uint16_t>(value)};
    if (count == 5)
        row.arguments = CString(fields[4]);
    return nullptr;
}

// The number of fields of the header the record is (4 or 5); 0 when it is
// no header.
std::size_t HeaderFields(const CsvRecord& record)
{
    std::string joined;
    for (std::size_t i = 0; i < record.fields.size(); ++i)
        joined += (i == 0 ? "" : ",") + record.fields[i];
    if (joined == kHeader && record.fields.size() == 5)
        return 5;
    return joined == kOldHeader && record.fields.size() == 4 ? 4 : 0;
}

} // namespace

CString FormatBackupCsv(const std::vector<BackupRow>& rows)
{
    std::string text = std::string(kHeader) + kLineEnd;
    for (const BackupRow& row : rows) {
        char hex[8];
        std::snprintf(hex, sizeof(hex), "%04X", row.hotKey);
        text += CsvField(row.path.str()) + "," + CsvField(row.target.str()) + "," + hex + "," +
                CsvField(WordText(row.hotKey)) + "," + CsvField(row.arguments.value_or(CString()).str()) + kLineEnd;
    }
    return CString(text);
}

int ParseBackupCsv(const std::string& text, std::vector<BackupRow>& rows, BackupError& error)
{
    rows.clear();
    CsvReader reader(text);
    CsvRecord record;
    if (!reader.Next(record, error))
        return 0;
    const std::size_t fields = HeaderFields(record);
    if (fields == 0) {
        error = {record.line, CString("the first line is not the header ") + kOldHeader};
        return 0;
    }
    while (!reader.AtEnd()) {
        BackupRow row;
        const char* problem = reader.Next(record, error) ? RowProblem(record.fields, fields, row) : "";
        if (problem != nullptr) {
            if (*problem != '\0')
                error = {record.line, CString(problem)};
            rows.clear();
            return 0;
        }
        row.line = record.line;
        rows.push_back(row);
    }
    return 1;
}
