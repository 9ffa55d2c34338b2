// Fuzz target for GetPathFileName, GetPathExtension and KindOfFile: the input
// up to its first zero byte is the path, up to the next its short name (cp932).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "rules/DoubleByte.h"
#include "rules/PathText.h"
#include "rules/ShortcutKind.h"

namespace {

// The characters of `text`, read from its start: a lead byte and the byte
// after it are one character, every other byte is one of its own.
std::vector<std::string> Characters(const std::string& text)
{
    std::vector<std::string> characters;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool pair = IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size();
        characters.push_back(text.substr(i, pair ? 2 : 1));
        if (pair)
            ++i;
    }
    return characters;
}

// True when `text` holds the single-byte character `mark`.
bool HoldsCharacter(const std::string& text, const char* mark)
{
    const std::vector<std::string> characters = Characters(text);
    return std::find(characters.begin(), characters.end(), mark) != characters.end();
}

// True when the last character of `text` is the single-byte `mark`.
bool EndsWithCharacter(const std::string& text, const char* mark)
{
    const std::vector<std::string> characters = Characters(text);
    return !characters.empty() && characters.back() == mark;
}

// Checks that `tail` is what follows the last `mark` character of `text`:
// a suffix holding no such character, after one unless it is all of `text`.
void CheckTailAfter(const std::string& text, const std::string& tail, const char* mark, const char* what)
{
    Check(EndsWith(text, tail), what);
    Check(!HoldsCharacter(tail, mark), what);
    if (tail.size() < text.size())
        Check(EndsWithCharacter(text.substr(0, text.size() - tail.size()), mark), what);
}

// Checks the file name and extension of `path` against its characters.
void CheckPathText(const std::string& path)
{
    const auto exactPath = ExactCString(path);
    const std::string name = GetPathFileName(exactPath.get()).str();
    CheckTailAfter(path, name, "\\", "the file name is not the text after the last backslash");

    const std::string extension = GetPathExtension(exactPath.get()).str();
    Check(EndsWith(name, extension), "the extension is not a suffix of the file name");
    if (HoldsCharacter(name, "."))
        CheckTailAfter(name, extension, ".", "the extension is not the text after the file name's last dot");
    else
        Check(extension.empty(), "a file name without a dot has an extension");

    const auto exactName = ExactCString(name);
    Check(GetPathFileName(exactName.get()).str() == name, "the file name has a file name of its own");
    Check(GetPathExtension(exactName.get()).str() == extension, "the file name alone has another extension");
}

// Checks the kind of `path` with the short name `shortName`: the folders never
// change it, and the short name only refuses the long name's kind.
void CheckShortcutKind(const std::string& path, const std::string& shortName)
{
    const auto exactPath = ExactCString(path), exactShort = ExactCString(shortName);
    const NamedKind named = KindOfLongName(exactPath.get());
    const auto exactName = ExactCString(GetPathFileName(exactPath.get()).str());
    Check(KindOfLongName(exactName.get()).kind == named.kind, "the folders change the kind");
    const ShortcutKind kind = KindOfFile(named, exactShort.get());
    Check(named.shortNameDecides ? kind == ShortcutKind::kNone || kind == named.kind : kind == named.kind,
          "the short name gives another kind, or overrules a long name that decides");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string> parts = SplitAtZeros(data, size, 2);
    CheckPathText(parts.front());
    CheckShortcutKind(parts.front(), parts.back());
    return 0;
}
