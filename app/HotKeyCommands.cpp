// The main window's hotkey change: Edit > set hotkey and a double-click on a row.
#include "app/SurveyDlg.h"
#include "dialogs/AssignHotKeyDlg.h"
#include "hotkey/HotKeyText.h"
#include "shell/LinkHotKey.h"

// Edit > set hotkey: edits the hotkey stored in the first selected row's file.
void CSurveyDlg::OnEditSetHotKey()
{
    const int row = FindFirstSelected(m_list);
    if (row < 0)
        return;
    const CString path = m_list.PathOf(row);
    CAssignHotKeyDlg dialog(this);
    dialog.m_wHotKey = GetLinkHotKey(path.GetString(), m_hWnd);
    if (dialog.DoModal() != IDOK)
        return;
    if (SetLinkHotKey(path.GetString(), dialog.m_wHotKey, m_hWnd) == 1)
        m_list.SetHotKeyText(row, FormatHotKey(dialog.m_wHotKey).GetString());
}

// A double-click on a row does what Edit > set hotkey does.
void CSurveyDlg::OnDblClkResultList(NMHDR* /*header*/, LRESULT* result)
{
    OnEditSetHotKey();
    *result = 0;
}
