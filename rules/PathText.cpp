#include "rules/PathText.h"

#include <cstddef>

#include "rules/DoubleByte.h"

namespace {

// Positions of the last single-byte backslash and dot of a path, found one
// character at a time; -1 where there is none.
struct PathMarks {
    std::ptrdiff_t backslash = -1;
    std::ptrdiff_t dot = -1;
};

PathMarks FindPathMarks(const char* path)
{
    PathMarks marks;
    // No lead byte is a backslash or a dot.
    for (std::size_t i = 0; path[i] != '\0'; i += CharacterLength(path, i)) {
        if (path[i] == '\\')
            marks.backslash = static_cast<std::ptrdiff_t>(i);
        else if (path[i] == '.')
            marks.dot = static_cast<std::ptrdiff_t>(i);
    }
    return marks;
}

} // namespace

CString GetPathFileName(const char* path)
{
    return CString(path + FindPathMarks(path).backslash + 1);
}

CString GetPathExtension(const char* path)
{
    const PathMarks marks = FindPathMarks(path);
    if (marks.dot < 0 || marks.dot < marks.backslash)
        return CString();
    return CString(path + marks.dot + 1);
}
