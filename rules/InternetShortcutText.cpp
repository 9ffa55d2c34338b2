#include "rules/InternetShortcutText.h"

#include <set>
#include <vector>

#include "rules/AsciiCase.h"
#include "rules/DoubleByte.h"

namespace {
// One line of the text: where it starts, where its content ends and how many
// bytes its line end takes (2 for CR LF, 1 for LF, 0 at the end of the text).
struct Line {
    std::size_t start, end, ending;
};

std::vector<Line> LinesOf(const std::string& text)
{
    std::vector<Line> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t feed = text.find('\n', start);
        const std::size_t next = feed == std::string::npos ? text.size() : feed + 1;
        std::size_t end = feed == std::string::npos ? text.size() : feed;
        if (feed != std::string::npos && end > start && text[end - 1] == '\r')
            --end;
        lines.push_back({start, end, next - end});
        start = next;
    }
    return lines;
}

// Blanks around names and values: spaces, tabs, and a carriage return not
// followed by a line feed (at the very end of the text, say).
bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\r';
}

// The position of `wanted` in `text` from `from` to `end`, stepping over
// double-byte characters; `end` when it is not there.
std::size_t FindByte(const std::string& text, std::size_t from, std::size_t end, char wanted)
{
    for (std::size_t i = from; i < end; i += CharacterLength(text.c_str(), i)) {
        if (text[i] == wanted)
            return i;
    }
    return end;
}

// `text` from `start` to `end` without blanks at either end.
std::string Trimmed(const std::string& text, std::size_t start, std::size_t end)
{
    while (start < end && IsBlank(text[start]))
        ++start;
    while (end > start && IsBlank(text[end - 1]))
        --end;
    return text.substr(start, end - start);
}

// The section a line opens, in lower case; none ("") for a line that opens
// no section. Sets `opens`.
std::string SectionOf(const std::string& text, const Line& line, bool& opens)
{
    std::size_t at = line.start;
    while (at < line.end && IsBlank(text[at]))
        ++at;
    opens = at < line.end && text[at] == '[';
    if (!opens)
        return std::string();
    const std::size_t close = FindByte(text, at + 1, line.end, ']');
    return AsciiLowerCase(CString(text.substr(at + 1, close - at - 1))).str();
}

// The first [InternetShortcut] section: its header line, and its lines from
// the one after the header up to, not including, `end`.
struct SectionLines {
    bool found;
    std::size_t header, end;
};

SectionLines FindSection(const std::string& text, const std::vector<Line>& lines)
{
    SectionLines section = {false, 0, lines.size()};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        bool opens = false;
        const std::string name = SectionOf(text, lines[i], opens);
        if (!opens)
            continue;
        if (section.found) {
            section.end = i;
            break;
        }
        if (name == "internetshortcut")
            section = {true, i, lines.size()};
    }
    return section;
}

// The key of a line ("name=value"), in lower case, and where its value
// starts and ends (blanks left out); false for a line without "=".
bool KeyOf(const std::string& text, const Line& line, std::string& key, std::size_t& valueStart, std::size_t& valueEnd)
{
    const std::size_t equals = FindByte(text, line.start, line.end, '=');
    if (equals == line.end)
        return false;
    key = AsciiLowerCase(CString(Trimmed(text, line.start, equals))).str();
    valueStart = equals + 1;
    valueEnd = line.end;
    while (valueStart < valueEnd && IsBlank(text[valueStart]))
        ++valueStart;
    while (valueEnd > valueStart && IsBlank(text[valueEnd - 1]))
        --valueEnd;
    return true;
}

// The value of `digits` when it is a decimal number up to `most`, with an
// optional minus sign where `signedValue`; false otherwise.
bool DecimalOf(const std::string& digits, long most, bool signedValue, long& value)
{
    const bool negative = signedValue && !digits.empty() && digits[0] == '-';
    const std::size_t first = negative ? 1 : 0;
    if (digits.size() == first || digits.size() - first > 10)
        return false;
    long long number = 0;
    for (std::size_t i = first; i < digits.size(); ++i) {
        if (digits[i] < '0' || digits[i] > '9')
            return false;
        number = number * 10 + (digits[i] - '0');
    }
    if (number > most)
        return false;
    value = static_cast<long>(negative ? -number : number);
    return true;
}
}

int ReadInternetShortcut(const std::string& text, InternetShortcut& shortcut)
{
    if (text.size() > kMaxInternetShortcutSize || text.find('\0') != std::string::npos)
        return 0;
    const std::vector<Line> lines = LinesOf(text);
    const SectionLines section = FindSection(text, lines);
    // Each key's first line counts, as the platform's profile functions read it.
    std::set<std::string> seen;
    InternetShortcut read;
    for (std::size_t i = section.header + 1; section.found && i < section.end; ++i) {
        std::string key;
        std::size_t start = 0, end = 0;
        if (!KeyOf(text, lines[i], key, start, end) || !seen.insert(key).second)
            continue;
        const std::string value = text.substr(start, end - start);
        long number = 0;
        if (key == "url")
            read.url = value;
        else if (key == "hotkey" && DecimalOf(value, 0xFFFF, false, number))
            read.hotKey = static_cast<std::uint16_t>(number);
        else if (key == "iconfile")
            read.iconFile = value;
        else if (key == "iconindex" && DecimalOf(value, 0x7FFFFFFF, true, number))
            read.iconIndex = static_cast<int>(number);
    }
    if (seen.count("url") == 0)
        return 0;
    shortcut = read;
    return 1;
}

std::string WithInternetShortcutHotKey(const std::string& text, std::uint16_t value)
{
    const std::vector<Line> lines = LinesOf(text);
    const SectionLines section = FindSection(text, lines);
    if (!section.found)
        return text;
    const std::string digits = std::to_string(value);
    std::size_t last = section.header;  // the section's last line that is not blank
    for (std::size_t i = section.header + 1; i < section.end; ++i) {
        std::string key;
        std::size_t start = 0, end = 0;
        if (KeyOf(text, lines[i], key, start, end) && key == "hotkey")
            return text.substr(0, start) + digits + text.substr(end);
        if (!Trimmed(text, lines[i].start, lines[i].end).empty())
            last = i;
    }
    const Line& after = lines[last];
    const Line& header = lines[section.header];
    const std::string ending = after.ending != 0    ? text.substr(after.end, after.ending)
                               : header.ending != 0 ? text.substr(header.end, header.ending)
                                                    : std::string("\r\n");
    const std::size_t at = after.end + after.ending;
    const std::string line = "HotKey=" + digits;
    return after.ending != 0 ? text.substr(0, at) + line + ending + text.substr(at) : text + ending + line;
}
