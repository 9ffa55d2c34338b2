#include "shellicon/IconLocation.h"

#include <cstring>
#include <string>

#include "framework/Com.h"
#include "shell/ShellLink.h"
#include "shell/ShortcutFileKind.h"
#include "shellicon/IconLookups.h"
#include "shellicon/IconSpec.h"
#include "shellicon/NamespaceSearch.h"
#include "text/EnvExpansion.h"
#include "text/PathText.h"

namespace {

// A shortcut's target is resolved by nested calls at most this deep, so a
// chain of shortcuts that leads back to itself ends.
constexpr int kMaxNestedCalls = 8;
const char kFolderIconKey[] = "Folder\\DefaultIcon";
const char kProgramIconKey[] = "comfile\\DefaultIcon";

// Takes a DefaultIcon value's location into `iconFile` and `*iconIndex`; the
// index stays as it was when none follows the comma. 0 when the value names
// no location.
int TakeIconLocation(const IconSpec& spec, CString& iconFile, int* iconIndex)
{
    if (spec.kind != IconSpecKind::kLocation)
        return 0;
    iconFile = spec.file;
    if (spec.hasIndex)
        *iconIndex = spec.index;
    return 1;
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
    return link.target.str() + '\0' + link.iconFile.str() + '\0' + std::to_string(link.iconIndex) + '\0' +
           link.idList;
}

// The resolution's rules for one owner window; what the registry and the
// namespace hold is asked of `lookups`.
class CIconResolver {
public:
    CIconResolver(HWND owner, CIconLookups& lookups) : m_owner(owner), m_lookups(lookups) {}

    // GetIconLocation for a path reached through `depth` nested calls.
    // `opened`, when not null, is what the shortcut at `path` holds, read
    // from it already; the shortcut branch takes it instead of opening the file.
    int Location(const char* path, const LinkIconFields* opened, CString& iconFile, int* iconIndex, int comFlag,
                 int depth);

private:
    int Shortcut(const char* path, const LinkIconFields* opened, CString& iconFile, int* iconIndex, int comFlag,
                 int depth);
    int OpenedLink(const char* path, const LinkIconFields& link, CString& iconFile, int* iconIndex, int depth);
    int File(const char* path, CString& iconFile, int* iconIndex);
    // The icon registered for the type of `path`'s extension (".ext", then
    // the class's "DefaultIcon"). 0 when none is usable; then `*ownIcon` is
    // 1 if the type registers "%1" (each file holds its own icon).
    int Registered(const char* path, CString& iconFile, int* iconIndex, int* ownIcon);
    // The icon location that the DefaultIcon key `keyName` registers.
    int IconValue(const char* keyName, CString& iconFile, int* iconIndex);

