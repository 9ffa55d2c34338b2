// The survey's benchmark. For each fixture (N copies of one program shortcut;
// a mix of the kinds of shortcut a Start Menu holds) it times in interleaved
// rounds, on the real main window: the raw read of every hotkey word (the
// floor), the bare shell link sequence (the least the survey must do), the
// file collection, the survey's loop without its icon step, the survey
// through the start button to sorted rows (with the USER and GDI objects
// before and after), and the icon step of every row apart; then once each
// where the time goes, and the sorts and copies of the listed rows.
// It prints one Markdown table on standard output and its progress on
// standard error. Run it through bench/run-bench.sh, which gives it a scratch
// Wine prefix: it empties the three surveyed folders of the prefix it runs in.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "BenchFixture.h"
#include "BenchLoops.h"
#include "BenchReport.h"
#include "BenchWindow.h"
#include "hotkey/HotKeyText.h"
#include "resultlist/RowOrder.h"

namespace {
// Goals printed beside the figures.
constexpr double kSurveyGoal = 1.5;
constexpr double kSurveyMoonshot = 1.0;
constexpr double kWithoutIconsGoal = 0.8;
constexpr double kIconStepGoal = 1.0;
constexpr double kSortGoalMs = 200.0;
constexpr double kCopyGoalMs = 100.0;
constexpr int kSortGoalRows = 10000;
// Rounds of the compared measurements (and of the sorts and copies).
constexpr int kRounds = 3;
// The mix has at most this many files.
constexpr int kMixFiles = 1000;

// One fixture's run: its files, the surveyed folders and the main window.
struct Run {
    const Fixture& fixture;
    const SurveyFolders& folders;
    MainDialogFixture& window;
    Checks& check;
    int Files() const { return static_cast<int>(fixture.paths.size()); }
    HWND Owner() const { return window.dialog.m_hWnd; }
};

// What one round measures.
struct Round {
    double raw = 0, bare = 0, collect = 0, withoutIcons = 0, clearing = -1, handler = 0, posted = 0;
    int rows = 0;
    HeldIcons icons;
    GuiObjects before, after;
    double workingSet = 0;
    IconTimes iconTimes;
};

// `loop` timed; checked to have found every file's hotkey.
double TimedHotKeyLoop(const Run& run, const std::function<int()>& loop, const char* what)
{
    const double start = NowMs();
    const int withHotKey = loop();
    const double ms = NowMs() - start;
    run.check(withHotKey == run.Files(), what);
    return ms;
}

// The survey without icons over files collected once, timed apart; its rows
// are emptied afterwards.
double TimedWithoutIcons(const Run& run, const CStringArray& files)
{
    const double start = NowMs();
    const int rows = SurveyWithoutIcons(run.window, files);
    const double ms = NowMs() - start;
    run.check(rows == run.Files(), "the survey loop without icons lists every file");
    PumpMessages();
    TimedClearRows(run.window);
    return ms;
}

// The start button pressed, then the queue pumped until the posted sort has
// run.
void SurveyByButton(const Run& run, Round& round)
{
    round.before = CurrentGuiObjects();
    round.handler = TimedCommand(run.window, IDC_START_SURVEY);
    round.posted = TimedPump();
    round.after = CurrentGuiObjects();
    round.rows = CSurveyDlgProbe::List(run.window.dialog).GetItemCount();
    round.icons = RowIconsHeld(run.window);
    round.workingSet = WorkingSetMb();
    run.check(round.rows == run.Files(), "survey lists every file");
    run.check(IsSorted(run.window, kSortByKey), "survey ends sorted by key name");
}

// One round. Every survey starts from an empty list, as the first survey of
// a run does; emptying the previous round's rows is timed apart. One
// collection, timed, serves the survey without icons; the start button's
// handler collects the same files again, and this time is taken off its own.
Round MeasureRound(const Run& run)
{
    Round round;
    if (CSurveyDlgProbe::List(run.window.dialog).GetItemCount() > 0)
        round.clearing = TimedClearRows(run.window);
    const Paths& paths = run.fixture.paths;
    round.raw = TimedHotKeyLoop(run, [&] { return RawReadLoop(paths); }, "raw read finds every hotkey");
    round.bare = TimedHotKeyLoop(run, [&] { return BareLinkLoop(paths, run.Owner(), nullptr); },
                                 "bare shell link loop reads every hotkey");
    CStringArray files;
    round.collect = TimedCollect(run.folders, files);
    run.check(files.GetSize() == run.Files(), "file collection finds every file");
    round.withoutIcons = TimedWithoutIcons(run, files);
    SurveyByButton(run, round);
    round.iconTimes = IconLoop(run.fixture.paths, run.Owner(), IconSource::kSurveyCache);
    return round;
}

// The rounds' figures side by side.
struct Figures {
    Samples raw, bare, collect, total, openRows, posted, withoutIcons, clearing, iconLocation, iconExtract;
    Round last;
};

void AddRound(Figures& figures, const Round& round)
{
    figures.raw.Add(round.raw);
    figures.bare.Add(round.bare);
    figures.collect.Add(round.collect);
    figures.total.Add(round.handler + round.posted);
    figures.openRows.Add(round.handler - round.collect);
    figures.posted.Add(round.posted);
    figures.withoutIcons.Add(round.withoutIcons);
    if (round.clearing >= 0)
        figures.clearing.Add(round.clearing);
    figures.iconLocation.Add(round.iconTimes.location);
    figures.iconExtract.Add(round.iconTimes.extract);
    figures.last = round;
    Progress("  round: raw read %.0f ms, bare loop %.0f ms, survey %.0f ms (collection %.0f, posted sort %.0f), "
             "%d rows; icons apart %.0f ms; without icons %.0f ms\n",
             round.raw, round.bare, round.handler + round.posted, round.collect, round.posted, round.rows,
             round.iconTimes.location + round.iconTimes.extract, round.withoutIcons);
}

std::string ObjectsText(const Round& round)
{
    const std::string text = Format("USER %lu / GDI %lu -> USER %lu / GDI %lu", round.before.user, round.before.gdi,
                                    round.after.user, round.after.gdi);
    return round.after.user == 0 && round.after.gdi == 0 ? text + " (not counted by this platform)" : text;
}

void ReportRounds(const Figures& f, int files, Table& table, size_t column)
{
    const Round& last = f.last;
    table.Time(column, "1. Raw read of the hotkey word (StoredHotKey: file read whole, word at 0x40)", f.raw, files);
    table.Time(column, "2. Bare shell link loop (CoCreateInstance, QI, Load, Resolve, GetHotkey, Release x2)", f.bare,
               files);
    table.Time(column, "3. Survey to sorted rows, icons included (start button: handler + posted sort)", f.total,
               files);
    table.Time(column, "3a. - file collection alone (CollectFiles, 3 folders, LNK+PIF)", f.collect, files);
    table.Time(column, "3b. - open + rows (handler minus collection)", f.openRows, files);
    table.Time(column, "3c. - posted sort by key + repaint (pump after the handler)", f.posted, last.rows, "row");
    table.Set(column, "3d. Rows listed / files (row icons held, distinct handles)",
              Format("%d / %d %s (%d, %d distinct)", last.rows, files, last.rows == files ? "ok" : "WRONG",
                     last.icons.handles, last.icons.distinct));
    table.Time(column, "3e. Icon of a listed row: GetIconLocation (apart)", f.iconLocation, last.rows, "row");
    table.Time(column, "3f. Icon of a listed row: ExtractIconA once per icon location, one shared handle (apart)",
               f.iconExtract, last.rows, "row");
    table.Time(column, "3k. Survey without icons: the survey's loop with the icon step left out (apart)",
               f.withoutIcons, files);
    if (!f.clearing.Empty())
        table.Time(column, "3j. Emptying the previous survey's rows and icons (apart)", f.clearing, last.rows, "row");
    table.Set(column, "5a. Working set after the survey", Format("%.1f MB", last.workingSet));
    table.Set(column, "5b. Process USER / GDI objects: before the survey -> after it (GetGuiResources)",
              ObjectsText(last));
}

void ReportRatios(const Figures& f, Table& table, size_t column)
{
    const double bare = f.bare.Min();
    const double survey = f.total.Min() / bare;
    table.Ratio(column, "R1. Survey open+rows (with icons) / bare shell link loop", f.openRows.Min() / bare);
    table.Ratio(column, "R2. Survey open+rows / raw read", f.openRows.Min() / f.raw.Min());
    table.Ratio(column, "R3. Bare shell link loop / raw read", bare / f.raw.Min());
    table.Ratio(column, "R4. Survey to sorted rows, icons included (3) / bare shell link loop (2)", survey,
                {Format("<= %.1fx (moonshot %.1fx)", kSurveyGoal, kSurveyMoonshot), Verdict(survey <= kSurveyGoal)});
    const double iconStep = (f.iconLocation.Min() + f.iconExtract.Min()) / bare;
    table.Ratio(column, "R5. Icon step of the listed rows (3e + 3f) / bare shell link loop", iconStep,
                {Format("<= %.1fx", kIconStepGoal), Verdict(iconStep <= kIconStepGoal)});
    const double withoutIcons = f.withoutIcons.Min() / bare;
    table.Ratio(column, "R6. Survey without icons (3k) / bare shell link loop", withoutIcons,
                {Format("<= %.1fx", kWithoutIconsGoal), Verdict(withoutIcons <= kWithoutIconsGoal)});
    table.Ratio(column, "R7. Survey without icons (3k) / raw read", f.withoutIcons.Min() / f.raw.Min());
}

// The sorts and the copies of the listed rows; each sort starts from the
// other one's order, each copy is checked for a line per row.
void ReportSortsAndCopies(const Run& run, Table& table, size_t column)
{
    MainDialogFixture& window = run.window;
    const int rows = CSurveyDlgProbe::List(window.dialog).GetItemCount();
    Samples byName, byKey, paint, copyText, copyCsv;
    for (int round = 0; round < kRounds; ++round) {
        byName.Add(TimedCommand(window, ID_SORT_BY_NAME));
        paint.Add(TimedPump());
        run.check(IsSorted(window, kSortByName), "sort by name orders the rows");
        byKey.Add(TimedCommand(window, ID_SORT_BY_KEY));
        paint.Add(TimedPump());
        run.check(IsSorted(window, kSortByKey), "sort by key orders the rows");
        copyText.Add(TimedCommand(window, ID_EDIT_COPY_TEXT));
        run.check(ClipboardLineCount(run.Owner()) == rows, "the aligned copy holds every row");
        copyCsv.Add(TimedCommand(window, ID_EDIT_COPY_CSV));
        run.check(ClipboardLineCount(run.Owner()) == rows, "the CSV copy holds every row");
    }
    auto goal = [rows](const Samples& ms, double goalMs) -> Goal {
        return {Format("< %.0f ms at %d rows", goalMs, kSortGoalRows),
                rows < kSortGoalRows ? "" : Verdict(ms.Min() < goalMs)};
    };
    table.Time(column, "4a. Sort the rows by key (ID_SORT_BY_KEY handler)", byKey, rows, "row",
               goal(byKey, kSortGoalMs));
    table.Time(column, "4b. Sort the rows by name (ID_SORT_BY_NAME handler)", byName, rows, "row",
               goal(byName, kSortGoalMs));
    table.Time(column, "4c. Repaint after a sort", paint, rows, "row");
    table.Time(column, "4e. Copy the rows as aligned text (ID_EDIT_COPY_TEXT handler)", copyText, rows, "row",
               goal(copyText, kCopyGoalMs));
    table.Time(column, "4f. Copy the rows as CSV (ID_EDIT_COPY_CSV handler)", copyCsv, rows, "row",
               goal(copyCsv, kCopyGoalMs));
}

// Where the time of the bare loop goes, and the structural check alone.
void ReportSteps(const Run& run, Table& table, size_t column)
{
    const int files = run.Files();
    StepTimes steps;
    BareLinkLoop(run.fixture.paths, run.Owner(), &steps);
    table.Time(column, "2a. - CoCreateInstance + QueryInterface (steps timed apart)", steps.create, files);
    table.Time(column, "2b. - IPersistFile::Load", steps.load, files);
    table.Time(column, "2c. - IShellLinkA::Resolve (SLR_NO_UI)", steps.resolve, files);
    table.Time(column, "2d. - GetHotkey + Release x2", steps.hotKeyAndRelease, files);
    double start = NowMs();
    run.check(ClassObjectLoop(run.fixture.paths, run.Owner()) == files, "class object loop reads every hotkey");
    table.Time(column, "2e. Loop 2 with one class object kept (as the survey makes its link objects)",
               NowMs() - start, files);
    start = NowMs();
    run.check(StructuralCheckLoop(run.fixture.paths) == files, "every file passes the structural check");
    table.Time(column, "2f. Structural check of the file before Load (IsSoundLinkFile; part of 3k)", NowMs() - start,
               files);
}

// Where the icon step's time goes.
void ReportIconDetail(const Run& run, int found, Table& table, size_t column)
{
    const int rows = run.Files();
    const IconTimes uncached = IconLoop(run.fixture.paths, run.Owner(), IconSource::kExtractEachRow);
    table.Time(column, "3f2. - the same with ExtractIconA for every row, no cache (for comparison)", uncached.extract,
               rows, "row");
    run.check(uncached.found == found, "the cache gives the rows the icons ExtractIconA gives");
    const ReopenTimes reopen = LinkReopenLoop(run.fixture.paths, run.Owner());
    table.Time(column, "3g. - within 3e: the link opened again (CShellLinkFile::Open)", reopen.open, rows, "row");
    table.Time(column, "3g2. - within 3e: IShellLinkA::GetPath (SLGP_UNCPRIORITY, no find data)", reopen.path, rows,
               "row");
    table.Time(column, "3g3. - within 3e: IShellLinkA::GetIconLocation", reopen.icon, rows, "row");
    table.Set(column, "3h. Icons found / listed rows", Format("%d / %d", found, rows));
}

// The list rows alone, as the survey adds them, without opening any file.
void ReportListRows(const Run& run, Table& table, size_t column)
{
    TimedClearRows(run.window);
    const double start = NowMs();
    CSurveyDlgProbe::List(run.window.dialog).SendMessage(WM_SETREDRAW, FALSE);
    for (size_t i = 0; i < run.fixture.paths.size(); ++i)
        run.window.AddRow(run.fixture.paths[i], FormatHotKey(HotKeyOf(static_cast<int>(i))).str());
    CSurveyDlgProbe::List(run.window.dialog).SendMessage(WM_SETREDRAW, TRUE);
    table.Time(column, "3i. List rows alone (InsertItem, SetItemData, SetItemText; apart)", NowMs() - start,
               run.Files(), "row");
    PumpMessages();
}

// Everything for one fixture; fills column `column` of the table. The
// figures that are compared with one another are taken in interleaved
// rounds, so that a slower spell of the machine weighs on all of them.
bool RunFixture(const Fixture& fixture, const SurveyFolders& folders, Table& table, size_t column)
{
    Checks check;
    MainDialogFixture window;
    if (window.dialog.m_hWnd == nullptr) {
        Progress("could not create the main window\n");
        return false;
    }
    const Run run{fixture, folders, window, check};
    RawReadLoop(fixture.paths);  // warms the file cache and the directory listings
    Figures figures;
    for (int round = 0; round < kRounds; ++round)
        AddRound(figures, MeasureRound(run));
    check(RowsUnlikeFreshAnswers(window, fixture.paths) == 0,
          "the survey's rows and icon locations are each file's answers asked afresh");
    ReportRounds(figures, run.Files(), table, column);
    ReportRatios(figures, table, column);
    ReportSortsAndCopies(run, table, column);
    ReportSteps(run, table, column);
    ReportIconDetail(run, figures.last.iconTimes.found, table, column);
    ReportListRows(run, table, column);
    return check.Passed();
}

// Writes a fixture by `make` in emptied surveyed folders and runs it.
bool RunColumn(const std::string& title, int count, size_t column, Table& table,
               const std::function<bool(const SurveyFolders&, Fixture&)>& make)
{
    Progress("== %s\n", title.c_str());
    const SurveyFolders folders;
    Fixture fixture;
    const double start = NowMs();
    if (!make(folders, fixture)) {
        Progress("could not write the shortcut files\n");
        return false;
    }
    table.Time(column, "0. Fixture: write the N shortcut files (setup, not a goal)", NowMs() - start, count);
    return RunFixture(fixture, folders, table, column);
}

bool RunCopies(int count, size_t column, Table& table)
{
    return RunColumn(Format("%d copies of one program shortcut", count), count, column, table,
                     [count](const SurveyFolders& folders, Fixture& fixture) {
                         return MakeCopies(folders, count, fixture);
                     });
}

bool RunMix(int count, size_t column, Table& table)
{
    const ScratchFolder scratch;
    return RunColumn(Format("a mix of %d shortcuts", count), count, column, table,
                     [count, &scratch](const SurveyFolders& folders, Fixture& fixture) {
                         return MakeMix(folders, scratch, count, fixture);
                     });
}

// Refuses to run outside the scratch prefix that bench/run-bench.sh makes:
// the run empties the surveyed folders.
bool InScratchPrefix()
{
    char flag[8] = {};
    return ::GetEnvironmentVariableA("VELMORA_BENCH_PREFIX", flag, sizeof(flag)) != 0 &&
           ::GetEnvironmentVariableA("VELMORA_TEST_PREFIX", flag, sizeof(flag)) != 0;
}

std::vector<int> CopyCounts(int argc, char** argv)
{
    std::vector<int> counts;
    for (int i = 1; i < argc; ++i)
        if (std::atoi(argv[i]) > 0)
            counts.push_back(std::atoi(argv[i]));
    if (counts.empty())
        counts = {1000, 10000};
    return counts;
}
} // namespace

