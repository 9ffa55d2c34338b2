// The structural check of shell link files: what the published format allows
// and what the shell link object writes always passes; sizes and offsets
// that run past their structure are refused; anything else is left to the
// shell link object.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/Com.h"
#include "shell/LinkFileCheck.h"
#include "shell/LinkHotKey.h"
#include "shell/ShellLink.h"
#include "support/LinkCorpus.h"
#include "support/Shortcuts.h"
#include "support/TestFolders.h"

namespace {
// ---- Shell link files built byte by byte ----

void Put16(std::string& bytes, uint32_t value)
{
    bytes += static_cast<char>(value & 0xFF);
    bytes += static_cast<char>((value >> 8) & 0xFF);
}
void Put32(std::string& bytes, uint32_t value)
{
    Put16(bytes, value & 0xFFFF);
    Put16(bytes, value >> 16);
}
void Set16(std::string& bytes, size_t at, uint32_t value)
{
    std::string field;
    Put16(field, value);
    bytes.replace(at, 2, field);
}
void Set32(std::string& bytes, size_t at, uint32_t value)
{
    std::string field;
    Put32(field, value);
    bytes.replace(at, 4, field);
}
uint32_t Get32(const std::string& bytes, size_t at)
{
    uint32_t value = 0;
    for (size_t i = 4; i-- > 0;)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}
// ASCII text as UTF-16LE with its terminator.
std::string Utf16(const std::string& text)
{
    std::string wide;
    for (char c : text + '\0')
        Put16(wide, static_cast<unsigned char>(c));
    return wide;
}

constexpr uint32_t kHasIDList = kHasLinkTargetIDList, kAllStrings = 0x7C, kIsUnicode = 0x80;

std::string Header(uint32_t flags)
{
    std::string bytes;
    Put32(bytes, 0x4C);
    bytes += std::string("\x01\x14\x02\x00\x00\x00\x00\x00\xC0\x00\x00\x00\x00\x00\x00\x46", 16);
    Put32(bytes, flags);
    Put32(bytes, FILE_ATTRIBUTE_ARCHIVE);
    bytes += std::string(24, '\0');  // creation, access and write times
    Put32(bytes, 1234);              // target size
    Put32(bytes, 0);                 // icon index
    Put32(bytes, SW_SHOWNORMAL);
    Put16(bytes, 0x0641);
    bytes += std::string(10, '\0');
    return bytes;
}

std::string IDList(const std::vector<std::string>& items)
{
    std::string list;
    for (const std::string& data : items) {
        Put16(list, static_cast<uint32_t>(2 + data.size()));
        list += data;
    }
    Put16(list, 0);
    std::string field;
    Put16(field, static_cast<uint32_t>(list.size()));
    return field + list;
}

// A VolumeID whose label is ANSI, or UTF-16 behind VolumeLabelOffsetUnicode.
std::string VolumeID(bool unicodeLabel)
{
    const std::string label = unicodeLabel ? Utf16("DATA") : std::string("DATA", 5);
    const uint32_t fixed = unicodeLabel ? 0x14 : 0x10;
    std::string volume;
    Put32(volume, fixed + static_cast<uint32_t>(label.size()));
    Put32(volume, DRIVE_FIXED);
    Put32(volume, 0x1234ABCD);
    Put32(volume, unicodeLabel ? 0x14 : 0x10);
    if (unicodeLabel)
        Put32(volume, 0x14);
    return volume + label;
}

// A CommonNetworkRelativeLink, with the Unicode names when `unicode`.
std::string NetworkLink(bool unicode)
{
    const std::string net("\\\\server\\share", 15), device("Z:", 3);
    const uint32_t fixed = unicode ? 0x1C : 0x14;
    const std::string netWide = Utf16("\\\\server\\share"), deviceWide = Utf16("Z:");
    const uint32_t size = fixed + static_cast<uint32_t>(net.size() + device.size()) +
                          (unicode ? static_cast<uint32_t>(netWide.size() + deviceWide.size()) : 0);
    std::string link;
    Put32(link, size);
    Put32(link, 0x03);  // ValidDevice, ValidNetType
    Put32(link, fixed);
    Put32(link, fixed + static_cast<uint32_t>(net.size()));
    Put32(link, 0x00020000);
    if (unicode) {
        Put32(link, fixed + static_cast<uint32_t>(net.size() + device.size()));
        Put32(link, fixed + static_cast<uint32_t>(net.size() + device.size() + netWide.size()));
    }
    link += net + device;
    if (unicode)
        link += netWide + deviceWide;
    return link;
}

// A LinkInfo with the parts given (empty: left out); `*volumeAt` and
// `*networkAt` get their offsets inside it (0 when left out).
std::string LinkInfo(const std::string& volume, const std::string& localPath, const std::string& network,
                     bool unicodeHeader, uint32_t* volumeAt = nullptr, uint32_t* networkAt = nullptr)
{
    const uint32_t headerSize = unicodeHeader ? 0x24 : 0x1C;
    std::string body;
    const auto place = [&](const std::string& part) -> uint32_t {
        if (part.empty())
            return 0;
        const uint32_t at = headerSize + static_cast<uint32_t>(body.size());
        body += part;
        return at;
    };
    const uint32_t volumeOffset = place(volume);
    const uint32_t localOffset = localPath.empty() ? 0 : place(localPath + '\0');
    const uint32_t networkOffset = place(network);
    const uint32_t suffixOffset = place(std::string(1, '\0'));
    const uint32_t localWideOffset = unicodeHeader && !localPath.empty() ? place(Utf16(localPath)) : 0;
    const uint32_t suffixWideOffset = unicodeHeader ? place(Utf16("")) : 0;
    std::string info;
    Put32(info, headerSize + static_cast<uint32_t>(body.size()));
    Put32(info, headerSize);
    Put32(info, (volume.empty() ? 0 : 1) | (network.empty() ? 0 : 2));
    for (uint32_t offset : {volumeOffset, localOffset, networkOffset, suffixOffset})
        Put32(info, offset);
    if (unicodeHeader) {
        Put32(info, localWideOffset);
        Put32(info, suffixWideOffset);
    }
    if (volumeAt != nullptr)
        *volumeAt = volumeOffset;
    if (networkAt != nullptr)
        *networkAt = networkOffset;
    return info + body;
}

// The five strings, UTF-16, then a ConsoleFEDataBlock and the terminal block.
std::string StringsAndExtraData()
{
    std::string tail;
    for (const char* text : {"A tool", "..\\tools\\x.exe", "C:\\tools", "/a /b", "C:\\tools\\x.exe"}) {
        Put16(tail, static_cast<uint32_t>(std::string(text).size()));
        const std::string wide = Utf16(text);
        tail += wide.substr(0, wide.size() - 2);
    }
    Put32(tail, 0x0C);
    Put32(tail, 0xA0000004);
    Put32(tail, 932);
    Put32(tail, 0);
    return tail;
}

// A link with every part the format has, and where those parts lie.
struct RichLink {
    std::string bytes;
    size_t idList = 0, firstItem = 0, secondItem = 0, linkInfo = 0, volume = 0, network = 0;
};

// Every part, with ItemIDs of `itemBytes` data bytes each.
RichLink MakeRichLink(size_t itemBytes = 20)
{
    RichLink link;
    link.bytes = Header(kHasIDList | kHasLinkInfo | kAllStrings | kIsUnicode);
    link.idList = link.bytes.size();
    link.firstItem = link.idList + 2;
    link.secondItem = link.firstItem + 2 + itemBytes;
    link.bytes += IDList({std::string(itemBytes, 'a'), std::string(itemBytes, 'b'), std::string(itemBytes, 'c')});
    link.linkInfo = link.bytes.size();
    uint32_t volumeAt = 0, networkAt = 0;
    link.bytes += LinkInfo(VolumeID(true), "C:\\tools\\x.exe", NetworkLink(true), true, &volumeAt, &networkAt);
    link.volume = link.linkInfo + volumeAt;
    link.network = link.linkInfo + networkAt;
    link.bytes += StringsAndExtraData();
    return link;
}

int Check(const std::string& bytes)
{
    return IsSoundLinkData(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

class LinkFileCheckTest : public testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, temp);
        // A folder of each test's own: Wine's menu builder, started by each
        // save, may still be reading a shortcut the test before saved.
        folder = std::string(temp) + "velmora-link-check-" +
                 testing::UnitTest::GetInstance()->current_test_info()->name();
        ASSERT_TRUE(MakeFolders(folder));
        char windows[MAX_PATH] = {};
        ::GetWindowsDirectoryA(windows, MAX_PATH);
        target = std::string(windows) + "\\notepad.exe";
    }
    void TearDown() override
    {
        EmptyFolder(folder);
        ::RemoveDirectoryA(folder.c_str());
    }
    std::string Write(const std::string& name, const std::string& bytes) const
    {
        const std::string path = folder + "\\" + name;
        EXPECT_TRUE(WriteFileBytes(path, bytes));
        return path;
    }

