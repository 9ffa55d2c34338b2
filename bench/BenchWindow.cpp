#include "BenchWindow.h"

#include <psapi.h>

#include <cstring>
#include <set>

#include "BenchReport.h"
#include "framework/Com.h"
#include "hotkey/HotKeyText.h"
#include "resultlist/RowOrder.h"
#include "survey/ShellLink.h"

double TimedCommand(MainDialogFixture& window, UINT id)
{
    const double start = NowMs();
    window.dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
    return NowMs() - start;
}

double TimedPump()
{
    const double start = NowMs();
    PumpMessages();
    return NowMs() - start;
}

double TimedClearRows(MainDialogFixture& window)
{
    const double start = NowMs();
    window.dialog.m_list.DeleteAllItems();
    window.dialog.ClearRowIcons();
    return NowMs() - start;
}

int SurveyWithoutIcons(MainDialogFixture& window, const CStringArray& files)
{
    const CComInit com;
    if (!com.Succeeded())
        return -1;
    window.dialog.m_list.SendMessage(WM_SETREDRAW, FALSE);
    for (int i = 0; i < files.GetSize(); ++i) {
        CShellLinkFile link;
        if (link.Open(files[i].GetString(), window.dialog.m_hWnd) != S_OK)
            continue;
        WORD hotKey = 0;
        link.Link()->GetHotkey(&hotKey);
        if (hotKey != 0)
            window.AddRow(files[i].str(), FormatHotKey(hotKey).str());
    }
    window.dialog.m_list.SendMessage(WM_SETREDRAW, TRUE);
    return window.dialog.m_list.GetItemCount();
}

bool IsSorted(const MainDialogFixture& window, int key)
{
    CString previous;
    int index = 0;
    for (const ListRow& row : window.Rows()) {
        const CString text = SortTextOf(key, window.dialog.m_bFullPath, row.path, row.hotKey);
        if (index++ > 0 && CompareSortTexts(previous.GetString(), text.GetString()) > 0)
            return false;
        previous = text;
    }
    return true;
}

int ClipboardLineCount(HWND owner)
{
    if (!::OpenClipboard(owner))
        return -1;
    int lines = -1;
    if (const HANDLE data = ::GetClipboardData(CF_TEXT)) {
        if (const char* text = static_cast<const char*>(::GlobalLock(data))) {
            lines = 0;
            for (const char* p = std::strstr(text, "\r\n"); p != nullptr; p = std::strstr(p + 2, "\r\n"))
                ++lines;
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return lines;
}

HeldIcons RowIconsHeld(const MainDialogFixture& window)
{
    std::set<HICON> distinct;
    HeldIcons held;
    const CRowIcons& icons = window.dialog.m_icons;
    for (int i = 0; i < icons.GetSize(); ++i) {
        if (icons[i] == nullptr)
            continue;
        ++held.handles;
        distinct.insert(icons[i]);
    }
    held.distinct = static_cast<int>(distinct.size());
    return held;
}

GuiObjects CurrentGuiObjects()
{
    const HANDLE process = ::GetCurrentProcess();
    return {::GetGuiResources(process, GR_USEROBJECTS), ::GetGuiResources(process, GR_GDIOBJECTS)};
}

namespace {
bool MemoryCounters(PROCESS_MEMORY_COUNTERS& memory)
{
    memory = {};
    memory.cb = sizeof(memory);
    return ::GetProcessMemoryInfo(::GetCurrentProcess(), &memory, sizeof(memory)) != 0;
}
}

double WorkingSetMb()
{
    PROCESS_MEMORY_COUNTERS memory;
    return MemoryCounters(memory) ? static_cast<double>(memory.WorkingSetSize) / (1024.0 * 1024.0) : 0.0;
}

double PeakWorkingSetMb()
{
    PROCESS_MEMORY_COUNTERS memory;
    return MemoryCounters(memory) ? static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0) : 0.0;
}
