#include "dialogs/AssignHotKeyDlg.h"

#include "resource.h"

CAssignHotKeyDlg::CAssignHotKeyDlg(CWnd* parent) : CDialog(IDD_ASSIGN_HOTKEY, parent), m_wHotKey(0) {}

void CAssignHotKeyDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_HOTKEY_EDIT, m_hotKeyCtrl);
}

BOOL CAssignHotKeyDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_hotKeyCtrl.SetHotKey(LOBYTE(m_wHotKey), HIBYTE(m_wHotKey));
    return TRUE;
}

void CAssignHotKeyDlg::OnOK()
{
    WORD virtualKey = 0;
    WORD modifiers = 0;
    m_hotKeyCtrl.GetHotKey(virtualKey, modifiers);
    m_wHotKey = static_cast<WORD>((modifiers & 0xFF) * 256 + (virtualKey & 0xFF));
    CDialog::OnOK();
}
