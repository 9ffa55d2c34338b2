#include "shell/RegisteredHotKeys.h"

#include <windows.h>

#include "rules/HotKeyText.h"

namespace {
// The RegisterHotKey modifiers of the hotkey value `value`.
UINT RegisterModifiers(std::uint16_t value)
{
    const std::uint8_t modifiers = static_cast<std::uint8_t>(value >> 8);
    return ((modifiers & kHotKeyShift) ? MOD_SHIFT : 0) | ((modifiers & kHotKeyControl) ? MOD_CONTROL : 0) |
           ((modifiers & kHotKeyAlt) ? MOD_ALT : 0);
}

// The id the probe registers under on its thread.
constexpr int kProbeId = 0x7E11;
}

bool IsRegisteredElsewhere(std::uint16_t value)
{
    if (::RegisterHotKey(nullptr, kProbeId, RegisterModifiers(value), value & 0xFF)) {
        ::UnregisterHotKey(nullptr, kProbeId);
        return false;
    }
    return ::GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED;
}
