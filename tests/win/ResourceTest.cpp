// The program's resources, read back from this test program's own module,
// which links the same resource script as Velmora.exe: the three dialog
// templates parsed byte by byte, the menu bar (as a template and as USER32
// loads it), the system-menu string, the icon group with its images, the
// inventory of resources with their language, and the ids that the code takes
// from resource.h; the version resource, as the file's version information.
// Dialogs are also created, to see the templates come alive.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "resource.h"

namespace {

const WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
const WORD kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

// Atoms of the predefined control classes, as dialog templates store them.
const WORD kButtonAtom = 0x0080;
const WORD kEditAtom = 0x0081;
const WORD kStaticAtom = 0x0082;

// Styles of the templates, written out as numbers; the flags they stand for
// are checked here once, so the tables below can use the numbers.
const DWORD kMainDialogStyle = 0x90CF0040;
const DWORD kMainDialogExStyle = 0x00040200;
const DWORD kListStyle = 0x50810401;
const DWORD kPushButtonStyle = 0x50010000;
const DWORD kModalDialogStyle = 0x80C800C0;
const DWORD kIconStaticStyle = 0x50000003;
const DWORD kTitleStaticStyle = 0x50020081;
const DWORD kCenteredStaticStyle = 0x50020001;
const DWORD kAboutOkStyle = 0x50030001;
const DWORD kReadOnlyEditStyle = 0x50810880;
const DWORD kHotKeyStyle = 0x50810000;
const DWORD kDefPushButtonStyle = 0x50010001;
const DWORD kLeftStaticStyle = 0x50020000;

static_assert(kMainDialogStyle == (WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME |
                                   WS_MINIMIZEBOX | WS_MAXIMIZEBOX | DS_SETFONT), "main dialog style");
static_assert(kMainDialogExStyle == (WS_EX_APPWINDOW | WS_EX_CLIENTEDGE), "main dialog extended style");
static_assert(kListStyle == (WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_OWNERDRAWFIXED),
              "list style");
static_assert(kPushButtonStyle == (WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON), "push button style");
static_assert(kModalDialogStyle == (WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT),
              "modal dialog style");
static_assert(kIconStaticStyle == (WS_CHILD | WS_VISIBLE | SS_ICON), "icon static style");
static_assert(kTitleStaticStyle == (WS_CHILD | WS_VISIBLE | WS_GROUP | SS_NOPREFIX | SS_CENTER), "title style");
static_assert(kCenteredStaticStyle == (WS_CHILD | WS_VISIBLE | WS_GROUP | SS_CENTER), "credit line style");
static_assert(kAboutOkStyle == (WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON), "about OK style");
static_assert(kReadOnlyEditStyle == (WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL),
              "mail edit style");
static_assert(kHotKeyStyle == (WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP), "hotkey control style");
static_assert(kDefPushButtonStyle == (WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON), "OK style");
static_assert(kLeftStaticStyle == (WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT), "left static style");

std::wstring Wide(const char* utf8)
{
    const int length = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, nullptr, 0);
    if (length <= 0)
        return L"<invalid UTF-8>";
    std::wstring text(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, &text[0], length);
    text.resize(static_cast<size_t>(length - 1));
    return text;
}

