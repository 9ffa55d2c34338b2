#include "text/ShownName.h"

#include "framework/PathForms.h"

std::wstring LongPathOf(const CString& path)
{
    return LongNameOf(WideFromAnsi(path.GetString()));
}

std::wstring ShownNameIn(const std::wstring& longPath, int fullPath)
{
    return fullPath == 1 ? longPath : longPath.substr(longPath.rfind(L'\\') + 1);
}
