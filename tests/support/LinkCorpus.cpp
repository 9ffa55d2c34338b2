#include "support/LinkCorpus.h"

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <random>
#include <set>

#include "framework/Com.h"
#include "rules/LinkFormat.h"
#include "support/AnsiText.h"
#include "support/Shortcuts.h"

namespace {
// ---- Shortcuts written by the shell link object ----

struct LinkTarget {
    const char* name;
    std::string path;  // given to SetPath unless empty
    int folder;        // a CSIDL whose ID list is given to SetIDList, or -1
};

// What is stored besides the target: nothing, every string, or an icon, a
// show command and a hotkey.
enum class LinkExtras { kNone, kStrings, kIconShowHotKey };

// Saves one shortcut of the variety at `path`; true when saved.
bool WriteLink(const std::string& path, const LinkTarget& target, LinkExtras extras, const std::string& workingDir)
{
    ShortcutSpec spec;
    spec.target = target.path;
    spec.targetFolder = target.folder;
    spec.storePath = !target.path.empty();
    if (extras == LinkExtras::kStrings) {
        spec.arguments = "/a \"quoted arg\" %TEMP%";
        spec.workingDir = workingDir;
        spec.description = AnsiFromUtf8("説明 " + std::string(200, 'd'));
    } else if (extras == LinkExtras::kIconShowHotKey) {
        spec.iconFile = "%SystemRoot%\\system32\\shell32.dll";
        spec.iconIndex = 3;
        spec.showCommand = SW_SHOWMINNOACTIVE;
        spec.hotKey = 0x0641;
    }
    return MakeShortcut(path, spec);
}

// ---- The layout of a well-formed shell link ----

constexpr uint32_t kIsUnicode = 0x80;
// HasName, HasRelativePath, HasWorkingDir, HasArguments, HasIconLocation: the
// strings that follow LinkInfo, in this order.
constexpr uint32_t kStringFlags[] = {0x04, 0x08, 0x10, 0x20, 0x40};
constexpr size_t kHeaderFields[] = {0x00, 0x04, 0x14, 0x18, 0x1C, 0x24, 0x2C, 0x34, 0x38, 0x3C, 0x40, 0x42, 0x44, 0x48};
constexpr size_t kLinkInfoUnicodeHeaderSize = 0x24;

// Bounds and little-endian fields of a file's bytes.
bool Has(const std::string& bytes, size_t at, size_t length)
{
    return at <= bytes.size() && length <= bytes.size() - at;
}
uint32_t Word(const std::string& bytes, size_t at)
{
    return static_cast<unsigned char>(bytes[at]) | (static_cast<unsigned char>(bytes[at + 1]) << 8);
}
uint32_t DWord(const std::string& bytes, size_t at) { return Word(bytes, at) | (Word(bytes, at + 2) << 16); }
void PutWord(std::string& bytes, size_t at, uint32_t value)
{
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}
void PutDWord(std::string& bytes, size_t at, uint32_t value)
{
    PutWord(bytes, at, value & 0xFFFF);
    PutWord(bytes, at + 2, value >> 16);
}

struct LinkLayout {
    size_t idListEnd = 0;             // 0 when there is no ID list
    std::vector<size_t> items;        // each ItemIDSize, the TerminalID last
    size_t linkInfo = 0;              // LinkInfoSize, 0 when none
    std::vector<size_t> strings;      // each CountCharacters
    std::vector<size_t> blocks;       // each BlockSize, the terminal block last
};

// The ItemIDs of the ID list from `at` (its IDListSize) on.
void ParseIDList(const std::string& link, size_t at, LinkLayout& layout)
{
    layout.idListEnd = at + 2 + Word(link, at);
    for (size_t item = at + 2; Has(link, item, 2) && item + 2 <= layout.idListEnd;) {
        layout.items.push_back(item);
        if (Word(link, item) < 2)
            break;
        item += Word(link, item);
    }
}

// The strings and extra data blocks from `at` on.
void ParseTail(const std::string& link, size_t at, uint32_t flags, LinkLayout& layout)
{
    const size_t charSize = (flags & kIsUnicode) != 0 ? 2 : 1;
    for (uint32_t flag : kStringFlags) {
        if ((flags & flag) == 0 || !Has(link, at, 2))
            continue;
        layout.strings.push_back(at);
        at += 2 + Word(link, at) * charSize;
    }
    while (Has(link, at, 4)) {
        layout.blocks.push_back(at);
        if (DWord(link, at) < 4)
            break;
        at += DWord(link, at);
    }
}

// Where the parts of the well-formed `link` lie.
LinkLayout ParseLayout(const std::string& link)
{
    LinkLayout layout;
    if (!Has(link, kHeaderSize, 0))
        return layout;
    const uint32_t flags = DWord(link, kLinkFlagsOffset);
    size_t at = kHeaderSize;
    if ((flags & kHasLinkTargetIDList) != 0 && Has(link, at, 2)) {
        ParseIDList(link, at, layout);
        at = layout.idListEnd;
    }
    if ((flags & kHasLinkInfo) != 0 && Has(link, at, 4)) {
        layout.linkInfo = at;
        at += DWord(link, at);
    }
    ParseTail(link, at, flags, layout);
    return layout;
}

// ---- Malformed files ----

enum class Mutation {
    kRandomBytes,
    kRandomBehindHeader,
    kFlippedBytes,
    kOversizedItem,
    kZeroItem,
    kIDListSize,
    kHeaderSize,
    kClsid,
    kStringCount,
    kLinkInfoField,
    kBlockSize,
    kPif,
    kCount
};

class CMutator {
public:
    CMutator(const std::vector<std::string>& seeds, unsigned seed) : m_seeds(seeds), m_random(seed) {}

