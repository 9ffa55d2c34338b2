// Layout of the main window: the list and the start button at any size.
#include "app/SurveyDlg.h"

// Keeps the start button centred at the bottom and the list filling the rest.
void CSurveyDlg::OnSize(UINT type, int cx, int cy)
{
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
