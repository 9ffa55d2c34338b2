// CResultList: the result list control and its row model. Column 0 holds a
// row's full path, column 1 its hotkey text, the item data its number at
// insertion (kept through sorting), and that number indexes the row's texts
// and facts in the model and its icon in the list's own icon store, emptied
// with the rows. The control keeps no texts: it asks the model for them
// (LVN_GETDISPINFOA), so other programs still read them through the list
// view's own messages, as the survey gave them. A row's icon is found when
// the row is first drawn, together with those of the other rows in view.
// Column 0 is shown by the list's full-path setting.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/Controls.h"
#include "rules/HotKeyFindings.h"
#include "resultlist/RowIcons.h"
#include "survey/SurveyRun.h"

class CDC;

// A row's hotkey value and whether Windows acts on it where the shortcut lies.
struct RowHotKey {
    WORD value = 0;
    bool acts = true;
};

// The rows as the hotkey findings take them: their facts in the list's
// order, and for each row the number of the first row naming its file.
struct ListedHotKeys {
    std::vector<HotKeyRowFacts> rows;
    std::vector<int> numbers;
};

class CResultList : public CListCtrl, public CRowSink {
public:
    CResultList() = default;
    CResultList(const CResultList&) = delete;
    CResultList& operator=(const CResultList&) = delete;

    // Filling: the survey's rows, each a row as AddRow appends it.
    void Add(SurveyRow row) override;
    // Appends a row: the shortcut's full path, its hotkey text and what its
    // icon is found from (none: the row has no icon), with the hotkey value
    // the text stands for and whether Windows acts on it where the shortcut lies.
    void AddRow(const CString& path, const CString& hotKeyText, std::optional<CIconRequest> icon,
                RowHotKey hotKey = {});
    // Turns repainting off while rows go in, and on again after them.
    void SetRedraw(BOOL redraw);
    // Empties the list: every row goes, and the row icons are destroyed with them.
    void RemoveAllRows();

    // The full-path setting: 1 shows each row's full path, 0 its file name.
    int GetFullPath() const { return m_bFullPath; }
    // Switches the setting and has every row drawn again in the other form.
    void ToggleFullPath();

    // Reading row `row` (its current position) back; empty for a row whose
    // item data names no row of the model.
    CString PathOf(int row) const;
    CString HotKeyTextOf(int row) const;
    // Answers the control's request for a row's text (LVN_GETDISPINFOA):
    // column 0 the path, column 1 the hotkey text, from the row's facts.
    void GiveText(NMLVDISPINFOA& request) const;
    // The row's icon as found so far.
    HICON IconOf(int row) const;
    // The row's icon, found now if it was still pending.
    HICON FoundIconOf(int row);
    // The row's column 0 as it is compared and copied as ANSI text.
    CString DisplayTextOf(int row) const;
    // The row's column 0 as it is drawn: the file's long name by the display
    // rule (ShownName.h), found once per row.
    std::wstring ShownTextOf(int row) const;
    // Gives the row the hotkey `value` and its text.
    void SetHotKey(int row, WORD value);
    // Every row as the hotkey findings take it, in the list's order, each
    // numbered by file; the rows' files are opened for their identity.
    ListedHotKeys HotKeysOf() const;

    // Paints one row: fill, icon and shown name in column 0, hotkey text in
    // column 1, each clipped to its column. A row whose icon is not found
    // yet has it found first, with those of every row in view.
    void DrawRow(const DRAWITEMSTRUCT& draw, int iconMargin);
    // The height of a row measured in `owner`'s device context: the largest of
    // `incoming`, a line of text + 2 and an icon + 2.
    static UINT RowHeight(const CWnd& owner, UINT incoming);
    // Sizes `column` to its widest text as drawn plus the icon allowance, never below
    // 10; an empty list is left alone.
    void FitColumn(int column, int iconMargin) const;
    // Reorders the rows by `sortKey`'s sort texts (RowOrder.h).
    void Sort(int sortKey) const;

private:
    friend struct CSurveyDlgProbe;

    void DrawNameCell(const CDC& dc, const RECT& r, int row, int iconMargin) const;
    // Finds the icons still pending of `row` and of the rows in view.
    void FindIconsInView(int row);

    // What a row holds, by item data.
    struct RowFacts {
        CString path;        // column 0
        CString hotKeyText;  // column 1
        RowHotKey hotKey;
        std::wstring longPath;  // LongPathOf the row's path, as the survey gave it or else found when
                                // first drawn or copied
    };
    // The facts of the row with item data `data`, or of row `row` (the long
    // path is filled in on a const list too); null for an item data outside
    // the rows.
    RowFacts* FactsAt(LPARAM data) const;
    RowFacts* FactsOf(int row) const { return FactsAt(GetItemData(row)); }
    // Appends a row holding `facts`, its icon found from `icon`.
    void Append(RowFacts facts, std::optional<CIconRequest> icon);

    CRowIcons m_icons;    // one icon (or null) per row, by item data; owned
    mutable std::vector<RowFacts> m_facts;  // one per row, by item data: the rows' model
    int m_bFullPath = 0;  // the full-path setting
};

// The index of the first selected row, or -1 when none is selected.
int FindFirstSelected(const CListCtrl& list);

// The list's comparison callback: `lParamSort` points at the sort texts of
// the rows (a CStringArray indexed by item data); -1, 0 or +1.
int CALLBACK CompareRows(LPARAM itemData1, LPARAM itemData2, LPARAM lParamSort);
