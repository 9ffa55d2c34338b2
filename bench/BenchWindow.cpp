#include "BenchWindow.h"

#include <psapi.h>

#include <cstring>
#include <map>
#include <set>

#include "BenchReport.h"
#include "framework/Com.h"
#include "hotkey/HotKeyText.h"
#include "resultlist/RowOrder.h"
#include "shell/LinkHotKey.h"
#include "shellicon/IconLocation.h"
#include "shellicon/SurveyIconResolver.h"

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
    CSurveyDlgProbe::List(window.dialog).RemoveAllRows();
    return NowMs() - start;
}

int SurveyWithoutIcons(MainDialogFixture& window, const CStringArray& files)
{
    const CComInit com;
    if (!com.Succeeded())
        return -1;
    CSurveyIconResolver reader(window.dialog.m_hWnd);
    CSurveyDlgProbe::List(window.dialog).SendMessage(WM_SETREDRAW, FALSE);
    for (int i = 0; i < files.GetSize(); ++i) {
        CShellLinkFile link;
        if (reader.Open(files[i].GetString(), link) != S_OK)
            continue;
        WORD hotKey = 0;
        link.Link()->GetHotkey(&hotKey);
        if (hotKey != 0)
            window.AddRow(files[i].str(), FormatHotKey(hotKey).str());
    }
    CSurveyDlgProbe::List(window.dialog).SendMessage(WM_SETREDRAW, TRUE);
    return CSurveyDlgProbe::List(window.dialog).GetItemCount();
}

namespace {
// True when GetPath without find data, as the icon resolver asks it, gives
// what it gives with find data: the same result and text.
bool PathWithoutFindDataAlike(IShellLinkA* link)
{
    char withData[MAX_PATH] = {};
    char without[MAX_PATH] = {};
    WIN32_FIND_DATAA found;
    const HRESULT withResult = link->GetPath(withData, MAX_PATH, &found, SLGP_UNCPRIORITY);
    return link->GetPath(without, MAX_PATH, nullptr, SLGP_UNCPRIORITY) == withResult &&
           std::strcmp(withData, without) == 0;
}

// The files whose icon location through the survey's reader, kept for all
// of them, differs from GetIconLocation's for the file alone.
int IconLocationsUnlikeFresh(HWND owner, const std::vector<std::string>& paths)
{
    const CComInit com;
    if (!com.Succeeded())
        return static_cast<int>(paths.size());
    CSurveyIconResolver reader(owner);
    int differing = 0;
    for (const std::string& path : paths) {
        CString fresh, kept;
        int freshIndex = -1, keptIndex = -1;
        const int freshResult = GetIconLocation(owner, path.c_str(), fresh, &freshIndex, 0);
        CShellLinkFile link;
        const bool opened = reader.Open(path.c_str(), link) == S_OK;
        const std::optional<CIconLocation> location =
            opened ? reader.Resolve(path.c_str(), link) : std::optional<CIconLocation>();
        const int keptResult = opened ? (location ? 1 : 0) : -1;
        if (location) {
            kept = location->file;
            keptIndex = location->index;
        }
        differing += keptResult != freshResult || (location && (!(kept == fresh) || keptIndex != freshIndex)) ||
                     (opened && !PathWithoutFindDataAlike(link.Link()));
    }
    return differing;
}
}

int RowsUnlikeFreshAnswers(const MainDialogFixture& window, const std::vector<std::string>& paths)
{
    std::map<std::string, std::string> rows;
    for (const ListRow& row : window.Rows())
        rows[row.path] = row.hotKey;
    int differing = 0;
    size_t withHotKey = 0;
    for (const std::string& path : paths) {
        const WORD hotKey = GetLinkHotKey(path.c_str(), window.dialog.m_hWnd);
        const auto row = rows.find(path);
        withHotKey += hotKey != 0;
        differing += hotKey != 0 && (row == rows.end() || row->second != FormatHotKey(hotKey).str());
    }
    differing += withHotKey != rows.size();
    return differing + IconLocationsUnlikeFresh(window.dialog.m_hWnd, paths);
}

bool IsSorted(const MainDialogFixture& window, int key)
{
    CString previous;
    int index = 0;
    for (const ListRow& row : window.Rows()) {
        const CString text = SortTextOf(key, CSurveyDlgProbe::List(window.dialog).GetFullPath(), row.path, row.hotKey);
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
    const CRowIcons& icons = CSurveyDlgProbe::Icons(window.dialog);
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
