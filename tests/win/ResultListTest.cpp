// The owner-drawn result list in a real main window: row height, drawing,
// the header divider double-click and the first selected row.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "resultlist/ResultList.h"
#include "support/WindowDriver.h"

namespace {
// A 32-bit memory bitmap that a draw request paints into.
class Canvas {
public:
    Canvas(int width, int height) : m_width(width)
    {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        m_dc = ::CreateCompatibleDC(nullptr);
        m_bitmap = ::CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits), nullptr, 0);
        m_old = ::SelectObject(m_dc, m_bitmap);
    }
    ~Canvas()
    {
        ::SelectObject(m_dc, m_old);
        ::DeleteObject(m_bitmap);
        ::DeleteDC(m_dc);
    }
    HDC dc() const { return m_dc; }
    COLORREF At(int x, int y) const
    {
        ::GdiFlush();
        const DWORD pixel = m_bits[y * m_width + x];
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }
    // True when every pixel of the rectangle has `color`.
    bool All(int left, int top, int right, int bottom, COLORREF color) const
    {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (At(x, y) != color)
                    return false;
        return true;
    }

private:
    int m_width;
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
    DWORD* m_bits = nullptr;
};

class ResultListTest : public testing::Test {
protected:
    void Draw(const Canvas& canvas, UINT controlId, UINT row, UINT state, const RECT& rect)
    {
        DRAWITEMSTRUCT draw = {};
        draw.CtlType = ODT_LISTVIEW;
        draw.CtlID = controlId;
        draw.itemID = row;
        draw.itemState = state;
        draw.hwndItem = list().m_hWnd;
        draw.hDC = canvas.dc();
        draw.rcItem = rect;
        window.dialog.SendMessage(WM_DRAWITEM, controlId, reinterpret_cast<LPARAM>(&draw));
    }
    LRESULT DividerDoubleClick(UINT fromId, int column)
    {
        NMHEADERA notify = {};
        notify.hdr.hwndFrom = list().GetWindow(GW_CHILD).m_hWnd;
        notify.hdr.idFrom = fromId;
        notify.hdr.code = HDN_DIVIDERDBLCLICKA;
        notify.iItem = column;
        window.dialog.SendMessage(WM_NOTIFY, fromId, reinterpret_cast<LPARAM>(&notify));
        return ::GetWindowLongPtrA(window.dialog.m_hWnd, DWLP_MSGRESULT);
    }
    int TextWidth(const CWnd& wnd, const std::string& text)
    {
        const HDC dc = ::GetDC(wnd.m_hWnd);
        SIZE size = {};
        ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        ::ReleaseDC(wnd.m_hWnd, dc);
        return size.cx;
    }
    const CListCtrl& list() const { return window.list; }

    MainDialogFixture window;
};
}

// The row height is the largest of the incoming height, a text line + 2 and
// an icon + 2.
TEST_F(ResultListTest, RowHeightFitsTextAndIcon)
{
    const HDC dc = ::GetDC(window.dialog.m_hWnd);
    SIZE w = {};
    ::GetTextExtentPoint32A(dc, "W", 1, &w);
    ::ReleaseDC(window.dialog.m_hWnd, dc);
    const UINT floor = static_cast<UINT>(std::max<LONG>(w.cy + 2, ::GetSystemMetrics(SM_CYICON) + 2));

    for (UINT incoming : {0u, floor - 1, floor, floor + 25}) {
        MEASUREITEMSTRUCT measure = {};
        measure.CtlType = ODT_LISTVIEW;
        measure.CtlID = IDC_RESULT_LIST;
        measure.itemHeight = incoming;
        window.dialog.SendMessage(WM_MEASUREITEM, IDC_RESULT_LIST, reinterpret_cast<LPARAM>(&measure));
        EXPECT_EQ(measure.itemHeight, std::max(incoming, floor)) << "incoming " << incoming;
    }
    EXPECT_GE(floor, static_cast<UINT>(::GetSystemMetrics(SM_CYICON) + 2));
}

