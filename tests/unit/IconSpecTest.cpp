#include "rules/IconSpec.h"

#include <string>

#include <gtest/gtest.h>

namespace {

// A parse result in a form that compares and prints as one value.
struct ParsedSpec {
    IconSpecKind kind;
    std::string file;
    bool hasIndex;
    int index;

    bool operator==(const ParsedSpec& other) const
    {
        return kind == other.kind && file == other.file && hasIndex == other.hasIndex && index == other.index;
    }
};

void PrintTo(const ParsedSpec& spec, std::ostream* out)
{
    *out << "{kind " << static_cast<int>(spec.kind) << ", \"" << spec.file << "\", "
         << (spec.hasIndex ? "index " + std::to_string(spec.index) : std::string("no index")) << "}";
}

// ParseIconSpec of `value` as a ParsedSpec.
ParsedSpec Parse(const std::string& value)
{
    const IconSpec spec = ParseIconSpec(value.c_str());
    return {spec.kind, spec.file.str(), spec.hasIndex, spec.index};
}

struct SpecCase {
    std::string value;
    ParsedSpec expected;
};

constexpr IconSpecKind kNone = IconSpecKind::kNone;
constexpr IconSpecKind kOwnIcon = IconSpecKind::kOwnIcon;
constexpr IconSpecKind kLocation = IconSpecKind::kLocation;

// The file is the text before the first comma, unchanged; the index is the
// number after it as "%d" reads it; "%1" alone marks an own-icon type.
TEST(ParseIconSpec, SplitsAtTheFirstComma)
{
    const SpecCase cases[] = {
        {"C:\\icons\\lib.dll,5", {kLocation, "C:\\icons\\lib.dll", true, 5}},
        {"%SystemRoot%\\system32\\shell32.dll,4", {kLocation, "%SystemRoot%\\system32\\shell32.dll", true, 4}},
        {"%1", {kOwnIcon, "", false, 0}},
        {"%1,0", {kLocation, "%1", true, 0}},
        {"\"%1\"", {kNone, "", false, 0}},
        {"%1 ", {kNone, "", false, 0}},
        {"%10", {kNone, "", false, 0}},
        {"", {kNone, "", false, 0}},
        {"C:\\icons\\lib.dll", {kNone, "", false, 0}},
        {"C:\\icons\\lib.dll,", {kLocation, "C:\\icons\\lib.dll", false, 0}},
        {"C:\\My,Icons\\lib.dll,2", {kLocation, "C:\\My", false, 0}},
        {" \"C:\\icons\\lib.dll\" ,  -3", {kLocation, " \"C:\\icons\\lib.dll\" ", true, -3}},
        {"lib.dll,\t\n+8x", {kLocation, "lib.dll", true, 8}},
        {"lib.dll,0x10", {kLocation, "lib.dll", true, 0}},
        {"lib.dll,-", {kLocation, "lib.dll", false, 0}},
        {"lib.dll,- 1", {kLocation, "lib.dll", false, 0}},
        {"lib.dll,007", {kLocation, "lib.dll", true, 7}},
        {",6", {kLocation, "", true, 6}},
        {",", {kLocation, "", false, 0}},
        {"\x83\x5C,1", {kLocation, "\x83\x5C", true, 1}},
    };
    for (const SpecCase& c : cases)
        EXPECT_EQ(Parse(c.value), c.expected) << c.value;
}

// An index beyond int's range is held at its nearest end, the same on every
// platform whatever the width of long.
TEST(ParseIconSpec, HoldsTheIndexToTheRangeOfInt)
{
    const SpecCase cases[] = {
        {"a,2147483647", {kLocation, "a", true, 2147483647}},
        {"a,-2147483648", {kLocation, "a", true, -2147483647 - 1}},
        {"a,2147483648", {kLocation, "a", true, 2147483647}},
        {"a,-2147483649", {kLocation, "a", true, -2147483647 - 1}},
        {"a,4294967296", {kLocation, "a", true, 2147483647}},
        {"a,99999999999999999999999", {kLocation, "a", true, 2147483647}},
        {"a,-99999999999999999999999", {kLocation, "a", true, -2147483647 - 1}},
    };
    for (const SpecCase& c : cases)
        EXPECT_EQ(Parse(c.value), c.expected) << c.value;
}

} // namespace
