// The main window's construction, message table and own handlers.
#include "app/SurveyDlg.h"

#include "framework/App.h"
#include "framework/Gdi.h"

namespace {
// Appends a separator and the about box's item to the system menu, if there
// is one and the item's text loads.
void AppendAboutItem(const CMenu& systemMenu)
{
    if (systemMenu.GetSafeHmenu() == nullptr)
        return;
    CString aboutText;
    aboutText.LoadFromResource(IDS_ABOUTBOX);
    if (aboutText.IsEmpty())
        return;
    systemMenu.AppendMenu(MF_SEPARATOR);
    systemMenu.AppendMenu(MF_STRING, IDM_ABOUTBOX, aboutText.GetString());
}

// The two columns, file name and hotkey, each half the list's client width.
void InsertResultColumns(const CListCtrl& list)
{
    RECT client = {};
    list.GetClientRect(&client);
    const CString titles[2] = {CString::FromResource(IDS_COLUMN_NAME), CString::FromResource(IDS_COLUMN_HOTKEY)};
    for (int i = 0; i < 2; ++i) {
        LVCOLUMNA column = {};
        column.mask = LVCF_WIDTH | LVCF_TEXT;
        column.cx = (client.right - client.left) / 2;
        column.pszText = const_cast<char*>(titles[i].GetString());
        list.InsertColumn(i, column);
    }
}
}

// The commands and notifications; window messages are routed in OnMessage.
const MessageEntry<CSurveyDlg> CSurveyDlg::kMessageTable[] = {
    OnCommand<&CSurveyDlg::RunSurvey>(IDC_START_SURVEY),
    OnNotify<&CSurveyDlg::OnHeaderDividerDblClick>(HDN_DIVIDERDBLCLICKA, IDC_RESULT_HEADER),
    OnCommand<&CSurveyDlg::OnViewFullPath>(ID_VIEW_FULL_PATH),
    OnCommand<&CSurveyDlg::OnAppClose>(ID_APP_CLOSE),
    OnCommand<&CSurveyDlg::OnSortByKey>(ID_SORT_BY_KEY),
    OnCommand<&CSurveyDlg::OnSortByName>(ID_SORT_BY_NAME),
    OnCommand<&CSurveyDlg::OnEditCopyText>(ID_EDIT_COPY_TEXT),
    OnCommand<&CSurveyDlg::OnViewShowUnassigned>(ID_VIEW_SHOW_UNASSIGNED),
    OnCommand<&CSurveyDlg::OnEditSetHotKey>(ID_EDIT_SET_HOTKEY),
    OnNotify<&CSurveyDlg::OnDblClkResultList>(NM_DBLCLK, IDC_RESULT_LIST),
    OnNotify<&CSurveyDlg::OnGetRowText>(LVN_GETDISPINFOA, IDC_RESULT_LIST),
    OnCommand<&CSurveyDlg::OnEditCopyCsv>(ID_EDIT_COPY_CSV),
    OnCommand<&CSurveyDlg::OnViewCheck>(ID_VIEW_CHECK),
};

CSurveyDlg::CSurveyDlg(CWnd* parent)
    : CDialog(IDD_MAIN, parent),
      m_hIcon(::LoadIconA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME)))
{
}

// Every message the main window handles: the window messages here, each
// unpacked for its handler, then the commands and notifications by the table.
bool CSurveyDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    result = 0;
    switch (message) {
    case WM_SYSCOMMAND:
        return OnSysCommand(static_cast<UINT>(wParam), lParam);
    case WM_PAINT:
        return OnPaint();
    case WM_QUERYDRAGICON:
        result = reinterpret_cast<LRESULT>(OnQueryDragIcon());
        return true;
    case WM_DRAWITEM:
        OnDrawItem(static_cast<int>(wParam), reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    case WM_MEASUREITEM:
        OnMeasureItem(static_cast<int>(wParam), reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    case WM_INITMENUPOPUP: {
        CMenu popup(reinterpret_cast<HMENU>(wParam));
        OnInitMenuPopup(&popup, LOWORD(lParam), HIWORD(lParam));
        return true;
    }
    case WM_SIZE:
        // The default sizing does nothing the layout relies on; it runs after.
        OnSize(static_cast<UINT>(wParam), static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return false;
    case WM_DESTROY:
        // Likewise the default destruction, after the rows and icons are gone.
        OnDestroy();
        return false;
    default:
        return DispatchMessageTable(kMessageTable, *this, message, wParam, lParam, result);
    }
}

void CSurveyDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_RESULT_LIST, m_list);
}

BOOL CSurveyDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    AppendAboutItem(CMenu(GetSystemMenu(FALSE)));
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    if (m_menu.Attach(::LoadMenuA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINMENU))))
        SetMenu(m_menu.GetSafeHmenu());
    InsertResultColumns(m_list);

    const CWnd header = m_list.GetWindow(GW_CHILD);
    if (header.m_hWnd != nullptr)
        header.SetDlgCtrlID(IDC_RESULT_HEADER);

    RECT list = {};
    m_list.GetWindowRect(&list);
    ScreenToClient(&list);
    m_nListLeft = list.left;
    m_nListTop = list.top;
    return TRUE;
}

// Paints the application icon centred while minimised; otherwise leaves the
// painting to the default handling.
bool CSurveyDlg::OnPaint()
{
    if (!IsIconic())
        return false;
    CPaintDC dc(*this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int cx = ::GetSystemMetrics(SM_CXICON);
    const int cy = ::GetSystemMetrics(SM_CYICON);
    RECT client = {};
    GetClientRect(&client);
    const int x = (client.right - client.left - cx + 1) / 2;
    const int y = (client.bottom - client.top - cy + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
    return true;
}

// The cursor shown while the minimised window is dragged.
HCURSOR CSurveyDlg::OnQueryDragIcon()
{
    return reinterpret_cast<HCURSOR>(m_hIcon);
}

// File > Close: closes exactly as the close box does.
void CSurveyDlg::OnAppClose()
{
    PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
}

// The window is going: its rows and their icons go with it.
void CSurveyDlg::OnDestroy()
{
    ClearRowIcons();
}

void CSurveyDlg::ClearRowIcons()
{
    m_list.RemoveAllRows();
}
