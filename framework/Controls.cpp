#include "framework/Controls.h"

#include <vector>

int CListCtrl::InsertItem(int item, const char* text, LPARAM data) const
{
    LVITEMA row = {};
    row.mask = LVIF_TEXT | LVIF_PARAM;
    row.iItem = item;
    row.pszText = const_cast<char*>(text);
    row.lParam = data;
    return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row)));
}

LPARAM CListCtrl::GetItemData(int item) const
{
    LVITEMA row = {};
    row.mask = LVIF_PARAM;
    row.iItem = item;
    return SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&row)) ? row.lParam : 0;
}

BOOL CListCtrl::SetItemText(int item, int subItem, const char* text) const
{
    LVITEMA row = {};
    row.iSubItem = subItem;
    row.pszText = const_cast<char*>(text);
    return static_cast<BOOL>(SendMessage(LVM_SETITEMTEXTA, item, reinterpret_cast<LPARAM>(&row)));
}

CString CListCtrl::GetItemText(int item, int subItem) const
{
    // The control copies at most the buffer's size less one; grow until the
    // text fits with room to spare.
    std::vector<char> buffer(512);
    for (;;) {
        LVITEMA row = {};
        row.iSubItem = subItem;
        row.pszText = buffer.data();
        row.cchTextMax = static_cast<int>(buffer.size());
        const int length = static_cast<int>(SendMessage(LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&row)));
        if (length < static_cast<int>(buffer.size()) - 1 || buffer.size() >= 65536)
            return CString(row.pszText, length > 0 ? length : 0);
        buffer.assign(buffer.size() * 4, '\0');
    }
}

int CListCtrl::GetColumnWidth(int column) const
{
    LVCOLUMNA info = {};
    info.mask = LVCF_WIDTH;
    return SendMessage(LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&info)) ? info.cx : 0;
}

int CListCtrl::InsertItem(int item, const std::wstring& text, int image, LPARAM data) const
{
    LVITEMW row = {};
    row.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    row.iItem = item;
    row.pszText = const_cast<wchar_t*>(text.c_str());
    row.iImage = image;
    row.lParam = data;
    return static_cast<int>(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row)));
}

BOOL CListCtrl::SetItemText(int item, int subItem, const std::wstring& text) const
{
    LVITEMW row = {};
    row.iSubItem = subItem;
    row.pszText = const_cast<wchar_t*>(text.c_str());
    return static_cast<BOOL>(SendMessage(LVM_SETITEMTEXTW, item, reinterpret_cast<LPARAM>(&row)));
}

int CListCtrl::InsertColumn(int column, const std::wstring& title, int width) const
{
    LVCOLUMNW info = {};
    info.mask = LVCF_WIDTH | LVCF_TEXT;
    info.cx = width;
    info.pszText = const_cast<wchar_t*>(title.c_str());
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&info)));
}

void CHotKeyCtrl::GetHotKey(WORD& virtualKey, WORD& modifiers) const
{
    const WORD value = static_cast<WORD>(SendMessage(HKM_GETHOTKEY));
    virtualKey = LOBYTE(value);
    modifiers = HIBYTE(value);
}
