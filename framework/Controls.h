// Common-control wrappers: one-line methods that return the API's own result.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

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
    // Wide texts, for names the ANSI code page cannot carry: a row with its
    // column 0 text, image and item data; a column with its title and width.
    int InsertItem(int item, const std::wstring& text, int image, LPARAM data) const;
    BOOL SetItemText(int item, int subItem, const std::wstring& text) const;
    int InsertColumn(int column, const std::wstring& title, int width) const;
    HIMAGELIST SetImageList(HIMAGELIST images, int kind) const { return reinterpret_cast<HIMAGELIST>(SendMessage(LVM_SETIMAGELIST, kind, reinterpret_cast<LPARAM>(images))); }
    BOOL SortItems(PFNLVCOMPARE compare, LPARAM data) const { return static_cast<BOOL>(SendMessage(LVM_SORTITEMS, data, reinterpret_cast<LPARAM>(compare))); }
    BOOL RedrawItems(int first, int last) const { return static_cast<BOOL>(SendMessage(LVM_REDRAWITEMS, first, last)); }
};

// The hotkey control.
class CHotKeyCtrl : public CWnd {
public:
    void SetHotKey(WORD virtualKey, WORD modifiers) const { SendMessage(HKM_SETHOTKEY, MAKEWORD(virtualKey, modifiers)); }
    void GetHotKey(WORD& virtualKey, WORD& modifiers) const;
};
