#include "shellicon/IconLocation.h"

#include <string>

#include "framework/Com.h"
#include "shell/ShellLink.h"
#include "shell/ShortcutFileKind.h"
#include "shellicon/IconLookups.h"
#include "rules/IconSpec.h"
#include "shellicon/NamespaceSearch.h"
#include "rules/EnvExpansion.h"
#include "rules/PathText.h"

namespace {

// A shortcut's target is resolved by nested calls at most this deep, so a
// chain of shortcuts that leads back to itself ends.
constexpr int kMaxNestedCalls = 8;
const char kFolderIconKey[] = "Folder\\DefaultIcon";
const char kProgramIconKey[] = "comfile\\DefaultIcon";

// The location a DefaultIcon value names, at `index` when it names no
// index; none when there is no value or it names no location.
std::optional<CIconLocation> LocationIn(const std::optional<IconSpec>& spec, int index)
{
    if (!spec || spec->kind != IconSpecKind::kLocation)
        return std::nullopt;
    return CIconLocation{spec->file, spec->hasIndex ? spec->index : index};
}

// `source` with its %NAME% references expanded into `expanded`; false when
// the result does not fit a MAX_PATH buffer.
bool ExpandPath(const char* source, CString& expanded)
{
    ExpandEnvVars(source, expanded);
    return expanded.GetLength() < MAX_PATH;
}

// What the shell's icon for a shortcut file without a file-system target
// depends on: what GetPath gave, the shortcut's own icon location and its
// target ID list.
std::string ShellIconKey(const LinkIconFields& link)
{
    return link.target.str() + '\0' + link.icon.file.str() + '\0' + std::to_string(link.icon.index) + '\0' +
           link.idList;
}

using FoundIcon = std::optional<CIconLocation>;

// The resolution's rules for one owner window; what the registry and the
// namespace hold is asked of `lookups`. `index` is the index an answer keeps
// when the registry value that names its file names no index.
class CIconResolver {
public:
    CIconResolver(HWND owner, CIconLookups& lookups) : m_owner(owner), m_lookups(lookups) {}

    // IconLocationOf for a path reached through `depth` nested calls.
    // `opened`, when not null, is what the shortcut at `path` holds, read
    // from it already; the shortcut branch takes it instead of opening the file.
    FoundIcon Location(const char* path, const LinkIconFields* opened, int index, int comFlag, int depth);

private:
    FoundIcon Shortcut(const char* path, const LinkIconFields* opened, int comFlag, int depth);
    FoundIcon OpenedLink(const char* path, const LinkIconFields& link, int depth);
    FoundIcon File(const char* path, int index);
    // The DefaultIcon value registered for the type of `path`'s extension
    // (".ext", then the class's "DefaultIcon"); none when there is none.
    std::optional<IconSpec> Registered(const char* path);
    // The value of the DefaultIcon key `keyName`; none when there is none.
    std::optional<IconSpec> DefaultIcon(const char* keyName);
    FoundIcon ProgramIcon(int index) { return LocationIn(DefaultIcon(kProgramIconKey), index); }

    HWND m_owner;
    CIconLookups& m_lookups;
};

FoundIcon CIconResolver::Location(const char* path, const LinkIconFields* opened, int index, int comFlag, int depth)
{
    // A shortcut the caller has loaded from `path` is an existing file.
    if (opened == nullptr && m_lookups.ExistingFile(path) == 0) {
        if (m_lookups.DirectoryOrDrive(path) == 1)
            if (FoundIcon folder = LocationIn(DefaultIcon(kFolderIconKey), index))
                return folder;
        return ProgramIcon(index);
    }
    const ShortcutKind kind = ShortcutKindOf(path);
    if (kind != ShortcutKind::kLink && kind != ShortcutKind::kPif)
        return File(path, index);
    if (FoundIcon found = Shortcut(path, opened, comFlag, depth))
        return found;
    return ProgramIcon(index);
}

// The shortcut branch: the icon the shortcut, its target or the namespace
// gave. Fails at the nesting bound like any failure to open the shortcut.
FoundIcon CIconResolver::Shortcut(const char* path, const LinkIconFields* opened, int comFlag, int depth)
{
    if (depth >= kMaxNestedCalls)
        return std::nullopt;
    if (comFlag == 1) {
        // This call's own CoInitialize: what is looked up under it is let go
        // before its CoUninitialize.
        const CComInit com;
        CIconLookups bracketed;
        return CIconResolver(m_owner, bracketed).Shortcut(path, opened, 0, depth);
    }
    if (opened != nullptr)
        return OpenedLink(path, *opened, depth);
    CShellLinkFile link;
    if (link.Open(path, m_owner) != S_OK)
        return std::nullopt;
    return OpenedLink(path, ReadLinkIconFields(link), depth);
}

// The icon of an opened and resolved shortcut: its own icon location, else
// its target's, else the namespace's icon for the shortcut file itself. From
// here on the link's index is the one an answer keeps: an icon location too
// long to expand gives the program icon at that index when the program's
// value names none.
FoundIcon CIconResolver::OpenedLink(const char* path, const LinkIconFields& link, int depth)
{
    if (link.targetResult != S_OK)
        return m_lookups.Namespace().IconLocationOf(m_owner, path, ShellIconKey(link));
    CString expandedTarget;
    if (!ExpandPath(link.target.GetString(), expandedTarget))
        return std::nullopt;
    if (link.icon.file.IsEmpty())
        return Location(expandedTarget.GetString(), nullptr, link.icon.index, 0, depth + 1);
    CString expandedIcon;
    if (!ExpandPath(link.icon.file.GetString(), expandedIcon))
        return ProgramIcon(link.icon.index);
    return CIconLocation{expandedIcon, link.icon.index};
}

// An ordinary file's icon: the one its type registers, the file itself for
// a type that registers "%1", else the program icon.
FoundIcon CIconResolver::File(const char* path, int index)
{
    const std::optional<IconSpec> registered = Registered(path);
    if (registered && registered->kind == IconSpecKind::kOwnIcon)
        return CIconLocation{path, 0};
    if (FoundIcon found = LocationIn(registered, index))
        return found;
    return ProgramIcon(index);
}

std::optional<IconSpec> CIconResolver::Registered(const char* path)
{
    std::string className;
    if (!m_lookups.ReadClassesValue((CString(".") + GetPathExtension(path)).GetString(), className))
        return std::nullopt;
    return DefaultIcon((className + "\\DefaultIcon").c_str());
}

std::optional<IconSpec> CIconResolver::DefaultIcon(const char* keyName)
{
    std::string value;
    if (!m_lookups.ReadClassesValue(keyName, value))
        return std::nullopt;
    return ParseIconSpec(value.c_str());
}

} // namespace

// Each call asks the platform afresh, through lookups of its own.
std::optional<CIconLocation> IconLocationOf(HWND owner, const char* path, int comFlag, int index)
{
    CIconLookups lookups;
    return CIconResolver(owner, lookups).Location(path, nullptr, index, comFlag, 0);
}

std::optional<CIconLocation> LinkIconLocation(HWND owner, const char* path, const LinkIconFields& link,
                                              CIconLookups& lookups)
{
    return CIconResolver(owner, lookups).Location(path, &link, 0, 0, 0);
}

std::optional<CIconLocation> FileIconLocation(HWND owner, const char* path, CIconLookups& lookups, int index)
{
    return CIconResolver(owner, lookups).Location(path, nullptr, index, 0, 0);
}
