// Expansion of %NAME% references in a path.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "framework/AfxString.h"

// One variable's value, or nothing when it is absent or empty.
using EnvLookup = std::function<std::optional<std::string>(const std::string& name)>;

// Copies `source` to `dest`, replacing each %NAME% whose lookup gives a value;
// a reference without a value, and an unterminated one, stay as written.
// `source` may be `dest`'s own text.
void ExpandEnvVarsWith(const char* source, CString& dest, const EnvLookup& lookup);

// The same with the process environment (Windows only).
void ExpandEnvVars(const char* source, CString& dest);
// The process environment's value of `name` (Windows only).
std::optional<std::string> LookupEnvironmentVariable(const std::string& name);
