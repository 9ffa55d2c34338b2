// The text of a registry "DefaultIcon" value: an icon file and a decimal
// index separated by the first comma ("shell32.dll,3"), or "%1" for a type
// whose every file holds its own icon.
#pragma once

#include "framework/AfxString.h"

// What a DefaultIcon value names.
enum class IconSpecKind {
    kNone,      // no comma: no usable location
    kOwnIcon,   // exactly "%1": each file of the type is its own icon file
    kLocation,  // an icon file, and perhaps an index, before and after a comma
};

// A DefaultIcon value taken apart.
struct IconSpec {
    IconSpecKind kind = IconSpecKind::kNone;
    CString file;           // the text before the first comma, unchanged
    bool hasIndex = false;  // false when no decimal number follows the comma
    int index = 0;          // that number, held to the range of int
};

// Splits `value` at its first comma. The index is read as "%d" reads it:
// leading white space skipped, an optional sign, then the digits up to the
// first other byte.
IconSpec ParseIconSpec(const char* value);
