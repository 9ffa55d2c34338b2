#include "rules/KeepLogText.h"

namespace {
// `field` with its tabs and line breaks as spaces.
std::string Flat(const CString& field)
{
    std::string flat = field.str();
    for (char& ch : flat)
        if (ch == '\t' || ch == '\r' || ch == '\n')
            ch = ' ';
    return flat;
}

// The line `text` (without its end) split at its tabs into the fields.
KeepLogLine ParseLine(const std::string& text)
{
    std::vector<CString> fields;
    std::size_t start = 0;
    for (std::size_t tab; fields.size() < 4 && (tab = text.find('\t', start)) != std::string::npos; start = tab + 1)
        fields.push_back(text.substr(start, tab - start));
    fields.push_back(text.substr(start));
    fields.resize(5);
    return {fields[0], fields[1], fields[2], fields[3], fields[4]};
}

// The offsets where the lines of `log` begin, a blank line left out.
std::vector<std::size_t> LineStarts(const std::string& log)
{
    std::vector<std::size_t> starts;
    for (std::size_t start = 0; start < log.size();) {
        std::size_t end = log.find('\n', start);
        end = end == std::string::npos ? log.size() : end + 1;
        if (log.find_first_not_of("\r\n", start) < end)
            starts.push_back(start);
        start = end;
    }
    return starts;
}
}

std::string FormatKeepLogLine(const KeepLogLine& line)
{
    return Flat(line.time) + '\t' + Flat(line.what) + '\t' + Flat(line.path) + '\t' + Flat(line.hotKey) + '\t' +
           Flat(line.detail) + "\r\n";
}

std::vector<KeepLogLine> LastKeepLogLines(const std::string& log, std::size_t count)
{
    const std::vector<std::size_t> starts = LineStarts(log);
    std::vector<KeepLogLine> lines;
    for (std::size_t i = starts.size() > count ? starts.size() - count : 0; i < starts.size(); ++i) {
        const std::size_t end = log.find_first_of("\r\n", starts[i]);
        lines.push_back(ParseLine(log.substr(starts[i], end == std::string::npos ? end : end - starts[i])));
    }
    return lines;
}

std::string TrimmedKeepLog(const std::string& log, std::size_t maxLines, std::size_t maxBytes)
{
    const std::vector<std::size_t> starts = LineStarts(log);
    std::size_t first = starts.size() > maxLines ? starts.size() - maxLines : 0;
    while (first < starts.size() && log.size() - starts[first] > maxBytes)
        ++first;
    return first == 0 ? log : first == starts.size() ? std::string() : log.substr(starts[first]);
}