std::string Narrow(const std::wstring& text, UINT codePage)
{
    const int length = ::WideCharToMultiByte(codePage, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return "<not convertible>";
    std::string narrow(static_cast<size_t>(length), '\0');
    ::WideCharToMultiByte(codePage, 0, text.c_str(), -1, &narrow[0], length, nullptr, nullptr);
    narrow.resize(static_cast<size_t>(length - 1));
    return narrow;
}

// The text as the "A" functions give it: in the ANSI code page (932 here).
std::string Ansi(const char* utf8)
{
    return Narrow(Wide(utf8), CP_ACP);
}

// A field of a template that holds either a number or a string.
struct NameOrOrdinal {
    bool isOrdinal = false;
    WORD ordinal = 0;
    std::wstring text;
};

NameOrOrdinal Ordinal(WORD number)
{
    NameOrOrdinal field;
    field.isOrdinal = true;
    field.ordinal = number;
    return field;
}

NameOrOrdinal Named(const char* utf8)
{
    NameOrOrdinal field;
    field.text = Wide(utf8);
    return field;
}

NameOrOrdinal Empty()
{
    return NameOrOrdinal();
}

bool operator==(const NameOrOrdinal& a, const NameOrOrdinal& b)
{
    return a.isOrdinal == b.isOrdinal && (a.isOrdinal ? a.ordinal == b.ordinal : a.text == b.text);
}

void PrintTo(const NameOrOrdinal& field, std::ostream* out)
{
    if (field.isOrdinal)
        *out << "#" << field.ordinal;
    else
        *out << '"' << Narrow(field.text, CP_UTF8) << '"';
}

// Window classes are matched without regard to case, and windres stores a
// class name in capitals; compare them the way the window manager does.
NameOrOrdinal ClassKey(NameOrOrdinal field)
{
    for (wchar_t& c : field.text) {
        if (c >= L'a' && c <= L'z')
            c = static_cast<wchar_t>(c - L'a' + L'A');
    }
    return field;
}

// Bounds-checked reading of a resource's bytes. A read past the end marks
// the reader as failed and yields zeros.
class TemplateReader {
public:
    TemplateReader(const BYTE* data, size_t size) : m_data(data), m_size(size) {}

    bool Ok() const { return m_ok; }
    size_t Offset() const { return m_offset; }
    size_t Size() const { return m_size; }

    BYTE Byte()
    {
        BYTE value = 0;
        Read(&value, sizeof(value));
        return value;
    }

    WORD Word()
    {
        WORD value = 0;
        Read(&value, sizeof(value));
        return value;
    }

    DWORD Dword()
    {
        DWORD value = 0;
        Read(&value, sizeof(value));
        return value;
    }

    short Short() { return static_cast<short>(Word()); }

    // A zero-terminated UTF-16 string.
    std::wstring String()
    {
        std::wstring text;
        for (;;) {
            const WORD c = Word();
            if (!m_ok || c == 0)
                return text;
            text += static_cast<wchar_t>(c);
        }
    }

    // 0x0000: nothing; 0xFFFF and a number: that number; else a string.
    NameOrOrdinal Field()
    {
        NameOrOrdinal field;
        const WORD first = Word();
        if (first == 0xFFFF) {
            field.isOrdinal = true;
            field.ordinal = Word();
        } else if (first != 0) {
            field.text = static_cast<wchar_t>(first);
            field.text += String();
        }
        return field;
    }

    void AlignToDword() { Skip((4 - m_offset % 4) % 4); }

    void Skip(size_t count)
    {
        if (count > m_size - m_offset) {
            m_ok = false;
            m_offset = m_size;
            return;
        }
        m_offset += count;
    }

private:
    void Read(void* out, size_t count)
    {
        if (!m_ok || count > m_size - m_offset) {
            m_ok = false;
            m_offset = m_size;
            return;
        }
        std::memcpy(out, m_data + m_offset, count);
        m_offset += count;
    }

    const BYTE* m_data;
    size_t m_size;
    size_t m_offset = 0;
    bool m_ok = true;
};

struct ResourceData {
    const BYTE* bytes = nullptr;
    size_t size = 0;
};

// The resource of the given type and name in `language`, or no bytes.
ResourceData LoadInLanguage(LPCSTR type, LPCSTR name, WORD language = kJapanese)
{
    ResourceData data;
    const HMODULE module = ::GetModuleHandleA(nullptr);
    const HRSRC found = ::FindResourceExA(module, type, name, language);
    if (found == nullptr)
        return data;
    const HGLOBAL loaded = ::LoadResource(module, found);
    if (loaded == nullptr)
        return data;
    data.bytes = static_cast<const BYTE*>(::LockResource(loaded));
    data.size = ::SizeofResource(module, found);
    return data;
}

struct Control {
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;
    NameOrOrdinal windowClass;
    NameOrOrdinal text;
    WORD extraBytes = 0;
};

struct DialogTemplate {
    bool parsed = false;
    bool extended = false;
    WORD version = 0;
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    NameOrOrdinal menu;
    NameOrOrdinal windowClass;
    std::wstring title;
    bool hasFont = false;
    WORD pointSize = 0;
    WORD weight = 0;
    BYTE italic = 0;
    BYTE charset = 0;
    std::wstring typeface;
    std::vector<Control> controls;
    size_t unreadBytes = 0;  // after the last control
};

// Parses a DLGTEMPLATE or a DLGTEMPLATEEX with its items.
DialogTemplate ParseDialog(const ResourceData& data)
{
    DialogTemplate dialog;
    if (data.bytes == nullptr)
        return dialog;
    TemplateReader reader(data.bytes, data.size);
    const WORD first = reader.Word();
    const WORD second = reader.Word();
    dialog.extended = first == 1 && second == 0xFFFF;
    WORD count = 0;
    if (dialog.extended) {
        dialog.version = first;
        dialog.helpId = reader.Dword();
        dialog.exStyle = reader.Dword();
        dialog.style = reader.Dword();
    } else {
        dialog.style = MAKELONG(first, second);
        dialog.exStyle = reader.Dword();
    }
    count = reader.Word();
    dialog.x = reader.Short();
    dialog.y = reader.Short();
    dialog.cx = reader.Short();
    dialog.cy = reader.Short();
    dialog.menu = reader.Field();
    dialog.windowClass = reader.Field();
    dialog.title = reader.String();
    dialog.hasFont = (dialog.style & DS_SETFONT) != 0;
    if (dialog.hasFont) {
        dialog.pointSize = reader.Word();
        if (dialog.extended) {
            dialog.weight = reader.Word();
            dialog.italic = reader.Byte();
            dialog.charset = reader.Byte();
        }
        dialog.typeface = reader.String();
    }
    for (WORD i = 0; i < count && reader.Ok(); ++i) {
        reader.AlignToDword();
        Control control;
        if (dialog.extended) {
            control.helpId = reader.Dword();
            control.exStyle = reader.Dword();
            control.style = reader.Dword();
        } else {
            control.style = reader.Dword();
            control.exStyle = reader.Dword();
        }
        control.x = reader.Short();
        control.y = reader.Short();
        control.cx = reader.Short();
        control.cy = reader.Short();
        control.id = dialog.extended ? static_cast<int>(reader.Dword()) : static_cast<short>(reader.Word());
        control.windowClass = reader.Field();
        control.text = reader.Field();
        control.extraBytes = reader.Word();
        reader.Skip(control.extraBytes);
        dialog.controls.push_back(control);
    }
    dialog.parsed = reader.Ok();
    dialog.unreadBytes = reader.Size() - reader.Offset();
    return dialog;
}

struct ExpectedControl {
    int id;
    NameOrOrdinal windowClass;
    NameOrOrdinal text;
    short x, y, cx, cy;
    DWORD style;
};

struct ExpectedDialog {
    WORD name;
    bool extended;
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
    const char* title;
    WORD pointSize;
    const char* typeface;
    std::vector<ExpectedControl> controls;
};

ExpectedDialog MainDialog()
{
    return {IDD_MAIN, true, kMainDialogStyle, kMainDialogExStyle, 0, 0, 214, 172, "Velmora", 9, "System",
            {
                {IDC_RESULT_LIST, Named("SysListView32"), Named("List1"), 5, 5, 205, 140, kListStyle},
                {IDC_START_SURVEY, Ordinal(kButtonAtom), Named("調査開始"), 75, 150, 70, 15, kPushButtonStyle},
            }};
}

ExpectedDialog AboutBox()
{
    return {IDD_ABOUTBOX, false, kModalDialogStyle, 0, 0, 0, 169, 98, "ﾊﾞｰｼﾞｮﾝ情報 Velmora", 9, "System",
            {
                {-1, Ordinal(kStaticAtom), Ordinal(IDR_MAINFRAME), 7, 7, 20, 20, kIconStaticStyle},
                {-1, Ordinal(kStaticAtom), Named("Velmora Version 1.8"), 20, 5, 135, 8, kTitleStaticStyle},
                {-1, Ordinal(kStaticAtom), Named("(C) 2026 The Velmora developers"), 7, 25, 153, 8,
                 kCenteredStaticStyle},
                {IDOK, Ordinal(kButtonAtom), Named("OK"), 65, 74, 32, 14, kAboutOkStyle},
                {IDC_WEB_PAGE, Ordinal(kButtonAtom), Named(VELMORA_WEB_PAGE), 5, 60, 160, 12, kPushButtonStyle},
                {IDC_MAIL_ADDRESS, Ordinal(kEditAtom), Empty(), 44, 40, 118, 12, kReadOnlyEditStyle},
                {IDC_MAIL_BUTTON, Ordinal(kButtonAtom), Named("E-MAIL"), 7, 40, 35, 13, kPushButtonStyle},
            }};
}

ExpectedDialog AssignHotKeyDialog()
{
    return {IDD_ASSIGN_HOTKEY, false, kModalDialogStyle, 0, 0, 0, 179, 109, "ホットキーの設定", 9, "System",
            {
                {IDC_HOTKEY_EDIT, Named("msctls_hotkey32"), Empty(), 15, 50, 140, 15, kHotKeyStyle},
                {IDOK, Ordinal(kButtonAtom), Named("OK"), 20, 70, 50, 15, kDefPushButtonStyle},
                {IDCANCEL, Ordinal(kButtonAtom), Named("ｷｬﾝｾﾙ"), 100, 70, 50, 15, kPushButtonStyle},
                {-1, Ordinal(kStaticAtom), Named("キーボードを押してホットキーを指定します"), 5, 5, 170, 10,
                 kLeftStaticStyle},
                {-1, Ordinal(kStaticAtom),
                 Named("ホットキーを設定しても直ちに有効にならないこともあります。"
                       "その場合はWindowsの再起動が必要になります。"),
                 5, 20, 170, 25, kLeftStaticStyle},
                {IDC_HOTKEY_STATE, Ordinal(kStaticAtom), Empty(), 5, 87, 170, 20, (kLeftStaticStyle & ~WS_GROUP) | SS_NOPREFIX},
            }};
}

std::vector<ExpectedDialog> AllDialogs()
{
    return {MainDialog(), AboutBox(), AssignHotKeyDialog()};
}

DialogTemplate LoadDialog(WORD name, WORD language = kJapanese)
{
    return ParseDialog(LoadInLanguage(RT_DIALOG, MAKEINTRESOURCEA(name), language));
}

// Compares a template with its expected table, field by field.
void ExpectDialog(const ExpectedDialog& expected)
{
    SCOPED_TRACE("dialog " + std::to_string(expected.name));
    const DialogTemplate dialog = LoadDialog(expected.name);
    ASSERT_TRUE(dialog.parsed) << "template missing or cut short";
    EXPECT_EQ(expected.extended, dialog.extended);
    if (dialog.extended) {
        EXPECT_EQ(1, dialog.version);
        EXPECT_EQ(0u, dialog.helpId);
    }
    EXPECT_EQ(expected.style, dialog.style);
    EXPECT_EQ(expected.exStyle, dialog.exStyle);
    EXPECT_EQ(expected.x, dialog.x);
    EXPECT_EQ(expected.y, dialog.y);
    EXPECT_EQ(expected.cx, dialog.cx);
    EXPECT_EQ(expected.cy, dialog.cy);
    EXPECT_EQ(Empty(), dialog.menu);
    EXPECT_EQ(Empty(), dialog.windowClass);
    EXPECT_EQ(Wide(expected.title), dialog.title);
    ASSERT_TRUE(dialog.hasFont);
    EXPECT_EQ(expected.pointSize, dialog.pointSize);
    EXPECT_EQ(Wide(expected.typeface), dialog.typeface);
    if (dialog.extended) {
        EXPECT_EQ(0, dialog.weight);
        EXPECT_EQ(0, dialog.italic);
        EXPECT_EQ(1, dialog.charset);
    }
    ASSERT_EQ(expected.controls.size(), dialog.controls.size());
    for (size_t i = 0; i < dialog.controls.size(); ++i) {
        SCOPED_TRACE("control " + std::to_string(i));
        const ExpectedControl& want = expected.controls[i];
        const Control& got = dialog.controls[i];
        EXPECT_EQ(want.id, got.id);
        EXPECT_EQ(ClassKey(want.windowClass), ClassKey(got.windowClass));
        EXPECT_EQ(want.text, got.text);
        EXPECT_EQ(want.x, got.x);
        EXPECT_EQ(want.y, got.y);
        EXPECT_EQ(want.cx, got.cx);
        EXPECT_EQ(want.cy, got.cy);
        EXPECT_EQ(want.style, got.style);
        EXPECT_EQ(0u, got.exStyle);
        EXPECT_EQ(0u, got.helpId);
        EXPECT_EQ(0, got.extraBytes);
    }
    EXPECT_LT(dialog.unreadBytes, 4u) << "bytes after the last control";
}

TEST(ResourceTest, MainDialogTemplateHoldsTheListAndTheStartButton)
{
    ExpectDialog(MainDialog());
    const DialogTemplate dialog = LoadDialog(IDD_MAIN);
    ASSERT_EQ(2u, dialog.controls.size());
    // The list comes first in tab order and so gets the focus at start; the
    // start button is no default button, so Enter ends the dialog.
    EXPECT_EQ(IDC_RESULT_LIST, dialog.controls[0].id);
    EXPECT_EQ(0u, dialog.controls[0].style & (LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SORTASCENDING | LVS_SORTDESCENDING));
    EXPECT_EQ(static_cast<DWORD>(BS_PUSHBUTTON), dialog.controls[1].style & 0x0F);
    // Centred at run time: stands at (0, 0) and names no alignment style.
    EXPECT_EQ(0u, dialog.style & (DS_ABSALIGN | DS_CENTER | DS_CENTERMOUSE));
}

TEST(ResourceTest, AboutBoxTemplateShowsIconVersionAndAddresses)
{
    ExpectDialog(AboutBox());
    const DialogTemplate dialog = LoadDialog(IDD_ABOUTBOX);
    ASSERT_EQ(7u, dialog.controls.size());
    // The web page button's caption is the very address the code opens.
    EXPECT_EQ(Wide(VELMORA_WEB_PAGE), dialog.controls[4].text.text);
    EXPECT_EQ(0, std::strncmp(VELMORA_WEB_PAGE, "https://", 8));
    // The mail address is filled in at run time and is a bare address: the
    // code puts "mailto:" in front of it.
    EXPECT_NE(nullptr, std::strchr(VELMORA_MAIL_ADDRESS, '@'));
    EXPECT_NE(0, std::strncmp(VELMORA_MAIL_ADDRESS, "mailto:", 7));
    // The icon static shows icon 128, which must exist.
    EXPECT_EQ(Ordinal(IDR_MAINFRAME), dialog.controls[0].text);
    EXPECT_NE(nullptr, LoadInLanguage(RT_GROUP_ICON, MAKEINTRESOURCEA(IDR_MAINFRAME)).bytes);
}

TEST(ResourceTest, AssignHotKeyTemplateStartsWithTheHotKeyControl)
{
    ExpectDialog(AssignHotKeyDialog());
    const DialogTemplate dialog = LoadDialog(IDD_ASSIGN_HOTKEY);
    ASSERT_EQ(6u, dialog.controls.size());
    EXPECT_EQ(IDC_HOTKEY_EDIT, dialog.controls[0].id);
    int defaultButtons = 0;
    for (const Control& control : dialog.controls) {
        if (control.windowClass == Ordinal(kButtonAtom) && (control.style & 0x0F) == BS_DEFPUSHBUTTON) {
            ++defaultButtons;
            EXPECT_EQ(IDOK, control.id);
        }
    }
    EXPECT_EQ(1, defaultButtons);
}

TEST(ResourceTest, ControlIdsAreDistinctWithinEachDialog)
{
    for (const ExpectedDialog& expected : AllDialogs()) {
        SCOPED_TRACE("dialog " + std::to_string(expected.name));
        const DialogTemplate dialog = LoadDialog(expected.name);
        ASSERT_TRUE(dialog.parsed);
        ASSERT_FALSE(dialog.controls.empty());
        std::set<int> ids;
        for (const Control& control : dialog.controls) {
            if (control.id != -1) {
                EXPECT_TRUE(ids.insert(control.id).second) << "id " << control.id << " used twice";
            }
        }
    }
}

// --- Menu ------------------------------------------------------------------

struct MenuEntry {
    WORD flags = 0;
    WORD id = 0;
    std::wstring text;
    std::vector<MenuEntry> items;
};

// Reads the items of one level of a MENU template, up to the item flagged
// MF_END, descending into popups.
bool ReadMenuLevel(TemplateReader& reader, std::vector<MenuEntry>& level, int depth)
{
    if (depth > 4)
        return false;
    for (;;) {
        MenuEntry entry;
        entry.flags = reader.Word();
        if ((entry.flags & MF_POPUP) == 0)
            entry.id = reader.Word();
        entry.text = reader.String();
        if (!reader.Ok())
            return false;
        if ((entry.flags & MF_POPUP) != 0 && !ReadMenuLevel(reader, entry.items, depth + 1))
            return false;
        const bool last = (entry.flags & MF_END) != 0;
        level.push_back(entry);
        if (last)
            return true;
    }
}

struct ExpectedItem {
    UINT id;           // 0 for the separator
    const char* text;  // nullptr for the separator
};

struct ExpectedPopup {
    const char* text;
    std::vector<ExpectedItem> items;
};

std::vector<ExpectedPopup> MainMenu()
{
    return {
        {"ファイル(&F)", {{ID_APP_CLOSE, "閉じる(&X)"}}},
        {"編集(&E)",
         {{ID_EDIT_COPY_TEXT, "コピー(&C)"},
          {ID_EDIT_COPY_CSV, "CSV形式でコピー(&S)"},
          {ID_EDIT_SET_HOTKEY, "ホットキーの設定(&S)"}}},
        {"表示(&D)",
         {{ID_VIEW_FULL_PATH, "フルパス表示(&F)"},
          {ID_SORT_BY_KEY, "キー名でソート(&K)"},
          {ID_SORT_BY_NAME, "ファイル名でソート(&N)"},
          {0, nullptr},
          {ID_VIEW_SHOW_UNASSIGNED, "ホットキーのないファイルも表示(&D)"},
          {ID_VIEW_CHECK, "ホットキーの診断(&H)..."}}},
    };
}

TEST(ResourceTest, MenuTemplateHoldsThreePopupsWithoutStates)
{
    const ResourceData data = LoadInLanguage(RT_MENU, MAKEINTRESOURCEA(IDR_MAINMENU));
    ASSERT_NE(nullptr, data.bytes);
    TemplateReader reader(data.bytes, data.size);
    EXPECT_EQ(0, reader.Word()) << "a plain MENU template, not MENUEX";
    EXPECT_EQ(0, reader.Word());
    std::vector<MenuEntry> bar;
    ASSERT_TRUE(ReadMenuLevel(reader, bar, 0)) << "menu template cut short";
    EXPECT_LT(reader.Size() - reader.Offset(), 4u) << "bytes after the menu";

    const std::vector<ExpectedPopup> expected = MainMenu();
    ASSERT_EQ(expected.size(), bar.size());
    for (size_t p = 0; p < bar.size(); ++p) {
        SCOPED_TRACE("popup " + std::to_string(p));
        const WORD end = p + 1 == bar.size() ? MF_END : 0;
        EXPECT_EQ(MF_POPUP | end, bar[p].flags);
        EXPECT_EQ(Wide(expected[p].text), bar[p].text);
        ASSERT_EQ(expected[p].items.size(), bar[p].items.size());
        for (size_t i = 0; i < bar[p].items.size(); ++i) {
            SCOPED_TRACE("item " + std::to_string(i));
            const MenuEntry& got = bar[p].items[i];
            const ExpectedItem& want = expected[p].items[i];
            const WORD itemEnd = i + 1 == bar[p].items.size() ? MF_END : 0;
            // No check mark, greyed or disabled state, break or help flag.
            EXPECT_EQ(itemEnd, got.flags);
            EXPECT_EQ(want.id, got.id);
            EXPECT_EQ(want.text ? Wide(want.text) : std::wstring(), got.text);
        }
    }
}

TEST(ResourceTest, LoadedMenuShowsTheJapaneseTextsAndCommandIds)
{
    const HMENU menu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINMENU));
    ASSERT_NE(nullptr, menu);
    const std::vector<ExpectedPopup> expected = MainMenu();
    ASSERT_EQ(static_cast<int>(expected.size()), ::GetMenuItemCount(menu));
    std::multiset<UINT> commands;
    for (size_t p = 0; p < expected.size(); ++p) {
        SCOPED_TRACE("popup " + std::to_string(p));
        const UINT position = static_cast<UINT>(p);
        char text[128] = {};
        EXPECT_GT(::GetMenuStringA(menu, position, text, sizeof(text), MF_BYPOSITION), 0);
        EXPECT_EQ(Ansi(expected[p].text), text);
        const HMENU popup = ::GetSubMenu(menu, static_cast<int>(p));
        ASSERT_NE(nullptr, popup);
        EXPECT_EQ(0u, ::GetMenuState(menu, position, MF_BYPOSITION) & (MF_CHECKED | MF_GRAYED | MF_DISABLED));
        ASSERT_EQ(static_cast<int>(expected[p].items.size()), ::GetMenuItemCount(popup));
        for (size_t i = 0; i < expected[p].items.size(); ++i) {
            SCOPED_TRACE("item " + std::to_string(i));
            const ExpectedItem& want = expected[p].items[i];
            const UINT item = static_cast<UINT>(i);
            MENUITEMINFOA info = {};
            info.cbSize = sizeof(info);
            info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
            ASSERT_TRUE(::GetMenuItemInfoA(popup, item, TRUE, &info));
            EXPECT_EQ(nullptr, info.hSubMenu);
            EXPECT_EQ(0u, info.fState & (MFS_CHECKED | MFS_DEFAULT));
            if (want.text == nullptr) {
                // USER32 may report a separator as greyed; it cannot be chosen anyway.
                EXPECT_NE(0u, info.fType & MFT_SEPARATOR);
                continue;
            }
            EXPECT_EQ(0u, info.fState & (MFS_GRAYED | MFS_DISABLED));
            EXPECT_EQ(0u, info.fType & (MFT_SEPARATOR | MFT_RADIOCHECK | MFT_MENUBREAK | MFT_MENUBARBREAK));
            EXPECT_EQ(want.id, info.wID);
            EXPECT_EQ(want.id, ::GetMenuItemID(popup, static_cast<int>(i)));
            char itemText[128] = {};
            EXPECT_GT(::GetMenuStringA(popup, item, itemText, sizeof(itemText), MF_BYPOSITION), 0);
            EXPECT_EQ(Ansi(want.text), itemText);
            wchar_t wideText[128] = {};
            EXPECT_GT(::GetMenuStringW(popup, item, wideText, 128, MF_BYPOSITION), 0);
            EXPECT_EQ(Wide(want.text), wideText);
            commands.insert(info.wID);
        }
    }
    EXPECT_EQ(9u, commands.size());
    EXPECT_EQ(commands.size(), std::set<UINT>(commands.begin(), commands.end()).size())
        << "a command id is used twice";
    EXPECT_TRUE(::DestroyMenu(menu));
}

