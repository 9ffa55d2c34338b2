#include "rules/IconSpec.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The decimal number at the start of `text` into `spec`, if there is one;
// a number beyond int's range becomes its nearest end.
void ReadIconIndex(const char* text, IconSpec& spec)
{
    char* end = nullptr;
    const long number = std::strtol(text, &end, 10);
    if (end == text)
        return;
    spec.hasIndex = true;
    spec.index = static_cast<int>(std::clamp<long>(number, INT_MIN, INT_MAX));
}

} // namespace

IconSpec ParseIconSpec(const char* value)
{
    IconSpec spec;
    if (std::strcmp(value, "%1") == 0) {
        spec.kind = IconSpecKind::kOwnIcon;
        return spec;
    }
    const char* comma = std::strchr(value, ',');
    if (comma == nullptr)
        return spec;
    spec.kind = IconSpecKind::kLocation;
    spec.file = CString(std::string(value, comma));
    ReadIconIndex(comma + 1, spec);
    return spec;
}
