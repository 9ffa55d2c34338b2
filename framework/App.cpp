#include "framework/App.h"

#include <commctrl.h>

#include "framework/Wnd.h"

namespace {
CWinApp* g_app = nullptr;
HCURSOR g_cursorBeforeWait = nullptr;

CString ModuleFileName()
{
    char path[MAX_PATH + 1] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return CString(path, length < MAX_PATH ? static_cast<int>(length) : 0);
}
}

CWinApp::CWinApp() { g_app = this; }

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

void CWinApp::OnHelp()
{
    CString helpFile = ModuleFileName();
    const char* dot = nullptr;
    for (const char* p = helpFile.GetString(); *p; ++p)
        if (*p == '.')
            dot = p;
    CString base = dot ? CString(helpFile.GetString(), static_cast<int>(dot - helpFile.GetString())) : helpFile;
    ::WinHelpA(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr, (base + ".HLP").GetString(), HELP_FINDER, 0);
}

CWinApp* AfxGetApp() { return g_app; }

CString AfxGetAppName()
{
    const CString path = ModuleFileName();
    const char* name = path.GetString();
    for (const char* p = name; *p; p = ::CharNextA(p))
        if (*p == '\\' || *p == '/' || *p == ':')
            name = p + 1;
    const char* dot = nullptr;
    for (const char* p = name; *p; ++p)
        if (*p == '.')
            dot = p;
    return dot ? CString(name, static_cast<int>(dot - name)) : CString(name);
}

int AfxMessageBox(const char* text, UINT type, UINT /*helpId*/)
{
    if ((type & MB_ICONMASK) == 0)
        type |= MB_ICONEXCLAMATION;
    HWND owner = nullptr;
    if (g_app != nullptr && g_app->m_pMainWnd != nullptr)
        owner = g_app->m_pMainWnd->m_hWnd;
    return ::MessageBoxA(owner, text, AfxGetAppName().GetString(), type);
}

void BeginWaitCursor()
{
    g_cursorBeforeWait = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
}

void EndWaitCursor()
{
    ::SetCursor(g_cursorBeforeWait ? g_cursorBeforeWait : ::LoadCursorA(nullptr, IDC_ARROW));
    g_cursorBeforeWait = nullptr;
}

// The program's entry point: registers the common controls, then runs the
// application object's InitInstance; the process ends when it returns.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_HOTKEY_CLASS};
    ::InitCommonControlsEx(&controls);
    if (g_app == nullptr)
        return 1;
    g_app->InitInstance();
    return 0;
}