    std::string Make(Mutation mutation);
    // A number below `n` (0 for 0).
    size_t Below(size_t n) { return n == 0 ? 0 : static_cast<size_t>(m_random() % n); }

private:
    std::string RandomBytes(size_t count);
    // A seed at random that has the structure `of` picks, else any seed.
    const std::string& PickSeed(const std::vector<size_t>& (*of)(const LinkLayout&));
    uint32_t OddSize(uint32_t sound);
    std::string Flipped(std::string bytes);
    std::string WithItemSize(bool oversized);
    std::string WithIDListSize();
    std::string WithStringCount();
    std::string WithLinkInfoField();
    std::string WithBlockSize();
    std::string Pif();

    const std::vector<std::string>& m_seeds;
    std::mt19937 m_random;
};

// The parts PickSeed looks for.
const std::vector<size_t>& ItemsOf(const LinkLayout& layout) { return layout.items; }
const std::vector<size_t>& StringsOf(const LinkLayout& layout) { return layout.strings; }
const std::vector<size_t>& BlocksOf(const LinkLayout& layout) { return layout.blocks; }

// `count` random bytes.
std::string CMutator::RandomBytes(size_t count)
{
    std::string bytes(count, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(m_random() & 0xFF);
    return bytes;
}

const std::string& CMutator::PickSeed(const std::vector<size_t>& (*of)(const LinkLayout&))
{
    const size_t first = Below(m_seeds.size());
    for (size_t i = 0; i < m_seeds.size(); ++i) {
        const std::string& seed = m_seeds[(first + i) % m_seeds.size()];
        if (of == nullptr || !of(ParseLayout(seed)).empty())
            return seed;
    }
    return m_seeds[first];
}

// A size that differs from `sound`: 0, 1, just past it, far past it or any.
uint32_t CMutator::OddSize(uint32_t sound)
{
    const uint32_t choices[] = {0, 1, sound + 1, sound + 1 + static_cast<uint32_t>(Below(0x10000)), 0x7FFFFFFF,
                                0xFFFFFFFF, static_cast<uint32_t>(m_random())};
    const uint32_t size = choices[Below(sizeof(choices) / sizeof(choices[0]))];
    return size == sound ? sound + 1 : size;
}

// `bytes` with one to eight of them flipped.
std::string CMutator::Flipped(std::string bytes)
{
    const size_t flips = 1 + Below(8);
    for (size_t i = 0; i < flips && !bytes.empty(); ++i)
        bytes[Below(bytes.size())] ^= static_cast<char>(1 + Below(255));
    return bytes;
}

// An ItemIDSize past the list's end (`oversized`), else 0 or 1 before it.
std::string CMutator::WithItemSize(bool oversized)
{
    std::string bytes = PickSeed(ItemsOf);
    const LinkLayout layout = ParseLayout(bytes);
    if (layout.items.empty())
        return Flipped(bytes);
    const size_t item = layout.items[Below(layout.items.size())];
    const uint32_t pastEnd = static_cast<uint32_t>(layout.idListEnd - item + 1);
    const uint32_t size = oversized ? std::min<uint32_t>(0xFFFF, pastEnd + static_cast<uint32_t>(Below(0x10000)))
                                    : static_cast<uint32_t>(Below(2));
    PutWord(bytes, item, size);
    return bytes;
}

// A link whose IDListSize differs from its list's size.
std::string CMutator::WithIDListSize()
{
    std::string bytes = PickSeed(ItemsOf);
    if (ParseLayout(bytes).items.empty())
        return Flipped(bytes);
    PutWord(bytes, kHeaderSize, OddSize(Word(bytes, kHeaderSize)) & 0xFFFF);
    return bytes;
}

// A link with one string's CountCharacters far past the file's end.
std::string CMutator::WithStringCount()
{
    std::string bytes = PickSeed(StringsOf);
    const LinkLayout layout = ParseLayout(bytes);
    if (layout.strings.empty())
        return Flipped(bytes);
    PutWord(bytes, layout.strings[Below(layout.strings.size())], 0x8000 + static_cast<uint32_t>(Below(0x8000)));
    return bytes;
}

// One of LinkInfoSize, LinkInfoHeaderSize and the offsets out of range.
std::string CMutator::WithLinkInfoField()
{
    std::string bytes = PickSeed(nullptr);
    const LinkLayout layout = ParseLayout(bytes);
    if (layout.linkInfo == 0 || !Has(bytes, layout.linkInfo, kLinkInfoUnicodeHeaderSize))
        return Flipped(bytes);
    // Fields 0 to 8 of the header but LinkInfoFlags (2), which holds no size.
    const size_t sizes = DWord(bytes, layout.linkInfo + 4) >= kLinkInfoUnicodeHeaderSize ? 8 : 6;
    const size_t pick = Below(sizes);
    const size_t field = pick < 2 ? pick : pick + 1;
    PutDWord(bytes, layout.linkInfo + 4 * field, OddSize(DWord(bytes, layout.linkInfo)));
    return bytes;
}

// A link with one extra data BlockSize out of range.
std::string CMutator::WithBlockSize()
{
    std::string bytes = PickSeed(BlocksOf);
    const LinkLayout layout = ParseLayout(bytes);
    if (layout.blocks.empty())
        return Flipped(bytes);
    const size_t block = layout.blocks[Below(layout.blocks.size())];
    PutDWord(bytes, block, OddSize(DWord(bytes, block)));
    return bytes;
}

// An MS-DOS program information file: its 545 bytes begin with a zero
// byte, a checksum and a title, and carry "MICROSOFT PIFEX" at 0x171.
std::string CMutator::Pif()
{
    std::string bytes = RandomBytes(545);
    bytes[0] = '\0';
    bytes.replace(2, 30, std::string(30, ' '));
    const std::string signature("MICROSOFT PIFEX", 16);
    bytes.replace(0x171, signature.size(), signature);
    return bytes;
}

// One malformed file made by `mutation`.
std::string CMutator::Make(Mutation mutation)
{
    switch (mutation) {
    case Mutation::kRandomBytes:
        return RandomBytes(Below(2048));
    case Mutation::kRandomBehindHeader: {
        std::string header = PickSeed(nullptr).substr(0, kHeaderSize);
        if (header.size() == kHeaderSize)
            PutDWord(header, kLinkFlagsOffset, DWord(header, kLinkFlagsOffset) | static_cast<uint32_t>(Below(4)));
        return header + RandomBytes(1 + Below(512));
    }
    case Mutation::kFlippedBytes:
        return Flipped(PickSeed(nullptr));
    case Mutation::kOversizedItem:
        return WithItemSize(true);
    case Mutation::kZeroItem:
        return WithItemSize(false);
    case Mutation::kIDListSize:
        return WithIDListSize();
    case Mutation::kHeaderSize: {
        std::string bytes = PickSeed(nullptr);
        PutDWord(bytes, 0, OddSize(DWord(bytes, 0)));
        return bytes;
    }
    case Mutation::kClsid: {
        std::string bytes = PickSeed(nullptr);
        bytes[4 + Below(16)] ^= static_cast<char>(1 + Below(255));
        return bytes;
    }
    case Mutation::kStringCount:
        return WithStringCount();
    case Mutation::kLinkInfoField:
        return WithLinkInfoField();
    case Mutation::kBlockSize:
        return WithBlockSize();
    default:
        return Pif();
    }
}

// Each seed cut at each of its boundaries, without repeats.
std::vector<std::string> Truncations(const std::vector<std::string>& seeds)
{
    std::vector<std::string> cuts;
    std::set<std::string> seen;
    for (const std::string& seed : seeds)
        for (size_t boundary : LinkBoundaries(seed))
            if (boundary < seed.size() && seen.insert(seed.substr(0, boundary)).second)
                cuts.push_back(seed.substr(0, boundary));
    return cuts;
}

// Zeroes the header's hotkey, where the file is long enough to hold one.
void ClearHotKey(std::string& bytes)
{
    if (Has(bytes, kHotKeyOffset, 2))
        PutWord(bytes, kHotKeyOffset, 0);
}

// "Bad0042.lnk" and the like.
std::string CorpusName(size_t index, bool pif)
{
    char name[32];
    std::snprintf(name, sizeof(name), "Bad%04u.%s", static_cast<unsigned>(index), pif ? "pif" : "lnk");
    return name;
}
}

std::vector<std::string> WriteShellLinkVariety(const std::string& folder, const std::string& target)
{
    const std::string windows = target.substr(0, target.rfind('\\'));
    const LinkTarget targets[] = {
        {"File", target, -1},
        {"Folder", windows, -1},
        {"Missing", "C:\\nowhere\\gone.exe", -1},
        {"Unc", "\\\\server\\share\\tool.exe", -1},
        {"Relative", "notepad.exe", -1},
        {"Env", "%windir%\\notepad.exe", -1},
        {"Japanese", AnsiFromUtf8("C:\\ソフト\\表計算.exe"), -1},
        {"Desktop", "", CSIDL_DESKTOP},
        {"Drives", "", CSIDL_DRIVES},
        {"Controls", "", CSIDL_CONTROLS},
        {"Personal", "", CSIDL_PERSONAL},
        {"Fonts", "", CSIDL_FONTS},
        {"Printers", "", CSIDL_PRINTERS},
        {"BitBucket", "", CSIDL_BITBUCKET},
        {"Network", "", CSIDL_NETWORK},
        {"Empty", "", -1},
    };
    std::vector<std::string> written;
    for (const LinkTarget& linkTarget : targets) {
        for (LinkExtras extras : {LinkExtras::kNone, LinkExtras::kStrings, LinkExtras::kIconShowHotKey}) {
            const std::string path =
                folder + "\\" + linkTarget.name + std::to_string(static_cast<int>(extras)) + ".lnk";
            if (WriteLink(path, linkTarget, extras, windows))
                written.push_back(path);
        }
    }
    return written;
}

namespace {
// An extra data block: BlockSize, BlockSignature, then `data`.
std::string ExtraBlock(uint32_t signature, std::string data)
{
    data.insert(0, 8, '\0');
    PutDWord(data, 0, static_cast<uint32_t>(data.size()));
    PutDWord(data, 4, signature);
    return data;
}

// The ANSI and UTF-16 fields (260 and 520 bytes) of an environment variable
// or Windows Installer block, holding the ASCII `text` cut to 259 characters.
std::string AnsiAndWideFields(const std::string& text)
{
    std::string fields(260 + 520, '\0');
    for (size_t i = 0; i < text.size() && i < 259; ++i)
        fields[i] = fields[260 + 2 * i] = text[i];
    return fields;
}
}

std::string WithWindowsBlocks(const std::string& link, unsigned blocks, const std::string& unexpanded)
{
    constexpr uint32_t kHasExpString = 0x200, kHasDarwinID = 0x1000;
    // A property store of one storage ("1SPS") with no values; a tracker's
    // Length, Version, MachineID and two pairs of object ids.
    std::string store(0x18, '\x5A'), tracker(0x58, '\x33');
    PutDWord(store, 0, 0x1C);
    PutDWord(store, 4, 0x53505331);
    store += std::string(8, '\0');
    PutDWord(tracker, 0, 0x58);
    PutDWord(tracker, 4, 0);
    const struct {
        unsigned kind;
        uint32_t signature, flag;
        std::string data;
    } kinds[] = {
        {kDarwinBlock, 0xA0000006, kHasDarwinID, AnsiAndWideFields("w_1^VX!!!!!!!!!MKKSkEXCELFiles>tW{~$4Q]c@II=l2xaTO5Z")},
        {kEnvironmentBlock, 0xA0000001, kHasExpString, AnsiAndWideFields(unexpanded)},
        {kTrackerBlock, 0xA0000003, 0, tracker},
        {kPropertyStoreBlock, 0xA0000009, 0, store},
        {kUnknownBlock, 0xA00000F7, 0, "unknown data"},
    };
    std::string bytes = link, added;
    for (const auto& kind : kinds) {
        if ((blocks & kind.kind) == 0)
            continue;
        added += ExtraBlock(kind.signature, kind.data);
        PutDWord(bytes, kLinkFlagsOffset, DWord(bytes, kLinkFlagsOffset) | kind.flag);
    }
    const LinkLayout layout = ParseLayout(link);
    return bytes.insert(layout.blocks.empty() ? link.size() : layout.blocks.back(), added);
}

std::vector<size_t> LinkBoundaries(const std::string& link)
{
    std::set<size_t> boundaries(std::begin(kHeaderFields), std::end(kHeaderFields));
    boundaries.insert(kHeaderSize);
    const LinkLayout layout = ParseLayout(link);
    for (size_t item : layout.items)
        boundaries.insert({item, item + 2});
    if (layout.linkInfo != 0) {
        for (size_t field = 0; field <= kLinkInfoUnicodeHeaderSize; field += 4)
            boundaries.insert(layout.linkInfo + field);
        boundaries.insert(layout.linkInfo + DWord(link, layout.linkInfo));
    }
    for (size_t text : layout.strings)
        boundaries.insert({text, text + 2});
    for (size_t block : layout.blocks)
        boundaries.insert({block, block + 4, block + 8});
    std::vector<size_t> sorted;
    for (size_t boundary : boundaries)
        if (boundary <= link.size())
            sorted.push_back(boundary);
    if (sorted.empty() || sorted.back() != link.size())
        sorted.push_back(link.size());
    return sorted;
}

std::vector<CorpusFile> MalformedLinks(const std::vector<std::string>& seeds, unsigned seed, size_t count)
{
    std::vector<CorpusFile> files;
    if (seeds.empty())
        return files;
    for (std::string cut : Truncations(seeds)) {
        if (files.size() == count)
            return files;
        ClearHotKey(cut);
        files.push_back({CorpusName(files.size(), files.size() % 3 == 2), cut});
    }
    CMutator mutator(seeds, seed);
    while (files.size() < count) {
        const Mutation mutation = static_cast<Mutation>(mutator.Below(static_cast<size_t>(Mutation::kCount)));
        std::string bytes = mutator.Make(mutation);
        ClearHotKey(bytes);
        files.push_back({CorpusName(files.size(), mutation == Mutation::kPif || files.size() % 3 == 2), bytes});
    }
    return files;
}

bool WriteCorpus(const std::string& folder, const std::vector<CorpusFile>& files)
{
    bool all = true;
    for (const CorpusFile& file : files)
        all = WriteFileBytes(folder + "\\" + file.name, file.bytes) && all;
    return all;
}
