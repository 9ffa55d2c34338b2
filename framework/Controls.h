// Common-control wrappers: one-line methods that return the API's own result.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/Wnd.h"

// The list-view control.
class CListCtrl : public CWnd {
public:
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    int GetTopIndex() const { return static_cast<int>(SendMessage(LVM_GETTOPINDEX)); }
    int GetCountPerPage() const { return static_cast<int>(SendMessage(LVM_GETCOUNTPERPAGE)); }
    UINT GetSelectedCount() const { return static_cast<UINT>(SendMessage(LVM_GETSELECTEDCOUNT)); }
    BOOL DeleteAllItems() const { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }
    // Inserts a row with its column 0 text and its item data.
    int InsertItem(int item, const char* text, LPARAM data) const;
    LPARAM GetItemData(int item) const;
    BOOL SetItemText(int item, int subItem, const char* text) const;
    CString GetItemText(int item, int subItem) const;
    BOOL GetItem(LVITEMA* item) const { return static_cast<BOOL>(SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(item))); }
    int InsertColumn(int column, const LVCOLUMNA& info) const { return static_cast<int>(SendMessage(LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&info))); }
    int GetColumnWidth(int column) const;
    BOOL SortItems(PFNLVCOMPARE compare, LPARAM data) const { return static_cast<BOOL>(SendMessage(LVM_SORTITEMS, data, reinterpret_cast<LPARAM>(compare))); }
};

// The hotkey control.
class CHotKeyCtrl : public CWnd {
public:
    void SetHotKey(WORD virtualKey, WORD modifiers) const { SendMessage(HKM_SETHOTKEY, MAKEWORD(virtualKey, modifiers)); }
    void GetHotKey(WORD& virtualKey, WORD& modifiers) const;
};
