// The survey's benchmark. For each file count it writes that many shortcut
// files under the Start Menu (four real shortcuts made through the shell link
// object, to a program, a program with an icon of its own, a document and a
// folder, copied in turn with their hotkey bytes patched), and times from one
// run:
//   - the raw read of the two hotkey bytes of every file (the physical floor);
//   - the bare shell link sequence per file (what the survey must do at the
//     least);
//   - the survey's loop with its icon step left out;
//   - the survey as the user runs it, on the real main window, with its
//     phases (file collection, open and rows, the posted sort);
// these in interleaved rounds, then, once each, where the time goes: each
// step of the shell link sequence, the structural check, the icon of a
// listed row, the list rows alone; and last the two sorts and the two copies
// of an N-row list.
// It prints one Markdown table on standard output and its progress on
// standard error. Run it through bench/run-bench.sh, which gives it a scratch
// Wine prefix: it empties the three surveyed folders of the prefix it runs in.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/SurveyDlg.h"
#include "framework/Com.h"
#include "hotkey/HotKeyText.h"
#include "resultlist/RowOrder.h"
#include "shellicon/IconLocation.h"
#include "survey/FileSearch.h"
#include "survey/IconCache.h"
#include "survey/LinkFileCheck.h"
#include "survey/ShellLink.h"
#include "support/Shortcuts.h"
#include "support/TestFolders.h"

namespace {
// Where the hotkey word lies in a shortcut file.
constexpr DWORD kHotKeyOffset = 0x40;
// Goals printed beside the figures.
constexpr double kSurveyToComGoal = 1.3;
constexpr double kIconStepToComGoal = 1.0;
constexpr double kSortGoalMs = 200.0;
constexpr double kCopyGoalMs = 100.0;
constexpr int kSortGoalRows = 10000;
// Rounds of the compared measurements (and of the sorts).
constexpr int kRounds = 3;

// ---------------------------------------------------------------- timing

double g_ticksPerMs = 0.0;

double NowMs()
{
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / g_ticksPerMs;
}

void Progress(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
    std::fflush(stderr);
}

std::string Format(const char* format, ...)
{
    char text[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof(text), format, args);
    va_end(args);
    return text;
}

// ---------------------------------------------------------------- the table

// The figures of one measurement taken in several rounds.
class Samples {
public:
    Samples() = default;
    Samples(double value) : m_values{value} {}
    void Add(double value) { m_values.push_back(value); }
    bool Empty() const { return m_values.empty(); }
    size_t Count() const { return m_values.size(); }
    double Min() const { return m_values.empty() ? 0.0 : *std::min_element(m_values.begin(), m_values.end()); }
    double Max() const { return m_values.empty() ? 0.0 : *std::max_element(m_values.begin(), m_values.end()); }

private:
    std::vector<double> m_values;
};

// Rows in the order of their labels; one cell per file count.
class Table {
public:
    explicit Table(size_t columns) : m_columns(columns) {}

    void Set(size_t column, const std::string& label, const std::string& cell, const std::string& goal = std::string())
    {
        Row& row = Find(label);
        row.cells[column] = cell;
        if (!goal.empty())
            row.goal = goal;
    }
    // A duration in ms (the best of its rounds, with their range), and its
    // cost per unit (`units` files or rows). The best round is the one the
    // other users of the machine disturbed least.
    // `verdict`, when given, follows the figure.
    void Time(size_t column, const std::string& label, const Samples& ms, int units, const char* unit = "file",
              const std::string& goal = std::string(), const char* verdict = "")
    {
        const double best = ms.Min();
        const double perUnit = units > 0 ? best * 1000.0 / units : 0.0;
        std::string cell = Format("%.1f ms (%.1f us/%s)", best, perUnit, unit);
        if (ms.Count() > 1)
            cell += Format(" [%.0f..%.0f]", ms.Min(), ms.Max());
        if (*verdict)
            cell += Format(" %s", verdict);
        Set(column, label, cell, goal);
    }
    // A ratio of two best times.
    void Ratio(size_t column, const std::string& label, double ratio, const std::string& goal = std::string(),
               const char* verdict = "")
    {
        std::string cell = Format("%.2fx", ratio);
        if (*verdict)
            cell += Format(" %s", verdict);
        Set(column, label, cell, goal);
    }
    void Print(const std::vector<int>& counts) const
    {
        std::printf("| Measurement |");
        for (int count : counts)
            std::printf(" N = %d |", count);
        std::printf(" Goal |\n|---|");
        for (size_t i = 0; i < counts.size(); ++i)
            std::printf("---:|");
        std::printf("---|\n");
        // Labels begin with their place ("2.", "2a.", "R1."), so they sort.
        std::vector<Row> rows = m_rows;
        std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.label < b.label; });
        for (const Row& row : rows) {
            std::printf("| %s |", row.label.c_str());
            for (const std::string& cell : row.cells)
                std::printf(" %s |", cell.empty() ? "-" : cell.c_str());
            std::printf(" %s |\n", row.goal.c_str());
        }
        std::fflush(stdout);
    }