// -1 for an empty list or no selection; the lowest selected index otherwise.
TEST_F(ResultListTest, FindFirstSelectedGivesLowestSelectedRow)
{
    EXPECT_EQ(FindFirstSelected(list()), -1);
    for (const char* name : {"C:\\a.lnk", "C:\\b.lnk", "C:\\c.lnk", "C:\\d.lnk", "C:\\e.lnk"})
        window.AddRow(name, "F1");
    EXPECT_EQ(FindFirstSelected(list()), -1);

    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED;
    state.state = LVIS_SELECTED;
    list().SendMessage(LVM_SETITEMSTATE, 4, reinterpret_cast<LPARAM>(&state));
    list().SendMessage(LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&state));
    EXPECT_EQ(FindFirstSelected(list()), 2);
}

// Double-clicking a divider sizes the column to its widest text plus the
// icon allowance, never below 10; display names unless full paths show.
TEST_F(ResultListTest, DividerDoubleClickSizesColumnToContents)
{
    const int allowance = ::GetSystemMetrics(SM_CXICON) + 4;
    const int before = list().GetColumnWidth(0);
    EXPECT_EQ(DividerDoubleClick(IDC_RESULT_HEADER, 0), 0);
    EXPECT_EQ(list().GetColumnWidth(0), before) << "empty list: unchanged";

    window.AddRow("C:\\Some Long Folder Name\\Short.lnk", "");
    window.AddRow("C:\\x\\A much longer file name.lnk", "");
    DividerDoubleClick(IDC_RESULT_HEADER, 0);
    EXPECT_EQ(list().GetColumnWidth(0), TextWidth(list(), "A much longer file name.lnk") + allowance);

    window.ShowFullPath(1);
    DividerDoubleClick(IDC_RESULT_HEADER, 0);
    EXPECT_EQ(list().GetColumnWidth(0), TextWidth(list(), "C:\\Some Long Folder Name\\Short.lnk") + allowance);

    DividerDoubleClick(IDC_RESULT_HEADER, 1);
    EXPECT_EQ(list().GetColumnWidth(1), std::max(10, allowance)) << "all key texts empty";

    list().SendMessage(LVM_SETCOLUMNWIDTH, 1, 77);
    DividerDoubleClick(IDC_RESULT_HEADER + 1, 1);
    EXPECT_EQ(list().GetColumnWidth(1), 77) << "another control's notification changes nothing";
}

// A selected row is filled across both columns with the highlight colour, an
// unselected one with the window colour; the icon sits 2 pixels in; column 0
// paints nothing into column 1.
TEST_F(ResultListTest, DrawsRowFillIconAndClipsColumnZero)
{
    const HICON icon = ::CopyIcon(::LoadIconA(nullptr, IDI_HAND));
    CSurveyDlgProbe::AddRowWithIcon(window.dialog, "C:\\folder\\A name far wider than its narrow column.lnk", "", icon);
    const int width0 = 60;
    list().SendMessage(LVM_SETCOLUMNWIDTH, 0, width0);
    const RECT rect = {0, 0, 200, 36};

    Canvas selected(200, 36);
    Draw(selected, IDC_RESULT_LIST, 0, ODS_SELECTED, rect);
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(selected.At(0, 0), highlight);
    EXPECT_EQ(selected.At(199, 35), highlight);
    EXPECT_TRUE(selected.All(width0, 0, 200, 36, highlight)) << "column 0 text leaked into column 1";
    EXPECT_FALSE(selected.All(2, 2, 34, 34, highlight)) << "icon not drawn";
    EXPECT_TRUE(selected.All(0, 0, 2, 36, highlight)) << "icon margin";

    Canvas plain(200, 36);
    Draw(plain, IDC_RESULT_LIST, 0, 0, rect);
    EXPECT_EQ(plain.At(199, 0), ::GetSysColor(COLOR_WINDOW));
    EXPECT_TRUE(plain.All(width0, 0, 200, 36, ::GetSysColor(COLOR_WINDOW)));
    CSurveyDlgProbe::List(window.dialog).RemoveAllRows();
}

