// The main window as it opens and as it closes.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "framework/App.h"
#include "support/AnsiText.h"
#include "support/WindowDriver.h"

namespace {
std::string ColumnTitle(const CListCtrl& list, int column)
{
    char text[64] = {};
    LVCOLUMNA info = {};
    info.mask = LVCF_TEXT;
    info.pszText = text;
    info.cchTextMax = sizeof(text);
    list.SendMessage(LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&info));
    return text;
}

std::string MenuText(HMENU menu, UINT position)
{
    char text[128] = {};
    ::GetMenuStringA(menu, position, text, sizeof(text), MF_BYPOSITION);
    return text;
}
}

// The window opens centred with its menu bar, both columns at half the
// list's width, the header renamed and the about item in the system menu.
TEST(MainWindowTest, OpensWithMenuColumnsHeaderAndAboutItem)
{
    MainDialogFixture window;
    const CSurveyDlg& dialog = window.dialog;

    EXPECT_EQ(ColumnTitle(window.list, 0), AnsiFromUtf8("ファイル名"));
    EXPECT_EQ(ColumnTitle(window.list, 1), AnsiFromUtf8("ホットキー"));
    EXPECT_EQ(window.list.GetColumnWidth(0), window.list.GetColumnWidth(1));
    EXPECT_GT(window.list.GetColumnWidth(0), 0);

    const CWnd header = window.list.GetWindow(GW_CHILD);
    EXPECT_EQ(::GetDlgCtrlID(header.m_hWnd), IDC_RESULT_HEADER);

    const HMENU menuBar = ::GetMenu(dialog.m_hWnd);
    ASSERT_NE(menuBar, nullptr);
    EXPECT_EQ(menuBar, CSurveyDlgProbe::MenuBar(dialog));
    EXPECT_EQ(::GetMenuItemCount(menuBar), 3);
    EXPECT_EQ(MenuText(menuBar, 0), AnsiFromUtf8("ファイル(&F)"));

    const HMENU systemMenu = ::GetSystemMenu(dialog.m_hWnd, FALSE);
    const int items = ::GetMenuItemCount(systemMenu);
    ASSERT_GE(items, 2);
    EXPECT_EQ(::GetMenuItemID(systemMenu, items - 1), static_cast<UINT>(IDM_ABOUTBOX));
    EXPECT_EQ(MenuText(systemMenu, static_cast<UINT>(items - 1)), AnsiFromUtf8("ﾊﾞｰｼﾞｮﾝ情報(Velmora) (&A)..."));
    MENUITEMINFOA separator = {};
    separator.cbSize = sizeof(separator);
    separator.fMask = MIIM_FTYPE;
    ::GetMenuItemInfoA(systemMenu, static_cast<UINT>(items - 2), TRUE, &separator);
    EXPECT_TRUE(separator.fType & MFT_SEPARATOR);

    // The margins are the list's measured position, not the constructor's 10.
    RECT list = {};
    window.list.GetWindowRect(&list);
    dialog.ScreenToClient(&list);
    EXPECT_EQ(CSurveyDlgProbe::ListLeft(dialog), list.left);
    EXPECT_EQ(CSurveyDlgProbe::ListTop(dialog), list.top);

    EXPECT_EQ(reinterpret_cast<HICON>(dialog.SendMessage(WM_GETICON, ICON_BIG)), CSurveyDlgProbe::AppIcon(dialog));
    EXPECT_EQ(reinterpret_cast<HICON>(dialog.SendMessage(WM_GETICON, ICON_SMALL)), CSurveyDlgProbe::AppIcon(dialog));
    EXPECT_EQ(reinterpret_cast<HICON>(dialog.SendMessage(WM_QUERYDRAGICON)), CSurveyDlgProbe::AppIcon(dialog));
    EXPECT_NE(CSurveyDlgProbe::AppIcon(dialog), nullptr);

    // Unplaced templates are centred on the work area.
    RECT frame = {}, work = {};
    dialog.GetWindowRect(&frame);
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR(frame.left - work.left, work.right - frame.right, 1);
    EXPECT_NEAR(frame.top - work.top, work.bottom - frame.bottom, 1);

    EXPECT_EQ(window.list.GetItemCount(), 0);
    EXPECT_EQ(CSurveyDlgProbe::List(dialog).GetFullPath(), 0);
    EXPECT_EQ(CSurveyDlgProbe::ShowUnassigned(dialog), 0);
    EXPECT_EQ(CSurveyDlgProbe::SortKey(dialog), ID_SORT_BY_KEY);
}

