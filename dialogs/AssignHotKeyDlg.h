// The hotkey assignment dialog: one hotkey control showing m_wHotKey; OK
// reads the control back into it. A state line below the buttons says, as
// the user presses keys, who else holds the combination shown and why it
// may not start the shortcut.
#pragma once

#include <string>

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "resultlist/ResultList.h"

class CAssignHotKeyDlg : public CDialog {
public:
    explicit CAssignHotKeyDlg(CWnd* parent);

    CHotKeyCtrl m_hotKeyCtrl;
    WORD m_wHotKey;  // set by the caller before DoModal; by OK after it
    // The listed shortcuts the state line names holders from, and the row
    // of the shortcut whose hotkey is set; none: the line knows no shortcuts.
    const CResultList* m_pList = nullptr;
    int m_nRow = -1;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static const MessageEntry<CAssignHotKeyDlg> kMessageTable[];

    // The hotkey control changed: the state line says what holds its value.
    void OnHotKeyChange();
    // What the state line says of `value`.
    std::wstring StateText(WORD value) const;

    ListedHotKeys m_listed;  // the listed rows, taken when the dialog opens
    WORD m_wBefore = 0;      // the value the shortcut held when the dialog opened
};
