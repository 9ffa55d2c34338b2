// View > hotkey diagnosis: the findings of the listed hotkeys and the free
// combinations, in a dialog of their own.
#include "app/SurveyDlg.h"
#include "dialogs/CheckDlg.h"

// Opened before any survey, a survey runs first, sorted as the start button
// sorts it; a double-click on a finding changes that row as Edit > set
// hotkey does.
void CSurveyDlg::OnViewCheck()
{
    if (m_bSurveyed == 0 && SurveyRows())
        SortRows(ID_SORT_BY_KEY);
    CCheckDlg dialog(this, m_list, [this](int row, CWnd* owner) { EditHotKeyOf(row, owner); });
    dialog.DoModal();
}
