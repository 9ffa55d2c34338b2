#include "rules/EnvExpansion.h"

#include <vector>

#include <windows.h>

std::optional<std::string> LookupEnvironmentVariable(const std::string& name)
{
    // A value of up to 98 characters fits the first buffer; a longer one makes
    // the call report the size it needs and leave the buffer unfilled.
    char value[100] = {};
    const DWORD offered = sizeof(value) - 1;
    const DWORD length = ::GetEnvironmentVariableA(name.c_str(), value, offered);
    if (length == 0)
        return std::nullopt;
    if (length < offered)
        return std::string(value, length);

    // The variable may change between the calls: only a value that now fits is used.
    std::vector<char> large(length);
    const DWORD copied = ::GetEnvironmentVariableA(name.c_str(), large.data(), length);
    if (copied == 0 || copied >= length)
        return std::nullopt;
    return std::string(large.data(), copied);
}

void ExpandEnvVars(const char* source, CString& dest)
{
    ExpandEnvVarsWith(source, dest, LookupEnvironmentVariable);
}
