#include "survey/FileSearch.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "framework/FileIdentity.h"
#include "framework/FindFile.h"
#include "framework/PathForms.h"
#include "framework/ScopedHandles.h"
#include "shell/ShortcutFileKind.h"

namespace {
bool IsDirectory(const WIN32_FIND_DATAW& entry)
{
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsDotEntry(const WCHAR* name)
{
    return std::wcscmp(name, L".") == 0 || std::wcscmp(name, L"..") == 0;
}

// Writes `name` in the system code page into `ansi` (`size` bytes, `size` > 1):
// true when it fits and every character is carried exactly, with neither
// the default character nor a best-fit look-alike.
bool ExactAnsiName(const WCHAR* name, char* ansi, int size)
{
    BOOL usedDefault = FALSE;
    return ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name, -1, ansi, size, nullptr, &usedDefault) > 1 &&
           !usedDefault;
}

// `prefix` and `name` when the code page carries the name exactly and the
// path stays under MAX_PATH; otherwise empty.
CString PathUnder(const CString& prefix, const WCHAR* name)
{
    const int room = MAX_PATH - prefix.GetLength();
    char ansi[MAX_PATH] = {};
    if (room > 1 && ExactAnsiName(name, ansi, room))
        return prefix + ansi;
    return CString();
}

// Calls `visit` for each entry of the search for `pattern`, in the platform's
// order, reading names only (no short names). Falls back to the full
// information where the platform does not offer the basic level.
template <class Visit>
void ForEachEntry(const std::wstring& pattern, Visit visit)
{
    CFindFile basic(pattern.c_str(), FindExInfoBasic, FIND_FIRST_EX_LARGE_FETCH);
    const bool fallBack = !basic.Found() && ::GetLastError() == ERROR_INVALID_PARAMETER;
    CFindFile search = fallBack ? CFindFile(pattern.c_str(), FindExInfoStandard, 0) : std::move(basic);
    if (!search.Found())
        return;
    do {
        visit(search.Entry());
    } while (search.FindNextFile());
}

// An entry of a searched folder: its long name, and its short name as the
// folder's search reports it, asked for on first use (empty for none).
class CEntryName {
public:
    CEntryName(const std::wstring& folder, std::wstring name) : m_folder(&folder), m_long(std::move(name)) {}

    const WCHAR* Long() const { return m_long.c_str(); }
    const WCHAR* Short() const
    {
        if (!m_short)
            m_short = ShortNameOf(*m_folder + m_long);
        return m_short->c_str();
    }

private:
    const std::wstring* m_folder;
    std::wstring m_long;
    mutable std::optional<std::wstring> m_short;
};

// One folder of the walk: the path the walk names it by (ending in a
// backslash), and what only some entries need, each found on first use: the
// same folder reached with each subfolder below the root by its short name,
// and its identity.
class CWalkFolder {
public:
    // The root of the walk, `path` without a trailing backslash.
    explicit CWalkFolder(const char* path)
        : m_named(CString(path) + "\\"), m_wide(WideFromAnsi(m_named.GetString())), m_shortForm(m_named)
    {
    }
    // The subfolder `name` of `parent`, named by the walk as `path`.
    CWalkFolder(const CWalkFolder& parent, const CEntryName& name, const CString& path)
        : m_parent(&parent), m_name(&name), m_named(path + "\\"), m_wide(WideFromAnsi(m_named.GetString()))
    {
    }

    const CString& Named() const { return m_named; }
    const std::wstring& Wide() const { return m_wide; }

    // The folder's path with every name in its long form, ending in a
    // backslash: the root's found once, each subfolder's from the long name
    // its parent's search gave.
    const std::wstring& Long() const
    {
        if (!m_long)
            m_long = m_parent == nullptr ? LongNameOf(m_wide) : m_parent->Long() + m_name->Long() + L"\\";
        return *m_long;
    }

    // The folder reached with each subfolder below the root by its short
    // name where it has one that fits, else as the walk names it.
    const CString& ShortForm() const
    {
        if (!m_shortForm) {
            const WCHAR* shortName = *m_name->Short() != L'\0' ? m_name->Short() : m_name->Long();
            const CString path = PathUnder(m_parent->ShortForm(), shortName);
            m_shortForm = path.IsEmpty() ? m_named : path + "\\";
        }
        return *m_shortForm;
    }

    // True when this folder is one of the folders above it in the walk,
    // reached again through a junction or a symbolic link.
    bool LoopsBack() const
    {
        const std::optional<FileIdentity>& own = Identity();
        for (const CWalkFolder* above = m_parent; own && above != nullptr; above = above->m_parent)
            if (above->Identity() == own)
                return true;
        return false;
    }

private:
    const std::optional<FileIdentity>& Identity() const
    {
        if (!m_identity)
            m_identity = IdentityOf(m_wide);
        return *m_identity;
    }