// --- Strings ---------------------------------------------------------------

TEST(ResourceTest, StringTableHoldsOnlyTheAboutItemText)
{
    const HINSTANCE module = ::GetModuleHandleA(nullptr);
    const char* const aboutItem = "ﾊﾞｰｼﾞｮﾝ情報(Velmora) (&A)...";
    char ansi[256] = {};
    EXPECT_GT(::LoadStringA(module, IDS_ABOUTBOX, ansi, sizeof(ansi)), 0);
    EXPECT_EQ(Ansi(aboutItem), ansi);
    wchar_t wide[256] = {};
    EXPECT_GT(::LoadStringW(module, IDS_ABOUTBOX, wide, 256), 0);
    EXPECT_EQ(Wide(aboutItem), wide);
    // Half-width katakana: one byte each in code page 932.
    if (::GetACP() == 932) {
        EXPECT_EQ(0, std::strncmp(ansi, "\xCA\xDE\xB0\xBC\xDE\xAE\xDD", 7));
    }

    // The block of sixteen strings that holds 101 has no other string.
    const ResourceData block = LoadInLanguage(RT_STRING, MAKEINTRESOURCEA(IDS_ABOUTBOX / 16 + 1));
    ASSERT_NE(nullptr, block.bytes);
    TemplateReader reader(block.bytes, block.size);
    for (UINT i = 0; i < 16; ++i) {
        const WORD length = reader.Word();
        reader.Skip(length * sizeof(WCHAR));
        if (i == IDS_ABOUTBOX % 16) {
            EXPECT_EQ(Wide(aboutItem).size(), length);
        } else {
            EXPECT_EQ(0, length) << "string " << (IDS_ABOUTBOX / 16 * 16 + i);
        }
    }
    EXPECT_TRUE(reader.Ok());

    // No application-title string: the framework names the program after
    // its file instead.
    const UINT appTitle = 0xE000;
    EXPECT_EQ(nullptr, ::FindResourceA(module, MAKEINTRESOURCEA(appTitle / 16 + 1), RT_STRING));
    char title[64] = {};
    EXPECT_EQ(0, ::LoadStringA(module, appTitle, title, sizeof(title)));
}

