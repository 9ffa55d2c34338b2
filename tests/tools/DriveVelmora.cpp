// Drives a running Velmora from outside, as another program can: finds the
// main window by its caption and sends it the start button's command.
//   velmora_drive survey   waits for the window, runs a survey, prints the rows
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>

#include "resource.h"

namespace {
HWND WaitForMainWindow()
{
    for (int tries = 0; tries < 300; ++tries) {
        const HWND window = ::FindWindowA(nullptr, "Velmora");
        if (window != nullptr && ::IsWindowVisible(window))
            return window;
        ::Sleep(100);
    }
    return nullptr;
}
}

int main(int argc, char** argv)
{
    if (argc != 2 || std::strcmp(argv[1], "survey") != 0) {
        std::fprintf(stderr, "usage: velmora_drive survey\n");
        return 2;
    }
    const HWND window = WaitForMainWindow();
    if (window == nullptr) {
        std::fprintf(stderr, "no Velmora window\n");
        return 1;
    }
    ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_START_SURVEY, BN_CLICKED), 0);
    // The survey posts its sort: give the window a moment to run it.
    ::Sleep(500);
    const HWND list = ::GetDlgItem(window, IDC_RESULT_LIST);
    std::printf("%d rows listed\n", static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)));
    return 0;
}
