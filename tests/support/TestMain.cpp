// Entry point of the Windows test programs: registers the common controls the
// dialogs use, makes the application object, then runs every test.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "framework/App.h"

namespace {
// With "--hold-hotkey=MODIFIERS,KEY" (RegisterHotKey's numbers) the program
// is a running program that holds that combination: it registers it,
// prints "held" and waits for its standard input to close.
int HoldHotKey(const char* combination)
{
    unsigned modifiers = 0, key = 0;
    if (std::sscanf(combination, "%u,%u", &modifiers, &key) != 2 || !::RegisterHotKey(nullptr, 1, modifiers, key))
        return 1;
    std::puts("held");
    std::fflush(stdout);
    char buffer[16];
    while (std::fread(buffer, 1, sizeof(buffer), stdin) > 0) {
    }
    return 0;
}
}

int main(int argc, char** argv)
{
    if (argc == 2 && std::strncmp(argv[1], "--hold-hotkey=", 14) == 0)
        return HoldHotKey(argv[1] + 14);
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_HOTKEY_CLASS};
    ::InitCommonControlsEx(&controls);
    // The application object, as the program has one: dialogs without a
    // parent are owned by its main window, which a test sets.
    CWinApp app;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
