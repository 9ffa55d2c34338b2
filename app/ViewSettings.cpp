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
        AfxMessageBox(CString::FromUtf8("この設定を変更したときは、もう一度調査を行ってください。").GetString(), MB_OK, 0);
}
