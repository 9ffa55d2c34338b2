// Shortcut files for robustness tests: the variety the shell link object
// writes, and a seeded, reproducible corpus of malformed files made from them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Writes through the shell link object one shortcut per kind it makes into
// `folder`: file, folder, missing, UNC, relative and %NAME% targets, special
// folders' ID lists, no target at all, each bare, with every string field and
// with an icon, show command and hotkey. `target` is an existing file.
// Gives the paths written; a kind the object cannot save is left out.
std::vector<std::string> WriteShellLinkVariety(const std::string& folder, const std::string& target);

// Where the structures of a well-formed shell link file begin and end: the
// header's fields, the ID list and each ItemID, LinkInfo and its header's
// fields, each string and each extra data block. Sorted, file end included.
std::vector<size_t> LinkBoundaries(const std::string& link);

// The extra data blocks Windows writes into shortcuts, as bits of a set.
enum WindowsBlock : unsigned {
    kEnvironmentBlock = 0x01,  // EnvironmentVariableDataBlock, LinkFlags HasExpString
    kDarwinBlock = 0x02,       // DarwinDataBlock (a Windows Installer shortcut), LinkFlags HasDarwinID
    kPropertyStoreBlock = 0x04,
    kTrackerBlock = 0x08,
    kUnknownBlock = 0x10,      // a signature no reader knows
    kEveryWindowsBlock = 0x1F,
};

// `link`, a well-formed shell link file, with the blocks of `blocks` (and
// their LinkFlags bits) put before its terminal block, in the order Windows
// writes them. The environment variable block holds the ASCII `unexpanded`,
// cut to 259 characters: the target as given with %NAME% references.
std::string WithWindowsBlocks(const std::string& link, unsigned blocks,
                              const std::string& unexpanded = "%windir%\\notepad.exe");

struct CorpusFile {
    std::string name;   // a file name ending in ".lnk" or ".pif"
    std::string bytes;
};

// `count` malformed files made from the well-formed links `seeds`; the same
// arguments always give the same files. First each seed cut at each of its
// boundaries (the empty file among them), then, chosen by `seed`: random
// bytes, random bytes behind a valid header, flipped bytes, oversized, zero
// and one-byte ItemID sizes, wrong IDListSize, HeaderSize and CLSID, huge
// string counts, LinkInfo and extra data sizes and offsets out of range, and
// MS-DOS .PIF-like files. None stores a hotkey, so a mutant that still loads
// is never listed by a survey that leaves out shortcuts without one.
std::vector<CorpusFile> MalformedLinks(const std::vector<std::string>& seeds, unsigned seed, size_t count);

// Writes each file into `folder`; true when all were written.
bool WriteCorpus(const std::string& folder, const std::vector<CorpusFile>& files);