    std::string folder, target;
};

struct Change {
    const char* what;
    std::function<void(RichLink&)> apply;
};
}

// Every kind of shortcut the shell link object writes passes, both read from
// its file and as bytes; among them are links with ID lists and LinkInfo.
TEST_F(LinkFileCheckTest, EveryLinkTheShellLinkObjectWritesPasses)
{
    const std::vector<std::string> written = WriteShellLinkVariety(folder, target);
    ASSERT_EQ(written.size(), 48u);
    int withIDList = 0, withLinkInfo = 0;
    for (const std::string& path : written) {
        const std::string bytes = ReadFileBytes(path);
        ASSERT_GE(bytes.size(), 0x4Cu) << path;
        EXPECT_EQ(IsSoundLinkFile(path.c_str()), 1) << path;
        EXPECT_EQ(Check(bytes), 1) << path;
        withIDList += (bytes[0x14] & kHasIDList) != 0;
        withLinkInfo += (bytes[0x14] & kHasLinkInfo) != 0;
    }
    EXPECT_GT(withIDList, 30);
    EXPECT_GT(withLinkInfo, 10);
}

// Links built to the published format, each optional part in or out, pass.
TEST_F(LinkFileCheckTest, LinksOfThePublishedFormatPass)
{
    const std::string tail = StringsAndExtraData();
    const std::vector<std::pair<const char*, std::string>> links = {
        {"header only", Header(0)},
        {"header and terminal block", Header(0) + std::string(4, '\0')},
        {"empty ID list", Header(kHasIDList) + IDList({})},
        {"ItemID without data", Header(kHasIDList) + IDList({"", "x"})},
        {"ANSI LinkInfo, local only", Header(kHasLinkInfo) + LinkInfo(VolumeID(false), "C:\\x.exe", "", false)},
        {"LinkInfo, network only", Header(kHasLinkInfo) + LinkInfo("", "", NetworkLink(false), false)},
        {"LinkInfo, network with Unicode names", Header(kHasLinkInfo) + LinkInfo("", "", NetworkLink(true), true)},
        {"every part", MakeRichLink().bytes},
        {"ID list longer than a file head", MakeRichLink(2000).bytes},
        {"strings, no LinkInfo", Header(kHasIDList | kAllStrings | kIsUnicode) + IDList({"abc"}) + tail},
    };
    for (const auto& link : links) {
        EXPECT_EQ(Check(link.second), 1) << link.first;
        EXPECT_EQ(IsSoundLinkFile(Write("built.lnk", link.second).c_str()), 1) << link.first;
    }
}

