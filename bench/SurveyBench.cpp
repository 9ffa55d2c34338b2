// The survey's benchmark: per fixture, in interleaved rounds, the bare shell
// link loop (the reference), the survey's phases one by one, and the survey
// by the start button of a new main window; then the sorts and the copies.
// A failed check fails the run. Run it through bench/run-bench.sh.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <map>
#include <memory>

#include "BenchFixture.h"
#include "app/SurveyDlg.h"
#include "cmd/Commands.h"
#include "framework/Com.h"
#include "framework/ScopedHandles.h"
#include "rules/HotKeyText.h"
#include "rules/RowOrder.h"
#include "shell/LinkHotKey.h"
#include "shellicon/IconLocation.h"
#include "support/Driving.h"
#include "survey/SurveyRun.h"

namespace {
constexpr int kRounds = 3;
bool g_failed = false;

// Reports a failed check on standard error; the run then fails.
void Check(bool passed, const char* what)
{
    if (!passed)
        std::fprintf(stderr, "  CHECK FAILED: %s\n", what);
    g_failed = g_failed || !passed;
}

// Milliseconds on the performance counter.
double NowMs()
{
    LARGE_INTEGER now, frequency;
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// One figure's rounds, in ms, and the best of them.
using Samples = std::vector<double>;
double Best(const Samples& s)
{
    return *std::min_element(s.begin(), s.end());
}

// Runs `step` and adds its time to `s`.
template <class Step>
void Timed(Samples& s, Step step)
{
    const double start = NowMs();
    step();
    s.push_back(NowMs() - start);
}

// A row of the fixture's Markdown table.
void Row(const std::string& label, const std::string& cell)
{
    std::printf("| %s | %s |\n", label.c_str(), cell.c_str());
}

// The best of the rounds, that per file or row, and the range of the rounds.
void Time(const std::string& label, const Samples& s, size_t units, const char* unit = "file")
{
    const double best = Best(s);
    Row(label, Format("%.1f ms (%.1f us/%s) [%.0f..%.0f]", best, best * 1000 / units, unit, best,
                      *std::max_element(s.begin(), s.end())));
}

// A ratio against its goal, as "**1.05x**, goal met" (`bold` "": unmarked).
std::string Goal(double ratio, double goal, const char* bold = "**")
{
    return Format("%s%.2fx%s, goal %s", bold, ratio, bold, ratio <= goal ? "met" : "MISSED");
}

// The lines (CR LF) of the text on the clipboard, opened by `owner`, or -1.
int ClipboardLines(HWND owner)
{
    int lines = -1;
    const CScopedClipboard clipboard(owner);
    const HANDLE data = clipboard.IsOpen() ? ::GetClipboardData(CF_TEXT) : nullptr;
    if (const char* text = data != nullptr ? static_cast<const char*>(::GlobalLock(data)) : nullptr) {
        for (lines = 0; (text = std::strstr(text, "\r\n")) != nullptr; text += 2)
            ++lines;
        ::GlobalUnlock(data);
    }
    return lines;
}

// True when `rows` ascend by their sort texts under `key` (the bench never
// turns View > full path on).
bool IsSorted(const std::vector<ListRow>& rows, int key)
{
    auto text = [key](const ListRow& row) { return SortTextOf(key, 0, row.path.c_str(), row.hotKey.c_str()); };
    return std::is_sorted(rows.begin(), rows.end(), [&text](const auto& a, const auto& b) {
        return CompareSortTexts(text(a).GetString(), text(b).GetString()) < 0;
    });
}

// The rows a survey gives: hotkey text by path.
struct RowStore : CRowSink {
    std::map<std::string, std::string> rows;
    void Add(SurveyRow row) override { rows[row.path.str()] = FormatHotKey(row.hotKey).str(); }
};

// The reference, not a loop the survey has: per file CoCreateInstance, QI,
// Load, Resolve(SLR_NO_UI), GetHotkey, two Release. The files with a hotkey.
int BareLinkLoop(const Paths& paths, HWND owner)
{
    const CComInit com;
    int withHotKey = 0;
    for (const std::string& path : paths) {
        CComPtr<IShellLinkA> link;
        CComPtr<IPersistFile> file;
        WCHAR wide[MAX_PATH] = {};
        WORD hotKey = 0;
        ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
        if (!com.Succeeded() ||
            ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                               link.ReceiveVoid()) != S_OK ||
            link->QueryInterface(IID_IPersistFile, file.ReceiveVoid()) != S_OK ||
            file->Load(wide, STGM_READ) != S_OK || link->Resolve(owner, SLR_NO_UI) != S_OK)
            return -1;
        link->GetHotkey(&hotKey);
        withHotKey += hotKey != 0;
    }
    return withHotKey;
}

// The entries under `folder` (ending in a backslash), read by one search per
// folder (FindFirstFileExW, basic information, large fetch), subfolders
// entered depth first: the floor of any collection.
size_t WalkFolder(const std::wstring& folder)
{
    WIN32_FIND_DATAW entry;
    const CScopedFind search(::FindFirstFileExW((folder + L"*").c_str(), FindExInfoBasic, &entry,
                                                FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!search.IsOpen())
        return 0;
    size_t entries = 0;
    do {
        const bool dots = std::wcscmp(entry.cFileName, L".") == 0 || std::wcscmp(entry.cFileName, L"..") == 0;
        entries += !dots;
        if (!dots && (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
            entries += WalkFolder(folder + entry.cFileName + L"\\");
    } while (::FindNextFileW(search.Get(), &entry));
    return entries;
}

// The floor of any survey: the listing of the five surveyed folders (one
// search per folder, as WalkFolder) and one read of each file's 76-byte
// header, where the hotkey word lies. The files whose header holds one.
int Floor(const SurveyFolders& folders, const Paths& paths)
{
    for (const std::string* root : {&folders.StartMenu(), &folders.Desktop(), &folders.CommonStartMenu(),
                                    &folders.CommonDesktop(), &folders.Pinned()})
        WalkFolder(WideFromAnsi(root->c_str()) + L"\\");
    int withHotKey = 0;
    for (const std::string& path : paths) {
        const CScopedFile file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                             OPEN_EXISTING, 0, nullptr));
        unsigned char header[76] = {};
        DWORD read = 0;
        if (!file.IsOpen() || !::ReadFile(file.Get(), header, sizeof(header), &read, nullptr) || read != sizeof(header))
            return -1;
        withHotKey += (header[0x40] | header[0x41]) != 0;
    }
    return withHotKey;
}

// `VelmoraCmd list` run in-process, as its main runs it but printing into a
// string; the lines it printed.
int ListInProcess()
{
    const char* argv[] = {"VelmoraCmd", "list"};
    CommandOutput output;
    RunCommandLine(2, argv, output);
    return static_cast<int>(std::count(output.out.str().begin(), output.out.str().end(), '\n'));
}

// VelmoraCmd.exe beside this program run as its own process with `list`,
// its output into NUL; its exit status, or -1 when it did not start.
int ListProcess()
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string command = path;
    command = "\"" + command.substr(0, command.rfind('\\') + 1) + "VelmoraCmd.exe\" list";
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    const CScopedFile nul(::CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr));
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = nul.Get();
    PROCESS_INFORMATION process = {};
    if (!::CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                          &process))
        return -1;
    const CScopedFile thread(process.hThread), running(process.hProcess);
    DWORD status = static_cast<DWORD>(-1);
    ::WaitForSingleObject(process.hProcess, INFINITE);
    ::GetExitCodeProcess(process.hProcess, &status);
    return static_cast<int>(status);
}

