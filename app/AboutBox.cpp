// The main window's system menu: its version item opens the about box.
#include "app/SurveyDlg.h"
#include "dialogs/AboutDlg.h"

// The system menu's version item opens the about box; any other system
// command is left to the default handling, which performs it.
bool CSurveyDlg::OnSysCommand(UINT id, LPARAM /*lParam*/)
{
    if ((id & 0xFFF0) != IDM_ABOUTBOX)
        return false;
    CAboutDlg about;
    about.DoModal();
    return true;
}
