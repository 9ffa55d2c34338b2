#include "support/Driving.h"

#include "framework/App.h"

void PumpMessages()
{
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
}

void AddRowWithoutIcon(CSurveyDlg& dialog, const std::string& path, const std::string& hotKeyText)
{
    CSurveyDlgProbe::List(dialog).AddRow(path.c_str(), hotKeyText.c_str(), std::nullopt);
}

BOOL SetRowItemData(const CListCtrl& list, int row, LPARAM data)
{
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    item.lParam = data;
    return static_cast<BOOL>(list.SendMessage(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

MainDialogDriver::MainDialogDriver()
{
    m_created = dialog.Create(nullptr) != FALSE;
    list.Attach(::GetDlgItem(dialog.m_hWnd, IDC_RESULT_LIST));
    if (AfxGetApp() != nullptr)
        AfxGetApp()->m_pMainWnd = &dialog;
    PumpMessages();
}

MainDialogDriver::~MainDialogDriver()
{
    if (AfxGetApp() != nullptr)
        AfxGetApp()->m_pMainWnd = nullptr;
    if (dialog.m_hWnd != nullptr)
        ::DestroyWindow(dialog.m_hWnd);
    PumpMessages();
}

void MainDialogDriver::Send(UINT id) const
{
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void MainDialogDriver::Command(UINT id) const
{
    Send(id);
    PumpMessages();
}

std::vector<ListRow> MainDialogDriver::Rows() const
{
    std::vector<ListRow> rows;
    for (int i = 0; i < list.GetItemCount(); ++i)
        rows.push_back({list.GetItemText(i, 0).str(), list.GetItemText(i, 1).str(), list.GetItemData(i)});
    return rows;
}

void MainDialogDriver::AddRow(const std::string& path, const std::string& hotKey)
{
    AddRowWithoutIcon(dialog, path, hotKey);
}

void MainDialogDriver::ShowFullPath(int on)
{
    if (CSurveyDlgProbe::List(dialog).GetFullPath() != on)
        Command(ID_VIEW_FULL_PATH);
}

void MainDialogDriver::ScrollToEnd() const
{
    ::UpdateWindow(list.m_hWnd);
    for (int top = -1; top != list.GetTopIndex();) {
        top = list.GetTopIndex();
        list.SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
        ::UpdateWindow(list.m_hWnd);
    }
}