// --- Icon ------------------------------------------------------------------

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width;
    BYTE height;
    BYTE colorCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytesInRes;
    WORD id;
};
#pragma pack(pop)
static_assert(sizeof(GroupIconEntry) == 14, "GRPICONDIRENTRY is 14 bytes");

std::vector<GroupIconEntry> LoadIconGroup()
{
    std::vector<GroupIconEntry> entries;
    const ResourceData group = LoadInLanguage(RT_GROUP_ICON, MAKEINTRESOURCEA(IDR_MAINFRAME));
    if (group.bytes == nullptr)
        return entries;
    TemplateReader reader(group.bytes, group.size);
    const WORD reserved = reader.Word();
    const WORD type = reader.Word();
    const WORD count = reader.Word();
    if (reserved != 0 || type != 1 || group.size != 6 + count * sizeof(GroupIconEntry))
        return entries;
    for (WORD i = 0; i < count; ++i) {
        GroupIconEntry entry;
        std::memcpy(&entry, group.bytes + 6 + i * sizeof(GroupIconEntry), sizeof(entry));
        entries.push_back(entry);
    }
    return entries;
}

TEST(ResourceTest, IconHasA32And16PixelImageInSixteenColours)
{
    const std::vector<GroupIconEntry> entries = LoadIconGroup();
    ASSERT_EQ(2u, entries.size()) << "icon group 128 missing, malformed or not of two images";
    std::set<int> sizes;
    for (const GroupIconEntry& entry : entries) {
        SCOPED_TRACE("image " + std::to_string(entry.id));
        EXPECT_EQ(entry.width, entry.height);
        sizes.insert(entry.width);
        EXPECT_TRUE(entry.colorCount == 16 || entry.bitCount == 4)
            << "colours " << int(entry.colorCount) << ", bits " << entry.bitCount;

        const ResourceData image = LoadInLanguage(RT_ICON, MAKEINTRESOURCEA(entry.id));
        ASSERT_NE(nullptr, image.bytes);
        EXPECT_EQ(entry.bytesInRes, image.size);
        ASSERT_GE(image.size, sizeof(BITMAPINFOHEADER));
        BITMAPINFOHEADER header;
        std::memcpy(&header, image.bytes, sizeof(header));
        EXPECT_EQ(sizeof(BITMAPINFOHEADER), header.biSize);
        EXPECT_EQ(entry.width, header.biWidth);
        EXPECT_EQ(2 * entry.height, header.biHeight) << "colour bitmap and mask";
        EXPECT_EQ(1, header.biPlanes);
        EXPECT_EQ(4, header.biBitCount);
        EXPECT_EQ(static_cast<DWORD>(BI_RGB), header.biCompression);
        EXPECT_TRUE(header.biClrUsed == 0 || header.biClrUsed == 16);
        const size_t colourRow = (entry.width * 4 + 31) / 32 * 4;
        const size_t maskRow = (entry.width + 31) / 32 * 4;
        const size_t paletteEnd = sizeof(BITMAPINFOHEADER) + 16 * sizeof(RGBQUAD);
        ASSERT_EQ(paletteEnd + (colourRow + maskRow) * entry.height, image.size);

        // A picture, not a blank: some pixels are opaque, in several colours.
        const BYTE* colours = image.bytes + paletteEnd;
        const BYTE* mask = colours + colourRow * entry.height;
        std::set<int> opaqueColours;
        for (int y = 0; y < entry.height; ++y) {
            for (int x = 0; x < entry.width; ++x) {
                const bool transparent = (mask[y * maskRow + x / 8] >> (7 - x % 8)) & 1;
                const BYTE pair = colours[y * colourRow + x / 2];
                if (!transparent)
                    opaqueColours.insert(x % 2 ? pair & 0x0F : pair >> 4);
            }
        }
        EXPECT_GE(opaqueColours.size(), 3u);

        // USER32 makes an icon of that size from it.
        const HICON icon = ::CreateIconFromResourceEx(const_cast<BYTE*>(image.bytes), static_cast<DWORD>(image.size),
                                                      TRUE, 0x00030000, entry.width, entry.height, LR_DEFAULTCOLOR);
        ASSERT_NE(nullptr, icon);
        ICONINFO info = {};
        ASSERT_TRUE(::GetIconInfo(icon, &info));
        BITMAP bitmap = {};
        ASSERT_NE(0, ::GetObjectA(info.hbmMask, sizeof(bitmap), &bitmap));
        EXPECT_EQ(entry.width, bitmap.bmWidth);
        ::DeleteObject(info.hbmMask);
        if (info.hbmColor != nullptr)
            ::DeleteObject(info.hbmColor);
        EXPECT_TRUE(::DestroyIcon(icon));
    }
    EXPECT_EQ((std::set<int>{16, 32}), sizes);
    // What the main dialog's constructor does.
    EXPECT_NE(nullptr, ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME)));
}

