// The diagnosis dialog: one row per finding of the listed hotkeys (the
// file named as the main list shows it, with its icon; the hotkey; the
// reason), and the combinations of the Properties dialog's modifier sets
// that no listed shortcut and no running program holds. Resizable: the
// lists follow the window's size.
#pragma once

#include <functional>

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "resultlist/ResultList.h"

class CCheckDlg : public CDialog {
public:
    // `list`: the main window's rows; `edit` changes the hotkey of one of
    // its rows through the assignment dialog, owned by the given window.
    CCheckDlg(CWnd* parent, CResultList& list, std::function<void(int row, CWnd* owner)> edit);
    ~CCheckDlg() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static const MessageEntry<CCheckDlg> kMessageTable[];

    // Keeps the button centred at the bottom, the free list at the right
    // edge at its width and the findings filling the rest.
    void OnSize(UINT type, int cx, int cy);
    // A double-click on a finding changes that shortcut's hotkey; both
    // lists are filled again after it.
    void OnDblClkCheckList(NMHDR* header, LRESULT* result);
    void FillLists();

    CListCtrl m_findings;
    CListCtrl m_free;
    CResultList& m_list;
    std::function<void(int row, CWnd* owner)> m_edit;
    HIMAGELIST m_icons = nullptr;  // the findings' icons; owned
    int m_nMargin = 10;            // the findings' left edge, used as every margin
};
