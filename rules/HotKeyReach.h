// Hotkey values that Windows never delivers to a shortcut, whoever holds
// them. Pure: no windows.h.
#pragma once

#include <cstdint>

// True for modifiers without a key (CTRL+): such a value never fires.
bool HasNoKey(std::uint16_t value);

// True for a combination Windows keeps for itself: CTRL+ALT+Del,
// CTRL+SHIFT+Esc, CTRL+Esc, ALT+Tab, SHIFT+ALT+Tab and ALT+Esc (the EXT flag
// and bits 11 to 15 aside).
bool IsSystemCombination(std::uint16_t value);

// The combination of `value`: its modifiers and key, without the EXT flag
// and bits 11 to 15, so that two values Windows treats alike compare equal.
std::uint16_t Combination(std::uint16_t value);
