// Fuzz target for FormatHotKey and ParseHotKey: each two bytes of the input
// are one 16-bit hotkey value, low byte first; the whole input up to its
// first zero byte is also read as a hotkey text.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "FuzzSupport.h"
#include "rules/HotKeyText.h"

namespace {

// The modifier names that lead the text of `value`, in their fixed order.
std::string ModifierPrefix(std::uint16_t value)
{
    const std::uint8_t modifiers = static_cast<std::uint8_t>(value >> 8);
    std::string prefix;
    if (modifiers & kHotKeyControl)
        prefix += "CTRL+";
    if (modifiers & kHotKeyShift)
        prefix += "SHIFT+";
    if (modifiers & kHotKeyAlt)
        prefix += "ALT+";
    return prefix;
}

// Checks that the text of `value` is its modifiers' names followed by the
// text of its key byte alone, and that bits 11 to 15 play no part.
void CheckHotKeyText(std::uint16_t value)
{
    const std::string text = FormatHotKey(value).str();
    Check(text == FormatHotKey(static_cast<std::uint16_t>(value & 0x07FF)).str(), "bits 11-15 change the text");
    Check(std::strlen(text.c_str()) == text.size(), "the text holds a zero byte");

    const std::string prefix = ModifierPrefix(value);
    Check(text.compare(0, prefix.size(), prefix) == 0, "the modifiers do not lead as CTRL+, SHIFT+, ALT+");
    const std::string key = text.substr(prefix.size());
    const std::uint8_t keyByte = static_cast<std::uint8_t>(value & 0xFF);
    Check(key == FormatHotKey(keyByte).str(), "the key's text depends on more than the key byte");
    Check(key.empty() == (keyByte < 0x20), "a key byte from 0x20 up has no text, or one below it has");

    std::uint16_t parsed = 0;
    Check(ParseHotKey(text.c_str(), &parsed) == 1, "the text of a value is not read back");
    Check(FormatHotKey(parsed).str() == text, "the value read back from a text has another text");
}

// Checks that a text is read only when it is exactly the text of the value
// read from it, and that a refused text leaves the value alone.
void CheckHotKeyParse(const std::string& text)
{
    const auto exact = ExactCString(text);
    std::uint16_t parsed = 0xABCD;
    if (ParseHotKey(exact.get(), &parsed) == 1)
        Check(FormatHotKey(parsed).str() == text, "a text is read as a value whose text differs");
    else
        Check(parsed == 0xABCD, "a refused text changed the value");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    for (std::size_t i = 0; i + 1 < size; i += 2)
        CheckHotKeyText(static_cast<std::uint16_t>(data[i] | data[i + 1] << 8));
    CheckHotKeyParse(SplitAtZeros(data, size, 1).front());
    return 0;
}