    HWND m_owner;
    CIconLookups& m_lookups;
};

int CIconResolver::Location(const char* path, const LinkIconFields* opened, CString& iconFile, int* iconIndex,
                            int comFlag, int depth)
{
    // A shortcut the caller has loaded from `path` is an existing file.
    if (opened == nullptr && m_lookups.ExistingFile(path) == 0) {
        if (m_lookups.DirectoryOrDrive(path) == 1 && IconValue(kFolderIconKey, iconFile, iconIndex) == 1)
            return 1;
        return IconValue(kProgramIconKey, iconFile, iconIndex);
    }
    const ShortcutKind kind = ShortcutKindOf(path);
    if (kind != ShortcutKind::kLink && kind != ShortcutKind::kPif)
        return File(path, iconFile, iconIndex);
    if (Shortcut(path, opened, iconFile, iconIndex, comFlag, depth) == 1)
        return 1;
    return IconValue(kProgramIconKey, iconFile, iconIndex);
}

// The shortcut branch: 1 when the shortcut, its target or the namespace gave
// an icon. Fails at the nesting bound like any failure to open the shortcut.
int CIconResolver::Shortcut(const char* path, const LinkIconFields* opened, CString& iconFile, int* iconIndex,
                            int comFlag, int depth)
{
    if (depth >= kMaxNestedCalls)
        return 0;
    if (comFlag == 1) {
        // This call's own CoInitialize: what is looked up under it is let go
        // before its CoUninitialize.
        const CComInit com;
        CIconLookups bracketed;
        return CIconResolver(m_owner, bracketed).Shortcut(path, opened, iconFile, iconIndex, 0, depth);
    }
    if (opened != nullptr)
        return OpenedLink(path, *opened, iconFile, iconIndex, depth);
    CShellLinkFile link;
    if (link.Open(path, m_owner) != S_OK)
        return 0;
    return OpenedLink(path, ReadLinkIconFields(link), iconFile, iconIndex, depth);
}

// The icon of an opened and resolved shortcut: its own icon location, else
// its target's, else the namespace's icon for the shortcut file itself.
int CIconResolver::OpenedLink(const char* path, const LinkIconFields& link, CString& iconFile, int* iconIndex,
                              int depth)
{
    if (link.targetResult != S_OK)
        return m_lookups.Namespace().GetIconLocation(m_owner, path, ShellIconKey(link), iconFile, iconIndex);
    CString expandedTarget;
    if (!ExpandPath(link.target.GetString(), expandedTarget))
        return 0;
    *iconIndex = link.iconIndex;
    if (link.iconFile.IsEmpty())
        return Location(expandedTarget.GetString(), nullptr, iconFile, iconIndex, 0, depth + 1);
    CString expandedIcon;
    if (!ExpandPath(link.iconFile.GetString(), expandedIcon))
        return 0;
    iconFile = expandedIcon;
    return 1;
}

// An ordinary file's icon: the one its type registers, the file itself for
// a type that registers "%1", else the program icon.
int CIconResolver::File(const char* path, CString& iconFile, int* iconIndex)
{
    int ownIcon = 0;
    if (Registered(path, iconFile, iconIndex, &ownIcon) == 1)
        return 1;
    if (ownIcon == 1) {
        iconFile = path;
        *iconIndex = 0;
        return 1;
    }
    return IconValue(kProgramIconKey, iconFile, iconIndex);
}

int CIconResolver::Registered(const char* path, CString& iconFile, int* iconIndex, int* ownIcon)
{
    *ownIcon = 0;
    std::string className;
    if (!m_lookups.ReadClassesValue((CString(".") + GetPathExtension(path)).GetString(), className))
        return 0;
    std::string iconValue;
    if (!m_lookups.ReadClassesValue((className + "\\DefaultIcon").c_str(), iconValue))
        return 0;
    const IconSpec spec = ParseIconSpec(iconValue.c_str());
    if (spec.kind == IconSpecKind::kOwnIcon) {
        *ownIcon = 1;
        return 0;
    }
    return TakeIconLocation(spec, iconFile, iconIndex);
}

int CIconResolver::IconValue(const char* keyName, CString& iconFile, int* iconIndex)
{
    std::string value;
    if (!m_lookups.ReadClassesValue(keyName, value))
        return 0;
    return TakeIconLocation(ParseIconSpec(value.c_str()), iconFile, iconIndex);
}

} // namespace

// Each call asks the platform afresh, through lookups of its own.
int GetIconLocation(HWND owner, const char* path, CString& iconFile, int* iconIndex, int comFlag)
{
    CIconLookups lookups;
    return CIconResolver(owner, lookups).Location(path, nullptr, iconFile, iconIndex, comFlag, 0);
}

LinkIconFields ReadLinkIconFields(CShellLinkFile& link)
{
    LinkIconFields fields;
    const CLinkTarget& target = link.Target();
    fields.targetResult = target.result;
    fields.target = CString(target.path, static_cast<int>(strnlen(target.path, MAX_PATH)));
    char icon[MAX_PATH] = {};
    link.Link()->GetIconLocation(icon, MAX_PATH, &fields.iconIndex);
    fields.iconFile = CString(icon, static_cast<int>(strnlen(icon, MAX_PATH)));
    LPITEMIDLIST items = nullptr;
    if (target.result != S_OK && link.Link()->GetIDList(&items) == S_OK && items != nullptr) {
        fields.idList.assign(reinterpret_cast<const char*>(items), ::ILGetSize(items));
        ::ILFree(items);
    }
    return fields;
}

int GetLinkIconLocation(HWND owner, const char* path, const LinkIconFields& link, CIconLookups& lookups,
                        CString& iconFile, int* iconIndex)
{
    return CIconResolver(owner, lookups).Location(path, &link, iconFile, iconIndex, 0, 0);
}

int GetFileIconLocation(HWND owner, const char* path, CIconLookups& lookups, CString& iconFile, int* iconIndex)
{
    return CIconResolver(owner, lookups).Location(path, nullptr, iconFile, iconIndex, 0, 0);
}
