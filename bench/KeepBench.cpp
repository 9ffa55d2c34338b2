// The keeper's benchmark, run through bench/keep-timing.sh: how long a
// replaced shortcut waits for its hotkey, how long a burst of replaced
// shortcuts takes against one survey and the writes, and the keeper's CPU
// time while nothing changes. Figures are printed, never judged.
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cmd/Commands.h"
#include "shell/LinkHotKey.h"
#include "support/Shortcuts.h"
#include "support/TestFolders.h"

namespace {
double Now()
{
    LARGE_INTEGER count, frequency;
    ::QueryPerformanceCounter(&count);
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

int Command(std::initializer_list<const char*> arguments)
{
    std::vector<const char*> argv = {"VelmoraCmd"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    CommandOutput output;
    const int status = RunCommandLine(static_cast<int>(argv.size()), argv.data(), output);
    if (status != 0)
        std::fprintf(stderr, "%s%s", output.out.GetString(), output.err.GetString());
    return status;
}

// `count` hotkey words that are different combinations: every modifier set
// with the key bytes 0x30 to 0xFE but the Windows and modifier keys.
std::vector<WORD> HotKeys(size_t count)
{
    std::vector<WORD> keys;
    for (WORD flags = 0x100; flags <= 0x700 && keys.size() < count; flags += 0x100)
        for (WORD key = 0x30; key <= 0xFE && keys.size() < count; ++key)
            if (key != 0x5B && key != 0x5C && (key < 0xA0 || key > 0xA5))
                keys.push_back(static_cast<WORD>(flags | key));
    return keys;
}

// Writes `path` anew from `bytes` as an update's installer re-creates a
// shortcut to a newer program: the hotkey word zeroed, the target's write
// time in the header one tick later.
bool Replace(const std::string& path, std::string bytes)
{
    bytes[0x40] = bytes[0x41] = 0;
    ++bytes[0x2C];
    return ::DeleteFileA(path.c_str()) && WriteFileBytes(path, bytes);
}

// ms until every one of `paths` has its hotkey of `keys` again (at most 120 s).
double UntilBack(const std::vector<std::string>& paths, const std::vector<WORD>& keys, double start)
{
    for (size_t i = 0; i < paths.size();) {
        if (StoredHotKey(paths[i]) == keys[i])
            ++i;
        else if (Now() - start > 120000)
            return -1;
        else
            ::Sleep(10);
    }
    return Now() - start;
}

// ms from replacing `path` (with `bytes`, its own) until its hotkey `key` is back.
double TimeOne(const std::string& path, const std::string& bytes, WORD key)
{
    const double start = Now();
    Replace(path, bytes);
    return UntilBack({path}, {key}, start);
}

// The running keeper's process id, 0 when none.
DWORD KeeperProcess()
{
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof(entry);
    DWORD found = 0;
    for (BOOL more = ::Process32First(snapshot, &entry); more && !found; more = ::Process32Next(snapshot, &entry))
        if (_stricmp(entry.szExeFile, "VelmoraKeep.exe") == 0)
            found = entry.th32ProcessID;
    ::CloseHandle(snapshot);
    return found;
}

// The CPU time (kernel and user) of process `process` so far, in ms.
double CpuTime(HANDLE process)
{
    FILETIME created, ended, kernel, user;
    ::GetProcessTimes(process, &created, &ended, &kernel, &user);
    const auto ms = [](const FILETIME& time) {
        return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 10000.0;
    };
    return ms(kernel) + ms(user);
}

void Shortcuts(const SurveyFolders& folders, size_t count, std::vector<std::string>& paths, std::vector<WORD>& keys)
{
    keys = HotKeys(count);
    MakeFolders(folders.StartMenu() + "\\Bench");
    for (size_t i = 0; i < keys.size(); ++i) {
        ShortcutSpec spec;
        spec.target = folders.Target();
        spec.hotKey = keys[i];
        paths.push_back(folders.StartMenu() + "\\Bench\\Tool " + std::to_string(i) + ".lnk");
        MakeShortcut(paths.back(), spec);
    }
}
}

int main(int argc, char** argv)
{
    const size_t count = argc > 1 ? static_cast<size_t>(std::atoi(argv[1])) : 1000;
    const char* kept = "C:\\velmora-keep-bench.csv";
    SurveyFolders folders;
    std::vector<std::string> paths;
    std::vector<WORD> keys;
    Shortcuts(folders, 1, paths, keys);
    if (Command({"keep", "on", kept}) != 0)
        return 1;
    ::Sleep(3000);
    std::printf("one replaced shortcut, alone: hotkey back after %.0f ms (the quiet time is 2000 ms)\n",
                TimeOne(paths[0], ReadFileBytes(paths[0]), keys[0]));
    Command({"keep", "off"});

    paths.clear();
    Shortcuts(folders, count, paths, keys);
    std::vector<std::string> bytes;
    for (const std::string& path : paths)
        bytes.push_back(ReadFileBytes(path));
    double start = Now();
    std::vector<SurveyedRow> rows;
    CommandOutput quiet;
    SurveyInListOrder(1, RowTargets::kRead, rows, quiet);
    const double survey = Now() - start;
    start = Now();
    for (size_t i = 0; i < paths.size(); ++i)
        SetLinkHotKey(paths[i].c_str(), keys[i], nullptr);
    const double writes = Now() - start;
    std::printf("%zu shortcuts: one survey %.0f ms, %zu writes %.0f ms\n", paths.size(), survey, paths.size(), writes);

    if (Command({"keep", "on", kept}) != 0)
        return 1;
    ::Sleep(3000);
    std::printf("one replaced shortcut among %zu: hotkey back after %.0f ms\n", paths.size(),
                TimeOne(paths[0], bytes[0], keys[0]));
    ::Sleep(3000);
    start = Now();
    for (size_t i = 0; i < paths.size(); ++i)
        Replace(paths[i], bytes[i]);
    const double burst = Now() - start;
    const double back = UntilBack(paths, keys, start);
    std::printf("%zu replaced shortcuts (written in %.0f ms): all back after %.0f ms from the first; "
                "%.0f ms after the quiet time = %.2fx (one survey + the writes)\n",
                paths.size(), burst, back, back - burst - 2000, (back - burst - 2000) / (survey + writes));

    ::Sleep(3000);
    const HANDLE keeper = ::OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, KeeperProcess());
    const double before = CpuTime(keeper);
    ::Sleep(60000);
    const double after = CpuTime(keeper);
    std::printf("idle: the keeper used %.1f ms of CPU time in 60 s with nothing changing (%.0f ms in all)\n",
                after - before, after);
    ::CloseHandle(keeper);
    Command({"keep", "off"});
    ::DeleteFileA(kept);
    return 0;
}