private:
    struct Row {
        std::string label;
        std::vector<std::string> cells;
        std::string goal;
    };
    Row& Find(const std::string& label)
    {
        for (Row& row : m_rows)
            if (row.label == label)
                return row;
        m_rows.push_back({label, std::vector<std::string>(m_columns), std::string()});
        return m_rows.back();
    }

    size_t m_columns;
    std::vector<Row> m_rows;
};

// ---------------------------------------------------------------- fixtures

// The hotkey of generated file `i`: every even file has one (a spread of
// modifiers, letters, digits and function keys), every odd file has none.
WORD HotKeyOf(int i)
{
    if (i % 2 != 0)
        return 0;
    static const BYTE modifiers[] = {HOTKEYF_CONTROL | HOTKEYF_ALT, HOTKEYF_CONTROL | HOTKEYF_SHIFT, HOTKEYF_ALT,
                                     HOTKEYF_CONTROL, HOTKEYF_CONTROL | HOTKEYF_ALT | HOTKEYF_SHIFT};
    const int k = i / 2;
    const int key = k % 48;
    BYTE vk;
    if (key < 26)
        vk = static_cast<BYTE>('A' + key);
    else if (key < 36)
        vk = static_cast<BYTE>('0' + key - 26);
    else
        vk = static_cast<BYTE>(VK_F1 + key - 36);
    return static_cast<WORD>(vk | (modifiers[(k / 48) % 5] << 8));
}

struct Folders {
    std::string startMenu, desktop, commonStartMenu;
    void EmptyAll() const
    {
        for (const std::string* folder : {&startMenu, &desktop, &commonStartMenu})
            if (!folder->empty())
                EmptyFolder(*folder);
    }
};

struct Fixture {
    std::vector<std::string> paths;  // in the order written
    int withHotKey = 0;
};

// `count` copies of the models under Start Menu\Programs\Bench g\Set s\,
// ten groups of ten sets, with the hotkey word patched. The models take turns
// among the files with a hotkey and among those without. Names are scrambled
// so that no sort starts from sorted rows.
bool MakeFixture(const Folders& folders, const std::vector<std::string>& models, int count, Fixture& fixture)
{
    const std::string root = folders.startMenu + "\\Programs";
    for (int g = 0; g < 10; ++g)
        for (int s = 0; s < 10; ++s)
            if (!MakeFolders(Format("%s\\Bench %d\\Set %d", root.c_str(), g, s)))
                return false;
    for (int i = 0; i < count; ++i) {
        std::string bytes = models[static_cast<size_t>(i / 2) % models.size()];
        const WORD hotKey = HotKeyOf(i);
        bytes[kHotKeyOffset] = static_cast<char>(hotKey & 0xFF);
        bytes[kHotKeyOffset + 1] = static_cast<char>(hotKey >> 8);
        const unsigned scrambled = static_cast<unsigned>(i) * 7919u % 100003u;
        const std::string path =
            Format("%s\\Bench %d\\Set %d\\Tool %05u-%05d.lnk", root.c_str(), i % 10, (i / 10) % 10, scrambled, i);
        if (!WriteFileBytes(path, bytes))
            return false;
        fixture.paths.push_back(path);
        if (hotKey != 0)
            ++fixture.withHotKey;
    }
    return true;
}

// ---------------------------------------------------------------- loops

// Reads the hotkey word of each file with the plain file API; the number of
// files with a hotkey, or -1 when a read failed.
int RawReadLoop(const std::vector<std::string>& paths)
{
    int withHotKey = 0;
    for (const std::string& path : paths) {
        const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return -1;
        BYTE word[2] = {};
        DWORD got = 0;
        const bool ok = ::SetFilePointer(file, kHotKeyOffset, nullptr, FILE_BEGIN) == kHotKeyOffset &&
                        ::ReadFile(file, word, 2, &got, nullptr) && got == 2;
        ::CloseHandle(file);
        if (!ok)
            return -1;
        if (word[0] != 0 || word[1] != 0)
            ++withHotKey;
    }
    return withHotKey;
}

