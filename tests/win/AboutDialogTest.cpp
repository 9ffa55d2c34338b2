// The about box, opened from the main window's system menu.
#include <windows.h>

#include <gtest/gtest.h>

#include "support/AnsiText.h"
#include "support/WindowDriver.h"

namespace {
const std::string& AboutCaption()
{
    static const std::string caption = AnsiFromUtf8("ﾊﾞｰｼﾞｮﾝ情報 Velmora");
    return caption;
}
}

// The version item opens the box: its texts, and the mail address in a
// read-only field; OK closes it.
TEST(AboutDialogTest, ShowsVersionAuthorAndReadOnlyMailAddress)
{
    MainDialogFixture window;
    std::string mail, web;
    LONG mailStyle = 0;
    bool owned = false;
    ModalWatcher watcher(AboutCaption(), [&](HWND about) {
        mail = WindowText(::GetDlgItem(about, IDC_MAIL_ADDRESS));
        mailStyle = ::GetWindowLongA(::GetDlgItem(about, IDC_MAIL_ADDRESS), GWL_STYLE);
        web = WindowText(::GetDlgItem(about, IDC_WEB_PAGE));
        owned = ::GetWindow(about, GW_OWNER) == window.dialog.m_hWnd && !::IsWindowEnabled(window.dialog.m_hWnd);
        ::SendMessageA(::GetDlgItem(about, IDOK), BM_CLICK, 0, 0);
    });
    window.dialog.SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    ASSERT_TRUE(watcher.Fired());
    EXPECT_EQ(mail, VELMORA_MAIL_ADDRESS);
    EXPECT_TRUE(mailStyle & ES_READONLY);
    EXPECT_EQ(web, VELMORA_WEB_PAGE);
    EXPECT_TRUE(owned) << "the main window owns the box and is disabled meanwhile";
    EXPECT_TRUE(::IsWindowEnabled(window.dialog.m_hWnd));
}

// The low four bits of the command id are ignored; other system commands
// keep their default handling.
TEST(AboutDialogTest, AnyLowBitsOpenItAndOtherCommandsStillWork)
{
    MainDialogFixture window;
    for (UINT id : {0x0011u, 0x0017u, 0x001Fu}) {
        ModalWatcher watcher(AboutCaption(), [](HWND about) { ::PostMessageA(about, WM_COMMAND, IDCANCEL, 0); });
        window.dialog.SendMessage(WM_SYSCOMMAND, id, 0);
        EXPECT_TRUE(watcher.Fired()) << std::hex << id;
    }
    window.dialog.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    PumpMessages();
    EXPECT_TRUE(window.dialog.IsIconic());
    window.dialog.SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0);
    PumpMessages();
    EXPECT_FALSE(window.dialog.IsIconic());
}