    const CWalkFolder* m_parent = nullptr;
    const CEntryName* m_name = nullptr;
    CString m_named;
    std::wstring m_wide;
    mutable std::optional<CString> m_shortForm;
    mutable std::optional<std::wstring> m_long;
    mutable std::optional<std::optional<FileIdentity>> m_identity;
};

// The path that names the entry `name` of `folder` through the ANSI
// functions: by its long name where the code page carries it exactly and the
// path fits, else by its short name; where neither fits, the same under the
// folder's short form; empty when nothing fits.
CString EntryPath(const CWalkFolder& folder, const CEntryName& name)
{
    const auto under = [&name](const CString& prefix) {
        const CString path = PathUnder(prefix, name.Long());
        return path.IsEmpty() ? PathUnder(prefix, name.Short()) : path;
    };
    const CString path = under(folder.Named());
    return path.IsEmpty() ? under(folder.ShortForm()) : path;
}

// The files of one kind the walk found: the paths it names them by, and,
// when asked for, their long paths.
struct FoundFiles {
    CStringArray paths;
    std::vector<std::wstring> longPaths;
};

// The walk's three lists: LNK files, PIF files and URL files.
struct ShortcutLists {
    FoundFiles lnk, pif, url;
    bool withLongPaths = false;

    // The list a file named `name` belongs in, by its kind; null for none.
    FoundFiles* For(const CEntryName& name)
    {
        switch (ShortcutKindOf(name.Long(), [&name] { return name.Short(); })) {
        case ShortcutKind::kLink:
            return &lnk;
        case ShortcutKind::kPif:
            return &pif;
        case ShortcutKind::kInternet:
            return &url;
        case ShortcutKind::kNone:
            break;
        }
        return nullptr;
    }
    // Adds the file `name` of `folder`, which the walk names `path`.
    void Add(FoundFiles& found, const CWalkFolder& folder, const CEntryName& name, const CString& path) const
    {
        found.paths.Add(path);
        if (withLongPaths)
            found.longPaths.push_back(folder.Long() + name.Long());
    }
};

// A subfolder met in a folder's search, entered once the search is closed.
struct Subfolder {
    std::wstring name;
    bool reparsePoint;
};

// The depth-first walk of one folder and its whole tree: one search of the
// folder, its shortcut files listed, then each subfolder's tree in turn.
void CollectTree(const CWalkFolder& folder, ShortcutLists& lists)
{
    std::vector<Subfolder> subfolders;
    ForEachEntry(folder.Wide() + L"*", [&](const WIN32_FIND_DATAW& entry) {
        if (IsDirectory(entry)) {
            if (!IsDotEntry(entry.cFileName))
                subfolders.push_back({entry.cFileName, (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0});
            return;
        }
        const CEntryName name(folder.Wide(), entry.cFileName);
        FoundFiles* found = lists.For(name);
        const CString path = found != nullptr ? EntryPath(folder, name) : CString();
        if (!path.IsEmpty())
            lists.Add(*found, folder, name, path);
    });
    for (const Subfolder& subfolder : subfolders) {
        const CEntryName name(folder.Wide(), subfolder.name);
        const CString path = EntryPath(folder, name);
        if (path.IsEmpty())
            continue;
        const CWalkFolder child(folder, name, path);
        if (!subfolder.reparsePoint || !child.LoopsBack())
            CollectTree(child, lists);
    }
}
}

CString AnsiFolderPath(const std::wstring& folder)
{
    char whole[MAX_PATH] = {};
    if (ExactAnsiName(folder.c_str(), whole, MAX_PATH))
        return CString(whole);
    // The drive ("C:") or the share ("\\server\share"), then each folder
    // below it by the entries' rule.
    const std::size_t start = folder.compare(0, 2, L"\\\\") == 0 ? folder.find(L'\\', folder.find(L'\\', 2) + 1)
                                                               : folder.find(L'\\');
    char root[MAX_PATH] = {};
    if (start == std::wstring::npos || start == 0 || !ExactAnsiName(folder.substr(0, start).c_str(), root, MAX_PATH))
        return CString();
    std::list<CWalkFolder> chain;
    chain.emplace_back(root);
    std::list<CEntryName> names;
    for (std::size_t at = start + 1; at < folder.size();) {
        const std::size_t end = std::min(folder.find(L'\\', at), folder.size());
        names.emplace_back(chain.back().Wide(), folder.substr(at, end - at));
        const CString path = EntryPath(chain.back(), names.back());
        if (path.IsEmpty())
            return CString();
        chain.emplace_back(chain.back(), names.back(), path);
        at = end + 1;
    }
    const CString& named = chain.back().Named();
    return CString(named.str().substr(0, named.str().size() - 1));
}

void CollectFiles(const char* folder, CStringArray& list, std::vector<std::wstring>* longPaths)
{
    ShortcutLists lists;
    lists.withLongPaths = longPaths != nullptr;
    CollectTree(CWalkFolder(folder), lists);
    for (const FoundFiles* found : {&lists.lnk, &lists.pif, &lists.url}) {
        for (int i = 0; i < found->paths.GetSize(); ++i)
            list.Add(found->paths[i]);
        if (longPaths != nullptr)
            longPaths->insert(longPaths->end(), found->longPaths.begin(), found->longPaths.end());
    }
}
