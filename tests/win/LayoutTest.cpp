// Layout of the main window and the View menu's settings.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/App.h"
#include "support/AnsiText.h"
#include "support/WindowDriver.h"

namespace {
class LayoutTest : public testing::Test {
protected:
    RECT ClientRectOf(int id) const
    {
        RECT rect = {};
        ::GetWindowRect(::GetDlgItem(window.dialog.m_hWnd, id), &rect);
        window.dialog.ScreenToClient(&rect);
        return rect;
    }
    void Size(UINT type, int cx, int cy) { window.dialog.SendMessage(WM_SIZE, type, MAKELPARAM(cx, cy)); }
    UINT StateOf(HMENU popup, UINT id) const { return ::GetMenuState(popup, id, MF_BYCOMMAND); }
    // Opens the Edit or View popup as the menu bar does.
    HMENU Popup(int position) const
    {
        const HMENU popup = ::GetSubMenu(CSurveyDlgProbe::MenuBar(window.dialog), position);
        window.dialog.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), position);
        return popup;
    }
    void Select(int row) const
    {
        LVITEMA state = {};
        state.stateMask = LVIS_SELECTED;
        state.state = LVIS_SELECTED;
        window.list.SendMessage(LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
    }

    MainDialogFixture window;
};
}

// The button stays centred at the bottom, the list fills the rest with the
// measured margins, at every size.
TEST_F(LayoutTest, ButtonCentredAtBottomAndListFillsTheRest)
{
    const RECT button0 = ClientRectOf(IDC_START_SURVEY);
    const RECT list0 = ClientRectOf(IDC_RESULT_LIST);
    const int w = button0.right - button0.left, h = button0.bottom - button0.top;
    const int gap = CSurveyDlgProbe::ListLeft(window.dialog), rightMargin = CSurveyDlgProbe::ListTop(window.dialog);

    for (const SIZE size : {SIZE{400, 300}, SIZE{333, 401}, SIZE{800, 600}, SIZE{201, 151}}) {
        Size(SIZE_RESTORED, size.cx, size.cy);
        const RECT button = ClientRectOf(IDC_START_SURVEY);
        EXPECT_EQ(button.left, size.cx / 2 - w / 2) << size.cx;
        EXPECT_EQ(button.bottom, size.cy - gap);
        EXPECT_EQ(button.right - button.left, w);
        EXPECT_EQ(button.bottom - button.top, h);
        const RECT list = ClientRectOf(IDC_RESULT_LIST);
        EXPECT_EQ(list.left, list0.left);
        EXPECT_EQ(list.top, list0.top);
        EXPECT_EQ(list.right, size.cx - rightMargin);
        EXPECT_EQ(list.bottom, button.top - gap);
    }
}

// Minimised, zero-sized, or too small for the list: nothing of the list
// changes (the button still follows the bottom when only the list can't).
TEST_F(LayoutTest, MinimisedZeroOrTooSmallLeavesTheListAlone)
{
    Size(SIZE_RESTORED, 500, 400);
    const RECT list = ClientRectOf(IDC_RESULT_LIST);
    const RECT button = ClientRectOf(IDC_START_SURVEY);
    const auto same = [](const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; };

    Size(SIZE_MINIMIZED, 100, 100);
    EXPECT_TRUE(same(ClientRectOf(IDC_RESULT_LIST), list));
    EXPECT_TRUE(same(ClientRectOf(IDC_START_SURVEY), button));
    Size(SIZE_RESTORED, 0, 400);
    Size(SIZE_RESTORED, 500, 0);
    EXPECT_TRUE(same(ClientRectOf(IDC_RESULT_LIST), list));
    EXPECT_TRUE(same(ClientRectOf(IDC_START_SURVEY), button));

    Size(SIZE_RESTORED, 500, list.top + 10);  // the list's bottom would be above its top
    EXPECT_TRUE(same(ClientRectOf(IDC_RESULT_LIST), list));
    EXPECT_EQ(ClientRectOf(IDC_START_SURVEY).bottom, list.top + 10 - CSurveyDlgProbe::ListLeft(window.dialog));
}

