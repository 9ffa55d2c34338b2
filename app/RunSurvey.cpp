// The start button's handler: a new survey of the shortcut files.
#include "app/SurveyDlg.h"
#include "framework/App.h"
#include "survey/SurveyRun.h"

// The start button: a new survey replaces the whole list, then sorts by key.
void CSurveyDlg::RunSurvey()
{
    if (SurveyRows())
        PostMessage(WM_COMMAND, ID_SORT_BY_KEY, 0);
}

bool CSurveyDlg::SurveyRows()
{
    m_bSurveyed = 1;
    BeginWaitCursor();
    ClearRowIcons();
    // Silent whatever failed: the list holds what could be surveyed. The
    // list is painted once, after the rows are in.
    m_list.SetRedraw(FALSE);
    const SurveyStatus surveyed = SurveyShortcuts(m_hWnd, m_bShowUnassigned, m_list);
    m_list.SetRedraw(TRUE);
    EndWaitCursor();
    return surveyed != SurveyStatus::kNoAllocator;
}
