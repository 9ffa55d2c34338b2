#include "shell/ShortcutFileKind.h"

#include "framework/AfxString.h"
#include "framework/FindFile.h"
#include "framework/PathForms.h"

namespace {
// `text` with each character outside ASCII as '_': the kind rule reads only
// ASCII letters, dots and backslashes, so it answers for the wide text.
std::string AsciiShape(const WCHAR* text)
{
    std::string shape;
    for (; *text != L'\0'; ++text)
        shape += *text < 0x80 ? static_cast<char>(*text) : '_';
    return shape;
}
}

std::wstring ShortNameOf(const std::wstring& path)
{
    if (path.find_first_of(L"*?<>\"") != std::wstring::npos)
        return std::wstring();
    const CFindFile entry(LongPathForm(path).c_str(), FindExInfoStandard, 0);
    return entry.Found() ? std::wstring(entry.Entry().cAlternateFileName) : std::wstring();
}

ShortcutKind ShortcutKindOf(const WCHAR* longName, const std::function<const WCHAR*()>& shortName)
{
    const NamedKind named = KindOfLongName(AsciiShape(longName).c_str());
    return named.shortNameDecides ? KindOfFile(named, AsciiShape(shortName()).c_str()) : named.kind;
}

ShortcutKind ShortcutKindOf(const char* path)
{
    const NamedKind named = KindOfLongName(path);
    if (!named.shortNameDecides)
        return named.kind;
    return KindOfFile(named, AsciiShape(ShortNameOf(WideFromAnsi(path)).c_str()).c_str());
}