// Column 1's text starts exactly at the column boundary, in black on an
// unselected row; requests for another control are ignored.
TEST_F(ResultListTest, DrawsKeyTextAtColumnBoundaryAndIgnoresOtherControls)
{
    window.AddRow("C:\\", "WWWW");  // an empty display name: column 0 holds no text
    const int width0 = 80;
    list().SendMessage(LVM_SETCOLUMNWIDTH, 0, width0);
    const RECT rect = {0, 0, 200, 36};

    Canvas canvas(200, 36);
    Draw(canvas, IDC_RESULT_LIST, 0, 0, rect);
    bool blackInColumn1 = false;
    for (int y = 0; y < 36 && !blackInColumn1; ++y)
        for (int x = width0; x < width0 + 4 && !blackInColumn1; ++x)
            blackInColumn1 = canvas.At(x, y) == RGB(0, 0, 0);
    EXPECT_TRUE(blackInColumn1) << "the key text should start at the boundary";
    EXPECT_TRUE(canvas.All(0, 0, width0, 36, ::GetSysColor(COLOR_WINDOW))) << "key text drawn left of its column";

    Canvas untouched(200, 36);
    const HBRUSH brush = ::CreateSolidBrush(RGB(1, 2, 3));
    ::FillRect(untouched.dc(), &rect, brush);
    ::DeleteObject(brush);
    Draw(untouched, IDC_RESULT_LIST + 7, 0, ODS_SELECTED, rect);
    EXPECT_TRUE(untouched.All(0, 0, 200, 36, RGB(1, 2, 3)));
}

// The row model: each row appended with its path, hotkey text and icon reads
// back by name wherever sorting has moved it, through its item data; the
// texts stay in the list view's own columns for other programs.
TEST_F(ResultListTest, RowsReadBackByNameAfterSorting)
{
    struct Row {
        const char* path;
        const char* hotKey;
        const char* name;
        HICON icon;
    };
    const Row rows[] = {
        {"C:\\z\\Cc.lnk", "F5", "Cc.lnk", ::CopyIcon(::LoadIconA(nullptr, IDI_HAND))},
        {"C:\\y\\Aa.lnk", "", "Aa.lnk", nullptr},
        {"C:\\x\\Bb.lnk", "CTRL+A", "Bb.lnk", ::CopyIcon(::LoadIconA(nullptr, IDI_QUESTION))},
    };
    for (const Row& row : rows)
        CSurveyDlgProbe::AddRowWithIcon(window.dialog, row.path, row.hotKey, row.icon);
    ASSERT_EQ(CSurveyDlgProbe::Icons(window.dialog).GetSize(), 3);
    window.Command(ID_SORT_BY_NAME);

    const char* const order[] = {"Aa.lnk", "Bb.lnk", "Cc.lnk"};
    for (int i = 0; i < 3; ++i) {
        const Row* added = nullptr;
        for (const Row& row : rows)
            if (std::string(row.name) == order[i])
                added = &row;
        ASSERT_NE(added, nullptr);
        const std::vector<ListRow> listed = window.Rows();
        EXPECT_EQ(listed[i].path, added->path) << "column 0 holds the full path";
        EXPECT_EQ(listed[i].hotKey, added->hotKey) << "column 1 holds the hotkey text";
        EXPECT_EQ(listed[i].data, added - rows) << "item data is the insertion number";
        EXPECT_EQ(CSurveyDlgProbe::List(window.dialog).PathOf(i).str(), added->path);
        EXPECT_EQ(CSurveyDlgProbe::List(window.dialog).HotKeyTextOf(i).str(), added->hotKey);
        EXPECT_EQ(CSurveyDlgProbe::List(window.dialog).IconOf(i), added->icon);
        EXPECT_EQ(CSurveyDlgProbe::List(window.dialog).DisplayTextOf(i).str(), added->name);
        window.ShowFullPath(1);
        EXPECT_EQ(CSurveyDlgProbe::List(window.dialog).DisplayTextOf(i).str(), added->path);
        window.ShowFullPath(0);
    }

    ASSERT_TRUE(SetRowItemData(window.list, 0, 3));
    EXPECT_EQ(CSurveyDlgProbe::List(window.dialog).IconOf(0), nullptr) << "a row whose item data names no slot has no icon";
    EXPECT_EQ(window.Rows()[0].path + window.Rows()[0].hotKey, "") << "nor any text";
    CSurveyDlgProbe::List(window.dialog).RemoveAllRows();
    EXPECT_EQ(CSurveyDlgProbe::Icons(window.dialog).GetSize(), 0);
    EXPECT_EQ(window.list.GetItemCount(), 0);
    EXPECT_FALSE(IsLiveIcon(rows[0].icon));
    EXPECT_FALSE(IsLiveIcon(rows[2].icon));
}