// What does not begin with the shell link header is not judged: an MS-DOS
// .PIF, text, an empty or short file, a wrong HeaderSize or CLSID, a file
// that is not there.
TEST_F(LinkFileCheckTest, WhatIsNoShellLinkIsLeftToTheShellLinkObject)
{
    const std::string rich = MakeRichLink().bytes;
    std::string pif(545, '\0');
    pif.replace(2, 5, "TITLE");
    std::string wrongSize = rich, wrongClsid = rich, brokenBehindWrongClsid = rich;
    Set32(wrongSize, 0, 0x4D);
    wrongClsid[0x13] = 0x47;
    Set16(brokenBehindWrongClsid, 0x4C, 0xFFFF);
    brokenBehindWrongClsid[0x13] = 0x47;
    for (const std::string& bytes : {std::string(), std::string("L"), rich.substr(0, 0x4B), pif,
                                     std::string("not a shortcut"), wrongSize, wrongClsid, brokenBehindWrongClsid})
        EXPECT_EQ(Check(bytes), 1) << bytes.size() << " bytes";
    EXPECT_EQ(IsSoundLinkFile((folder + "\\missing.lnk").c_str()), 1);
}

// One size or offset run past its structure, or the file cut inside a part,
// and the link is refused.
TEST_F(LinkFileCheckTest, SizesAndOffsetsPastTheirStructureAreRefused)
{
    const std::vector<Change> changes = {
        {"cut after the header", [](RichLink& l) { l.bytes.resize(0x4D); }},
        {"cut inside the ID list", [](RichLink& l) { l.bytes.resize(l.secondItem); }},
        {"cut inside LinkInfo", [](RichLink& l) { l.bytes.resize(l.linkInfo + 0x30); }},
        {"IDListSize past the file", [](RichLink& l) { Set16(l.bytes, l.idList, 0xFFFF); }},
        // The list holds three ItemIDs of 22 bytes and the TerminalID: 68.
        {"IDListSize short of the TerminalID", [](RichLink& l) { Set16(l.bytes, l.idList, 66); }},
        {"IDListSize past the TerminalID", [](RichLink& l) { Set16(l.bytes, l.idList, 70); }},
        {"IDListSize odd", [](RichLink& l) { Set16(l.bytes, l.idList, 67); }},
        {"ItemIDSize 0 before the last item", [](RichLink& l) { Set16(l.bytes, l.firstItem, 0); }},
        {"ItemIDSize 1", [](RichLink& l) { Set16(l.bytes, l.secondItem, 1); }},
        {"ItemIDSize past IDListSize", [](RichLink& l) { Set16(l.bytes, l.secondItem, 0x100); }},
        {"ItemIDSize 0xFFFF", [](RichLink& l) { Set16(l.bytes, l.firstItem, 0xFFFF); }},
        {"LinkInfoSize past the file", [](RichLink& l) { Set32(l.bytes, l.linkInfo, 0x7FFFFFFF); }},
        {"LinkInfoSize below its fixed part", [](RichLink& l) { Set32(l.bytes, l.linkInfo, 0x1B); }},
        {"LinkInfoHeaderSize below 0x1C", [](RichLink& l) { Set32(l.bytes, l.linkInfo + 4, 0x18); }},
        {"LinkInfoHeaderSize past LinkInfoSize",
         [](RichLink& l) { Set32(l.bytes, l.linkInfo + 4, Get32(l.bytes, l.linkInfo) + 1); }},
        {"VolumeIDSize of 0x10", [](RichLink& l) { Set32(l.bytes, l.volume, 0x10); }},
        {"VolumeIDSize past LinkInfo", [](RichLink& l) { Set32(l.bytes, l.volume, 0x95000011); }},
        {"VolumeLabelOffset past VolumeIDSize", [](RichLink& l) { Set32(l.bytes, l.volume + 0x0C, 0x64000010); }},
        {"VolumeLabelOffsetUnicode past VolumeIDSize", [](RichLink& l) { Set32(l.bytes, l.volume + 0x10, 0x40); }},
        {"CommonNetworkRelativeLinkSize below 0x14", [](RichLink& l) { Set32(l.bytes, l.network, 0x10); }},
        {"CommonNetworkRelativeLinkSize past LinkInfo", [](RichLink& l) { Set32(l.bytes, l.network, 0x1000); }},
        {"NetNameOffset past its structure", [](RichLink& l) { Set32(l.bytes, l.network + 0x08, 0x1000); }},
        {"DeviceNameOffset past its structure", [](RichLink& l) { Set32(l.bytes, l.network + 0x0C, 0x1000); }},
        {"NetNameOffsetUnicode past its structure", [](RichLink& l) { Set32(l.bytes, l.network + 0x14, 0x1000); }},
        {"DeviceNameOffsetUnicode past its structure", [](RichLink& l) { Set32(l.bytes, l.network + 0x18, 0x1000); }},
    };
    const RichLink sound = MakeRichLink();
    ASSERT_EQ(Check(sound.bytes), 1);
    ASSERT_EQ(sound.bytes[sound.idList], 68);
    for (const Change& change : changes) {
        RichLink link = MakeRichLink();
        change.apply(link);
        EXPECT_EQ(Check(link.bytes), 0) << change.what;
    }
    // Each of the six LinkInfo header offsets at LinkInfoSize.
    for (size_t field = 0x0C; field < 0x24; field += 4) {
        RichLink link = MakeRichLink();
        Set32(link.bytes, link.linkInfo + field, Get32(link.bytes, link.linkInfo));
        EXPECT_EQ(Check(link.bytes), 0) << "LinkInfo offset at 0x" << std::hex << field;
    }
}