// Time spent in each step of the shell link sequence.
struct StepTimes {
    double create = 0, load = 0, resolve = 0, hotKeyAndRelease = 0;
};

// The least the survey does per file: create the link object, get its file
// interface, load, resolve without user interface, read the hotkey, release
// both. With `steps`, each step is timed on its own. The number of files
// with a hotkey, or -1 when a step failed.
int BareComLoop(const std::vector<std::string>& paths, HWND owner, StepTimes* steps)
{
    if (::CoInitialize(nullptr) != S_OK)
        return -1;
    int withHotKey = 0;
    bool failed = false;
    for (const std::string& path : paths) {
        double t0 = steps ? NowMs() : 0;
        IShellLinkA* link = nullptr;
        IPersistFile* file = nullptr;
        if (::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                               reinterpret_cast<void**>(&link)) != S_OK) {
            failed = true;
            break;
        }
        if (link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)) != S_OK) {
            link->Release();
            failed = true;
            break;
        }
        double t1 = steps ? NowMs() : 0;
        WCHAR wide[MAX_PATH];
        bool ok = ToWidePath(path.c_str(), wide) && file->Load(wide, STGM_READ) == S_OK;
        double t2 = steps ? NowMs() : 0;
        ok = ok && link->Resolve(owner, SLR_NO_UI) == S_OK;
        double t3 = steps ? NowMs() : 0;
        WORD hotKey = 0;
        if (ok)
            link->GetHotkey(&hotKey);
        file->Release();
        link->Release();
        if (steps) {
            const double t4 = NowMs();
            steps->create += t1 - t0;
            steps->load += t2 - t1;
            steps->resolve += t3 - t2;
            steps->hotKeyAndRelease += t4 - t3;
        }
        if (!ok) {
            failed = true;
            break;
        }
        if (hotKey != 0)
            ++withHotKey;
    }
    ::CoUninitialize();
    return failed ? -1 : withHotKey;
}

// The same sequence with the link objects made by one class object that is
// obtained once. Not something the survey may do (one link object per file,
// nothing kept between files); it shows what CoCreateInstance's own lookup
// of the class costs on each call.
int ClassFactoryLoop(const std::vector<std::string>& paths, HWND owner)
{
    if (::CoInitialize(nullptr) != S_OK)
        return -1;
    int withHotKey = 0;
    IClassFactory* factory = nullptr;
    if (::CoGetClassObject(CLSID_ShellLink, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                           reinterpret_cast<void**>(&factory)) == S_OK) {
        for (const std::string& path : paths) {
            IShellLinkA* link = nullptr;
            if (factory->CreateInstance(nullptr, IID_IShellLinkA, reinterpret_cast<void**>(&link)) != S_OK) {
                withHotKey = -1;
                break;
            }
            IPersistFile* file = nullptr;
            WCHAR wide[MAX_PATH];
            WORD hotKey = 0;
            if (link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)) == S_OK) {
                if (ToWidePath(path.c_str(), wide) && file->Load(wide, STGM_READ) == S_OK &&
                    link->Resolve(owner, SLR_NO_UI) == S_OK)
                    link->GetHotkey(&hotKey);
                file->Release();
            }
            link->Release();
            if (hotKey != 0)
                ++withHotKey;
        }
        factory->Release();
    } else {
        withHotKey = -1;
    }
    ::CoUninitialize();
    return withHotKey;
}

// Time spent in each step of a listed row's icon.
struct IconTimes {
    double location = 0, extract = 0;
    int found = 0;  // rows that got an icon
};

// Whether IconLoop takes the icons through the survey's cache.
enum class IconSource { kSurveyCache, kExtractEachRow };

// What a listed row adds for its icon, each step timed: GetIconLocation (COM
// flag 0, inside one CoInitialize bracket), then the survey's icon cache
// (each icon extracted once, a copy per row) or, for comparison,
// ExtractIconA for every row. The icons are destroyed outside the timing.
IconTimes IconLoop(const std::vector<std::string>& paths, HWND owner, IconSource source)
{
    IconTimes times;
    const CComInit com;
    CSurveyIconCache cache;
    std::vector<HICON> copies;
    for (const std::string& path : paths) {
        CString iconFile;
        int iconIndex = 0;
        const double t0 = NowMs();
        const int located = GetIconLocation(owner, path.c_str(), iconFile, &iconIndex, 0);
        const double t1 = NowMs();
        times.location += t1 - t0;
        if (located != 1 || iconFile.IsEmpty() || iconFile.GetLength() >= MAX_PATH)
            continue;
        HICON icon = source == IconSource::kSurveyCache
                         ? cache.CopyIconFor(iconFile, iconIndex)
                         : ::ExtractIconA(::GetModuleHandleA(nullptr), iconFile, iconIndex);
        if (icon == reinterpret_cast<HICON>(1))
            icon = nullptr;
        times.extract += NowMs() - t1;
        if (icon != nullptr) {
            ++times.found;
            copies.push_back(icon);
        }
    }
    for (HICON icon : copies)
        ::DestroyIcon(icon);
    return times;
}

