#include "resultlist/DisplayName.h"

#include "text/PathText.h"

CString DisplayName(const char* path, int fullPath)
{
    return fullPath == 1 ? CString(path) : GetPathFileName(path);
}
