// Fuzz target for the row order: the input's first byte chooses the sort key
// and the full-path setting, the zero-separated texts after it are compared.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "rules/RowOrder.h"
#include "rules/PathText.h"

namespace {

// `text` with the ASCII capitals folded to lower case.
std::string Folded(const std::string& text)
{
    std::string folded = text;
    for (char& byte : folded) {
        if (byte >= 'A' && byte <= 'Z')
            byte = static_cast<char>(byte + ('a' - 'A'));
    }
    return folded;
}

// CompareSortTexts of two texts, each in a block of exactly its size.
int Compare(const std::string& a, const std::string& b)
{
    const auto exactA = ExactCString(a);
    const auto exactB = ExactCString(b);
    return CompareSortTexts(exactA.get(), exactB.get());
}

// Checks that two texts compare as their folded bytes do, unsigned and a
// prefix first, and the same way round in either order.
void CheckPair(const std::string& a, const std::string& b)
{
    const int order = Compare(a, b);
    const int folded = Folded(a).compare(Folded(b));
    Check(order == (folded < 0 ? -1 : folded > 0 ? 1 : 0), "the order is not that of the folded bytes");
    Check(Compare(b, a) == -order, "the order is not antisymmetric");
}

// Checks that the order of three texts is transitive.
void CheckTriple(const std::string& a, const std::string& b, const std::string& c)
{
    if (Compare(a, b) <= 0 && Compare(b, c) <= 0)
        Check(Compare(a, c) <= 0, "the order is not transitive");
}

// Checks which text SortTextOf takes under the sort key and setting that
// `control` chooses.
void CheckSortText(std::uint8_t control, const std::string& path, const std::string& hotKey)
{
    const int keys[] = {kSortByKey, kSortByName, control - 128};
    const int sortKey = keys[control % 3];
    const int fullPath = (control >> 2) % 4 - 1;
    const std::string text = SortTextOf(sortKey, fullPath, CString(path), CString(hotKey)).str();
    if (sortKey == kSortByKey)
        Check(text == hotKey, "sorting by key does not take the hotkey text");
    else if (sortKey == kSortByName && fullPath == 1)
        Check(text == path, "sorting by full path does not take the path");
    else if (sortKey == kSortByName)
        Check(text == GetPathFileName(path.c_str()).str(), "sorting by name does not take the file name");
    else
        Check(text.empty(), "an unknown sort key gives a sort text");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    std::vector<std::string> texts = SplitAtZeros(data + 1, size - 1, 3);
    texts.resize(3);
    CheckPair(texts[0], texts[1]);
    CheckPair(texts[0], texts[0]);
    CheckTriple(texts[0], texts[1], texts[2]);
    CheckSortText(data[0], texts[0], texts[1]);
    return 0;
}