struct Figures {
    Samples floor, bare, insert, collect, open, icons, rows, survey, scroll, repaint, list, listProcess;
    size_t distinctIcons = 0;
};

// The collection phase into `collected`, timed into `s`, checked (`what`) to find `files` files.
void TimedCollection(HWND owner, size_t files, SurveyFiles& collected, Samples& s, const char* what)
{
    Timed(s, [&] { Check(CollectSurveyFiles(owner, collected) == SurveyStatus::kDone, what); });
    Check(collected.GetSize() == static_cast<int>(files), what);
}

// The survey's phases as SurveyShortcuts runs them, each timed, into a RowStore.
void TimePhases(HWND owner, size_t files, Figures& f)
{
    SurveyFiles collected;
    TimedCollection(owner, files, collected, f.collect, "every file found");
    const CComInit com;
    RowStore store;
    CSurveyPhaseTimes times;
    AddShortcutRows(owner, collected, 0, store, &times);
    Check(com.Succeeded() && store.rows.size() == files, "the phases list every file");
    f.open.push_back(times.opening);
    f.icons.push_back(times.icons);
    f.rows.push_back(times.rows);
}

// `rows` appended to the list of the new window `window` as the survey
// appends its rows (redraw off, the texts and item data of each row, no
// icon): the list's own cost of taking the rows.
void FillList(MainDialogDriver& window, const std::vector<ListRow>& rows)
{
    CResultList& list = CSurveyDlgProbe::List(window.dialog);
    list.SetRedraw(FALSE);
    for (const ListRow& row : rows)
        list.AddRow(row.path.c_str(), row.hotKey.c_str(), std::nullopt);
    list.SetRedraw(TRUE);
}

