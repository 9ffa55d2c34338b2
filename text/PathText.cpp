#include "text/PathText.h"

#include <cstddef>

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
    std::ptrdiff_t i = 0;
    while (path[i] != '\0') {
        const unsigned char byte = static_cast<unsigned char>(path[i]);
        if (IsLeadByte(byte) && path[i + 1] != '\0') {
            i += 2;
            continue;
        }
        if (byte == '\\')
            marks.backslash = i;
        else if (byte == '.')
            marks.dot = i;
        ++i;
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
