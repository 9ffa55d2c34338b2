// The start button's handler: a new survey of the shortcut files.
#include "app/SurveyDlg.h"
#include "framework/App.h"
#include "survey/SurveyRun.h"

// The start button: a new survey replaces the whole list, then sorts by key.
void CSurveyDlg::RunSurvey()
{
    m_bSurveyed = 1;
    BeginWaitCursor();
    ClearRowIcons();
    const bool surveyed = SurveyShortcuts(m_hWnd, m_bShowUnassigned, m_list);
    EndWaitCursor();
    if (surveyed)
        PostMessage(WM_COMMAND, ID_SORT_BY_KEY, 0);
}