// Appends a row as the survey does (path, item data, hotkey text), with a
// null icon slot.
void AddRowWithoutIcon(CSurveyDlg& dlg, const char* path, WORD hotKey)
{
    const int row = dlg.m_list.InsertItem(LVIF_TEXT, dlg.m_list.GetItemCount(), path);
    dlg.m_list.SetItemData(row, row);
    dlg.m_list.SetItemText(row, 1, FormatHotKey(hotKey));
    dlg.m_icons.Add(0);
}

// The survey's loop with its icon step left out: each file opened as the
// survey opens it, a row for each one with a hotkey, a null icon slot. The
// number of rows the list then holds.
int SurveyWithoutIcons(CSurveyDlg& dlg, const CStringArray& files)
{
    const CComInit com;
    if (!com.Succeeded())
        return -1;
    dlg.m_list.SendMessage(WM_SETREDRAW, FALSE);
    for (int i = 0; i < files.GetSize(); ++i) {
        CShellLinkFile link;
        if (link.Open(files[i], dlg.m_hWnd) != S_OK)
            continue;
        WORD hotKey = 0;
        link.Link()->GetHotkey(&hotKey);
        if (hotKey != 0)
            AddRowWithoutIcon(dlg, files[i], hotKey);
    }
    dlg.m_list.SendMessage(WM_SETREDRAW, TRUE);
    return dlg.m_list.GetItemCount();
}

// Time spent in each step of opening a listed row's shortcut again.
struct ReopenTimes {
    double open = 0, path = 0, icon = 0;
};

// What GetIconLocation does to open the shortcut a second time, each
// step timed: link object, Load and Resolve (CShellLinkFile::Open), then
// GetPath (SLGP_UNCPRIORITY, with find data) and the link's own icon location.
ReopenTimes LinkReopenLoop(const std::vector<std::string>& paths, HWND owner)
{
    ReopenTimes times;
    const CComInit com;
    for (const std::string& path : paths) {
        const double t0 = NowMs();
        CShellLinkFile link;
        const bool opened = link.Open(path.c_str(), owner) == S_OK;
        const double t1 = NowMs();
        times.open += t1 - t0;
        if (!opened)
            continue;
        char target[MAX_PATH] = {};
        char icon[MAX_PATH] = {};
        int iconIndex = 0;
        WIN32_FIND_DATAA found;
        link.Link()->GetPath(target, MAX_PATH, &found, SLGP_UNCPRIORITY);
        const double t2 = NowMs();
        link.Link()->GetIconLocation(icon, MAX_PATH, &iconIndex);
        times.path += t2 - t1;
        times.icon += NowMs() - t2;
    }
    return times;
}

// ---------------------------------------------------------------- the window

void Pump()
{
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
}

