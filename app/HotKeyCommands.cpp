// The main window's hotkey change: Edit > set hotkey and a double-click on a row.
#include "app/SurveyDlg.h"
#include "dialogs/AssignHotKeyDlg.h"
#include "framework/App.h"
#include "framework/SystemError.h"
#include "hotkey/HotKeyText.h"
#include "shell/LinkHotKey.h"

namespace {
// Why a hotkey could not be written, as the main window words it.
CString WriteFailureReason(const LinkWriteFailure& failure)
{
    switch (failure.problem) {
    case LinkWriteProblem::kNotShortcut:
        return CString::FromUtf8("ショートカット ファイルとして開けません。");
    case LinkWriteProblem::kTargetMissing:
        return CString::FromUtf8("リンク先が見つかりません。");
    case LinkWriteProblem::kReadOnly:
        return CString::FromUtf8("ファイルは読み取り専用です。");
    case LinkWriteProblem::kChanged:
        return CString::FromUtf8("読み込んだ後でファイルが変更されました。");
    case LinkWriteProblem::kNotConfirmed:
        return CString::FromUtf8("ホットキーは書き込まれましたが、確認できませんでした: ") + SystemErrorText(failure.error);
    default:
        return SystemErrorText(failure.error);
    }
}

// Tells the user that the hotkey of the shortcut `path` was not written, and why.
void ShowWriteFailure(const CString& path, const LinkWriteFailure& failure)
{
    const CString text = CString::FromUtf8("ホットキーを書き込めませんでした。\n\n") + path + "\n\n" +
                         WriteFailureReason(failure);
    AfxMessageBox(text.GetString(), MB_OK, 0);
}
}

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
    LinkWriteFailure failure;
    if (SetLinkHotKey(path.GetString(), dialog.m_wHotKey, m_hWnd, &failure) != 1) {
        ShowWriteFailure(path, failure);
        return;
    }
    m_list.SetHotKeyText(row, FormatHotKey(dialog.m_wHotKey).GetString());
}

// A double-click on a row does what Edit > set hotkey does.
void CSurveyDlg::OnDblClkResultList(NMHDR* /*header*/, LRESULT* result)
{
    OnEditSetHotKey();
    *result = 0;
}