// Fields that hold no size or offset of the checked parts are the shell
// link object's to judge: changing them never makes the check refuse.
TEST_F(LinkFileCheckTest, FieldsOutsideTheCheckedPartsDoNotMatter)
{
    const std::vector<Change> changes = {
        {"hotkey, times, show command", [](RichLink& l) { l.bytes.replace(0x1C, 0x26, std::string(0x26, '\xFF')); }},
        {"ForceNoLinkInfo", [](RichLink& l) { l.bytes[0x15] |= 0x01; }},
        {"LinkInfoFlags cleared", [](RichLink& l) { Set32(l.bytes, l.linkInfo + 8, 0); }},
        {"a huge string count", [](RichLink& l) { Set16(l.bytes, l.linkInfo + Get32(l.bytes, l.linkInfo), 0xFFFF); }},
        {"extra data cut off", [](RichLink& l) { l.bytes.resize(l.bytes.size() - 6); }},
        {"ItemID data", [](RichLink& l) { l.bytes.replace(l.firstItem + 2, 4, std::string("\xFF\x00\x5C\x7C", 4)); }},
    };
    for (const Change& change : changes) {
        RichLink link = MakeRichLink();
        change.apply(link);
        EXPECT_EQ(Check(link.bytes), 1) << change.what;
    }
}

