// Whether a running program holds a hotkey combination through
// RegisterHotKey, asked of the system by trying to take it.
#pragma once

#include <cstdint>

// True when the combination of `value` (modifiers and key) is registered by
// another thread or program: RegisterHotKey on the calling thread fails with
// ERROR_HOTKEY_ALREADY_REGISTERED. A combination taken for the test is
// released at once.
bool IsRegisteredElsewhere(std::uint16_t value);
