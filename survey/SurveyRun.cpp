#include "survey/SurveyRun.h"

#include <shlobj.h>

#include <set>
#include <utility>
#include <vector>

#include "framework/Com.h"
#include "hotkey/HotKeyText.h"
#include "shell/ShellItemId.h"
#include "shellicon/SurveyIconResolver.h"
#include "survey/FileSearch.h"

namespace {
constexpr int kFolderCount = 3;

// The file-system path of a special folder, or the empty text.
CString SpecialFolderPath(HWND owner, int folder)
{
    CShellItemId items;
    if (FAILED(::SHGetSpecialFolderLocation(owner, folder, items.Receive())))
        return CString();
    char path[MAX_PATH] = {};
    ::SHGetPathFromIDListA(items.Get(), path);
    return CString(path);
}

// The Start Menu's, the Desktop's and the common Start Menu's paths, in this
// order (empty for one without a path); false without the shell's allocator.
bool GetSurveyFolders(HWND owner, CString (&folders)[kFolderCount])
{
    CComPtr<IMalloc> allocator;
    if (FAILED(::SHGetMalloc(allocator.Receive())))
        return false;
    const int ids[kFolderCount] = {CSIDL_STARTMENU, CSIDL_DESKTOP, CSIDL_COMMON_STARTMENU};
    for (int i = 0; i < kFolderCount; ++i)
        folders[i] = SpecialFolderPath(owner, ids[i]);
    return true;
}

// Each folder's LNK files, then its PIF files, folder by folder.
void CollectShortcutFiles(const CString (&folders)[kFolderCount], CStringArray& files)
{
    for (const CString& folder : folders) {
        if (folder.IsEmpty())
            continue;
        CollectFiles(folder.GetString(), "LNK", files);
        CollectFiles(folder.GetString(), "PIF", files);
    }
}

// A listed shortcut: its path, its opened link, its hotkey and its icon.
struct ListedLink {
    CString path;
    CShellLinkFile link;
    WORD hotKey = 0;
    HICON icon = nullptr;
};

// The icon the shell shows for `path`, opened as `link`: the survey's one
// handle for that icon location; null for none.
HICON RowIcon(const CString& path, CShellLinkFile& link, CSurveyIconResolver& resolver)
{
    const std::optional<CIconLocation> location = resolver.Resolve(path.GetString(), link);
    if (!location || location->file.GetLength() >= MAX_PATH || location->file.IsEmpty())
        return nullptr;
    return resolver.IconFor(*location);
}

// The row's details, for a sink that wants them.
void AddLinkDetails(CShellLinkFile& link, WORD hotKey, CRowSink& rows)
{
    if (rows.WantsLinkDetails())
        rows.AddLinkDetails(hotKey, LinkTargetPath(link));
}
}

// What one survey keeps; the links go before the resolver, whose extracted
// icons the rows own once they have them.
struct CSurveyRun::State {
    explicit State(HWND owner) : resolver(owner) {}

    // The link class, the lookups' answers and the icons, for this run only.
    CSurveyIconResolver resolver;
    std::vector<ListedLink> links;
    bool iconsHandedOver = false;
};

CSurveyRun::CSurveyRun(HWND owner) : m_state(std::make_unique<State>(owner)) {}

// Destroys the icons no sink took over, each distinct handle once.
CSurveyRun::~CSurveyRun()
{
    if (m_state->iconsHandedOver)
        return;
    std::set<HICON> icons;
    for (const ListedLink& listed : m_state->links)
        if (listed.icon != nullptr && icons.insert(listed.icon).second)
            ::DestroyIcon(listed.icon);
}

void CSurveyRun::OpenLinks(const CStringArray& files, int showUnassigned)
{
    std::vector<ListedLink>& links = m_state->links;
    for (int i = 0; i < files.GetSize(); ++i) {
        ListedLink listed;
        if (m_state->resolver.Open(files[i].GetString(), listed.link) != S_OK)
            continue;
        listed.link.Link()->GetHotkey(&listed.hotKey);
        if (listed.hotKey == 0 && showUnassigned != 1)
            continue;
        listed.path = files[i];
        links.push_back(std::move(listed));
    }
}

void CSurveyRun::ResolveIcons()
{
    for (ListedLink& listed : m_state->links)
        listed.icon = RowIcon(listed.path, listed.link, m_state->resolver);
}

void CSurveyRun::AddRows(CRowSink& rows)
{
    rows.SetRedraw(FALSE);
    for (ListedLink& listed : m_state->links) {
        rows.AddRow(listed.path, FormatHotKey(listed.hotKey), listed.icon);
        AddLinkDetails(listed.link, listed.hotKey, rows);
    }
    m_state->iconsHandedOver = true;
    rows.SetRedraw(TRUE);
}

int CSurveyRun::ListedCount() const
{
    return static_cast<int>(m_state->links.size());
}

bool CollectSurveyFiles(HWND owner, CStringArray& files)
{
    CString folders[kFolderCount];
    if (!GetSurveyFolders(owner, folders))
        return false;
    CollectShortcutFiles(folders, files);
    return true;
}

bool SurveyShortcuts(HWND owner, int showUnassigned, CRowSink& rows)
{
    CStringArray files;
    if (!CollectSurveyFiles(owner, files))
        return false;
    const CComInit com;
    if (!com.Succeeded())
        return true;
    CSurveyRun run(owner);
    run.OpenLinks(files, showUnassigned);
    run.ResolveIcons();
    run.AddRows(rows);
    return true;
}
