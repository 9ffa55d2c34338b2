#include "rules/DisplayName.h"

#include "rules/PathText.h"

CString DisplayName(const char* path, int fullPath)
{
    return fullPath == 1 ? CString(path) : GetPathFileName(path);
}