// The number of lines (CR LF) of the text on the clipboard, or -1.
int ClipboardLineCount(const CSurveyDlg& dlg)
{
    if (!::OpenClipboard(dlg.m_hWnd))
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

// Sends a command as the menu or the button does; the time the handler took.
double TimedCommand(CSurveyDlg& dlg, UINT id)
{
    const double start = NowMs();
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
    return NowMs() - start;
}

double TimedPump()
{
    const double start = NowMs();
    Pump();
    return NowMs() - start;
}

// True when the list's rows are in ascending order of their sort texts by `key`.
bool IsSorted(const CSurveyDlg& dlg, int key)
{
    const int count = dlg.m_list.GetItemCount();
    CString previous;
    for (int i = 0; i < count; ++i) {
        const CString text = SortTextOf(key, dlg.m_bFullPath, dlg.m_list.GetItemText(i, 0), dlg.m_list.GetItemText(i, 1));
        if (i > 0 && CompareSortTexts(previous, text) > 0)
            return false;
        previous = text;
    }
    return true;
}

// The three surveyed folders' files, as the survey collects them.
double TimedCollect(const Folders& folders, CStringArray& files)
{
    const double start = NowMs();
    for (const std::string* folder : {&folders.startMenu, &folders.desktop, &folders.commonStartMenu}) {
        if (folder->empty())
            continue;
        CollectFiles(folder->c_str(), "LNK", files);
        CollectFiles(folder->c_str(), "PIF", files);
    }
    return NowMs() - start;
}

// ---------------------------------------------------------------- one run

// The process's working set now, in MB (0 when unknown).
double WorkingSetMb()
{
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof(memory);
    if (!::GetProcessMemoryInfo(::GetCurrentProcess(), &memory, sizeof(memory)))
        return 0.0;
    return static_cast<double>(memory.WorkingSetSize) / (1024.0 * 1024.0);
}

// The number of row icons the dialog holds (non-null entries of m_icons).
int HeldIcons(const CSurveyDlg& dlg)
{
    int held = 0;
    for (int i = 0; i < dlg.m_icons.GetSize(); ++i)
        if (dlg.m_icons[i] != 0)
            ++held;
    return held;
}

// Everything for one file count; fills column `column` of the table. The
// figures that are compared with one another (raw read, bare loop, survey)
// are taken in interleaved rounds, so that a slower spell of the machine
// weighs on all of them; the table gives the best round and the range.
bool RunCount(const Folders& folders, const std::vector<std::string>& models, int count, size_t column, Table& table)
{
    Progress("== N = %d\n", count);
    folders.EmptyAll();

    Fixture fixture;
    double start = NowMs();
    if (!MakeFixture(folders, models, count, fixture)) {
        Progress("could not write the shortcut files\n");
        return false;
    }
    table.Time(column, "0. Fixture: copy the models N times (setup, not a goal)", NowMs() - start, count);
    std::vector<std::string> listed;  // the files the survey lists by default
    for (size_t i = 0; i < fixture.paths.size(); ++i)
        if (HotKeyOf(static_cast<int>(i)) != 0)
            listed.push_back(fixture.paths[i]);
    const int listedCount = static_cast<int>(listed.size());

    CSurveyDlg dlg;
    if (!dlg.Create(nullptr)) {
        Progress("could not create the main window\n");
        return false;
    }
    Pump();
    const HWND owner = dlg.m_hWnd;

    bool ok = true;
    auto check = [&](bool condition, const char* what) {
        if (!condition) {
            Progress("  CHECK FAILED: %s\n", what);
            ok = false;
        }
    };

    // Once to warm the file cache and the directory listings.
    RawReadLoop(fixture.paths);
    {
        CStringArray files;
        TimedCollect(folders, files);
        check(files.GetSize() == count, "file collection finds every file");
    }

    // 1 to 3, in rounds.
    Samples raw, com, collect, surveyTotal, openRows, withoutIcons, postedSort, clearing, iconLocation, iconExtract;
    int rows = 0;
    int icons = 0;
    int iconsFound = 0;
    double surveyWorkingSet = 0.0;
    for (int round = 0; round < kRounds; ++round) {
        start = NowMs();
        const int rawHotKeys = RawReadLoop(fixture.paths);
        const double rawMs = NowMs() - start;
        check(rawHotKeys == fixture.withHotKey, "raw read finds every hotkey");

        start = NowMs();
        const int comHotKeys = BareComLoop(fixture.paths, owner, nullptr);
        const double comMs = NowMs() - start;
        check(comHotKeys == fixture.withHotKey, "bare shell link loop reads every hotkey");

        // Every survey starts from an empty list, as the first survey of a
        // run does; emptying the previous round's rows is timed apart.
        if (dlg.m_list.GetItemCount() > 0) {
            start = NowMs();
            dlg.m_list.DeleteAllItems();
            dlg.ClearRowIcons();
            clearing.Add(NowMs() - start);
        }

        // One collection, timed, serves both surveys of the round: the survey
        // without icons takes its files, the real one's handler collects the
        // same files again and this time is taken off its own.
        CStringArray files;
        const double collectMs = TimedCollect(folders, files);
        start = NowMs();
        const int rowsWithoutIcons = SurveyWithoutIcons(dlg, files);
        const double withoutIconsMs = NowMs() - start;
        check(rowsWithoutIcons == fixture.withHotKey, "the survey loop without icons lists every file with a hotkey");
        withoutIcons.Add(withoutIconsMs);
        Pump();
        dlg.m_list.DeleteAllItems();
        dlg.ClearRowIcons();

        dlg.m_bShowUnassigned = 0;
        const double handlerMs = TimedCommand(dlg, IDC_START_SURVEY);
        const double postedMs = TimedPump();
        rows = dlg.m_list.GetItemCount();
        icons = HeldIcons(dlg);
        surveyWorkingSet = WorkingSetMb();
        check(rows == fixture.withHotKey, "survey lists every file with a hotkey");
        check(IsSorted(dlg, kSortByKey), "survey ends sorted by key name");

        // The icon work of the listed rows, apart, next to the survey.
        const IconTimes iconTimes = IconLoop(listed, owner, IconSource::kSurveyCache);
        iconsFound = iconTimes.found;

        const double openRowsMs = handlerMs - collectMs;
        const double iconMs = iconTimes.location + iconTimes.extract;
        iconLocation.Add(iconTimes.location);
        iconExtract.Add(iconTimes.extract);
        raw.Add(rawMs);
        com.Add(comMs);
        collect.Add(collectMs);
        surveyTotal.Add(handlerMs + postedMs);
        openRows.Add(openRowsMs);
        postedSort.Add(postedMs);
        Progress("  round %d: raw read %.0f ms, bare loop %.0f ms, survey %.0f ms (collection %.0f, posted sort %.0f), "
                 "%d rows; icons apart %.0f ms; without icons %.0f ms\n",
                 round + 1, rawMs, comMs, handlerMs + postedMs, collectMs, postedMs, rows, iconMs, withoutIconsMs);
    }
    table.Time(column, "1. Raw read of the hotkey word (CreateFileA, ReadFile 2 bytes at 0x40)", raw, count);
    table.Time(column, "2. Bare shell link loop (CoCreateInstance, QI, Load, Resolve, GetHotkey, Release x2)", com,
               count);
    table.Time(column, "3. Survey as the user runs it: total (handler + posted sort)", surveyTotal, count);
    table.Time(column, "3a. - file collection (CollectFiles, 3 folders, LNK+PIF)", collect, count);
    table.Time(column, "3b. - open + rows (handler minus collection)", openRows, count);
    table.Time(column, "3c. - posted sort by key + repaint (pump after the handler)", postedSort, rows, "row");
    table.Set(column, "3d. Rows listed / files with a hotkey (row icons held)",
              Format("%d / %d %s (%d)", rows, fixture.withHotKey, rows == fixture.withHotKey ? "ok" : "WRONG", icons));
    table.Time(column, "3k. Survey without icons: the survey's loop with the icon step left out (apart)",
               withoutIcons, count);
    const double r6 = withoutIcons.Min() / com.Min();
    table.Ratio(column, "R6. Survey without icons (3k) / bare shell link loop", r6, Format("<= %.1fx", kSurveyToComGoal),
                r6 <= kSurveyToComGoal ? "goal met" : "goal MISSED");
    table.Ratio(column, "R1. Survey open+rows (with icons) / bare shell link loop", openRows.Min() / com.Min());
    table.Ratio(column, "R2. Survey open+rows / raw read", openRows.Min() / raw.Min());
    table.Ratio(column, "R3. Bare shell link loop / raw read", com.Min() / raw.Min());
    table.Ratio(column, "R4. Survey total / bare shell link loop", surveyTotal.Min() / com.Min());
    const double r5 = (iconLocation.Min() + iconExtract.Min()) / com.Min();
    table.Ratio(column, "R5. Icon step of the listed rows (3e + 3f) / bare shell link loop", r5,
                Format("<= %.1fx", kIconStepToComGoal), r5 <= kIconStepToComGoal ? "goal met" : "goal MISSED");
    table.Ratio(column, "R7. Survey without icons (3k) / raw read", withoutIcons.Min() / raw.Min());
    table.Time(column, "3e. Icon of a listed row: GetIconLocation (apart)", iconLocation, listedCount, "row");
    table.Time(column, "3f. Icon of a listed row: ExtractIconA once per icon, a copy per row (apart)", iconExtract,
               listedCount, "row");
    const IconTimes uncached = IconLoop(listed, owner, IconSource::kExtractEachRow);
    table.Time(column, "3f2. - the same with ExtractIconA for every row, no cache (for comparison)",
               uncached.extract, listedCount, "row");
    check(uncached.found == iconsFound, "the cache gives the rows the icons ExtractIconA gives");

    // Where the time goes, one pass each.
    StepTimes steps;
    BareComLoop(fixture.paths, owner, &steps);
    table.Time(column, "2a. - CoCreateInstance + QueryInterface (steps timed apart)", steps.create, count);
    table.Time(column, "2b. - IPersistFile::Load", steps.load, count);
    table.Time(column, "2c. - IShellLinkA::Resolve (SLR_NO_UI)", steps.resolve, count);
    table.Time(column, "2d. - GetHotkey + Release x2", steps.hotKeyAndRelease, count);
    start = NowMs();
    check(ClassFactoryLoop(fixture.paths, owner) == fixture.withHotKey, "class object loop reads every hotkey");
    table.Time(column, "2e. Loop 2 with one class object kept (not allowed in the survey; for comparison)",
               NowMs() - start, count);

    start = NowMs();
    int sound = 0;
    for (const std::string& path : fixture.paths)
        sound += IsSoundLinkFile(path.c_str());
    table.Time(column, "2f. Structural check of the file before Load (IsSoundLinkFile; part of 3k)", NowMs() - start,
               count);
    check(sound == count, "every fixture file passes the structural check");

    const ReopenTimes reopen = LinkReopenLoop(listed, owner);
    table.Time(column, "3g. - within 3e: the link opened again (CoCreateInstance, QI, Load, Resolve)", reopen.open,
               listedCount, "row");
    table.Time(column, "3g2. - within 3e: IShellLinkA::GetPath (SLGP_UNCPRIORITY, find data)", reopen.path,
               listedCount, "row");
    table.Time(column, "3g3. - within 3e: IShellLinkA::GetIconLocation", reopen.icon, listedCount, "row");
    table.Set(column, "3h. Icons found / listed rows", Format("%d / %d", iconsFound, listedCount));

    dlg.m_list.DeleteAllItems();
    dlg.ClearRowIcons();
    start = NowMs();
    dlg.m_list.SendMessage(WM_SETREDRAW, FALSE);
    for (size_t i = 0; i < fixture.paths.size(); ++i) {
        const WORD hotKey = HotKeyOf(static_cast<int>(i));
        if (hotKey != 0)
            AddRowWithoutIcon(dlg, fixture.paths[i].c_str(), hotKey);
    }
    dlg.m_list.SendMessage(WM_SETREDRAW, TRUE);
    table.Time(column, "3i. List rows alone (InsertItem, SetItemData, SetItemText; apart)", NowMs() - start,
               listedCount, "row");
    Pump();
    if (!clearing.Empty())
        table.Time(column, "3j. Emptying the previous survey's rows and icons (apart)", clearing, rows, "row");

    // 4. The sorts of an N-row list: a survey that shows every shortcut.
    dlg.m_bShowUnassigned = 1;
    const double allHandlerMs = TimedCommand(dlg, IDC_START_SURVEY);
    const double allPostedMs = TimedPump();
    const int allRows = dlg.m_list.GetItemCount();
    check(allRows == count, "survey with unassigned shown lists every file");
    table.Time(column, "4. Survey showing all N (handler + posted sort)", allHandlerMs + allPostedMs, count);
    table.Set(column, "4d. Rows / row icons held after it", Format("%d / %d", allRows, HeldIcons(dlg)));
    table.Set(column, "5a. Working set after the survey (3) / after the all-rows survey (4)",
              Format("%.1f / %.1f MB", surveyWorkingSet, WorkingSetMb()));

    // Each sort starts from the other one's order.
    Samples byName, byKey, paint;
    for (int round = 0; round < kRounds; ++round) {
        byName.Add(TimedCommand(dlg, ID_SORT_BY_NAME));
        paint.Add(TimedPump());
        check(IsSorted(dlg, kSortByName), "sort by name orders the rows");
        byKey.Add(TimedCommand(dlg, ID_SORT_BY_KEY));
        paint.Add(TimedPump());
        check(IsSorted(dlg, kSortByKey), "sort by key orders the rows");
    }
    // Both copies of the N-row list, each checked for its line count.
    Samples copyText, copyCsv;
    for (int round = 0; round < kRounds; ++round) {
        copyText.Add(TimedCommand(dlg, ID_EDIT_COPY_TEXT));
        check(ClipboardLineCount(dlg) == allRows, "the aligned copy holds every row");
        copyCsv.Add(TimedCommand(dlg, ID_EDIT_COPY_CSV));
        check(ClipboardLineCount(dlg) == allRows, "the CSV copy holds every row");
    }
    const std::string sortGoal = Format("< %.0f ms at %d rows", kSortGoalMs, kSortGoalRows);
    const std::string copyGoal = Format("< %.0f ms at %d rows", kCopyGoalMs, kSortGoalRows);
    auto verdict = [&](const Samples& ms, double goalMs) -> const char* {
        if (allRows < kSortGoalRows)
            return "";
        return ms.Min() < goalMs ? "goal met" : "goal MISSED";
    };
    table.Time(column, "4a. Sort N rows by key (ID_SORT_BY_KEY handler)", byKey, allRows, "row", sortGoal,
               verdict(byKey, kSortGoalMs));
    table.Time(column, "4b. Sort N rows by name (ID_SORT_BY_NAME handler)", byName, allRows, "row", sortGoal,
               verdict(byName, kSortGoalMs));
    table.Time(column, "4c. Repaint after a sort", paint, allRows, "row");
    table.Time(column, "4e. Copy N rows as aligned text (ID_EDIT_COPY_TEXT handler)", copyText, allRows, "row",
               copyGoal, verdict(copyText, kCopyGoalMs));
    table.Time(column, "4f. Copy N rows as CSV (ID_EDIT_COPY_CSV handler)", copyCsv, allRows, "row", copyGoal,
               verdict(copyCsv, kCopyGoalMs));
    Progress("  all rows: survey %.0f ms; sort by key %.0f ms, by name %.0f ms\n", allHandlerMs + allPostedMs,
             byKey.Min(), byName.Min());

    ::DestroyWindow(dlg.m_hWnd);
    Pump();
    folders.EmptyAll();
    return ok;
}

// The real shortcuts whose bytes are copied into the generated files, made
// through the shell link object outside the surveyed folders: a program, a
// program with an icon of its own named through %SystemRoot% with an index,
// a document and a folder.
bool MakeModels(std::vector<std::string>& models)
{
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    char windows[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    const std::string folder(windows);
    ShortcutSpec specs[4];
    specs[0].target = folder + "\\notepad.exe";
    specs[1].target = folder + "\\notepad.exe";
    specs[1].iconFile = "%SystemRoot%\\system32\\shell32.dll";
    specs[1].iconIndex = 3;
    specs[2].target = folder + "\\win.ini";
    specs[3].target = folder;
    const std::string modelPath = std::string(temp) + "velmora-bench-model.lnk";
    for (const ShortcutSpec& spec : specs) {
        if (!MakeShortcut(modelPath, spec))
            return false;
        models.push_back(ReadFileBytes(modelPath));
        ::DeleteFileA(modelPath.c_str());
        if (models.back().size() < kHotKeyOffset + 2)
            return false;
        Progress("model shortcut to %s: %d bytes\n", spec.target.c_str(), static_cast<int>(models.back().size()));
    }
    return true;
}

// Refuses to run outside the scratch prefix that bench/run-bench.sh makes:
// the run empties the surveyed folders.
bool InScratchPrefix()
{
    char flag[8] = {};
    return ::GetEnvironmentVariableA("VELMORA_BENCH_PREFIX", flag, sizeof(flag)) != 0 &&
           ::GetEnvironmentVariableA("VELMORA_TEST_PREFIX", flag, sizeof(flag)) != 0;
}
}

int main(int argc, char** argv)
{
    if (!InScratchPrefix()) {
        std::fputs("Run the benchmark through bench/run-bench.sh (it empties the Start Menu of its prefix).\n", stderr);
        return 2;
    }
    std::vector<int> counts;
    for (int i = 1; i < argc; ++i)
        if (std::atoi(argv[i]) > 0)
            counts.push_back(std::atoi(argv[i]));
    if (counts.empty())
        counts = {1000, 10000};

    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    g_ticksPerMs = static_cast<double>(frequency.QuadPart) / 1000.0;

    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_HOTKEY_CLASS};
    ::InitCommonControlsEx(&controls);

    Folders folders{SpecialFolder(CSIDL_STARTMENU), SpecialFolder(CSIDL_DESKTOPDIRECTORY),
                    SpecialFolder(CSIDL_COMMON_STARTMENU)};
    if (folders.startMenu.empty()) {
        std::fputs("The prefix has no Start Menu folder.\n", stderr);
        return 1;
    }

    std::vector<std::string> models;
    if (!MakeModels(models)) {
        std::fputs("Could not write the model shortcuts.\n", stderr);
        return 1;
    }

    Table table(counts.size());
    bool ok = true;
    const double start = NowMs();
    for (size_t i = 0; i < counts.size(); ++i)
        ok = RunCount(folders, models, counts[i], i, table) && ok;
    const double totalMs = NowMs() - start;
    folders.EmptyAll();

    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof(memory);
    if (::GetProcessMemoryInfo(::GetCurrentProcess(), &memory, sizeof(memory)))
        table.Set(0, "5. Peak working set of the whole run",
                  Format("%.1f MB", static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0)));
    table.Set(0, "6. Whole benchmark run", Format("%.1f s", totalMs / 1000.0));

    table.Print(counts);
    std::printf("\nTimes: the best of %d rounds where their range [min..max ms] follows, else one pass; "
                "us/file or us/row is that time divided by the files or rows handled. Ratios are of best times.\n",
                kRounds);
    if (!ok)
        std::puts("\nSome checks FAILED (see standard error).");
    return ok ? 0 : 1;
}
