// Entry point of the Windows test programs: registers the common controls the
// dialogs use, makes the application object, then runs every test.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "framework/App.h"

int main(int argc, char** argv)
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_HOTKEY_CLASS};
    ::InitCommonControlsEx(&controls);
    // The application object, as the program has one: dialogs without a
    // parent are owned by its main window, which a test sets.
    CWinApp app;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
