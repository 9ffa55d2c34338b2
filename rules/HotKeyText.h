// The text of a shortcut's 16-bit hotkey value, such as CTRL+SHIFT+F5.
#pragma once

#include <cstdint>

#include "framework/AfxString.h"

// Modifier flags of the value's high byte.
constexpr std::uint8_t kHotKeyShift = 0x01;
constexpr std::uint8_t kHotKeyControl = 0x02;
constexpr std::uint8_t kHotKeyAlt = 0x04;

CString FormatHotKey(std::uint16_t value);

// The value whose text FormatHotKey writes as `text`, into *value: 1 when
// `text` is such a text (modifiers, key and case exactly as written there),
// 0 for any other text (*value is then left alone). A key that has no text
// of its own (codes below 0x20) reads back as the key 0.
int ParseHotKey(const char* text, std::uint16_t* value);
