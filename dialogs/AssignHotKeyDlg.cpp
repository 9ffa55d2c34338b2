#include "dialogs/AssignHotKeyDlg.h"

#include <utility>

#include "resource.h"
#include "rules/HotKeyReach.h"
#include "shell/RegisteredHotKeys.h"

const MessageEntry<CAssignHotKeyDlg> CAssignHotKeyDlg::kMessageTable[] = {
    OnControlCommand<&CAssignHotKeyDlg::OnHotKeyChange>(EN_CHANGE, IDC_HOTKEY_EDIT),
};

CAssignHotKeyDlg::CAssignHotKeyDlg(CWnd* parent) : CDialog(IDD_ASSIGN_HOTKEY, parent), m_wHotKey(0) {}

void CAssignHotKeyDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_HOTKEY_EDIT, m_hotKeyCtrl);
}

bool CAssignHotKeyDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    return DispatchMessageTable(kMessageTable, *this, message, wParam, lParam, result);
}

BOOL CAssignHotKeyDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_hotKeyCtrl.SetHotKey(LOBYTE(m_wHotKey), HIBYTE(m_wHotKey));
    m_wBefore = m_wHotKey;
    if (m_pList != nullptr && m_nRow >= 0)
        m_listed = m_pList->HotKeysOf();
    OnHotKeyChange();
    return TRUE;
}

void CAssignHotKeyDlg::OnOK()
{
    WORD virtualKey = 0;
    WORD modifiers = 0;
    m_hotKeyCtrl.GetHotKey(virtualKey, modifiers);
    m_wHotKey = static_cast<WORD>((modifiers & 0xFF) * 256 + (virtualKey & 0xFF));
    CDialog::OnOK();
}

void CAssignHotKeyDlg::OnHotKeyChange()
{
    GetDlgItem(IDC_HOTKEY_STATE).SetWindowText(StateText(static_cast<WORD>(m_hotKeyCtrl.SendMessage(HKM_GETHOTKEY))));
}

std::wstring CAssignHotKeyDlg::StateText(WORD value) const
{
    if (value == 0)
        return LoadWideString(IDS_STATE_NONE);
    const bool listed = m_nRow >= 0 && static_cast<std::size_t>(m_nRow) < m_listed.numbers.size();
    const int self = listed ? m_listed.numbers[static_cast<std::size_t>(m_nRow)] : -1;
    const std::vector<std::size_t> holders = HoldersOf(m_listed.rows, value, self, true);
    std::wstring text;
    if (!holders.empty()) {
        const std::wstring first = m_pList->ShownTextOf(static_cast<int>(holders[0]));
        text = holders.size() == 1 ? LoadWideString(IDS_STATE_HELD, {first})
                                   : LoadWideString(IDS_STATE_HELD_MORE, {first, std::to_wstring(holders.size() - 1)});
    }
    const bool acts = !listed || m_listed.rows[static_cast<std::size_t>(m_nRow)].acts;
    const std::pair<bool, UINT> notes[] = {
        {IsRegisteredForShortcut(holders.size(), m_wBefore, value, IsRegisteredElsewhere), IDS_STATE_REGISTERED},
        {!acts, IDS_STATE_INERT},
        {HasNoKey(value), IDS_STATE_NO_KEY},
        {IsSystemCombination(value), IDS_STATE_SYSTEM},
    };
    for (const auto& [holds, id] : notes)
        if (holds)
            text += LoadWideString(id);
    return text.empty() ? LoadWideString(IDS_STATE_FREE) : text;
}