// --- Version ---------------------------------------------------------------

// The version resource of this module's file, as GetFileVersionInfoA reads it
// (empty when there is none).
std::vector<BYTE> OwnVersionInfo()
{
    char path[MAX_PATH] = {};
    if (::GetModuleFileNameA(nullptr, path, MAX_PATH) == 0)
        return {};
    DWORD handle = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(path, &handle);
    std::vector<BYTE> block(size);
    if (size == 0 || !::GetFileVersionInfoA(path, 0, size, block.data()))
        return {};
    return block;
}

// One value of the Japanese Unicode string block, through VerQueryValueA.
std::string VersionString(std::vector<BYTE>& block, const char* name)
{
    const std::string key = std::string("\\StringFileInfo\\041104b0\\") + name;
    char* text = nullptr;
    UINT length = 0;
    if (!::VerQueryValueA(block.data(), key.c_str(), reinterpret_cast<void**>(&text), &length) || text == nullptr)
        return "<missing>";
    return text;
}

TEST(ResourceTest, VersionResourceNamesTheProgramAndVersionOneEight)
{
    std::vector<BYTE> block = OwnVersionInfo();
    ASSERT_FALSE(block.empty()) << "no version resource, error " << ::GetLastError();

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_TRUE(::VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &size));
    ASSERT_EQ(sizeof(VS_FIXEDFILEINFO), size);
    EXPECT_EQ(0xFEEF04BDu, fixed->dwSignature);
    EXPECT_EQ(MAKELONG(8, 1), fixed->dwFileVersionMS);
    EXPECT_EQ(MAKELONG(0, 0), fixed->dwFileVersionLS);
    EXPECT_EQ(fixed->dwFileVersionMS, fixed->dwProductVersionMS);
    EXPECT_EQ(fixed->dwFileVersionLS, fixed->dwProductVersionLS);
    EXPECT_EQ(static_cast<DWORD>(VFT_APP), fixed->dwFileType);
    EXPECT_EQ(static_cast<DWORD>(VOS_NT_WINDOWS32), fixed->dwFileOS);
    EXPECT_EQ(0u, fixed->dwFileFlags & fixed->dwFileFlagsMask) << "no debug, pre-release or patched flag";

    // The only translation: Japanese, Unicode.
    WORD* translation = nullptr;
    ASSERT_TRUE(::VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                                 &size));
    ASSERT_EQ(2 * sizeof(WORD), size);
    EXPECT_EQ(kJapanese, translation[0]);
    EXPECT_EQ(1200, translation[1]);

    const struct {
        const char* name;
        const char* value;
    } strings[] = {
        {"FileVersion", "1.8.0.0"},
        {"ProductVersion", "1.8.0.0"},
        {"ProductName", "Velmora"},
        {"FileDescription", "Velmora ショートカットのホットキー一覧"},
        {"InternalName", "Velmora"},
        {"OriginalFilename", "Velmora.exe"},
        {"LegalCopyright", "(C) 2026 The Velmora developers"},
    };
    for (const auto& string : strings)
        EXPECT_EQ(Ansi(string.value), VersionString(block, string.name)) << string.name;

    // The about box shows the same major and minor version.
    const DialogTemplate about = LoadDialog(IDD_ABOUTBOX);
    ASSERT_EQ(7u, about.controls.size());
    EXPECT_EQ(L"Velmora Version " + std::to_wstring(HIWORD(fixed->dwFileVersionMS)) + L"." +
                  std::to_wstring(LOWORD(fixed->dwFileVersionMS)),
              about.controls[1].text.text);
}