// One round: the floor, the bare loop, the phases, the survey by the start button on a
// new main window (which the sorts use after the last round) and its rows
// painted to the end.
void MeasureRound(const SurveyFolders& folders, const Paths& paths, Figures& f,
                  std::unique_ptr<MainDialogDriver>& window)
{
    window = std::make_unique<MainDialogDriver>();
    const HWND owner = window->dialog.m_hWnd;
    const int files = static_cast<int>(paths.size());
    Timed(f.floor, [&] { Check(Floor(folders, paths) == files, "the floor reads every hotkey"); });
    Timed(f.bare, [&] { Check(BareLinkLoop(paths, owner) == files, "the bare loop reads every hotkey"); });
    TimePhases(owner, paths.size(), f);
    Timed(f.survey, [&] { window->Command(IDC_START_SURVEY); });  // with the posted sort by key, the repaint
    const std::vector<ListRow> rows = window->Rows();
    Check(rows.size() == paths.size() && IsSorted(rows, kSortByKey), "the survey lists every file, sorted by key");
    MainDialogDriver spare;
    Timed(f.insert, [&] { FillList(spare, rows); });
    Timed(f.scroll, [&] { window->ScrollToEnd(); });
    window->list.SendMessage(LVM_ENSUREVISIBLE, 0, FALSE);
    ::UpdateWindow(window->list.m_hWnd);
    Timed(f.repaint, [&] { window->ScrollToEnd(); });  // every icon found already: the list's painting alone
    f.distinctIcons = static_cast<size_t>(CSurveyDlgProbe::Icons(window->dialog).OwnedCount());
    Timed(f.list, [&] { Check(ListInProcess() == files, "VelmoraCmd list prints every file"); });
    Timed(f.listProcess, [] { Check(ListProcess() == 0, "VelmoraCmd.exe list runs"); });
}

// Checks that no file's row, as the window drew it, differs from the file
// asked afresh: a row with FormatHotKey's text exactly for each file
// GetLinkHotKey gives a hotkey; one icon handle per IconLocationOf answer,
// none without one.
void CheckRowsAskedAfresh(const Paths& paths, const MainDialogDriver& window)
{
    std::map<std::string, std::pair<std::string, HICON>> drawn;
    for (const ListRow& row : window.Rows())
        drawn[row.path] = {row.hotKey, CSurveyDlgProbe::Icons(window.dialog)[static_cast<int>(row.data)]};
    std::map<std::pair<std::string, int>, HICON> iconOf;
    std::map<HICON, std::pair<std::string, int>> locationOf;
    int differing = 0;
    for (const std::string& path : paths) {
        const WORD hotKey = GetLinkHotKey(path.c_str(), window.dialog.m_hWnd);
        const auto row = drawn.find(path);
        if (hotKey == 0 || row == drawn.end() || row->second.first != FormatHotKey(hotKey).str()) {
            differing += hotKey != 0 || row != drawn.end();
            continue;
        }
        const HICON icon = row->second.second;
        const std::optional<CIconLocation> found = IconLocationOf(window.dialog.m_hWnd, path.c_str(), 1);
        if (!found) {
            differing += icon != nullptr;
            continue;
        }
        const auto location = std::make_pair(found->file.str(), found->index);
        differing += iconOf.emplace(location, icon).first->second != icon;
        differing += icon != nullptr && locationOf.emplace(icon, location).first->second != location;
    }
    Check(differing == 0, "the rows drawn are each file's answers asked afresh");
}

