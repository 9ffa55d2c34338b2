// The main window's system menu: its version item opens the about box.
#include "app/SurveyDlg.h"
#include "dialogs/AboutDlg.h"

// The system menu's version item opens the about box; any other system
// command keeps its default handling.
void CSurveyDlg::OnSysCommand(UINT id, LPARAM /*lParam*/)
{
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
        return;
    }
    Default();
}
