#include "dialogs/CheckDlg.h"

#include <set>
#include <utility>

#include "resource.h"
#include "rules/HotKeyReach.h"
#include "rules/HotKeyText.h"
#include "framework/Com.h"
#include "shell/RegisteredHotKeys.h"
#include "survey/SurveyRun.h"

namespace {
// The reason shown for each HotKeyFinding, in its order.
const UINT kReasons[] = {IDS_CHECK_DUPLICATE, IDS_CHECK_INERT, IDS_CHECK_NO_KEY, IDS_CHECK_SYSTEM,
                         IDS_CHECK_MISSING};

// The rectangle of `control` in `dialog`'s client coordinates.
RECT PlaceOf(const CWnd& dialog, const CWnd& control)
{
    RECT r = {};
    control.GetWindowRect(&r);
    dialog.ScreenToClient(&r);
    return r;
}
}

const MessageEntry<CCheckDlg> CCheckDlg::kMessageTable[] = {
    OnNotify<&CCheckDlg::OnDblClkCheckList>(NM_DBLCLK, IDC_CHECK_LIST),
};

CCheckDlg::CCheckDlg(CWnd* parent, CResultList& list, std::function<void(int row, CWnd* owner)> edit)
    : CDialog(IDD_CHECK, parent), m_list(list), m_edit(std::move(edit))
{
}

CCheckDlg::~CCheckDlg()
{
    if (m_icons != nullptr)
        ::ImageList_Destroy(m_icons);
}

void CCheckDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_CHECK_LIST, m_findings);
    DDX_Control(pDX, IDC_FREE_LIST, m_free);
}

bool CCheckDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message != WM_SIZE)
        return DispatchMessageTable(kMessageTable, *this, message, wParam, lParam, result);
    OnSize(static_cast<UINT>(wParam), static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
    return false;
}

BOOL CCheckDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_nMargin = PlaceOf(*this, m_findings).left;
    m_findings.SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    m_icons = ::ImageList_Create(::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON),
                                 ILC_COLOR32 | ILC_MASK, 0, 16);
    m_findings.SetImageList(m_icons, LVSIL_SMALL);
    RECT client = {};
    m_findings.GetClientRect(&client);
    const int ninth = client.right / 9;
    m_findings.InsertColumn(0, LoadWideString(IDS_COLUMN_NAME), 3 * ninth);
    m_findings.InsertColumn(1, LoadWideString(IDS_COLUMN_HOTKEY), 2 * ninth);
    m_findings.InsertColumn(2, LoadWideString(IDS_COLUMN_REASON), 4 * ninth);
    m_free.GetClientRect(&client);
    m_free.InsertColumn(0, LoadWideString(IDS_COLUMN_FREE), client.right - ::GetSystemMetrics(SM_CXVSCROLL));
    FillLists();
    return TRUE;
}

void CCheckDlg::FillLists()
{
    m_findings.DeleteAllItems();
    m_free.DeleteAllItems();
    ::ImageList_RemoveAll(m_icons);
    ListedHotKeys listed = m_list.HotKeysOf();
    {
        // Each file's target is looked at only here: the list's survey reads no targets.
        const CComInit com;
        for (std::size_t i = 0; i < listed.rows.size(); ++i)
            listed.rows[i].missing = listed.rows[i].first && IsTargetGone(m_list.PathOf(static_cast<int>(i)), m_hWnd);
    }
    for (const RowFinding& finding : FindingsOf(listed.rows)) {
        const int row = static_cast<int>(finding.row);
        const HICON icon = m_list.FoundIconOf(row);
        const int image = icon != nullptr ? ::ImageList_AddIcon(m_icons, icon) : -1;
        const int item = m_findings.InsertItem(m_findings.GetItemCount(), m_list.ShownTextOf(row), image, row);
        m_findings.SetItemText(item, 1, m_list.HotKeyTextOf(row).GetString());
        const std::vector<std::size_t> others = HoldersOf(listed.rows, listed.rows[finding.row].hotKey, row, true);
        const std::wstring other = others.empty() ? std::wstring() : m_list.ShownTextOf(static_cast<int>(others[0]));
        m_findings.SetItemText(item, 2, LoadWideString(kReasons[static_cast<int>(finding.finding)], {other}));
    }
    std::set<std::uint16_t> held;
    for (const HotKeyRowFacts& row : listed.rows)
        held.insert(Combination(row.hotKey));
    ForEachFreeCombination(DialogModifierSets(), held, IsRegisteredElsewhere, [this](std::uint16_t value) {
        m_free.InsertItem(m_free.GetItemCount(), FormatHotKey(value).GetString(), 0);
    });
}

void CCheckDlg::OnDblClkCheckList(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const int item = reinterpret_cast<const NMITEMACTIVATE*>(header)->iItem;
    if (item < 0 || item >= m_findings.GetItemCount())
        return;
    m_edit(static_cast<int>(m_findings.GetItemData(item)), this);
    FillLists();
}

void CCheckDlg::OnSize(UINT type, int cx, int cy)
{
    if (cx <= 0 || cy <= 0 || type == SIZE_MINIMIZED || m_findings.m_hWnd == nullptr)
        return;
    const CWnd button = GetDlgItem(IDCANCEL);
    const RECT b = PlaceOf(*this, button);
    const int buttonTop = cy - m_nMargin - (b.bottom - b.top);
    button.MoveWindow(cx / 2 - (b.right - b.left) / 2, buttonTop, b.right - b.left, b.bottom - b.top, TRUE);
    const RECT f = PlaceOf(*this, m_free);
    const int top = f.top, bottom = buttonTop - m_nMargin, freeLeft = cx - m_nMargin - (f.right - f.left);
    if (bottom <= top || freeLeft - m_nMargin <= m_nMargin)
        return;
    m_free.MoveWindow(freeLeft, top, f.right - f.left, bottom - top, TRUE);
    m_findings.MoveWindow(m_nMargin, top, freeLeft - 2 * m_nMargin, bottom - top, TRUE);
}
