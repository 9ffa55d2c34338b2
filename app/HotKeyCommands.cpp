// The main window's hotkey change: Edit > set hotkey and a double-click on a row.
#include "app/SurveyDlg.h"
#include "dialogs/AssignHotKeyDlg.h"
#include "framework/App.h"
#include "shell/LinkHotKey.h"

namespace {
// Tells the user that the hotkey of the shortcut `path` was not written, and why.
void ShowWriteFailure(const CString& path, const LinkWriteFailure& failure)
{
    const CString text = CString::FromResource(IDS_HOTKEY_NOT_WRITTEN) + "\n\n" + path + "\n\n" +
                         WriteFailureReason(failure, ReasonLanguage::kWindow);
    AfxMessageBox(text.GetString(), MB_OK, 0);
}
}

// Edit > set hotkey: edits the hotkey stored in the first selected row's file.
void CSurveyDlg::OnEditSetHotKey()
{
    const int row = FindFirstSelected(m_list);
    if (row >= 0)
        EditHotKeyOf(row, this);
}

// The row's file gets the value the dialog confirms; only a written value
// is shown in the row.
void CSurveyDlg::EditHotKeyOf(int row, CWnd* owner)
{
    const CString path = m_list.PathOf(row);
    CAssignHotKeyDlg dialog(owner);
    dialog.m_wHotKey = GetLinkHotKey(path.GetString(), m_hWnd);
    dialog.m_pList = &m_list;
    dialog.m_nRow = row;
    if (dialog.DoModal() != IDOK)
        return;
    LinkWriteFailure failure;
    if (SetLinkHotKey(path.GetString(), dialog.m_wHotKey, m_hWnd, &failure) != 1) {
        ShowWriteFailure(path, failure);
        return;
    }
    m_list.SetHotKey(row, dialog.m_wHotKey);
}

// A double-click on a row does what Edit > set hotkey does.
void CSurveyDlg::OnDblClkResultList(NMHDR* /*header*/, LRESULT* result)
{
    OnEditSetHotKey();
    *result = 0;
}
