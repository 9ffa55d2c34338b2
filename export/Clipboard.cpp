// The clipboard copy: one global block per text, handed to the clipboard.
#include "export/Clipboard.h"

#include <cstring>

#include "framework/ScopedHandles.h"

// Empties the clipboard as `owner` and hands it a copy of `text`. The owner
// matters: an ownerless clipboard refuses SetClipboardData on Windows.
int CopyTextToClipboard(HWND owner, const char* text)
{
    const CScopedClipboard clipboard(owner);
    if (!clipboard.IsOpen() || ::EmptyClipboard() != TRUE)
        return 0;
    HGLOBAL block = CopyTextToGlobal(text);
    if (block != nullptr && ::SetClipboardData(CF_TEXT, block) == nullptr)
        ::GlobalFree(block);  // not taken: the block is still ours
    return 1;
}

HGLOBAL CopyTextToGlobal(const char* text)
{
    const SIZE_T size = std::strlen(text) + 1;
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size);
    if (block == nullptr)
        return nullptr;
    void* bytes = ::GlobalLock(block);
    if (bytes == nullptr) {
        ::GlobalFree(block);
        return nullptr;
    }
    std::memcpy(bytes, text, size);
    ::GlobalUnlock(block);
    return block;
}