// Copy items need rows; set hotkey needs exactly one selected row; the two
// toggles carry check marks.
TEST_F(LayoutTest, MenuStatesFollowRowsSelectionAndToggles)
{
    HMENU edit = Popup(1);
    EXPECT_TRUE(StateOf(edit, ID_EDIT_COPY_TEXT) & MF_GRAYED);
    EXPECT_TRUE(StateOf(edit, ID_EDIT_COPY_CSV) & MF_GRAYED);
    EXPECT_TRUE(StateOf(edit, ID_EDIT_SET_HOTKEY) & MF_GRAYED);

    window.AddRow("C:\\a.lnk", "F1");
    window.AddRow("C:\\b.lnk", "F2");
    edit = Popup(1);
    EXPECT_FALSE(StateOf(edit, ID_EDIT_COPY_TEXT) & MF_GRAYED);
    EXPECT_FALSE(StateOf(edit, ID_EDIT_COPY_CSV) & MF_GRAYED);
    EXPECT_TRUE(StateOf(edit, ID_EDIT_SET_HOTKEY) & MF_GRAYED) << "no row selected";
    Select(1);
    edit = Popup(1);
    EXPECT_FALSE(StateOf(edit, ID_EDIT_SET_HOTKEY) & MF_GRAYED);
    Select(0);
    edit = Popup(1);
    EXPECT_TRUE(StateOf(edit, ID_EDIT_SET_HOTKEY) & MF_GRAYED) << "two rows selected";
    EXPECT_FALSE(StateOf(edit, ID_EDIT_COPY_TEXT) & MF_GRAYED);

    HMENU view = Popup(2);
    EXPECT_FALSE(StateOf(view, ID_VIEW_FULL_PATH) & MF_CHECKED);
    EXPECT_FALSE(StateOf(view, ID_VIEW_SHOW_UNASSIGNED) & MF_CHECKED);
    window.Command(ID_VIEW_FULL_PATH);
    window.Command(ID_VIEW_SHOW_UNASSIGNED);
    EXPECT_EQ(CSurveyDlgProbe::List(window.dialog).GetFullPath(), 1);
    EXPECT_EQ(CSurveyDlgProbe::ShowUnassigned(window.dialog), 1);
    view = Popup(2);
    EXPECT_TRUE(StateOf(view, ID_VIEW_FULL_PATH) & MF_CHECKED);
    EXPECT_TRUE(StateOf(view, ID_VIEW_SHOW_UNASSIGNED) & MF_CHECKED);
    EXPECT_FALSE(StateOf(view, ID_SORT_BY_KEY) & (MF_CHECKED | MF_GRAYED));
    window.Command(ID_VIEW_FULL_PATH);
    EXPECT_EQ(CSurveyDlgProbe::List(window.dialog).GetFullPath(), 0);
}

// The reminder shows only once a survey has run, at every toggle after that.
TEST_F(LayoutTest, ShowUnassignedRemindsToSurveyAgainOnlyAfterASurvey)
{
    {
        ModalWatcher watcher(AfxGetAppName().str(), [](HWND box) { ::PostMessageA(box, WM_COMMAND, IDOK, 0); });
        window.Command(ID_VIEW_SHOW_UNASSIGNED);
        PumpMessages();
        EXPECT_FALSE(watcher.Fired()) << "no message before any survey";
    }
    window.Command(IDC_START_SURVEY);
    for (int expected : {0, 1}) {
        std::string text;
        ModalWatcher watcher(AfxGetAppName().str(), [&](HWND box) {
            text = WindowText(::GetDlgItem(box, 0xFFFF));
            ::PostMessageA(box, WM_COMMAND, IDOK, 0);
        });
        window.Command(ID_VIEW_SHOW_UNASSIGNED);
        EXPECT_TRUE(watcher.Fired());
        EXPECT_EQ(text, AnsiFromUtf8("この設定を変更したときは、もう一度調査を行ってください。"));
        EXPECT_EQ(CSurveyDlgProbe::ShowUnassigned(window.dialog), expected);
    }
}
