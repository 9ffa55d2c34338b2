// The application object: runs the main window modally, then ends.
#include "app/VelmoraApp.h"

#include "app/SurveyDlg.h"

CSurveyApp theApp;

bool CSurveyApp::OnAppCommand(UINT id)
{
    if (id != ID_HELP)
        return false;
    OnHelp();
    return true;
}

BOOL CSurveyApp::InitInstance()
{
    Enable3dControlsStatic();
    CSurveyDlg dialog(nullptr);
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