namespace {
// Runs the main dialog modally; `close` acts on it once it shows. Returns
// DoModal's result; `icons` are given to the rows before closing.
INT_PTR RunAndClose(const std::function<void(CSurveyDlg&)>& close, std::vector<HICON> icons = {})
{
    CSurveyDlg dialog;
    INT_PTR result = -2;
    {
        ModalWatcher watcher("Velmora", [&](HWND) {
            for (HICON icon : icons)
                CSurveyDlgProbe::AddRowWithIcon(dialog, "C:\\Row.lnk", "", icon);
            close(dialog);
        });
        result = dialog.DoModal();
        EXPECT_TRUE(watcher.Fired());
    }
    EXPECT_EQ(CSurveyDlgProbe::Icons(dialog).GetSize(), 0) << "row icons are cleared when the window goes";
    return result;
}
}

// File > Close posts the close, as the close box does: the command returns
// with the window still there, and the dialog then ends cancelled.
TEST(MainWindowTest, FileCloseEndsLikeTheCloseBox)
{
    bool aliveAfterCommand = false;
    EXPECT_EQ(RunAndClose([&](CSurveyDlg& dialog) {
                  dialog.SendMessage(WM_COMMAND, ID_APP_CLOSE, 0);
                  aliveAfterCommand = ::IsWindow(dialog.m_hWnd) != FALSE;
              }),
              IDCANCEL);
    EXPECT_TRUE(aliveAfterCommand);
    EXPECT_EQ(RunAndClose([](CSurveyDlg& dialog) { dialog.PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0); }), IDCANCEL);
}

// Escape, and Enter while the list has the focus, end the program; closing
// destroys every row icon exactly once.
TEST(MainWindowTest, EscapeAndEnterEndTheDialogAndFreeRowIcons)
{
    const HICON icon = ::CopyIcon(::LoadIconA(nullptr, IDI_APPLICATION));
    EXPECT_EQ(RunAndClose([](CSurveyDlg& dialog) { ::PostMessageA(::GetDlgItem(dialog.m_hWnd, IDC_RESULT_LIST), WM_KEYDOWN, VK_ESCAPE, 0); }, {icon, nullptr}),
              IDCANCEL);
    EXPECT_FALSE(IsLiveIcon(icon));
    EXPECT_EQ(RunAndClose([](CSurveyDlg& dialog) {
                  const HWND list = ::GetDlgItem(dialog.m_hWnd, IDC_RESULT_LIST);
                  ::SetFocus(list);
                  ::PostMessageA(list, WM_KEYDOWN, VK_RETURN, 0);
              }),
              IDOK);
}

// Run by an entry of its own under an English locale, beside the survey test
// whose rows it must list alike there: the window's texts are English.
TEST(EnglishLocale, CaptionButtonHeaderMenusAndMessageBoxAreEnglish)
{
    MainDialogFixture window;
    EXPECT_EQ(WindowText(window.dialog.m_hWnd), "Velmora");
    EXPECT_EQ(WindowText(::GetDlgItem(window.dialog.m_hWnd, IDC_START_SURVEY)), "Start survey");
    EXPECT_EQ(ColumnTitle(window.list, 0) + "|" + ColumnTitle(window.list, 1), "File name|Hotkey");
    const HMENU menuBar = ::GetMenu(window.dialog.m_hWnd);
    EXPECT_EQ(MenuText(menuBar, 0) + MenuText(menuBar, 1) + MenuText(menuBar, 2), "&File&Edit&View");
    window.Command(IDC_START_SURVEY);
    std::string reminder;
    ModalWatcher box(AfxGetAppName().str(), [&](HWND shown) {
        reminder = WindowText(::GetDlgItem(shown, 0xFFFF));
        ::PostMessageA(shown, WM_COMMAND, IDOK, 0);
    });
    window.Command(ID_VIEW_SHOW_UNASSIGNED);
    EXPECT_EQ(reminder, "Run the survey again for this setting to take effect.");
}
