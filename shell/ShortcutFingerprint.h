// Reading what the keeper remembers of a shortcut file (rules/KeepPass.h).
#pragma once

#include <optional>

#include "rules/KeepPass.h"

// The fingerprint of the shortcut file `path`: its identity, size and hash
// without the hotkey for a shell link (or PIF), the hash alone for an
// internet shortcut. The file is opened shared for reading, writing and
// deleting, waiting a moment while another handle forbids it, read whole and
// closed. None when it cannot be opened or read, or is longer than 1 MB.
std::optional<ShortcutFingerprint> ReadShortcutFingerprint(const char* path);
