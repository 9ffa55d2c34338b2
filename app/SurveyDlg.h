// The main window: a resizable modal dialog with the menu bar, the result
// list and the start button. Its message table routes every command and
// notification; its members hold the state the subsystems share.
#pragma once

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/Menu.h"
#include "resource.h"
#include "resultlist/ResultList.h"

class CSurveyDlg : public CDialog {
public:
    explicit CSurveyDlg(CWnd* parent = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // Tests read the window's state through this one named seam.
    friend struct CSurveyDlgProbe;
    static const MessageEntry<CSurveyDlg> kMessageTable[];

    // Empties the result list: its rows and their icons go together.
    void ClearRowIcons();

    // The main window itself (SurveyDlg.cpp). OnPaint and OnSysCommand return
    // false to leave a message to the default handling instead.
    bool OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnAppClose();
    void OnDestroy();
    // The system menu's about box (AboutBox.cpp).
    bool OnSysCommand(UINT id, LPARAM lParam);
    // Layout (Layout.cpp), menu states (MenuStates.cpp), view settings (ViewSettings.cpp).
    void OnSize(UINT type, int cx, int cy);
    void OnInitMenuPopup(CMenu* popup, UINT index, BOOL isSystemMenu);
    void OnViewFullPath();
    void OnViewShowUnassigned();
    // The start button (RunSurvey.cpp).
    void RunSurvey();
    // A new survey into the list; false when it could not start at all.
    bool SurveyRows();
    // The result list's rows (ResultListHandlers.cpp).
    void OnDrawItem(int controlId, DRAWITEMSTRUCT* draw);
    void OnMeasureItem(int controlId, MEASUREITEMSTRUCT* measure);
    void OnHeaderDividerDblClick(NMHDR* header, LRESULT* result);
    void OnGetRowText(NMHDR* request, LRESULT* result);
    // Sorting (SortCommands.cpp).
    void OnSortByKey();
    void OnSortByName();
    void SortRows(int sortKey);
    // Clipboard copies (CopyCommands.cpp).
    void OnEditCopyText();
    void OnEditCopyCsv();
    // Hotkey change (HotKeyCommands.cpp).
    void OnEditSetHotKey();
    void OnDblClkResultList(NMHDR* header, LRESULT* result);
    // Changes the hotkey of row `row` through the assignment dialog, owned by `owner`.
    void EditHotKeyOf(int row, CWnd* owner);
    // View > hotkey diagnosis (CheckCommand.cpp).
    void OnViewCheck();

    int m_nListTop = 10;         // list's top edge; used as its right margin
    int m_nListLeft = 10;        // list's left edge; used as the vertical gap
    int m_nIconMargin = 2;       // margin before and after a row's icon
    int m_nSortKey = ID_SORT_BY_KEY;
    int m_bSurveyed = 0;
    CMenu m_menu;
    CResultList m_list;          // the rows, their icons and the full-path setting
    int m_bShowUnassigned = 0;
    HICON m_hIcon;
};
