#include "shellicon/IconLocation.h"

// No icon resolver yet: every shortcut reports no icon, so every row's icon
// slot stays empty.
int GetIconLocation(HWND /*owner*/, const char* /*path*/, CString& /*iconFile*/, int* /*iconIndex*/, int /*comFlag*/)
{
    return 0;
}
