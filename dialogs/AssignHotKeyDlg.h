// The hotkey assignment dialog: one hotkey control showing m_wHotKey; OK
// reads the control back into it.
#pragma once

#include "framework/Controls.h"
#include "framework/Dialog.h"

class CAssignHotKeyDlg : public CDialog {
public:
    explicit CAssignHotKeyDlg(CWnd* parent);

    CHotKeyCtrl m_hotKeyCtrl;
    WORD m_wHotKey;  // set by the caller before DoModal; by OK after it

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
};
