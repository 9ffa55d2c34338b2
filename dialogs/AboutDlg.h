// The about box: version, author credit, and the author's web page and mail
// address handed to the shell.
#pragma once

#include "framework/Dialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();

    CString m_strMail;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static const MessageEntry<CAboutDlg> kMessageTable[];

    void OnWebPage();
    void OnMail();
};
