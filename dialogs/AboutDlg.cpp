#include "dialogs/AboutDlg.h"

#include <shellapi.h>

#include "resource.h"

const MessageEntry<CAboutDlg> CAboutDlg::kMessageTable[] = {
    OnCommand<&CAboutDlg::OnWebPage>(IDC_WEB_PAGE),
    OnCommand<&CAboutDlg::OnMail>(IDC_MAIL_BUTTON),
};

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX, nullptr), m_strMail(VELMORA_MAIL_ADDRESS) {}

bool CAboutDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    return DispatchMessageTable(kMessageTable, *this, message, wParam, lParam, result);
}

void CAboutDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_MAIL_ADDRESS, m_strMail);
}

// The web page button: opens the author's page; the box stays open.
void CAboutDlg::OnWebPage()
{
    ::ShellExecuteA(m_hWnd, "open", VELMORA_WEB_PAGE, nullptr, nullptr, SW_SHOWNORMAL);
}

// The mail button: starts a mail to the author; the box stays open.
void CAboutDlg::OnMail()
{
    ::ShellExecuteA(m_hWnd, "open", "mailto:" VELMORA_MAIL_ADDRESS, nullptr, nullptr, SW_SHOWNORMAL);
}
