// Overlapped ReadDirectoryChangesW on each surveyed folder.
#include "keep/FolderWatch.h"

#include "framework/PathForms.h"
#include "framework/ScopedHandles.h"
#include "rules/SurveyPlace.h"
#include "survey/SurveyRun.h"

namespace {
// What a watch reports: files and folders made, removed or renamed, and
// files written.
constexpr DWORD kChanges = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME |
                           FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE;
constexpr DWORD kBufferBytes = 64 * 1024;

using CScopedKernelObject = CScopedHandle<HANDLE, &::CloseHandle>;

// `path` or its nearest existing parent; empty when none exists.
std::wstring NearestExisting(std::wstring path)
{
    while (!path.empty() && !IsExistingFolder(path)) {
        const std::size_t slash = path.find_last_of(L'\\');
        path.resize(slash == std::wstring::npos ? 0 : slash);
    }
    return path;
}
}

struct CFolderWatch::Watch {
    WatchedFolder folder;
    std::wstring watched;  // the folder itself, or its nearest existing parent
    CScopedKernelObject event{::CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    CScopedFile directory;
    OVERLAPPED overlapped = {};
    bool armed = false;
    std::unique_ptr<DWORD[]> buffer{new DWORD[kBufferBytes / sizeof(DWORD)]};

    // Ends a pending read and closes the folder.
    void Close()
    {
        if (armed) {
            ::CancelIo(directory.Get());
            DWORD bytes = 0;
            ::GetOverlappedResult(directory.Get(), &overlapped, &bytes, TRUE);
        }
        armed = false;
        directory.Reset();
    }
    // Starts the next read on the open folder.
    bool Read()
    {
        overlapped = {};
        overlapped.hEvent = event.Get();
        ::ResetEvent(event.Get());
        armed = ::ReadDirectoryChangesW(directory.Get(), buffer.get(), kBufferBytes, watched == folder.path && folder.tree,
                                        kChanges, nullptr, &overlapped, nullptr) != FALSE;
        return armed;
    }
};

std::vector<WatchedFolder> SurveyedFolders()
{
    std::vector<WatchedFolder> folders;
    for (const auto& [root, path] : SurveyRootPaths(nullptr))
        if (!path.empty())
            folders.push_back({path, WindowsActsOn({root, false})});
    return folders;
}

CFolderWatch::CFolderWatch(const std::vector<WatchedFolder>& folders)
{
    for (const WatchedFolder& folder : folders) {
        m_watches.push_back(std::make_unique<Watch>());
        m_watches.back()->folder = folder;
    }
}

CFolderWatch::~CFolderWatch()
{
    for (const auto& watch : m_watches)
        watch->Close();
}

bool CFolderWatch::Arm(Watch& watch)
{
    watch.Close();
    watch.watched = NearestExisting(watch.folder.path);
    if (watch.watched.empty() || !watch.event.IsOpen())
        return false;
    watch.directory.Reset(::CreateFileW(LongPathForm(watch.watched).c_str(), FILE_LIST_DIRECTORY,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                        FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr));
    return watch.directory.IsOpen() && watch.Read();
}

void CFolderWatch::ArmAll()
{
    for (const auto& watch : m_watches)
        if (!watch->armed)
            Arm(*watch);
}

std::vector<HANDLE> CFolderWatch::Events() const
{
    std::vector<HANDLE> events;
    for (const auto& watch : m_watches)
        if (watch->armed)
            events.push_back(watch->event.Get());
    return events;
}

void CFolderWatch::Take(HANDLE event)
{
    for (const auto& watch : m_watches) {
        if (!watch->armed || watch->event.Get() != event)
            continue;
        DWORD bytes = 0;
        const bool complete = ::GetOverlappedResult(watch->directory.Get(), &watch->overlapped, &bytes, FALSE) != FALSE;
        watch->armed = false;
        if (!complete || watch->watched != watch->folder.path || !watch->Read())
            Arm(*watch);
        return;
    }
}
