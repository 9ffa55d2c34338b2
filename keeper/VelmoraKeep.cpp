// VelmoraKeep.exe: gives back the hotkeys that other programs take from the
// shortcuts of the kept file named on its command line. No window shows and
// no console opens; one keeper runs per user session. It makes a pass at
// start, then waits for changes in the surveyed folders and makes a pass once
// they have been quiet for a while; it ends when `keep off` sets its stop
// event and when the session ends.
#include <windows.h>

#include <cstdlib>
#include <vector>

#include "keep/BackupFile.h"
#include "keep/FolderWatch.h"
#include "keep/KeepPass.h"
#include "keep/KeeperControl.h"
#include "keep/KeptFile.h"

namespace {
// How long changes must have been quiet before a pass, in ms.
constexpr DWORD kQuietTime = 2000;
// Exit statuses: another keeper runs (0), or the kept file was refused.
constexpr int kExitRefused = 2;

// The kept file and its log, with the keeper that makes the passes.
class CKeptList {
public:
    CKeptList(const CString& file, std::vector<BackupRow> kept)
        : m_file(file), m_log(KeepLogPathOf(file)), m_kept(kept), m_keeper(std::move(kept)) {}

    // Makes a pass; writes the kept file when the pass changed the list and
    // logs each action. True when a shortcut could not be read yet.
    bool Pass()
    {
        KeepPassResult result = m_keeper.Pass();
        std::vector<KeepLogLine> lines;
        for (const KeepAction& action : result.actions)
            lines.push_back(LogLineOf(action));
        if (!result.surveyed)
            lines.push_back({CString(), "not surveyed", CString(), CString(), "the survey could not run"});
        if (result.surveyed && !SameBackupRows(result.kept, m_kept)) {
            const WholeWriteResult written = WriteBackupFile(m_file, result.kept, true);
            if (written.outcome == WholeWrite::kWritten)
                m_kept = std::move(result.kept);
            else
                lines.push_back({CString(), "not saved", m_file, CString(), written.problem});
        }
        if (!lines.empty())
            AppendKeepLog(m_log, lines);
        return result.again;
    }

    void Log(const CString& what, const CString& detail) { AppendKeepLog(m_log, {{CString(), what, m_file, CString(), detail}}); }

private:
    CString m_file;
    CString m_log;
    std::vector<BackupRow> m_kept;  // as the kept file holds it
    CKeeper m_keeper;
};

// The hidden window's procedure: the session's end ends the keeper.
LRESULT CALLBACK SessionWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_QUERYENDSESSION)
        return TRUE;
    if (message == WM_ENDSESSION && wParam)
        ::PostQuitMessage(0);
    return ::DefWindowProcA(window, message, wParam, lParam);
}

// A top-level window that never shows, made only to be told that the
// session ends (a message-only window is not).
HWND MakeSessionWindow(HINSTANCE instance)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = &SessionWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "VelmoraKeepSession";
    ::RegisterClassA(&windowClass);
    return ::CreateWindowExA(0, windowClass.lpszClassName, "Velmora keep", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                             instance, nullptr);
}

// Handles the messages waiting; false once the session has ended.
bool HandleMessages()
{
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            return false;
        ::DispatchMessageA(&message);
    }
    return true;
}

// When the next pass is due, if one is.
struct PassDue {
    bool pending = false;
    DWORD tick = 0;  // the tick count it is due at

    // A pass after the quiet time from now.
    void Schedule()
    {
        pending = true;
        tick = ::GetTickCount() + kQuietTime;
    }
    // How long until it is due, 0 when it is; INFINITE when none is pending.
    DWORD Wait() const
    {
        const LONG left = static_cast<LONG>(tick - ::GetTickCount());
        return !pending ? INFINITE : left > 0 ? static_cast<DWORD>(left) : 0;
    }
};

// Waits for changes and makes a pass once they have been quiet (or, with
// `again`, after the quiet time anyway), until the stop event is set or the
// session ends. Nothing runs while nothing changes.
void WatchLoop(HANDLE stop, CFolderWatch& watch, CKeptList& list, bool again)
{
    PassDue due;
    if (again)
        due.Schedule();
    while (HandleMessages()) {
        std::vector<HANDLE> handles = {stop};
        const std::vector<HANDLE> events = watch.Events();
        handles.insert(handles.end(), events.begin(), events.end());
        const DWORD count = static_cast<DWORD>(handles.size());
        const DWORD woke = ::MsgWaitForMultipleObjects(count, handles.data(), FALSE, due.Wait(), QS_ALLINPUT);
        if (woke == WAIT_OBJECT_0)
            return;
        if (woke == WAIT_TIMEOUT) {
            due.pending = false;
            if (list.Pass())
                due.Schedule();
            watch.ArmAll();
        } else if (woke > WAIT_OBJECT_0 && woke < WAIT_OBJECT_0 + count) {
            watch.Take(handles[woke - WAIT_OBJECT_0]);
            due.Schedule();
        } else if (woke == WAIT_FAILED) {
            list.Log("ended", "the wait for changes failed");
            return;
        }
    }
}
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    const CKeeperInstance session;
    if (!session.IsOnly())
        return 0;
    const CString file = __argc == 2 ? FullPathOf(__argv[1]) : CString();
    std::vector<BackupRow> kept;
    CString problem = file.IsEmpty() ? CString("no kept file was named") : CString();
    if (file.IsEmpty() || !ReadBackupFile(file, kept, problem)) {
        AppendKeepLog(KeepLogPathOf(file.IsEmpty() ? DefaultKeptFilePath() : file),
                      {{CString(), "refused", file, CString(), "the keeper did not start: " + problem}});
        return kExitRefused;
    }
    MakeSessionWindow(instance);
    CKeptList list(file, std::move(kept));
    CFolderWatch watch(SurveyedFolders());
    watch.ArmAll();
    WatchLoop(session.StopEvent(), watch, list, list.Pass());
    return 0;
}
