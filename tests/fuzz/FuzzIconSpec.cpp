// Fuzz target for ParseIconSpec: the input up to its first zero byte is a
// DefaultIcon value.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "rules/IconSpec.h"

namespace {

// The decimal number at the start of `text` as "%d" reads it, worked out
// digit by digit and held to int's range; false when there is none.
bool ReadDecimal(const std::string& text, int& number)
{
    std::size_t i = text.find_first_not_of(" \t\n\v\f\r");
    if (i == std::string::npos)
        return false;
    const bool negative = text[i] == '-';
    if (text[i] == '-' || text[i] == '+')
        ++i;
    if (i >= text.size() || text[i] < '0' || text[i] > '9')
        return false;
    const long long limit = negative ? 2147483648LL : 2147483647LL;
    long long magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        magnitude = std::min(limit, magnitude * 10 + (text[i] - '0'));
    number = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

// Checks the parse of `value` against the value's own first comma.
void CheckIconSpec(const std::string& value)
{
    const auto exactValue = ExactCString(value);
    const IconSpec spec = ParseIconSpec(exactValue.get());
    const std::size_t comma = value.find(',');
    if (value == "%1" || comma == std::string::npos) {
        const IconSpecKind kind = value == "%1" ? IconSpecKind::kOwnIcon : IconSpecKind::kNone;
        Check(spec.kind == kind, "a value without a comma is of the wrong kind");
        Check(spec.file.IsEmpty() && !spec.hasIndex, "a value that names no location gives a file or index");
        return;
    }
    Check(spec.kind == IconSpecKind::kLocation, "a value with a comma names no location");
    Check(spec.file.str() == value.substr(0, comma), "the file is not the text before the first comma");
    int index = 0;
    const bool hasIndex = ReadDecimal(value.substr(comma + 1), index);
    Check(spec.hasIndex == hasIndex, "an index is found where there is none, or missed");
    Check(!hasIndex || spec.index == index, "the index is not the number after the comma");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CheckIconSpec(SplitAtZeros(data, size, 1).front());
    return 0;
}
