// The text of a shortcut's 16-bit hotkey value, such as CTRL+SHIFT+F5.
#pragma once

#include <cstdint>

#include "framework/AfxString.h"

// Modifier flags of the value's high byte.
constexpr std::uint8_t kHotKeyShift = 0x01;
constexpr std::uint8_t kHotKeyControl = 0x02;
constexpr std::uint8_t kHotKeyAlt = 0x04;

CString FormatHotKey(std::uint16_t value);
