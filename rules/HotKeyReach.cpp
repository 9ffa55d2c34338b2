#include "rules/HotKeyReach.h"

#include "rules/HotKeyText.h"

namespace {
constexpr std::uint8_t kTab = 0x09, kEscape = 0x1B, kDelete = 0x2E;

constexpr std::uint16_t Word(std::uint8_t modifiers, std::uint8_t key)
{
    return static_cast<std::uint16_t>(modifiers << 8 | key);
}

constexpr std::uint16_t kSystemCombinations[] = {
    Word(kHotKeyControl | kHotKeyAlt, kDelete), Word(kHotKeyControl | kHotKeyShift, kEscape),
    Word(kHotKeyControl, kEscape),             Word(kHotKeyAlt, kTab),
    Word(kHotKeyShift | kHotKeyAlt, kTab),     Word(kHotKeyAlt, kEscape),
};
}

std::uint16_t Combination(std::uint16_t value)
{
    return static_cast<std::uint16_t>(value & 0x07FF);
}

bool HasNoKey(std::uint16_t value)
{
    return (value & 0xFF) == 0 && (Combination(value) >> 8) != 0;
}

bool IsSystemCombination(std::uint16_t value)
{
    for (std::uint16_t combination : kSystemCombinations)
        if (Combination(value) == combination)
            return true;
    return false;
}