// --- The whole set ---------------------------------------------------------

std::string ResourceKey(LPCSTR name)
{
    return IS_INTRESOURCE(name) ? std::to_string(reinterpret_cast<ULONG_PTR>(name)) : std::string("\"") + name + "\"";
}

BOOL CALLBACK CollectType(HMODULE, LPSTR type, LONG_PTR found)
{
    reinterpret_cast<std::vector<std::string>*>(found)->push_back(ResourceKey(type));
    return TRUE;
}

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR found)
{
    reinterpret_cast<std::vector<std::string>*>(found)->push_back(ResourceKey(name));
    return TRUE;
}

BOOL CALLBACK CollectLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR found)
{
    reinterpret_cast<std::vector<WORD>*>(found)->push_back(language);
    return TRUE;
}

std::string Key(ULONG_PTR number)
{
    return std::to_string(number);
}

// The menu, the dialogs and the strings are in both languages; the icon,
// the version and the manifest are shared.
TEST(ResourceTest, ModuleHoldsExactlyTheProgramsResourcesTextsInBothLanguages)
{
    const HMODULE module = ::GetModuleHandleA(nullptr);
    std::vector<std::string> types;
    ASSERT_TRUE(::EnumResourceTypesA(module, CollectType, reinterpret_cast<LONG_PTR>(&types)));

    std::map<std::string, std::set<std::string>> expected = {
        {Key(3), {}},  // RT_ICON: the images the group names, below
        {Key(4), {Key(IDR_MAINMENU)}},
        {Key(5), {Key(IDD_ABOUTBOX), Key(IDD_MAIN), Key(IDD_ASSIGN_HOTKEY), Key(IDD_CHECK)}},
        {Key(6), {Key(IDS_ABOUTBOX / 16 + 1), Key(IDS_STATE_HELD / 16 + 1), Key(IDS_SURVEY_AGAIN / 16 + 1)}},
        {Key(14), {Key(IDR_MAINFRAME)}},
        {Key(16), {Key(VS_VERSION_INFO)}},  // RT_VERSION
        {Key(24), {Key(1)}},  // RT_MANIFEST, the process's own
    };
    for (const GroupIconEntry& entry : LoadIconGroup())
        expected[Key(3)].insert(Key(entry.id));
    EXPECT_EQ(2u, expected[Key(3)].size());

    std::set<std::string> typeSet(types.begin(), types.end());
    EXPECT_EQ(types.size(), typeSet.size()) << "a resource type listed twice";
    std::set<std::string> expectedTypes;
    for (const auto& type : expected)
        expectedTypes.insert(type.first);
    EXPECT_EQ(expectedTypes, typeSet);

    for (const std::string& type : typeSet) {
        SCOPED_TRACE("type " + type);
        if (type[0] == '"')
            continue;  // reported above as an unexpected type
        const LPCSTR typeId = MAKEINTRESOURCEA(std::stoul(type));
        std::vector<std::string> names;
        EXPECT_TRUE(::EnumResourceNamesA(module, typeId, CollectName, reinterpret_cast<LONG_PTR>(&names)));
        const std::set<std::string> nameSet(names.begin(), names.end());
        EXPECT_EQ(names.size(), nameSet.size()) << "a resource name listed twice";
        EXPECT_EQ(expected[type], nameSet);
        for (const std::string& name : nameSet) {
            SCOPED_TRACE("name " + name);
            ASSERT_NE('"', name[0]) << "resources are named by number";
            std::vector<WORD> languages;
            ::EnumResourceLanguagesA(module, typeId, MAKEINTRESOURCEA(std::stoul(name)), CollectLanguage,
                                     reinterpret_cast<LONG_PTR>(&languages));
            const bool text = type == Key(4) || type == Key(5) || type == Key(6);
            EXPECT_EQ(text ? std::vector<WORD>({kEnglish, kJapanese}) : std::vector<WORD>({kJapanese}), languages);
        }
    }
}

