// What the fuzz targets share: taking an input apart into texts, and
// stopping the run when a property of a rule does not hold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

// Ends the run with `what` when `holds` is false; libFuzzer reports the
// abort as a crash and keeps the input that caused it.
inline void Check(bool holds, const char* what)
{
    if (holds)
        return;
    std::fprintf(stderr, "property does not hold: %s\n", what);
    std::abort();
}

// The input cut at its zero bytes into at most `maxParts` texts, each one
// a C string's worth; bytes after the last part are dropped.
inline std::vector<std::string> SplitAtZeros(const std::uint8_t* data, std::size_t size, std::size_t maxParts)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= input.size() && parts.size() < maxParts) {
        const std::size_t zero = input.find('\0', start);
        const std::size_t end = zero == std::string::npos ? input.size() : zero;
        parts.push_back(input.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// `text` in a heap block of exactly its size with its terminator, so that a
// read past the terminator is caught by the address sanitizer.
inline std::unique_ptr<char[]> ExactCString(const std::string& text)
{
    std::unique_ptr<char[]> copy(new char[text.size() + 1]);
    std::memcpy(copy.get(), text.c_str(), text.size() + 1);
    return copy;
}

// True when `text` ends with `suffix`.
inline bool EndsWith(const std::string& text, const std::string& suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}
