// Layout of the main window and the two view settings.
#include "app/SurveyDlg.h"
#include "framework/App.h"

// Keeps the start button centred at the bottom and the list filling the rest.
void CSurveyDlg::OnSize(UINT type, int cx, int cy)
{
    Default();
    if (cx <= 0 || cy <= 0 || type == SIZE_MINIMIZED || m_list.m_hWnd == nullptr)
        return;

    const CWnd button = GetDlgItem(IDC_START_SURVEY);
    RECT b = {};
    button.GetWindowRect(&b);
    ScreenToClient(&b);
    const int buttonWidth = b.right - b.left;
    const int buttonHeight = b.bottom - b.top;
    const int buttonTop = cy - m_nListLeft - buttonHeight;
    button.MoveWindow(cx / 2 - buttonWidth / 2, buttonTop, buttonWidth, buttonHeight, TRUE);

    RECT l = {};
    m_list.GetWindowRect(&l);
    ScreenToClient(&l);
    const int right = cx - m_nListTop;
    const int bottom = buttonTop - m_nListLeft;
    if (l.left < right && l.top < bottom)
        m_list.MoveWindow(l.left, l.top, right - l.left, bottom - l.top, TRUE);
}

// Sets check marks and greyed states of whatever popup is opening.
void CSurveyDlg::OnInitMenuPopup(CMenu* popup, UINT /*index*/, BOOL /*isSystemMenu*/)
{
    popup->CheckMenuItem(ID_VIEW_FULL_PATH, m_bFullPath == 1 ? MF_CHECKED : MF_UNCHECKED);
    popup->CheckMenuItem(ID_VIEW_SHOW_UNASSIGNED, m_bShowUnassigned == 1 ? MF_CHECKED : MF_UNCHECKED);
    popup->EnableMenuItem(ID_EDIT_SET_HOTKEY, m_list.GetSelectedCount() == 1 ? MF_ENABLED : MF_GRAYED);
    const UINT copy = m_list.GetItemCount() > 0 ? MF_ENABLED : MF_GRAYED;
    popup->EnableMenuItem(ID_EDIT_COPY_TEXT, copy);
    popup->EnableMenuItem(ID_EDIT_COPY_CSV, copy);
}

// View > full path: every row is drawn again in the other form.
void CSurveyDlg::OnViewFullPath()
{
    m_bFullPath = !m_bFullPath;
    m_list.InvalidateRect(nullptr, TRUE);
}

// View > also show files without a hotkey: takes effect at the next survey.
void CSurveyDlg::OnViewShowUnassigned()
{
    m_bShowUnassigned = !m_bShowUnassigned;
    if (m_bSurveyed == 1)
        AfxMessageBox(CString::FromUtf8("この設定を変更したときは、もう一度調査を行ってください。").GetString(), MB_OK, 0);
}
