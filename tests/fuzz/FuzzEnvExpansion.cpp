// Fuzz target for ExpandEnvVarsWith: the input's first zero-separated text
// is the source, the texts after it the values that the lookup hands out.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "rules/EnvExpansion.h"

namespace {

// Values handed out by the fuzzed lookup, at most this many.
constexpr std::size_t kMaxValues = 8;

// `source` expanded with `lookup` into a fresh destination.
std::string Expand(const std::string& source, const EnvLookup& lookup)
{
    const auto exactSource = ExactCString(source);
    CString dest("previous text");
    ExpandEnvVarsWith(exactSource.get(), dest, lookup);
    return dest.str();
}

// Checks that lookups which give nothing, an empty value or the reference's
// own text leave the source as it was, and that none is asked without '%'.
void CheckUnchangedExpansions(const std::string& source)
{
    int asked = 0;
    const EnvLookup nothing = [&asked](const std::string&) -> std::optional<std::string> {
        ++asked;
        return std::nullopt;
    };
    Check(Expand(source, nothing) == source, "a lookup that gives nothing changes the text");
    Check(asked == 0 || source.find('%') != std::string::npos, "a text without '%' asks the lookup");

    const EnvLookup empty = [](const std::string&) { return std::optional<std::string>(""); };
    Check(Expand(source, empty) == source, "a lookup that gives empty values changes the text");
    const EnvLookup itself = [](const std::string& name) { return std::optional<std::string>('%' + name + '%'); };
    Check(Expand(source, itself) == source, "replacing each reference by itself changes the text");
}

// Checks that the expansion grows by exactly what the replaced references
// and their values differ in, and that expanding a text into itself gives
// the same.
void CheckReplacedLength(const std::string& source, const std::vector<std::string>& values)
{
    long long growth = 0;
    const EnvLookup lookup = [&values, &growth](const std::string& name) -> std::optional<std::string> {
        const std::string& value = values[name.size() % values.size()];
        if (!value.empty())
            growth += static_cast<long long>(value.size()) - static_cast<long long>(name.size()) - 2;
        return value;
    };
    const std::string expanded = Expand(source, lookup);
    Check(static_cast<long long>(expanded.size()) == static_cast<long long>(source.size()) + growth,
          "the expansion's length is not the source's plus the replacements'");

    CString text(source);
    ExpandEnvVarsWith(text.GetString(), text, lookup);
    Check(text.str() == expanded, "expanding a text into itself gives another result");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> parts = SplitAtZeros(data, size, kMaxValues + 1);
    const std::string source = parts.front();
    CheckUnchangedExpansions(source);
    parts.erase(parts.begin());
    if (!parts.empty())
        CheckReplacedLength(source, parts);
    return 0;
}
