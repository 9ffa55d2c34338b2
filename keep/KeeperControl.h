// The keeper's control: one keeper per user session (a named mutex in the
// session's Local\ namespace, held while it runs), the named event that
// stops it, its start from beside the command program, and the Run value
// that starts it at logon.
#pragma once

#include <windows.h>

#include <optional>

#include "framework/AfxString.h"
#include "framework/ScopedHandles.h"

using CScopedKernelHandle = CScopedHandle<HANDLE, &::CloseHandle>;

// The running keeper's hold on the session: the mutex, taken if no other
// keeper holds it, and the stop event, reset while the mutex is held.
class CKeeperInstance {
public:
    CKeeperInstance();
    // True when this is the session's only keeper.
    bool IsOnly() const { return m_only; }
    // Signalled when the keeper is to end.
    HANDLE StopEvent() const { return m_stop.Get(); }

private:
    CScopedKernelHandle m_mutex;
    CScopedKernelHandle m_stop;
    bool m_only = false;
};

// True when a keeper runs in this session.
bool KeeperRuns();

enum class KeeperStart {
    kStarted,    // the keeper runs
    kNoProgram,  // VelmoraKeep.exe is not beside this program, or could not be started
    kEnded,      // it ended at once: `status` holds its exit status
};

// Starts VelmoraKeep.exe from this program's folder with the kept file
// `keptFile` and waits (up to a minute, WaitForInputIdle) until it first
// waits for input, or has ended. Under Wine that can come while its first
// pass still runs.
KeeperStart StartKeeper(const CString& keptFile, DWORD& status);

// Tells the keeper to end and waits up to `timeout` ms until it has; true
// when no keeper runs afterwards.
bool StopKeeper(DWORD timeout);

// Sets the Run value that starts the keeper at logon with `keptFile`.
bool SetKeepRunValue(const CString& keptFile);
// Removes the Run value; true when it is gone (or was not there).
bool RemoveKeepRunValue();
// The kept file the Run value names; none when there is no Run value.
std::optional<CString> KeptFileOfRunValue();