// The figures of the rounds, and their ratios to the bare loop.
void Report(const Figures& f, size_t files, double r4Goal)
{
    const double bare = Best(f.bare), phases = Best(f.collect) + Best(f.open) + Best(f.icons) + Best(f.rows);
    const double r4 = Best(f.survey) / bare, r6 = (phases - Best(f.icons)) / bare;
    const double r5 = (Best(f.survey) + Best(f.scroll)) / bare, r5b = r5 - Best(f.repaint) / bare;
    Time("0. Floor: the listing of the surveyed folders and one 76-byte header read per file", f.floor, files);
    Time("1. Bare shell link loop (the reference)", f.bare, files);
    Time("2. Survey to sorted rows and the first paint (start button's handler, posted sort, repaint)", f.survey,
         files);
    Time("2b. Every row painted: the list scrolled a page at a time to its end, after (2)", f.scroll, files, "row");
    Time("2c. The same scroll again from the top, every icon found: the list's painting alone", f.repaint, files,
         "row");
    Time("2d. The rows alone into the list of a new window (AddRow each, redraw off), a part of (2)", f.insert, files,
         "row");
    Time("3a. Phase: collection (CollectSurveyFiles)", f.collect, files);
    Time("3b. Phase: opening (AddShortcutRows, each file)", f.open, files);
    Time("3c. Phase: what each row's icon is found from (AddShortcutRows, each row)", f.icons, files, "row");
    Time("3d. Phase: rows into a store (AddShortcutRows, each row)", f.rows, files, "row");
    Row("3e. Phases in sequence (sum of the best)", Format("%.1f ms, %zu distinct icons", phases, f.distinctIcons));
    Row(Format("R4. Survey to sorted rows and first paint (2) / bare loop (1); goal <= %.1fx. RF. The same / floor (0); "
               "goal <= 1.5x, moonshot 1.2x",
               r4Goal),
        Goal(r4, r4Goal) + "; RF " + Goal(Best(f.survey) / Best(f.floor), 1.5));
    Row("R5. Every row painted ((2) + (2b)) / bare loop (1); goal <= 2.0x", Goal(r5, 2.0));
    Row("R5b. Every row's icon found, the painting aside ((2) + (2b) - (2c)) / bare loop (1)", Format("%.2fx", r5b));
    Row("R6. Phases without icons (3a + 3b + 3d) / bare loop (1); goal <= 0.8x", Goal(r6, 0.8, ""));
    Time("5a. VelmoraCmd list in-process (RunCommandLine, no icons, printed into a string)", f.list, files);
    Time("5b. VelmoraCmd.exe list as its own process, start and exit included, output to NUL", f.listProcess, files);
    Row("R7. list in-process (5a) / survey (2); goal <= 1.0x", Goal(Best(f.list) / Best(f.survey), 1.0));
}

// The sorts and the copies of the listed rows, each checked: every sort
// starts from the other one's order, every copy holds a line per row.
void SortsAndCopies(const MainDialogDriver& window)
{
    const size_t rows = window.Rows().size();
    Samples byName, byKey, text, csv;
    // Each handler timed as the menu item sends it; what it posts stays queued.
    auto sort = [&window](UINT id, Samples& s) {
        Timed(s, [&] { window.Send(id); });
        PumpMessages();
        Check(IsSorted(window.Rows(), id == ID_SORT_BY_NAME ? kSortByName : kSortByKey), "a sort orders the rows");
    };
    auto copy = [&window, rows](UINT id, Samples& s) {
        Timed(s, [&] { window.Send(id); });
        Check(ClipboardLines(window.dialog.m_hWnd) == static_cast<int>(rows), "a copy holds every row");
    };
    for (int round = 0; round < kRounds; ++round)
        sort(ID_SORT_BY_NAME, byName), sort(ID_SORT_BY_KEY, byKey), copy(ID_EDIT_COPY_TEXT, text),
            copy(ID_EDIT_COPY_CSV, csv);
    Time("4a. Sort by key (ID_SORT_BY_KEY's handler; goal < 200 ms at 10,000 rows)", byKey, rows, "row");
    Time("4b. Sort by name (ID_SORT_BY_NAME's handler; goal < 200 ms at 10,000 rows)", byName, rows, "row");
    Time("4c. Copy as aligned text (ID_EDIT_COPY_TEXT's handler; goal < 100 ms at 10,000 rows)", text, rows, "row");
    Time("4d. Copy as CSV (ID_EDIT_COPY_CSV's handler; goal < 100 ms at 10,000 rows)", csv, rows, "row");
}

