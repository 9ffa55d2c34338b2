#include "shell/LinkFileCheck.h"

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "framework/ScopedHandles.h"
#include "rules/LinkFormat.h"

namespace {
// The fixed sizes and values of the shell link format beyond its header's
// (LinkFormat.h).
constexpr uint32_t kIDListSizeBytes = 2;
// LinkFlags: the first and last of the five optional strings, UTF-16
// strings, and the two marks of an advertised shortcut (Logo3 and Darwin ID).
constexpr uint32_t kHasName = 0x04;
constexpr uint32_t kHasIconLocation = 0x40;
constexpr uint32_t kIsUnicode = 0x80;
constexpr uint32_t kHasLogo3ID = 0x800;
constexpr uint32_t kHasDarwinID = 0x1000;
// 00021401-0000-0000-C000-000000000046 as stored.
constexpr unsigned char kLinkClsid[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                          0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
// LinkInfo: LinkInfoSize, LinkInfoHeaderSize, LinkInfoFlags, then the
// offsets VolumeID, LocalBasePath, CommonNetworkRelativeLink and
// CommonPathSuffix; a header of 0x24 bytes or more adds two Unicode offsets.
constexpr uint32_t kLinkInfoFixedSize = 0x1C;
constexpr uint32_t kLinkInfoUnicodeHeaderSize = 0x24;
constexpr uint32_t kLinkInfoFirstOffset = 0x0C;
constexpr uint32_t kVolumeIDOffset = 0x0C;
constexpr uint32_t kNetworkLinkOffset = 0x14;
// VolumeID: VolumeIDSize (which must exceed these 0x10 bytes), DriveType,
// DriveSerialNumber, VolumeLabelOffset; a VolumeLabelOffset of 0x14 means
// VolumeLabelOffsetUnicode follows.
constexpr uint32_t kVolumeIDFixedSize = 0x10;
constexpr uint32_t kVolumeLabelOffset = 0x0C;
constexpr uint32_t kVolumeLabelUnicodeMark = 0x14;
// CommonNetworkRelativeLink: its size, flags, NetNameOffset,
// DeviceNameOffset and NetworkProviderType; a NetNameOffset past these 0x14
// bytes means NetNameOffsetUnicode and DeviceNameOffsetUnicode follow.
constexpr uint32_t kNetworkLinkFixedSize = 0x14;
constexpr uint32_t kNetworkLinkUnicodeSize = 0x1C;
constexpr uint32_t kNetNameOffset = 0x08;
constexpr uint32_t kDeviceNameOffset = 0x0C;
// The bytes read at once from the start of a file: the whole of a usual
// shortcut.
constexpr DWORD kHeadBytes = 4096;

// The little-endian 16- and 32-bit values the format stores.
uint32_t LoadWord(const unsigned char* bytes) { return bytes[0] | (bytes[1] << 8); }
uint32_t LoadDWord(const unsigned char* bytes) { return LoadWord(bytes) | (LoadWord(bytes + 2) << 16); }

// The bytes of a file, read by offset.
class CLinkSource {
public:
    explicit CLinkSource(unsigned long long size) : m_size(size) {}
    virtual ~CLinkSource() = default;
    CLinkSource(const CLinkSource&) = delete;
    CLinkSource& operator=(const CLinkSource&) = delete;

    // True when `length` bytes from `offset` are in the file.
    bool InFile(unsigned long long offset, unsigned long long length) const
    {
        return offset <= m_size && length <= m_size - offset;
    }
    // Reads `length` bytes at `offset` into `out`; false when they are not
    // all in the file or cannot be read.
    bool Read(unsigned long long offset, size_t length, unsigned char* out)
    {
        return InFile(offset, length) && (length == 0 || ReadInFile(offset, length, out));
    }

private:
    virtual bool ReadInFile(unsigned long long offset, size_t length, unsigned char* out) = 0;

    unsigned long long m_size;
};

// A file already in memory.
class CMemorySource : public CLinkSource {
public:
    CMemorySource(const unsigned char* bytes, size_t size) : CLinkSource(size), m_bytes(bytes) {}

private:
    bool ReadInFile(unsigned long long offset, size_t length, unsigned char* out) override
    {
        std::memcpy(out, m_bytes + offset, length);
        return true;
    }

    const unsigned char* m_bytes;
};

// An open file whose first bytes, its head, are already read; the rest is read
// where it lies.
class CFileSource : public CLinkSource {
public:
    CFileSource(HANDLE file, unsigned long long size, const unsigned char* head, size_t headSize)
        : CLinkSource(size), m_file(file), m_head(head), m_headSize(headSize)
    {
    }

private:
    bool ReadInFile(unsigned long long offset, size_t length, unsigned char* out) override
    {
        if (offset + length <= m_headSize) {
            std::memcpy(out, m_head + offset, length);
            return true;
        }
        OVERLAPPED at = {};
        at.Offset = static_cast<DWORD>(offset & 0xFFFFFFFFu);
        at.OffsetHigh = static_cast<DWORD>(offset >> 32);
        DWORD read = 0;
        return ::ReadFile(m_file, out, static_cast<DWORD>(length), &read, &at) && read == length;
    }

    HANDLE m_file;
    const unsigned char* m_head;
    size_t m_headSize;
};

// True when the file begins with the shell link header's size and CLSID;
// `*flags` gets its LinkFlags.
bool ClaimsShellLink(CLinkSource& file, uint32_t* flags)
{
    unsigned char header[kHeaderSize];
    if (!file.Read(0, kHeaderSize, header) || LoadDWord(header) != kHeaderSize ||
        std::memcmp(header + 4, kLinkClsid, sizeof(kLinkClsid)) != 0)
        return false;
    *flags = LoadDWord(header + kLinkFlagsOffset);
    return true;
}

// True when the ItemIDs of `list` walk to a TerminalID that ends exactly at
// the list's end, each ItemIDSize at least its own two bytes.
bool ItemIDsFillList(const std::vector<unsigned char>& list)
{
    size_t offset = 0;
    while (offset + 2 <= list.size()) {
        const size_t itemSize = LoadWord(&list[offset]);
        if (itemSize == 0)
            return offset + 2 == list.size();
        if (itemSize < 2)
            return false;
        offset += itemSize;
    }
    return false;
}

// The LinkTargetIDList after the header: true when it lies in the file and
// its items fill it exactly; `*next` gets the offset that follows it.
bool IsIDListSound(CLinkSource& file, unsigned long long* next)
{
    unsigned char sizeBytes[kIDListSizeBytes];
    if (!file.Read(kHeaderSize, kIDListSizeBytes, sizeBytes))
        return false;
    std::vector<unsigned char> list(LoadWord(sizeBytes));
    *next = kHeaderSize + kIDListSizeBytes + list.size();
    return file.Read(kHeaderSize + kIDListSizeBytes, list.size(), list.data()) && ItemIDsFillList(list);
}

// The VolumeID at `at`, `room` bytes before LinkInfo's end: true when it
// lies inside LinkInfo and its label offsets inside itself.
bool IsVolumeIDSound(CLinkSource& file, unsigned long long at, uint32_t room)
{
    unsigned char volume[kVolumeIDFixedSize + 4];
    if (room < kVolumeIDFixedSize || !file.Read(at, kVolumeIDFixedSize, volume))
        return false;
    const uint32_t size = LoadDWord(volume);
    const uint32_t label = LoadDWord(volume + kVolumeLabelOffset);
    if (size <= kVolumeIDFixedSize || size > room || label >= size)
        return false;
    if (label != kVolumeLabelUnicodeMark)
        return true;
    return file.Read(at + kVolumeIDFixedSize, 4, volume + kVolumeIDFixedSize) &&
           LoadDWord(volume + kVolumeIDFixedSize) < size;
}

// The CommonNetworkRelativeLink at `at`, `room` bytes before LinkInfo's
// end: true when it lies inside LinkInfo and its name offsets inside itself.
bool IsNetworkLinkSound(CLinkSource& file, unsigned long long at, uint32_t room)
{
    unsigned char link[kNetworkLinkUnicodeSize];
    if (room < kNetworkLinkFixedSize || !file.Read(at, kNetworkLinkFixedSize, link))
        return false;
    const uint32_t size = LoadDWord(link);
    const uint32_t netName = LoadDWord(link + kNetNameOffset);
    if (size < kNetworkLinkFixedSize || size > room || netName >= size || LoadDWord(link + kDeviceNameOffset) >= size)
        return false;
    if (netName <= kNetworkLinkFixedSize)
        return true;
    return size >= kNetworkLinkUnicodeSize &&
           file.Read(at + kNetworkLinkFixedSize, kNetworkLinkUnicodeSize - kNetworkLinkFixedSize,
                     link + kNetworkLinkFixedSize) &&
           LoadDWord(link + kNetworkLinkFixedSize) < size && LoadDWord(link + kNetworkLinkFixedSize + 4) < size;
}

// The LinkInfo at `start`: true when it lies in the file, its header within
// it, every offset of the header inside it, and the VolumeID and
// CommonNetworkRelativeLink they lead to inside it too.
bool IsLinkInfoSound(CLinkSource& file, unsigned long long start)
{
    unsigned char header[kLinkInfoUnicodeHeaderSize];
    if (!file.Read(start, kLinkInfoFixedSize, header))
        return false;
    const uint32_t size = LoadDWord(header);
    const uint32_t headerSize = LoadDWord(header + 4);
    if (size < kLinkInfoFixedSize || !file.InFile(start, size) || headerSize < kLinkInfoFixedSize || headerSize > size)
        return false;
    const bool unicode = headerSize >= kLinkInfoUnicodeHeaderSize;
    if (unicode && !file.Read(start + kLinkInfoFixedSize, kLinkInfoUnicodeHeaderSize - kLinkInfoFixedSize,
                              header + kLinkInfoFixedSize))
        return false;
    const uint32_t offsetsEnd = unicode ? kLinkInfoUnicodeHeaderSize : kLinkInfoFixedSize;
    for (uint32_t field = kLinkInfoFirstOffset; field < offsetsEnd; field += 4)
        if (LoadDWord(header + field) >= size)
            return false;
    const uint32_t volume = LoadDWord(header + kVolumeIDOffset);
    const uint32_t network = LoadDWord(header + kNetworkLinkOffset);
    return (volume == 0 || IsVolumeIDSound(file, start + volume, size - volume)) &&
           (network == 0 || IsNetworkLinkSound(file, start + network, size - network));
}

// Whether the file `file` reads claims the shell link header and, if so,
// whether its structure is sound; `*flags` gets its LinkFlags and `*end`,
// when given, the offset after the parts checked.
LinkFileKind KindOf(CLinkSource& file, uint32_t* flags, unsigned long long* end = nullptr)
{
    if (!ClaimsShellLink(file, flags))
        return LinkFileKind::kOther;
    unsigned long long next = kHeaderSize;
    if ((*flags & kHasLinkTargetIDList) != 0 && !IsIDListSound(file, &next))
        return LinkFileKind::kUnsoundShellLink;
    unsigned char infoSize[4] = {};
    if ((*flags & kHasLinkInfo) != 0 && (!IsLinkInfoSound(file, next) || !file.Read(next, 4, infoSize)))
        return LinkFileKind::kUnsoundShellLink;
    if (end != nullptr)
        *end = next + LoadDWord(infoSize);
    return LinkFileKind::kShellLink;
}

// True when what follows the LinkInfo at `at` lies in the file: the count
// and characters of each string `flags` names, then extra data blocks, each
// at least its size and signature, up to the terminal block (a size below 4).
bool IsRestInFile(CLinkSource& file, uint32_t flags, unsigned long long at)
{
    unsigned char size[4];
    const unsigned long long unit = (flags & kIsUnicode) != 0 ? 2 : 1;
    for (uint32_t string = kHasName; string <= kHasIconLocation; string <<= 1) {
        if ((flags & string) == 0)
            continue;
        if (!file.Read(at, 2, size))
            return false;
        at += 2 + LoadWord(size) * unit;
    }
    for (;;) {
        if (!file.Read(at, 4, size))
            return false;
        const uint32_t blockSize = LoadDWord(size);
        if (blockSize < 4)
            return true;
        if (blockSize < 8 || !file.InFile(at, blockSize))
            return false;
        at += blockSize;
    }
}

// Where CFileHead::Read finds the start of the file.
enum class HeadAt {
    kPosition,  // at the file position: the file was just opened
    kOffset0,   // at offset 0, wherever the position is
};

// An open file's first kHeadBytes and its size.
struct CFileHead {
    unsigned char bytes[kHeadBytes];
    DWORD length = 0;
    unsigned long long size = 0;

    // False when the file cannot be read. A read at an explicit offset takes
    // Wine a few microseconds longer, so a file just opened is read from
    // its position.
    bool Read(HANDLE file, HeadAt at)
    {
        OVERLAPPED start = {};
        if (!::ReadFile(file, bytes, kHeadBytes, &length, at == HeadAt::kOffset0 ? &start : nullptr) &&
            ::GetLastError() != ERROR_HANDLE_EOF)
            return false;
        // A head shorter than asked for is the whole file: no need to ask its size.
        if (length < kHeadBytes) {
            size = length;
            return true;
        }
        LARGE_INTEGER fileSize = {};
        if (!::GetFileSizeEx(file, &fileSize))
            return false;
        size = static_cast<unsigned long long>(fileSize.QuadPart);
        return true;
    }
};
}

int IsSoundLinkData(const unsigned char* bytes, size_t size)
{
    CMemorySource file(bytes, size);
    uint32_t flags = 0;
    return KindOf(file, &flags) != LinkFileKind::kUnsoundShellLink ? 1 : 0;
}

std::optional<WORD> ReadPlainLinkHotKey(const char* path)
{
    const CScopedFile file = OpenLinkFile(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    CFileHead head;
    if (!file.IsOpen() || !head.Read(file.Get(), HeadAt::kPosition))
        return std::nullopt;
    CFileSource source(file.Get(), head.size, head.bytes, head.length);
    uint32_t flags = 0;
    unsigned long long end = 0;
    if (KindOf(source, &flags, &end) != LinkFileKind::kShellLink || (flags & (kHasLogo3ID | kHasDarwinID)) != 0 ||
        !IsRestInFile(source, flags, end))
        return std::nullopt;
    return HotKeyWordIn(head.bytes, head.length);
}

int IsSoundLinkFile(const char* path)
{
    return ReadLinkFileKind(path, nullptr) == LinkFileKind::kUnsoundShellLink ? 0 : 1;
}

CScopedFile OpenLinkFile(const char* path, DWORD access, DWORD share)
{
    return RetryWhileShared(
        [&] { return CScopedFile(::CreateFileA(path, access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)); },
        [](const CScopedFile& file) { return !file.IsOpen() && ::GetLastError() == ERROR_SHARING_VIOLATION; });
}

namespace {
// ReadLinkFileKind for `file`, its head read as `at` says.
LinkFileKind ReadOpenLinkKind(HANDLE file, HeadAt at, LinkFileStamp* stamp)
{
    CFileHead head;
    if (!head.Read(file, at))
        return LinkFileKind::kUnreadable;
    CFileSource source(file, head.size, head.bytes, head.length);
    uint32_t flags = 0;
    const LinkFileKind kind = KindOf(source, &flags);
    if (kind == LinkFileKind::kShellLink && stamp != nullptr) {
        std::memcpy(stamp->header, head.bytes, kHeaderSize);
        stamp->size = head.size;
    }
    return kind;
}
}

LinkFileKind ReadLinkFileKind(const char* path, LinkFileStamp* stamp)
{
    const CScopedFile file = OpenLinkFile(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    return file.IsOpen() ? ReadOpenLinkKind(file.Get(), HeadAt::kPosition, stamp) : LinkFileKind::kUnreadable;
}

LinkFileKind ReadLinkFileKind(HANDLE file, LinkFileStamp* stamp)
{
    return ReadOpenLinkKind(file, HeadAt::kOffset0, stamp);
}
