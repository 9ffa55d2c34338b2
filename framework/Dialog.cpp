#include "framework/Dialog.h"

#include "framework/App.h"

namespace {
// The dialog being created on this thread: attached on the first message its
// procedure receives (owner-draw measuring comes before WM_INITDIALOG).
thread_local CDialog* t_creating = nullptr;

// Messages whose result is the dialog procedure's own return value.
bool ReturnsResultDirectly(UINT message)
{
    switch (message) {
    case WM_INITDIALOG:
    case WM_QUERYDRAGICON:
    case WM_CHARTOITEM:
    case WM_VKEYTOITEM:
    case WM_COMPAREITEM:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return true;
    default:
        return false;
    }
}
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    if (control.m_hWnd == nullptr)
        control.Attach(::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, id));
}

void DDX_Text(CDataExchange* pDX, int id, CString& value)
{
    const CWnd edit = pDX->m_pDlgWnd->GetDlgItem(id);
    if (pDX->m_bSaveAndValidate)
        value = edit.GetWindowText();
    else
        edit.SetWindowText(value.GetString());
}

CDialog::CDialog(UINT templateId, CWnd* parent)
    : m_nIDTemplate(templateId), m_hWndParent(parent ? parent->m_hWnd : nullptr)
{
}

CDialog::~CDialog()
{
    if (m_hWnd != nullptr && ::IsWindow(m_hWnd)) {
        ::SetWindowLongPtrA(m_hWnd, DWLP_USER, 0);
        ::DestroyWindow(m_hWnd);
    }
}

INT_PTR CDialog::DoModal()
{
    // A dialog without a parent is owned by the main window, which it disables.
    HWND owner = m_hWndParent;
    const CWinApp* app = AfxGetApp();
    if (owner == nullptr && app != nullptr && app->m_pMainWnd != nullptr && app->m_pMainWnd != this)
        owner = app->m_pMainWnd->m_hWnd;
    t_creating = this;
    const INT_PTR result = ::DialogBoxParamA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), owner,
                                             &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    t_creating = nullptr;
    return result;
}

BOOL CDialog::Create(HWND parent)
{
    m_hWndParent = parent;
    t_creating = this;
    const HWND hwnd = ::CreateDialogParamA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), parent,
                                           &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    t_creating = nullptr;
    return hwnd != nullptr;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

bool CDialog::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* dialog = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hwnd, DWLP_USER));
    if (dialog == nullptr && t_creating != nullptr) {
        dialog = t_creating;
        t_creating = nullptr;
        dialog->m_hWnd = hwnd;
        ::SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(dialog));
    }
    if (dialog == nullptr)
        return FALSE;
    try {
        const INT_PTR handled = dialog->HandleMessage(message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            ::SetWindowLongPtrA(hwnd, DWLP_USER, 0);
            dialog->m_hWnd = nullptr;
        }
        return handled;
    } catch (...) {
        // Nothing may unwind through the window manager.
        return FALSE;
    }
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    const bool handled = OnMessage(message, wParam, lParam, result) || HandleDefaults(message, wParam, lParam, result);
    if (!handled)
        return FALSE;
    if (ReturnsResultDirectly(message))
        return static_cast<INT_PTR>(result);
    ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}

bool CDialog::HandleDefaults(UINT message, WPARAM wParam, LPARAM, LRESULT& result)
{
    switch (message) {
    case WM_INITDIALOG: {
        RECT before = {};
        GetWindowRect(&before);
        result = OnInitDialog();
        CenterIfUnplaced(before);
        return true;
    }
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDOK) {
            OnOK();
            return true;
        }
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            return true;
        }
        return HIWORD(wParam) <= 1 && AfxGetApp() != nullptr && AfxGetApp()->OnAppCommand(LOWORD(wParam));
    case WM_HELP:
        // F1 becomes the help command, as a menu item would send it.
        SendMessage(WM_COMMAND, ID_HELP, 0);
        return true;
    default:
        return false;
    }
}

// A template that stands at (0, 0) with no alignment style is centred over
// its owner (over the work area without one), unless OnInitDialog moved it.
void CDialog::CenterIfUnplaced(const RECT& before) const
{
    const LONG style = ::GetWindowLongA(m_hWnd, GWL_STYLE);
    if (style & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN))
        return;
    RECT now = {};
    GetWindowRect(&now);
    if (now.left != before.left || now.top != before.top)
        return;
    RECT area = {};
    const HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    if (owner != nullptr && ::IsWindowVisible(owner) && !::IsIconic(owner))
        ::GetWindowRect(owner, &area);
    else
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    const int width = now.right - now.left;
    const int height = now.bottom - now.top;
    int x = area.left + (area.right - area.left - width) / 2;
    int y = area.top + (area.bottom - area.top - height) / 2;
    RECT work = {};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    if (x + width > work.right) x = work.right - width;
    if (y + height > work.bottom) y = work.bottom - height;
    if (x < work.left) x = work.left;
    if (y < work.top) y = work.top;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