// Read from its file, a link gets the verdict its bytes get, also when the
// parts checked lie beyond the first bytes read at once, and across a
// corpus of malformed files. A file read as a plain shell link is one the
// link object opens, with the hotkey it reads; among them links with the
// blocks Windows writes and malformed files made from those, with hotkeys.
TEST_F(LinkFileCheckTest, FileVerdictMatchesTheBytesVerdict)
{
    RichLink distant = MakeRichLink(2000);
    ASSERT_GT(distant.volume, 4096u);
    EXPECT_EQ(IsSoundLinkFile(Write("far.lnk", distant.bytes).c_str()), 1);
    Set32(distant.bytes, distant.volume + 0x0C, 0x64000010);
    EXPECT_EQ(IsSoundLinkFile(Write("far.lnk", distant.bytes).c_str()), 0);

    std::vector<CorpusFile> corpus = MalformedLinks({MakeRichLink().bytes, distant.bytes}, 7, 300);
    std::vector<std::string> windowsLinks, seeds;
    for (const std::string& path : WriteShellLinkVariety(folder, target))
        for (unsigned blocks : {0u, +kEveryWindowsBlock, kEveryWindowsBlock & ~kDarwinBlock}) {
            windowsLinks.push_back(WithWindowsBlocks(ReadFileBytes(path), blocks));
            if (windowsLinks.size() % 8 == 1)
                seeds.push_back(windowsLinks.back());
        }
    for (CorpusFile& file : MalformedLinks(seeds, 11, 1000)) {
        file.name = "w" + file.name;
        if (file.bytes.size() >= 0x42)
            Set16(file.bytes, 0x40, 0x0641 + corpus.size() % 26);
        corpus.push_back(file);
    }
    for (size_t i = 0; i < windowsLinks.size(); ++i)
        corpus.push_back({"windows" + std::to_string(i) + ".lnk", windowsLinks[i]});
    ASSERT_TRUE(WriteCorpus(folder, corpus));
    const CComInit com;
    int refused = 0, plain = 0;
    for (const CorpusFile& file : corpus) {
        const std::string path = folder + "\\" + file.name;
        const int verdict = Check(file.bytes);
        EXPECT_EQ(IsSoundLinkFile(path.c_str()), verdict) << file.name;
        refused += verdict == 0;
        const std::optional<WORD> read = ReadPlainLinkHotKey(path.c_str());
        CShellLinkFile link;
        WORD stored = 0;
        const bool opens = link.Open(path.c_str(), nullptr) == S_OK && link.Link()->GetHotkey(&stored) == S_OK;
        EXPECT_TRUE(opens || !read) << file.name;
        EXPECT_EQ(read.value_or(stored), stored) << file.name;
        plain += read && *read != 0;
    }
    EXPECT_GT(refused, 50);
    EXPECT_GT(plain, 40);
}

// Opening a refused file fails as a failed load does: no hotkey read, none
// written, the file untouched. The sound shortcut it was made from opens.
TEST_F(LinkFileCheckTest, RefusedFileOpensLikeAFailedLoad)
{
    ShortcutSpec spec;
    spec.target = target;
    spec.hotKey = 0x0374;
    const std::string sound = folder + "\\Tool.lnk";
    ASSERT_TRUE(MakeShortcut(sound, spec));
    std::string bytes = ReadFileBytes(sound);
    ASSERT_NE(bytes[0x14] & kHasIDList, 0);
    {
        const CComInit com;
        CShellLinkFile link;
        EXPECT_EQ(link.Open(sound.c_str(), nullptr), S_OK);
    }
    // A copy, not the saved file itself, which Wine's menu builder reads in
    // a process of its own after the save.
    Set16(bytes, 0x4E, 0x7FFF);  // the first ItemIDSize, past the list
    const std::string path = Write("Broken.lnk", bytes);
    {
        const CComInit com;
        CShellLinkFile link;
        EXPECT_NE(link.Open(path.c_str(), nullptr), S_OK);
    }
    EXPECT_EQ(GetLinkHotKey(path.c_str(), nullptr), 0);
    EXPECT_EQ(SetLinkHotKey(path.c_str(), 0x0241, nullptr), 0);
    EXPECT_EQ(ReadFileBytes(path), bytes);
}