// --- Ids -------------------------------------------------------------------

TEST(ResourceTest, IdsKeepTheirNumbersAndDoNotCollide)
{
    struct Id {
        const char* name;
        long value;
        long number;
    };
    const Id resources[] = {
        {"IDD_ABOUTBOX", IDD_ABOUTBOX, 100},     {"IDS_ABOUTBOX", IDS_ABOUTBOX, 101},
        {"IDD_MAIN", IDD_MAIN, 102},             {"IDR_MAINMENU", IDR_MAINMENU, 128},
        {"IDR_MAINFRAME", IDR_MAINFRAME, 128},   {"IDD_ASSIGN_HOTKEY", IDD_ASSIGN_HOTKEY, 130},
    };
    const Id controls[] = {
        {"IDC_RESULT_LIST", IDC_RESULT_LIST, 1000},   {"IDC_START_SURVEY", IDC_START_SURVEY, 1001},
        {"IDC_RESULT_HEADER", IDC_RESULT_HEADER, 1003}, {"IDC_HOTKEY_EDIT", IDC_HOTKEY_EDIT, 1006},
        {"IDC_WEB_PAGE", IDC_WEB_PAGE, 1007},         {"IDC_MAIL_ADDRESS", IDC_MAIL_ADDRESS, 1008},
        {"IDC_MAIL_BUTTON", IDC_MAIL_BUTTON, 1009},
    };
    const Id commands[] = {
        {"ID_APP_CLOSE", ID_APP_CLOSE, 32771},
        {"ID_EDIT_COPY_TEXT", ID_EDIT_COPY_TEXT, 32772},
        {"ID_VIEW_FULL_PATH", ID_VIEW_FULL_PATH, 32773},
        {"ID_SORT_BY_KEY", ID_SORT_BY_KEY, 32774},
        {"ID_SORT_BY_NAME", ID_SORT_BY_NAME, 32775},
        {"ID_VIEW_SHOW_UNASSIGNED", ID_VIEW_SHOW_UNASSIGNED, 32776},
        {"ID_EDIT_SET_HOTKEY", ID_EDIT_SET_HOTKEY, 32777},
        {"ID_EDIT_COPY_CSV", ID_EDIT_COPY_CSV, 32778},
    };
    for (const Id& id : resources)
        EXPECT_EQ(id.number, id.value) << id.name;
    std::set<long> controlIds = {IDOK, IDCANCEL};
    for (const Id& id : controls) {
        EXPECT_EQ(id.number, id.value) << id.name;
        EXPECT_TRUE(controlIds.insert(id.value).second) << id.name << " collides";
    }
    std::set<long> commandIds;
    for (const Id& id : commands) {
        EXPECT_EQ(id.number, id.value) << id.name;
        EXPECT_TRUE(commandIds.insert(id.value).second) << id.name << " collides";
        // Kept apart from the control ids and the framework's commands.
        EXPECT_EQ(0u, controlIds.count(id.value)) << id.name;
        EXPECT_LT(id.value, 0xE000) << id.name;
    }
    // A system-menu command keeps its low four bits clear and stays below the
    // system's own commands (SC_SIZE 0xF000 and up).
    EXPECT_EQ(0x0010, IDM_ABOUTBOX);
    EXPECT_EQ(0, IDM_ABOUTBOX & 0x000F);
    EXPECT_LT(IDM_ABOUTBOX, 0xF000);
    // The header's id, given at run time, is not taken by the main dialog.
    for (const Control& control : LoadDialog(IDD_MAIN).controls)
        EXPECT_NE(IDC_RESULT_HEADER, control.id);
}

// --- The templates at run time -----------------------------------------------

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

std::wstring WindowText(HWND window)
{
    wchar_t text[256] = {};
    ::GetWindowTextW(window, text, 256);
    return text;
}

std::string ClassOf(HWND window)
{
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof(name));
    return name;
}

// Whether this session can make windows at all (Wine needs a display).
bool CanCreateWindows()
{
    const HWND probe = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                         ::GetModuleHandleA(nullptr), nullptr);
    if (probe == nullptr)
        return false;
    ::DestroyWindow(probe);
    return true;
}

TEST(ResourceTest, DialogsAreCreatedWithTheirControls)
{
    if (!CanCreateWindows())
        GTEST_SKIP() << "no window can be created in this session (no display)";
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_LISTVIEW_CLASSES | ICC_HOTKEY_CLASS};
    ASSERT_TRUE(::InitCommonControlsEx(&classes));
    const HINSTANCE module = ::GetModuleHandleA(nullptr);
    const std::map<WORD, std::string> classNames = {
        {kButtonAtom, "BUTTON"}, {kEditAtom, "EDIT"}, {kStaticAtom, "STATIC"}};

    for (const ExpectedDialog& expected : AllDialogs()) {
        SCOPED_TRACE("dialog " + std::to_string(expected.name));
        const HWND dialog = ::CreateDialogParamA(module, MAKEINTRESOURCEA(expected.name), nullptr, PlainDialogProc, 0);
        ASSERT_NE(nullptr, dialog) << "error " << ::GetLastError();
        EXPECT_EQ(Wide(expected.title), WindowText(dialog));
        HWND child = ::GetWindow(dialog, GW_CHILD);
        for (const ExpectedControl& control : expected.controls) {
            ASSERT_NE(nullptr, child) << "fewer child windows than controls";
            const std::string wantClass = control.windowClass.isOrdinal
                                              ? classNames.at(control.windowClass.ordinal)
                                              : Narrow(ClassKey(control.windowClass).text, CP_ACP);
            std::string gotClass = ClassOf(child);
            for (char& c : gotClass)
                c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
            EXPECT_EQ(wantClass, gotClass);
            if (control.id != -1) {
                EXPECT_EQ(child, ::GetDlgItem(dialog, control.id));
            }
            if (control.text.isOrdinal) {
                EXPECT_NE(0, ::SendMessageA(child, STM_GETICON, 0, 0)) << "icon static without its icon";
            } else if (control.windowClass.isOrdinal) {
                EXPECT_EQ(control.text.text, WindowText(child));
            }
            child = ::GetWindow(child, GW_HWNDNEXT);
        }
        EXPECT_EQ(nullptr, child) << "more child windows than controls";
        EXPECT_TRUE(::DestroyWindow(dialog));
    }
}

