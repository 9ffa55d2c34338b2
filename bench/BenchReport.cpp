#include "BenchReport.h"

#include <windows.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>

double NowMs()
{
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency;
        ::QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMs;
}

void Progress(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
    std::fflush(stderr);
}

std::string Format(const char* format, ...)
{
    char text[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof(text), format, args);
    va_end(args);
    return text;
}

double Samples::Min() const
{
    return m_values.empty() ? 0.0 : *std::min_element(m_values.begin(), m_values.end());
}

double Samples::Max() const
{
    return m_values.empty() ? 0.0 : *std::max_element(m_values.begin(), m_values.end());
}

void Checks::operator()(bool condition, const char* what)
{
    if (!condition) {
        Progress("  CHECK FAILED: %s\n", what);
        m_failed = true;
    }
}

const char* Verdict(bool met)
{
    return met ? "goal met" : "goal MISSED";
}

Table::Row& Table::Find(const std::string& label)
{
    for (Row& row : m_rows)
        if (row.label == label)
            return row;
    m_rows.push_back({label, std::vector<std::string>(m_columns.size()), std::string()});
    return m_rows.back();
}

void Table::Set(size_t column, const std::string& label, const std::string& cell, const Goal& goal)
{
    Row& row = Find(label);
    row.cells[column] = *goal.verdict ? cell + " " + goal.verdict : cell;
    if (!goal.text.empty())
        row.goal = goal.text;
}

void Table::Time(size_t column, const std::string& label, const Samples& ms, int units, const char* unit,
                 const Goal& goal)
{
    const double best = ms.Min();
    const double perUnit = units > 0 ? best * 1000.0 / units : 0.0;
    std::string cell = Format("%.1f ms (%.1f us/%s)", best, perUnit, unit);
    if (ms.Count() > 1)
        cell += Format(" [%.0f..%.0f]", ms.Min(), ms.Max());
    Set(column, label, cell, goal);
}

void Table::Ratio(size_t column, const std::string& label, double ratio, const Goal& goal)
{
    Set(column, label, Format("%.2fx", ratio), goal);
}

void Table::Print() const
{
    std::printf("| Measurement |");
    for (const std::string& column : m_columns)
        std::printf(" %s |", column.c_str());
    std::printf(" Goal |\n|---|");
    for (size_t i = 0; i < m_columns.size(); ++i)
        std::printf("---:|");
    std::printf("---|\n");
    std::vector<Row> rows = m_rows;
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.label < b.label; });
    for (const Row& row : rows) {
        std::printf("| %s |", row.label.c_str());
        for (const std::string& cell : row.cells)
            std::printf(" %s |", cell.empty() ? "-" : cell.c_str());
        std::printf(" %s |\n", row.goal.c_str());
    }
    std::fflush(stdout);
}
