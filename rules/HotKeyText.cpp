#include "rules/HotKeyText.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct NamedKey {
    std::uint8_t code;
    const char* text;
};

constexpr NamedKey kNamedKeys[] = {
    {0x21, "Page Up"}, {0x22, "Page Down"}, {0x23, "End"},    {0x24, "Home"},
    {0x25, "Left"},    {0x26, "Up"},        {0x27, "Right"},  {0x28, "Down"},
    {0x29, "Select"},  {0x2A, "Print"},     {0x2B, "Execute"}, {0x2D, "Ins"},
    {0x2E, "Del"},     {0x2F, "Help"},
    {0x60, "Num 0"},   {0x61, "Num 1"},     {0x62, "Num 2"},  {0x63, "Num 3"},
    {0x64, "Num 4"},   {0x65, "Num 5"},     {0x66, "Num 6"},  {0x67, "Num 7"},
    {0x68, "Num 8"},   {0x69, "Num 9"},
    {0x90, "Numlock"}, {0x91, "Scroll"},
};

constexpr std::uint8_t kFirstFunctionKey = 0x70;  // VK_F1
constexpr std::uint8_t kLastFunctionKey = 0x87;   // VK_F24

struct ModifierName {
    std::uint8_t flag;
    const char* text;
};

// In the order FormatHotKey writes and ParseHotKey reads them.
constexpr ModifierName kModifierNames[] = {
    {kHotKeyControl, "CTRL+"},
    {kHotKeyShift, "SHIFT+"},
    {kHotKeyAlt, "ALT+"},
};

} // namespace

CString FormatHotKey(std::uint16_t value)
{
    const std::uint8_t modifiers = static_cast<std::uint8_t>(value >> 8);
    const std::uint8_t key = static_cast<std::uint8_t>(value & 0xFF);

    CString text;
    for (const ModifierName& name : kModifierNames) {
        if (modifiers & name.flag)
            text += name.text;
    }

    if (key >= kFirstFunctionKey && key <= kLastFunctionKey) {
        char number[8];
        std::snprintf(number, sizeof(number), "F%d", key - kFirstFunctionKey + 1);
        return text + number;
    }
    for (const NamedKey& named : kNamedKeys) {
        if (named.code == key)
            return text + named.text;
    }
    // Codes below 0x20, the empty key 0 among them, have no text of their own.
    if (key >= 0x20)
        text += static_cast<char>(key);
    return text;
}

namespace {
// The modifier flags that lead `text`, each at most once and in their order;
// `text` is moved past them.
std::uint8_t ReadModifiers(const char*& text)
{
    std::uint8_t modifiers = 0;
    for (const ModifierName& name : kModifierNames) {
        const std::size_t length = std::strlen(name.text);
        if (std::strncmp(text, name.text, length) == 0) {
            modifiers |= name.flag;
            text += length;
        }
    }
    return modifiers;
}

constexpr int kKeyCount = 0x100;

// The key code whose text FormatHotKey writes as `text`; 0 for the empty
// text; -1 when no key has that text. Every key's text is taken once, from
// FormatHotKey itself.
int ReadKey(const char* text)
{
    static const std::vector<std::string> keyTexts = [] {
        std::vector<std::string> texts;
        for (int key = 0; key < kKeyCount; ++key)
            texts.push_back(FormatHotKey(static_cast<std::uint16_t>(key)).str());
        return texts;
    }();
    if (text[0] == '\0')
        return 0;
    for (int key = 0x20; key < kKeyCount; ++key) {
        if (keyTexts[static_cast<std::size_t>(key)] == text)
            return key;
    }
    return -1;
}
} // namespace

int ParseHotKey(const char* text, std::uint16_t* value)
{
    const std::uint8_t modifiers = ReadModifiers(text);
    const int key = ReadKey(text);
    if (key < 0)
        return 0;
    *value = static_cast<std::uint16_t>(modifiers << 8 | key);
    return 1;
}