// --- Both languages ----------------------------------------------------------

bool IsAscii(const std::wstring& text)
{
    return std::all_of(text.begin(), text.end(), [](wchar_t c) { return c < 0x80; });
}

// The names of the module's resources of one type, as numbers.
std::vector<WORD> NamesOf(LPCSTR type)
{
    std::vector<std::string> keys;
    ::EnumResourceNamesA(::GetModuleHandleA(nullptr), type, CollectName, reinterpret_cast<LONG_PTR>(&keys));
    std::vector<WORD> names;
    for (const std::string& key : keys)
        names.push_back(static_cast<WORD>(std::stoul(key)));
    return names;
}

// The English menu and strings are ASCII, so any ANSI code page shows them.
TEST(ResourceTest, EnglishMenuAndStringsAreAscii)
{
    const ResourceData menu = LoadInLanguage(RT_MENU, MAKEINTRESOURCEA(IDR_MAINMENU), kEnglish);
    TemplateReader menuReader(menu.bytes, menu.size);
    menuReader.Skip(4);
    std::vector<MenuEntry> bar;
    ASSERT_TRUE(ReadMenuLevel(menuReader, bar, 0)) << "no English menu";
    for (const MenuEntry& popup : bar) {
        EXPECT_TRUE(IsAscii(popup.text));
        for (const MenuEntry& item : popup.items)
            EXPECT_TRUE(IsAscii(item.text)) << Narrow(item.text, CP_UTF8);
    }
    for (const WORD block : NamesOf(RT_STRING)) {
        const ResourceData data = LoadInLanguage(RT_STRING, MAKEINTRESOURCEA(block), kEnglish);
        TemplateReader reader(data.bytes, data.size);
        for (int i = 0; i < 16 && reader.Ok(); ++i) {
            std::wstring text;
            for (WORD length = reader.Word(); length > 0 && reader.Ok(); --length)
                text += static_cast<wchar_t>(reader.Word());
            EXPECT_TRUE(IsAscii(text)) << Narrow(text, CP_UTF8);
        }
        EXPECT_TRUE(reader.Ok()) << "no English string block " << block;
    }
}

// Each dialog in each language, created hidden from its template: every
// button's and static's text, drawn in the dialog's font, fits the control
// (statics wrap at their width, buttons take one line inside their edges).
// The English templates' texts are ASCII.
TEST(ResourceTest, DialogTextsFitTheirControlsInBothLanguages)
{
    if (!CanCreateWindows())
        GTEST_SKIP() << "no window can be created in this session (no display)";
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_LISTVIEW_CLASSES | ICC_HOTKEY_CLASS};
    ASSERT_TRUE(::InitCommonControlsEx(&classes));
    for (const WORD language : {kJapanese, kEnglish}) {
        for (const WORD name : NamesOf(RT_DIALOG)) {
            SCOPED_TRACE("dialog " + std::to_string(name) + ", language " + std::to_string(language));
            const DialogTemplate parsed = LoadDialog(name, language);
            for (const Control& control : parsed.controls)
                EXPECT_TRUE(language != kEnglish || IsAscii(control.text.text + parsed.title));
            const ResourceData data = LoadInLanguage(RT_DIALOG, MAKEINTRESOURCEA(name), language);
            std::vector<BYTE> bytes(data.bytes, data.bytes + data.size);
            ASSERT_TRUE(parsed.parsed);
            bytes[parsed.extended ? 15 : 3] &= static_cast<BYTE>(~(WS_VISIBLE >> 24));  // the style's high byte
            const HWND dialog = ::CreateDialogIndirectParamA(::GetModuleHandleA(nullptr),
                                                             reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()), nullptr,
                                                             PlainDialogProc, 0);
            ASSERT_NE(nullptr, dialog) << "error " << ::GetLastError();
            const HDC dc = ::GetDC(dialog);
            const HGDIOBJ oldFont = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageA(dialog, WM_GETFONT, 0, 0)));
            for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
                const bool button = ::lstrcmpiA(ClassOf(child).c_str(), "Button") == 0;
                const LONG style = ::GetWindowLongA(child, GWL_STYLE);
                if (!button && (::lstrcmpiA(ClassOf(child).c_str(), "Static") != 0 || (style & SS_TYPEMASK) == SS_ICON))
                    continue;
                RECT room = {};
                ::GetClientRect(child, &room);
                if (button)
                    ::InflateRect(&room, -2 * ::GetSystemMetrics(SM_CXEDGE), -::GetSystemMetrics(SM_CYEDGE));
                RECT text = room;
                const UINT format = button ? DT_SINGLELINE : DT_WORDBREAK | ((style & SS_NOPREFIX) ? DT_NOPREFIX : 0);
                ::DrawTextW(dc, WindowText(child).c_str(), -1, &text, DT_CALCRECT | format);
                EXPECT_TRUE(text.right <= room.right && text.bottom <= room.bottom) << Narrow(WindowText(child), CP_UTF8);
            }
            ::SelectObject(dc, oldFont);
            ::ReleaseDC(dialog, dc);
            EXPECT_TRUE(::DestroyWindow(dialog));
        }
    }
}

}  // namespace

// The programs' manifest is the one the process runs with: Wine reads from it
// the run level (as invoker, so writes are never redirected) and the five
// supported Windows versions, Vista to 11.
TEST(ResourceTest, ProcessRunsWithTheManifestAsInvoker)
{
    ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION runLevel = {};
    SIZE_T size = 0;
    // No flags and no handle: the process's default activation context.
    ASSERT_TRUE(::QueryActCtxW(0, nullptr, nullptr, RunlevelInformationInActivationContext, &runLevel,
                               sizeof(runLevel), &size));
    EXPECT_EQ(ACTCTX_RUN_LEVEL_AS_INVOKER, runLevel.RunLevel);
    EXPECT_EQ(0u, runLevel.UiAccess);
    // The element count leads; the elements' size differs between SDKs.
    DWORD compatibility[256] = {};
    ASSERT_TRUE(::QueryActCtxW(0, nullptr, nullptr, CompatibilityInformationInActivationContext, compatibility,
                               sizeof(compatibility), &size));
    EXPECT_EQ(5u, compatibility[0]);
}
