// Fuzz target for the internet shortcut's text: the input is read as a .URL
// file; when it is one, its HotKey value is rewritten to a value the input's
// first two bytes give, and the result must read back with that value and
// every other value as it was, and rewrite to itself.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "rules/InternetShortcutText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    InternetShortcut before;
    if (ReadInternetShortcut(text, before) != 1)
        return 0;
    const std::uint16_t value = size >= 2 ? static_cast<std::uint16_t>(data[0] | data[1] << 8) : 0x0641;
    const std::string rewritten = WithInternetShortcutHotKey(text, value);
    InternetShortcut after;
    Check(rewritten.size() <= text.size() + 16, "the rewrite added more than a HotKey line");
    if (rewritten.size() > kMaxInternetShortcutSize)
        return 0;
    Check(ReadInternetShortcut(rewritten, after) == 1, "a rewritten internet shortcut no longer reads as one");
    Check(after.hotKey == value, "the rewritten value does not read back");
    Check(after.url == before.url && after.iconFile == before.iconFile && after.iconIndex == before.iconIndex,
          "the rewrite changed another value");
    Check(WithInternetShortcutHotKey(rewritten, value) == rewritten, "writing the same value again changed the text");
    return 0;
}
