#include "rules/EnvExpansion.h"

void ExpandEnvVarsWith(const char* source, CString& dest, const EnvLookup& lookup)
{
    // Taken before `dest` changes, as `source` may be `dest`'s own text.
    const std::string text = CString(source).str();
    if (text.find('%') == std::string::npos) {
        dest = CString(text);
        return;
    }

    // A percent sign is never the second byte of a double-byte character, so
    // the references are found byte by byte.
    std::string expanded;
    std::string name;
    bool inName = false;
    for (const char byte : text) {
        if (!inName) {
            if (byte == '%')
                inName = true;
            else
                expanded += byte;
        } else if (byte != '%') {
            name += byte;
        } else {
            const std::optional<std::string> value = lookup(name);
            if (value && !value->empty())
                expanded += *value;
            else
                expanded += '%' + name + '%';
            name.clear();
            inName = false;
        }
    }
    if (inName)
        expanded += '%' + name;
    dest = CString(expanded);
}
