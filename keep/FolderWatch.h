// Watches the surveyed folders for changes with ReadDirectoryChangesW:
// whole trees where Windows acts on a whole tree (the two Start Menus), the
// folder's own entries elsewhere (the Desktops, the pinned shortcuts). A
// folder that does not exist yet is watched through its nearest existing
// parent until it appears.
#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

struct WatchedFolder {
    std::wstring path;  // a full wide path
    bool tree;          // its whole tree, not only its own entries
};

// The folders the survey reads, each with whether its whole tree is watched.
std::vector<WatchedFolder> SurveyedFolders();

class CFolderWatch {
public:
    explicit CFolderWatch(const std::vector<WatchedFolder>& folders);
    ~CFolderWatch();
    CFolderWatch(const CFolderWatch&) = delete;
    CFolderWatch& operator=(const CFolderWatch&) = delete;

    // Arms every watch that is not armed (a folder that cannot be opened
    // stays unwatched until the next call).
    void ArmAll();
    // The events of the armed watches, each signalled when its watch saw
    // changes, lost them (an overflow) or failed.
    std::vector<HANDLE> Events() const;
    // Takes the completed notification of the watch whose event is `event`
    // (changes seen, or lost to an overflow) and arms it again: on the same
    // folder, or anew at the folder itself once it exists, or at its nearest
    // existing parent when the read failed.
    void Take(HANDLE event);

private:
    struct Watch;
    bool Arm(Watch& watch);
    std::vector<std::unique_ptr<Watch>> m_watches;
};
