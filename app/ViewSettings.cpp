// View > the two view settings: full path and files without a hotkey.
#include "app/SurveyDlg.h"
#include "framework/App.h"

// View > full path: every row is drawn again in the other form.
void CSurveyDlg::OnViewFullPath()
{
    m_list.ToggleFullPath();
}

// View > also show files without a hotkey: takes effect at the next survey.
void CSurveyDlg::OnViewShowUnassigned()
{
    m_bShowUnassigned = !m_bShowUnassigned;
    if (m_bSurveyed == 1)
        AfxMessageBox(CString::FromResource(IDS_SURVEY_AGAIN).GetString(), MB_OK, 0);
}
