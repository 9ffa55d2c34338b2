// Drives a running Velmora from outside, as another program can: finds its
// windows by caption, sends or posts the messages its menu, buttons and
// system menu send, and reads back what the windows hold (the list's rows,
// selection and column widths, control texts, the clipboard). Texts come in
// and go out in the ANSI code page, as the program keeps them; every wait is
// bounded. Exit status: 0 done, 1 not found or timed out, 2 usage.
//
//   velmora_drive wait                    waits until the main window shows
//   velmora_drive survey                  presses the start button, prints the row count
//   velmora_drive command ID              sends WM_COMMAND ID as a menu item does; returns once handled
//   velmora_drive post ID                 posts WM_COMMAND ID (for commands that open a dialog)
//   velmora_drive sys-command ID          posts WM_SYSCOMMAND ID
//   velmora_drive rows                    one line a row: column 0, a tab, column 1
//   velmora_drive selected                the selected rows' indices, one a line
//   velmora_drive columns                 the widths of columns 0 and 1 and of the list's client area
//   velmora_drive layout                  client width and height, then the list's and the start
//                                         button's left top right bottom, in client coordinates
//   velmora_drive window-rect             the main window's left top right bottom on the screen
//   velmora_drive row-point N             a screen point on row N's name
//   velmora_drive control-point ID        the screen centre of control ID of the main window
//   velmora_drive divider-point K         a screen point on the header divider right of column K
//   velmora_drive text-widths TEXT...     each text's width in a new device context's font
//   velmora_drive clipboard               the CF_TEXT bytes on the clipboard, terminator left off
//   velmora_drive dialog CAPTION          waits until a dialog other than the main window shows
//   velmora_drive dialog-gone CAPTION     waits until no such dialog is left
//   velmora_drive dialog-text CAPTION ID  the text of control ID of that dialog
//   velmora_drive dialog-rect CAPTION     that dialog's left top right bottom on the screen
//   velmora_drive hotkey-value CAPTION    the value of that dialog's hotkey control, as 0xNNNN
//   velmora_drive resize W H              gives the main window this outer size
//   velmora_drive gone                    waits until the main window is gone
//   velmora_drive version FILE            FILE's version information (GetFileVersionInfoA): the fixed
//                                         file and product versions, then each named string, one a line
#include <windows.h>
#include <commctrl.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "resource.h"

namespace {
constexpr UINT kReplyTimeout = 10000;  // ms a window may take to answer one message
constexpr int kPollInterval = 100;     // ms between looks for a window
constexpr int kWindowWait = 300;       // looks: 30 s for the program to start
constexpr int kDialogWait = 100;       // looks: 10 s for a window to come or go

// Sends a message to another process's window; 0 when it does not answer in time.
LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    DWORD_PTR result = 0;
    if (::SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kReplyTimeout, &result) == 0)
        return 0;
    return static_cast<LRESULT>(result);
}

// A control's text, as the control reports it (WM_GETTEXT).
std::string TextOf(HWND window)
{
    char text[1024] = {};
    Ask(window, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text));
    return text;
}

// A top-level window's caption, as the system keeps it (no message sent).
std::string CaptionOf(HWND window)
{
    char caption[256] = {};
    ::GetWindowTextA(window, caption, sizeof(caption));
    return caption;
}

// True for the main window: caption "Velmora" and the result list inside.
bool IsMainWindow(HWND window)
{
    return CaptionOf(window) == "Velmora" && ::GetDlgItem(window, IDC_RESULT_LIST) != nullptr;
}

struct Search {
    std::string caption;  // empty: the main window
    HWND found;
};

// EnumWindows callback: keeps the first visible window that fits the search.
BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam)
{
    Search& search = *reinterpret_cast<Search*>(lParam);
    if (!::IsWindowVisible(window))
        return TRUE;
    const bool main = IsMainWindow(window);
    const bool fits = search.caption.empty() ? main : !main && CaptionOf(window) == search.caption;
    if (fits)
        search.found = window;
    return fits ? FALSE : TRUE;
}

