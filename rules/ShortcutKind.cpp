#include "rules/ShortcutKind.h"

#include <string>
#include <utility>

#include "rules/AsciiCase.h"
#include "rules/PathText.h"

namespace {
// Each kind with the letters of its extension, in lower case.
constexpr std::pair<ShortcutKind, const char*> kKindLetters[] = {
    {ShortcutKind::kLink, "lnk"}, {ShortcutKind::kPif, "pif"}, {ShortcutKind::kInternet, "url"}};
}

NamedKind KindOfLongName(const char* path)
{
    const std::string extension = AsciiLowerCase(GetPathExtension(path)).str();
    for (const auto& [kind, letters] : kKindLetters)
        if (extension.compare(0, 3, letters) == 0)
            return {kind, extension.size() > 3};
    return {};
}

ShortcutKind KindOfFile(const NamedKind& named, const char* shortName)
{
    if (!named.shortNameDecides)
        return named.kind;
    const NamedKind byShortName = KindOfLongName(shortName);
    return byShortName.kind == named.kind && !byShortName.shortNameDecides ? named.kind : ShortcutKind::kNone;
}
