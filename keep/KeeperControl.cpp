// The keeper's session mutex, stop event, start and Run value.
#include "keep/KeeperControl.h"

#include <string>
#include <vector>

#include "keep/WholeFile.h"

namespace {
const char kMutexName[] = "Local\\VelmoraKeep";
const char kStopName[] = "Local\\VelmoraKeepStop";
const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kRunValue[] = "Velmora keep";
const char kKeeperProgram[] = "VelmoraKeep.exe";
// How long a start waits for the keeper's first pass.
constexpr DWORD kStartWait = 60000;

using CScopedKey = CScopedHandle<HKEY, &::RegCloseKey>;

// VelmoraKeep.exe in this program's folder; empty when that path does not fit.
CString KeeperProgramPath()
{
    char self[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return CString();
    return FolderOf(CString(self)) + "\\" + kKeeperProgram;
}

// The Run value's text: the quoted program path, then the quoted kept file.
CString RunCommandOf(const CString& program, const CString& keptFile)
{
    return "\"" + program + "\" \"" + keptFile + "\"";
}

// The Run key, opened for `access`.
CScopedKey OpenRunKey(REGSAM access)
{
    HKEY key = nullptr;
    return CScopedKey(::RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, access, &key) == ERROR_SUCCESS ? key : nullptr);
}
}

CKeeperInstance::CKeeperInstance()
    : m_mutex(::CreateMutexA(nullptr, TRUE, kMutexName))
{
    m_only = m_mutex.IsOpen() && ::GetLastError() != ERROR_ALREADY_EXISTS;
    if (!m_only)
        return;
    m_stop.Reset(::CreateEventA(nullptr, FALSE, FALSE, kStopName));
    m_only = m_stop.IsOpen() && ::ResetEvent(m_stop.Get());
}

bool KeeperRuns()
{
    return CScopedKernelHandle(::OpenMutexA(SYNCHRONIZE, FALSE, kMutexName)).IsOpen();
}

KeeperStart StartKeeper(const CString& keptFile, DWORD& status)
{
    const CString program = KeeperProgramPath();
    const std::string text = RunCommandOf(program, keptFile).str();
    std::vector<char> command(text.c_str(), text.c_str() + text.size() + 1);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (program.IsEmpty() || !::CreateProcessA(program.GetString(), command.data(), nullptr, nullptr, FALSE,
                                               DETACHED_PROCESS, nullptr, nullptr, &startup, &process))
        return KeeperStart::kNoProgram;
    const CScopedKernelHandle processHandle(process.hProcess);
    const CScopedKernelHandle threadHandle(process.hThread);
    ::WaitForInputIdle(process.hProcess, kStartWait);
    if (::GetExitCodeProcess(process.hProcess, &status) && status == STILL_ACTIVE)
        return KeeperStart::kStarted;
    return KeeperStart::kEnded;
}

bool StopKeeper(DWORD timeout)
{
    const CScopedKernelHandle mutex(::OpenMutexA(SYNCHRONIZE, FALSE, kMutexName));
    if (!mutex.IsOpen())
        return true;
    const CScopedKernelHandle stop(::OpenEventA(EVENT_MODIFY_STATE, FALSE, kStopName));
    if (stop.IsOpen())
        ::SetEvent(stop.Get());
    const DWORD ended = ::WaitForSingleObject(mutex.Get(), timeout);
    if (ended != WAIT_OBJECT_0 && ended != WAIT_ABANDONED)
        return false;
    ::ReleaseMutex(mutex.Get());
    return true;
}

bool SetKeepRunValue(const CString& keptFile)
{
    HKEY created = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &created, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const CScopedKey key(created);
    const CString command = RunCommandOf(KeeperProgramPath(), keptFile);
    return ::RegSetValueExA(key.Get(), kRunValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.GetString()),
                            static_cast<DWORD>(command.GetLength() + 1)) == ERROR_SUCCESS;
}

bool RemoveKeepRunValue()
{
    const CScopedKey key = OpenRunKey(KEY_SET_VALUE);
    if (!key.IsOpen())
        return true;
    const LONG removed = ::RegDeleteValueA(key.Get(), kRunValue);
    return removed == ERROR_SUCCESS || removed == ERROR_FILE_NOT_FOUND;
}

std::optional<CString> KeptFileOfRunValue()
{
    const CScopedKey key = OpenRunKey(KEY_QUERY_VALUE);
    char text[2 * MAX_PATH + 8] = {};
    DWORD size = sizeof(text) - 1;
    DWORD type = 0;
    if (!key.IsOpen() ||
        ::RegQueryValueExA(key.Get(), kRunValue, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) != ERROR_SUCCESS)
        return std::nullopt;
    // "program" "file": the file lies between the third and the fourth quote.
    const std::string value = CString::OfBuffer(text, sizeof(text)).str();
    std::vector<std::size_t> quotes;
    for (std::size_t quote = value.find('"'); quote != std::string::npos; quote = value.find('"', quote + 1))
        quotes.push_back(quote);
    if (quotes.size() < 4)
        return CString();
    return CString(value.substr(quotes[2] + 1, quotes[3] - quotes[2] - 1));
}