// The visible top-level window that fits: the main window for an empty caption,
// else a window of that caption that is not the main window; null if none.
HWND FindTopWindow(const std::string& caption)
{
    Search search = {caption, nullptr};
    ::EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Looks for the window up to `looks` times; null if it never shows.
HWND WaitForWindow(const std::string& caption, int looks)
{
    for (int i = 0; i < looks; ++i) {
        if (const HWND window = FindTopWindow(caption))
            return window;
        ::Sleep(kPollInterval);
    }
    return nullptr;
}

// Looks until the window is gone, up to `looks` times; true once it is.
bool WaitUntilGone(const std::string& caption, int looks)
{
    for (int i = 0; i < looks; ++i) {
        if (FindTopWindow(caption) == nullptr)
            return true;
        ::Sleep(kPollInterval);
    }
    return false;
}

// Memory inside the process that owns a window, for messages whose parameter
// points at a structure (the list view's); freed when it goes.
class RemoteBlock {
public:
    RemoteBlock(HWND window, SIZE_T size)
    {
        DWORD processId = 0;
        ::GetWindowThreadProcessId(window, &processId);
        m_process = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
        if (m_process != nullptr)
            m_address = static_cast<char*>(::VirtualAllocEx(m_process, nullptr, size, MEM_COMMIT, PAGE_READWRITE));
    }
    ~RemoteBlock()
    {
        if (m_address != nullptr)
            ::VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
        if (m_process != nullptr)
            ::CloseHandle(m_process);
    }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    bool Valid() const { return m_address != nullptr; }
    char* At(SIZE_T offset) const { return m_address + offset; }
    LPARAM Param() const { return reinterpret_cast<LPARAM>(m_address); }
    bool Write(SIZE_T offset, const void* data, SIZE_T size) const
    {
        return ::WriteProcessMemory(m_process, At(offset), data, size, nullptr) != 0;
    }
    bool Read(SIZE_T offset, void* data, SIZE_T size) const
    {
        return ::ReadProcessMemory(m_process, At(offset), data, size, nullptr) != 0;
    }

private:
    HANDLE m_process = nullptr;
    char* m_address = nullptr;
};

// The text of one cell of the list (LVM_GETITEMTEXTA into the list's process).
std::string ItemText(HWND list, int row, int column)
{
    constexpr int kTextSize = 1024;
    RemoteBlock block(list, sizeof(LVITEMA) + kTextSize);
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = block.At(sizeof(LVITEMA));
    item.cchTextMax = kTextSize;
    if (!block.Valid() || !block.Write(0, &item, sizeof(item)))
        return std::string();
    Ask(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), block.Param());
    std::vector<char> text(kTextSize + 1, '\0');
    block.Read(sizeof(LVITEMA), text.data(), kTextSize);
    return text.data();
}

// A row's bounds in the list's client coordinates (LVM_GETITEMRECT, LVIR_BOUNDS).
RECT ItemRect(HWND list, int row)
{
    RECT rect = {LVIR_BOUNDS, 0, 0, 0};
    RemoteBlock block(list, sizeof(RECT));
    if (block.Valid() && block.Write(0, &rect, sizeof(rect)) &&
        Ask(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), block.Param()) != 0)
        block.Read(0, &rect, sizeof(rect));
    return rect;
}