int main(int argc, char** argv)
{
    if (!InScratchPrefix()) {
        std::fputs("Run the benchmark through bench/run-bench.sh (it empties the Start Menu of its prefix).\n", stderr);
        return 2;
    }
    const std::vector<int> counts = CopyCounts(argc, argv);
    const int mixCount = std::min(kMixFiles, *std::min_element(counts.begin(), counts.end()));
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_HOTKEY_CLASS};
    ::InitCommonControlsEx(&controls);

    std::vector<std::string> columns;
    for (int count : counts)
        columns.push_back(Format("copies, N = %d", count));
    columns.push_back(Format("mix, N = %d", mixCount));
    Table table(columns);
    bool ok = true;
    const double start = NowMs();
    for (size_t i = 0; i < counts.size(); ++i)
        ok = RunCopies(counts[i], i, table) && ok;
    ok = RunMix(mixCount, counts.size(), table) && ok;
    table.Set(0, "5. Peak working set of the whole run", Format("%.1f MB", PeakWorkingSetMb()));
    table.Set(0, "6. Whole benchmark run", Format("%.1f s", (NowMs() - start) / 1000.0));

    std::printf("Program: %d-bit\n\n", static_cast<int>(sizeof(void*) * 8));
    table.Print();
    std::printf("\nTimes: the best of %d rounds where their range [min..max ms] follows, else one pass; "
                "us/file or us/row is that time divided by the files or rows handled. Ratios are of best times.\n",
                kRounds);
    if (!ok)
        std::puts("\nSome checks FAILED (see standard error).");
    return ok ? 0 : 1;
}