// Writes `count` files by `make` into the emptied surveyed folders and measures
// them in interleaved rounds, so that a slow spell weighs on every figure.
void RunFixture(const std::string& title, double r4Goal, bool (*make)(const SurveyFolders&, int, Paths&), int count)
{
    std::printf("\n### %s\n\n| Measurement | Result |\n|---|---|\n", title.c_str());
    const SurveyFolders folders;
    Paths paths;
    if (!make(folders, count, paths))
        return Check(false, "the fixture's files are written");
    Figures figures;
    std::unique_ptr<MainDialogDriver> window;
    for (int round = 0; round < kRounds; ++round)
        MeasureRound(folders, paths, figures, window);
    CheckRowsAskedAfresh(paths, *window);
    Report(figures, paths.size(), r4Goal);
    SortsAndCopies(*window);
    std::fflush(stdout);
}

// The bare walk of the three surveyed folders; the entries seen.
size_t BareWalk(const SurveyFolders& folders)
{
    size_t entries = 0;
    for (const std::string* root : {&folders.StartMenu(), &folders.Desktop(), &folders.CommonStartMenu()})
        entries += WalkFolder(WideFromAnsi(root->c_str()) + L"\\");
    return entries;
}

// A Desktop holding a big tree of other files: in interleaved rounds the
// bare walk, the collection phase and the survey by the start button.
void RunTreeFixture(int entries)
{
    std::printf("\n### a Desktop tree of %d files\n\n| Measurement | Result |\n|---|---|\n", entries);
    const SurveyFolders folders;
    Paths paths;
    if (!MakeDesktopTree(folders, entries, paths))
        return Check(false, "the tree's files are written");
    Samples walk, collect, survey;
    size_t seen = 0;
    std::unique_ptr<MainDialogDriver> window;
    for (int round = 0; round < kRounds; ++round) {
        window = std::make_unique<MainDialogDriver>();
        Timed(walk, [&] { seen = BareWalk(folders); });
        SurveyFiles files;
        TimedCollection(window->dialog.m_hWnd, paths.size(), files, collect,
                        "the collection finds every shortcut of the tree");
        Timed(survey, [&] { window->Command(IDC_START_SURVEY); });
        Check(window->Rows().size() == paths.size(), "the survey lists every shortcut of the tree");
    }
    Check(seen >= static_cast<size_t>(entries), "the bare walk sees every file");
    window->ScrollToEnd();
    CheckRowsAskedAfresh(paths, *window);
    Time("W1. Bare walk of the three folders (one basic, large-fetch search per folder)", walk, seen, "entry");
    Time("W2. Phase: collection (CollectSurveyFiles)", collect, seen, "entry");
    Time("W3. Survey to sorted rows and the first paint (start button's handler, posted sort, repaint)", survey, seen,
         "entry");
    Row("RW. Survey (W3) / bare walk (W1); goal <= 1.2x, moonshot 1.0x",
        Goal(Best(survey) / Best(walk), 1.2) + Format("; collection (W2) / W1: %.2fx; %zu entries, %zu shortcuts",
                                                      Best(collect) / Best(walk), seen, paths.size()));
    std::fflush(stdout);
}
} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("VELMORA_BENCH_PREFIX") || !std::getenv("VELMORA_TEST_PREFIX")) {
        std::fputs("Run the benchmark through bench/run-bench.sh (it empties the Start Menu).\n", stderr);
        return 2;
    }
    std::vector<int> counts;
    for (int i = 1; i < argc; ++i)
        if (std::atoi(argv[i]) > 0)
            counts.push_back(std::atoi(argv[i]));
    if (counts.empty())
        counts = {1000, 10000};
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_HOTKEY_CLASS};
    ::InitCommonControlsEx(&controls);
    std::printf("Program: %zu-bit. Times: best of %d rounds [range, ms].\n", sizeof(void*) * 8, kRounds);
    for (int count : counts)
        RunFixture(Format("%d copies of one program shortcut", count), 0.6, MakeCopies, count);
    const int mix = std::min(1000, *std::min_element(counts.begin(), counts.end()));
    RunFixture(Format("a mix of %d shortcuts", mix), 1.5, MakeMix, mix);
    RunFixture(Format("a Windows-style mix of %d shortcuts", mix), 1.5, MakeWindowsMix, mix);
    RunFixture(Format("a Windows-shaped mix of %d shortcuts", mix), 0.6, MakeWindowsShaped, mix);
    RunTreeFixture(std::min(100000, 100 * *std::min_element(counts.begin(), counts.end())));
    if (g_failed)
        std::puts("\nSome checks FAILED (see standard error).");
    return g_failed ? 1 : 0;
}
