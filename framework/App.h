// CWinApp: the application object, the program's entry point and the
// framework's global services (instance handle, message box, wait cursor).
#pragma once

#include <windows.h>

#include "framework/AfxString.h"
#include "framework/InstanceHandle.h"

class CWnd;

#ifndef ID_HELP
#define ID_HELP 0xE146
#endif

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Runs the program; FALSE ends the process without a message loop.
    virtual BOOL InitInstance() { return TRUE; }
    // Routes a command that no window handled; true when handled.
    virtual bool OnAppCommand(UINT id) { (void)id; return false; }

    // 3-D dialog controls are built into every Windows the program runs on.
    BOOL Enable3dControlsStatic() { return TRUE; }
    // Asks the Windows help engine for the program's help file (name.HLP).
    void OnHelp();

    CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();
// The program file's name without its extension.
CString AfxGetAppName();
// A message box owned by the main window with the application name as
// caption; a box that names no icon gets the exclamation icon.
int AfxMessageBox(const char* text, UINT type = MB_OK, UINT helpId = 0);

// Shows the wait cursor until the matching EndWaitCursor.
void BeginWaitCursor();
void EndWaitCursor();