// A window's rectangle in the coordinates of `parent`'s client area
// (screen coordinates for a null parent).
RECT RectIn(HWND window, HWND parent)
{
    RECT rect = {};
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Prints a point of `window`'s client area in screen coordinates.
void PrintScreenPoint(HWND window, int x, int y)
{
    POINT point = {x, y};
    ::ClientToScreen(window, &point);
    std::printf("%ld %ld\n", point.x, point.y);
}

// Prints a rectangle as "left top right bottom".
void PrintRect(const RECT& rect)
{
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
}

// A number from the command line, decimal or 0x hexadecimal.
int Number(const char* text) { return static_cast<int>(std::strtol(text, nullptr, 0)); }

using Args = std::vector<std::string>;

// wait: the main window has shown.
int Wait(HWND, const Args&) { return 0; }

// survey: presses the start button, gives the posted sort a moment, prints the count.
int Survey(HWND main, const Args&)
{
    const HWND button = ::GetDlgItem(main, IDC_START_SURVEY);
    Ask(main, WM_COMMAND, MAKEWPARAM(IDC_START_SURVEY, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    ::Sleep(500);
    std::printf("%d rows listed\n", static_cast<int>(Ask(::GetDlgItem(main, IDC_RESULT_LIST), LVM_GETITEMCOUNT)));
    return 0;
}

// command ID: a menu item's WM_COMMAND, sent so that it has run on return.
int Command(HWND main, const Args& args)
{
    Ask(main, WM_COMMAND, MAKEWPARAM(Number(args[0].c_str()), 0));
    return 0;
}

// post ID: a menu item's WM_COMMAND, posted (the command may open a dialog).
int Post(HWND main, const Args& args)
{
    return ::PostMessageA(main, WM_COMMAND, MAKEWPARAM(Number(args[0].c_str()), 0), 0) ? 0 : 1;
}

// sys-command ID: a system-menu item's WM_SYSCOMMAND, posted.
int SysCommand(HWND main, const Args& args)
{
    return ::PostMessageA(main, WM_SYSCOMMAND, static_cast<WPARAM>(Number(args[0].c_str())), 0) ? 0 : 1;
}

// rows: every row's two texts, top to bottom.
int Rows(HWND main, const Args&)
{
    const HWND list = ::GetDlgItem(main, IDC_RESULT_LIST);
    const int count = static_cast<int>(Ask(list, LVM_GETITEMCOUNT));
    for (int row = 0; row < count; ++row)
        std::printf("%s\t%s\n", ItemText(list, row, 0).c_str(), ItemText(list, row, 1).c_str());
    return 0;
}

// selected: the indices of the selected rows.
int Selected(HWND main, const Args&)
{
    const HWND list = ::GetDlgItem(main, IDC_RESULT_LIST);
    const int count = static_cast<int>(Ask(list, LVM_GETITEMCOUNT));
    for (int row = 0; row < count; ++row)
        if (Ask(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) & LVIS_SELECTED)
            std::printf("%d\n", row);
    return 0;
}

// columns: both column widths and the list's client width.
int Columns(HWND main, const Args&)
{
    const HWND list = ::GetDlgItem(main, IDC_RESULT_LIST);
    RECT client = {};
    ::GetClientRect(list, &client);
    std::printf("%d %d %ld\n", static_cast<int>(Ask(list, LVM_GETCOLUMNWIDTH, 0)),
                static_cast<int>(Ask(list, LVM_GETCOLUMNWIDTH, 1)), client.right - client.left);
    return 0;
}

// layout: the client size, then the list's and the button's rectangles.
int Layout(HWND main, const Args&)
{
    RECT client = {};
    ::GetClientRect(main, &client);
    std::printf("%ld %ld\n", client.right, client.bottom);
    PrintRect(RectIn(::GetDlgItem(main, IDC_RESULT_LIST), main));
    PrintRect(RectIn(::GetDlgItem(main, IDC_START_SURVEY), main));
    return 0;
}

// window-rect: the main window on the screen.
int WindowRect(HWND main, const Args&)
{
    PrintRect(RectIn(main, nullptr));
    return 0;
}

// row-point N: a point on the row's name, right of the icon slot.
int RowPoint(HWND main, const Args& args)
{
    const HWND list = ::GetDlgItem(main, IDC_RESULT_LIST);
    const RECT row = ItemRect(list, Number(args[0].c_str()));
    if (row.bottom <= row.top)
        return 1;
    PrintScreenPoint(list, row.left + 2 + ::GetSystemMetrics(SM_CXICON) + 2 + 8, (row.top + row.bottom) / 2);
    return 0;
}

// control-point ID: the centre of a control of the main window.
int ControlPoint(HWND main, const Args& args)
{
    const HWND control = ::GetDlgItem(main, Number(args[0].c_str()));
    if (control == nullptr)
        return 1;
    RECT client = {};
    ::GetClientRect(control, &client);
    PrintScreenPoint(control, client.right / 2, client.bottom / 2);
    return 0;
}

// divider-point K: the header divider right of column K, halfway down the header.
int DividerPoint(HWND main, const Args& args)
{
    const HWND list = ::GetDlgItem(main, IDC_RESULT_LIST);
    const HWND header = ::GetWindow(list, GW_CHILD);
    if (header == nullptr)
        return 1;
    int x = 0;
    for (int column = 0; column <= Number(args[0].c_str()); ++column)
        x += static_cast<int>(Ask(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column)));
    RECT client = {};
    ::GetClientRect(header, &client);
    PrintScreenPoint(header, x, client.bottom / 2);
    return 0;
}

// text-widths TEXT...: each text's width in the font a new device context has.
int TextWidths(HWND, const Args& args)
{
    const HDC dc = ::GetDC(nullptr);
    for (const std::string& text : args) {
        SIZE size = {};
        ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        std::printf("%ld\n", size.cx);
    }
    ::ReleaseDC(nullptr, dc);
    return 0;
}

// Writes the CF_TEXT bytes of the open clipboard to stdout; false if it holds none.
bool WriteClipboardText()
{
    const HANDLE data = ::GetClipboardData(CF_TEXT);
    const char* text = data != nullptr ? static_cast<const char*>(::GlobalLock(data)) : nullptr;
    if (text == nullptr)
        return false;
    std::fwrite(text, 1, strnlen(text, ::GlobalSize(data)), stdout);
    ::GlobalUnlock(data);
    return true;
}

// clipboard: the text on the clipboard (another program may hold it a moment).
int Clipboard(HWND, const Args&)
{
    for (int i = 0; i < kDialogWait; ++i) {
        if (::OpenClipboard(nullptr)) {
            const bool written = WriteClipboardText();
            ::CloseClipboard();
            return written ? 0 : 1;
        }
        ::Sleep(kPollInterval);
    }
    return 1;
}

// dialog CAPTION: such a dialog has shown.
int Dialog(HWND, const Args& args) { return WaitForWindow(args[0], kDialogWait) != nullptr ? 0 : 1; }

// dialog-gone CAPTION: no such dialog is left.
int DialogGone(HWND, const Args& args) { return WaitUntilGone(args[0], kDialogWait) ? 0 : 1; }

// dialog-text CAPTION ID: the text of one control of the dialog.
int DialogText(HWND, const Args& args)
{
    const HWND dialog = WaitForWindow(args[0], kDialogWait);
    const HWND control = dialog != nullptr ? ::GetDlgItem(dialog, Number(args[1].c_str())) : nullptr;
    if (control == nullptr)
        return 1;
    std::printf("%s\n", TextOf(control).c_str());
    return 0;
}

// dialog-rect CAPTION: where the dialog stands on the screen.
int DialogRect(HWND, const Args& args)
{
    const HWND dialog = WaitForWindow(args[0], kDialogWait);
    if (dialog == nullptr)
        return 1;
    PrintRect(RectIn(dialog, nullptr));
    return 0;
}

// hotkey-value CAPTION: what the dialog's hotkey control holds.
int HotKeyValue(HWND, const Args& args)
{
    const HWND dialog = WaitForWindow(args[0], kDialogWait);
    const HWND control = dialog != nullptr ? ::GetDlgItem(dialog, IDC_HOTKEY_EDIT) : nullptr;
    if (control == nullptr)
        return 1;
    std::printf("0x%04X\n", static_cast<unsigned>(LOWORD(Ask(control, HKM_GETHOTKEY))));
    return 0;
}

// resize W H: the main window's new outer size; its position stays.
int Resize(HWND main, const Args& args)
{
    const BOOL moved = ::SetWindowPos(main, nullptr, 0, 0, Number(args[0].c_str()), Number(args[1].c_str()),
                                      SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return moved ? 0 : 1;
}

// gone: the main window has closed.
int Gone(HWND, const Args&) { return WaitUntilGone(std::string(), kDialogWait) ? 0 : 1; }

// version FILE: the version information a program file carries.
int Version(HWND, const Args& args)
{
    DWORD handle = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(args[0].c_str(), &handle);
    std::vector<BYTE> block(size);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (size == 0 || !::GetFileVersionInfoA(args[0].c_str(), 0, size, block.data()) ||
        !::VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length))
        return 1;
    std::printf("FixedFileVersion\t%u.%u.%u.%u\n", HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
                HIWORD(fixed->dwFileVersionLS), LOWORD(fixed->dwFileVersionLS));
    std::printf("FixedProductVersion\t%u.%u.%u.%u\n", HIWORD(fixed->dwProductVersionMS),
                LOWORD(fixed->dwProductVersionMS), HIWORD(fixed->dwProductVersionLS), LOWORD(fixed->dwProductVersionLS));
    for (const char* name : {"FileVersion", "ProductVersion", "ProductName", "FileDescription", "InternalName",
                             "OriginalFilename"}) {
        const std::string key = std::string("\\StringFileInfo\\041104b0\\") + name;
        char* text = nullptr;
        const bool found = ::VerQueryValueA(block.data(), key.c_str(), reinterpret_cast<void**>(&text), &length);
        std::printf("%s\t%s\n", name, found && text != nullptr ? text : "");
    }
    return 0;
}

struct Subcommand {
    const char* name;
    int arguments;      // -1: any number
    bool needsMain;     // runs against the main window, which must show first
    int (*run)(HWND main, const Args& args);
};

const Subcommand kSubcommands[] = {
    {"wait", 0, true, Wait},
    {"survey", 0, true, Survey},
    {"command", 1, true, Command},
    {"post", 1, true, Post},
    {"sys-command", 1, true, SysCommand},
    {"rows", 0, true, Rows},
    {"selected", 0, true, Selected},
    {"columns", 0, true, Columns},
    {"layout", 0, true, Layout},
    {"window-rect", 0, true, WindowRect},
    {"row-point", 1, true, RowPoint},
    {"control-point", 1, true, ControlPoint},
    {"divider-point", 1, true, DividerPoint},
    {"text-widths", -1, false, TextWidths},
    {"clipboard", 0, false, Clipboard},
    {"dialog", 1, false, Dialog},
    {"dialog-gone", 1, false, DialogGone},
    {"dialog-text", 2, false, DialogText},
    {"dialog-rect", 1, false, DialogRect},
    {"hotkey-value", 1, false, HotKeyValue},
    {"resize", 2, true, Resize},
    {"gone", 0, false, Gone},
    {"version", 1, false, Version},
};

// Runs one subcommand; 2 when the name or the number of arguments is wrong.
int RunSubcommand(const std::string& name, const Args& args)
{
    for (const Subcommand& subcommand : kSubcommands) {
        if (name != subcommand.name)
            continue;
        if (subcommand.arguments >= 0 && static_cast<int>(args.size()) != subcommand.arguments)
            return 2;
        const HWND main = subcommand.needsMain ? WaitForWindow(std::string(), kWindowWait) : nullptr;
        if (subcommand.needsMain && main == nullptr) {
            std::fputs("no Velmora window\n", stderr);
            return 1;
        }
        return subcommand.run(main, args);
    }
    return 2;
}
}

int main(int argc, char** argv)
{
    // Bytes out as they are: no CR added before LF.
    _setmode(_fileno(stdout), _O_BINARY);
    const int status = argc < 2 ? 2 : RunSubcommand(argv[1], Args(argv + 2, argv + argc));
    if (status == 2)
        std::fputs("usage: velmora_drive SUBCOMMAND [ARGUMENTS] (see DriveVelmora.cpp)\n", stderr);
    return status;
}
