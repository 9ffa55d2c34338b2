// A structural check of shell link files, made before the shell link object
// reads one. Some loaders trust the sizes and offsets inside a link and read
// past their buffers when those run past the data (Wine's page-faults on
// such ID lists and VolumeIDs), so a file whose header says it is a shell
// link is handed over only when they agree with the file. Whatever the
// published shell link format allows passes, and a file that does not begin
// with the shell link header (an MS-DOS .PIF, say) is left to the shell link
// object to judge.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>

#include "framework/ScopedHandles.h"
#include "rules/LinkFormat.h"

// 1 when the file whose bytes are `bytes` may be handed to the shell link
// object: it does not begin with the shell link header (HeaderSize 0x4C and
// the LinkCLSID), or it does and
// - its LinkTargetIDList, when LinkFlags has one, lies in the file and its
//   ItemIDs (each ItemIDSize at least 2) end with the TerminalID exactly at
//   the end that IDListSize gives;
// - its LinkInfo, when LinkFlags has one, lies in the file, is at least as
//   long as its header (at least 0x1C bytes), every offset of the header
//   points inside it, and the VolumeID and CommonNetworkRelativeLink those
//   lead to lie inside it with their own name offsets inside themselves.
// 0 otherwise.
int IsSoundLinkData(const unsigned char* bytes, size_t size);

// IsSoundLinkData for the file at `path`, reading only the parts it checks
// (one read for a usual shortcut). 1 when the file cannot be opened: the
// shell link object then gives its own failure.
int IsSoundLinkFile(const char* path);

// The hotkey word of the file at `path` when, read once, it is a plain shell
// link: its structure passes the check, each of its strings and each extra
// data block up to the terminal block lies in the file, and it is not
// advertised (no Logo3 or Darwin ID). None for any other file (not readable,
// an MS-DOS .PIF, a refused or unusual link): the shell link object judges it.
std::optional<WORD> ReadPlainLinkHotKey(const char* path);

// What a file is, as far as writing its hotkey in place is concerned.
enum class LinkFileKind {
    kUnreadable,        // it could not be opened or read
    kOther,             // it does not begin with the shell link header
    kUnsoundShellLink,  // the header is there, the structure fails the check
    kShellLink,         // a shell link whose structure passes the check
};

// A shell link file's header and size when it was read: if both are the same
// later, it is taken to be the same file.
struct LinkFileStamp {
    unsigned char header[kHeaderSize] = {};
    unsigned long long size = 0;
};

// Reads the open file `file` (at explicit offsets, from its start) and
// judges it; `stamp`, when given, gets its header and size when it is
// kShellLink.
LinkFileKind ReadLinkFileKind(HANDLE file, LinkFileStamp* stamp);
// The same for the file at `path`, opened for reading by OpenLinkFile,
// sharing it with every other handle.
LinkFileKind ReadLinkFileKind(const char* path, LinkFileStamp* stamp);

// Opens the existing file `path` with `access` and `share`, waiting up to
// about a second while another handle's sharing forbids it (another writer
// saving it, say); the last error tells why when it is not open.
CScopedFile OpenLinkFile(const char* path, DWORD access, DWORD share);

// Calls `attempt` again, a moment later, while `shared` says its result is a
// refusal because of another handle's sharing, up to about a second in all;
// gives the last result. OpenLinkFile and every other opening of a shortcut
// wait this way.
template <class Attempt, class Shared>
auto RetryWhileShared(Attempt attempt, Shared shared)
{
    constexpr int kTries = 20;
    constexpr DWORD kRetryMs = 50;
    for (int tries = 1;; ++tries) {
        auto result = attempt();
        if (tries == kTries || !shared(result))
            return result;
        ::Sleep(kRetryMs);
    }
}
