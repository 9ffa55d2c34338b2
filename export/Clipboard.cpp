// The clipboard copy: one global block per text, handed to the clipboard.
#include "export/Clipboard.h"

#include <cstring>
#include <cwchar>

#include "framework/ScopedHandles.h"

namespace {
// A new movable global block holding the `size` bytes at `bytes`; NULL when
// it cannot be made.
HGLOBAL CopyBytesToGlobal(const void* bytes, SIZE_T size)
{
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size);
    if (block == nullptr)
        return nullptr;
    void* locked = ::GlobalLock(block);
    if (locked == nullptr) {
        ::GlobalFree(block);
        return nullptr;
    }
    std::memcpy(locked, bytes, size);
    ::GlobalUnlock(block);
    return block;
}

// Hands `block` to the clipboard in `format`; a block it does not take is freed.
void PutOnClipboard(UINT format, HGLOBAL block)
{
    if (block != nullptr && ::SetClipboardData(format, block) == nullptr)
        ::GlobalFree(block);  // not taken: the block is still ours
}
}

// Empties the clipboard as `owner` and hands it a copy of `text`. The owner
// matters: an ownerless clipboard refuses SetClipboardData on Windows.
int CopyTextToClipboard(HWND owner, const char* text, const wchar_t* unicode)
{
    const CScopedClipboard clipboard(owner);
    if (!clipboard.IsOpen() || ::EmptyClipboard() != TRUE)
        return 0;
    PutOnClipboard(CF_TEXT, CopyTextToGlobal(text));
    if (unicode != nullptr)
        PutOnClipboard(CF_UNICODETEXT, CopyBytesToGlobal(unicode, (std::wcslen(unicode) + 1) * sizeof(wchar_t)));
    return 1;
}

HGLOBAL CopyTextToGlobal(const char* text)
{
    return CopyBytesToGlobal(text, std::strlen(text) + 1);
}
