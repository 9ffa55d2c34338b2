// The benchmark's clock, its progress lines and its table of figures.
#pragma once

#include <string>
#include <vector>

// Milliseconds on the performance counter.
double NowMs();
// Progress on standard error, printf style.
void Progress(const char* format, ...);
// printf into a string (up to 255 bytes).
std::string Format(const char* format, ...);

// The figures of one measurement taken in several rounds.
class Samples {
public:
    Samples() = default;
    Samples(double value) : m_values{value} {}
    void Add(double value) { m_values.push_back(value); }
    bool Empty() const { return m_values.empty(); }
    size_t Count() const { return m_values.size(); }
    double Min() const;
    double Max() const;

private:
    std::vector<double> m_values;
};

// A goal printed beside a figure, and whether the figure meets it.
struct Goal {
    std::string text;     // empty: no goal
    const char* verdict;  // "goal met", "goal MISSED" or ""
};

// Rows in the order of their labels ("2.", "2a.", "R1." sort); one column of
// cells per fixture.
class Table {
public:
    explicit Table(std::vector<std::string> columns) : m_columns(std::move(columns)) {}

    void Set(size_t column, const std::string& label, const std::string& cell, const Goal& goal = {"", ""});
    // A duration in ms (the best of its rounds, with their range when there
    // are several), and its cost per unit (`units` files or rows). The best
    // round is the one the other users of the machine disturbed least.
    void Time(size_t column, const std::string& label, const Samples& ms, int units, const char* unit = "file",
              const Goal& goal = {"", ""});
    // A ratio of two best times.
    void Ratio(size_t column, const std::string& label, double ratio, const Goal& goal = {"", ""});
    void Print() const;

private:
    struct Row {
        std::string label;
        std::vector<std::string> cells;
        std::string goal;
    };
    Row& Find(const std::string& label);

    std::vector<std::string> m_columns;
    std::vector<Row> m_rows;
};

// The run's checks: each failure is reported on standard error.
class Checks {
public:
    void operator()(bool condition, const char* what);
    bool Passed() const { return !m_failed; }

private:
    bool m_failed = false;
};

// "goal met" when `met`, else "goal MISSED".
const char* Verdict(bool met);
