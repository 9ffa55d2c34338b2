#include "shellicon/IconLocation.h"

#include <shlobj.h>

#include <cstring>
#include <optional>

#include "framework/Com.h"
#include "shellicon/EnvExpansion.h"
#include "shellicon/FileTests.h"
#include "shellicon/IconSpec.h"
#include "shellicon/NamespaceSearch.h"
#include "shellicon/PathText.h"
#include "survey/ShellLink.h"

namespace {

// Registry values are read into this many bytes.
constexpr DWORD kValueBytes = 256;
// A shortcut's target is resolved by nested calls at most this deep, so a
// chain of shortcuts that leads back to itself ends.
constexpr int kMaxNestedCalls = 8;

// A key under HKEY_CLASSES_ROOT opened for reading, closed once.
class CClassesKey {
public:
    explicit CClassesKey(const char* name)
    {
        if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, name, 0, KEY_QUERY_VALUE, &m_key) != ERROR_SUCCESS)
            m_key = nullptr;
    }
    ~CClassesKey()
    {
        if (m_key != nullptr)
            ::RegCloseKey(m_key);
    }
    CClassesKey(const CClassesKey&) = delete;
    CClassesKey& operator=(const CClassesKey&) = delete;

    // The default value as text; false when the key or value is absent, or
    // the value needs more than the buffer, terminator included.
    bool ReadDefault(char (&value)[kValueBytes]) const;

private:
    HKEY m_key = nullptr;
};

bool CClassesKey::ReadDefault(char (&value)[kValueBytes]) const
{
    if (m_key == nullptr)
        return false;
    DWORD type = 0;
    DWORD size = kValueBytes;
    if (::RegQueryValueExA(m_key, "", nullptr, &type, reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS)
        return false;
    // Only the `size` bytes written count; a value filling the whole buffer
    // without a zero among them has no room for its terminator.
    if (std::memchr(value, '\0', size) != nullptr)
        return true;
    if (size >= kValueBytes)
        return false;
    value[size] = '\0';
    return true;
}

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

// The icon location that the DefaultIcon key `keyName` registers.
int ReadIconValue(const char* keyName, CString& iconFile, int* iconIndex)
{
    const CClassesKey key(keyName);
    char iconValue[kValueBytes];
    if (!key.ReadDefault(iconValue))
        return 0;
    return TakeIconLocation(ParseIconSpec(iconValue), iconFile, iconIndex);
}

// True for the extensions of shortcut files, "LNK" and "PIF", in any case.
bool IsShortcutPath(const char* path)
{
    const CString extension = UpperCaseText(GetPathExtension(path));
    return extension.str() == "LNK" || extension.str() == "PIF";
}

int GetIconLocationAt(HWND owner, const char* path, CString& iconFile, int* iconIndex, int comFlag, int depth);

// `source` with its %NAME% references expanded into `expanded`; false when
// the result does not fit a MAX_PATH buffer.
bool ExpandPath(const char* source, CString& expanded)
{
    ExpandEnvVars(source, expanded);
    return expanded.GetLength() < MAX_PATH;
}

// The icon of an opened and resolved shortcut: its own icon location, else
// its target's, else the namespace's icon for the shortcut file itself.
int GetOpenedLinkIconLocation(HWND owner, const char* path, IShellLinkA* link, CString& iconFile, int* iconIndex,
                              int depth)
{
    char target[MAX_PATH] = {};
    char icon[MAX_PATH] = {};
    WIN32_FIND_DATAA found;
    if (link->GetPath(target, MAX_PATH, &found, SLGP_UNCPRIORITY) != S_OK)
        return GetShellItemIconLocation(owner, path, iconFile, iconIndex);
    CString expandedTarget;
    if (!ExpandPath(target, expandedTarget))
        return 0;
    link->GetIconLocation(icon, MAX_PATH, iconIndex);
    if (icon[0] == '\0')
        return GetIconLocationAt(owner, expandedTarget, iconFile, iconIndex, 0, depth + 1);
    CString expandedIcon;
    if (!ExpandPath(icon, expandedIcon))
        return 0;
    iconFile = expandedIcon;
    return 1;
}

// The shortcut branch: 1 when the shortcut, its target or the namespace gave
// an icon. Fails at the nesting bound like any failure to open the shortcut.
int GetShortcutIconLocation(HWND owner, const char* path, CString& iconFile, int* iconIndex, int comFlag, int depth)
{
    if (depth >= kMaxNestedCalls)
        return 0;
    // COM flag 1: this call's own CoInitialize, balanced when it returns.
    std::optional<CComInit> com;
    if (comFlag == 1)
        com.emplace();
    CShellLinkFile link;
    if (link.Open(path, owner) != S_OK)
        return 0;
    return GetOpenedLinkIconLocation(owner, path, link.Link(), iconFile, iconIndex, depth);
}

// An ordinary file's icon: the one its type registers, the file itself for
// a type that registers "%1", else the program icon.
int GetFileIconLocation(const char* path, CString& iconFile, int* iconIndex)
{
    int ownIcon = 0;
    if (GetRegisteredIconLocation(path, iconFile, iconIndex, &ownIcon) == 1)
        return 1;
    if (ownIcon == 1) {
        iconFile = path;
        *iconIndex = 0;
        return 1;
    }
    return GetProgramIconLocation(iconFile, iconIndex);
}

// GetIconLocation for a path reached through `depth` nested calls.
int GetIconLocationAt(HWND owner, const char* path, CString& iconFile, int* iconIndex, int comFlag, int depth)
{
    if (IsExistingFile(path) == 0) {
        if (IsDirectoryOrDrive(path) == 1 && GetFolderIconLocation(iconFile, iconIndex) == 1)
            return 1;
        return GetProgramIconLocation(iconFile, iconIndex);
    }
    if (!IsShortcutPath(path))
        return GetFileIconLocation(path, iconFile, iconIndex);
    if (GetShortcutIconLocation(owner, path, iconFile, iconIndex, comFlag, depth) == 1)
        return 1;
    return GetProgramIconLocation(iconFile, iconIndex);
}

} // namespace

int GetIconLocation(HWND owner, const char* path, CString& iconFile, int* iconIndex, int comFlag)
{
    return GetIconLocationAt(owner, path, iconFile, iconIndex, comFlag, 0);
}

int GetRegisteredIconLocation(const char* path, CString& iconFile, int* iconIndex, int* ownIcon)
{
    *ownIcon = 0;
    const CClassesKey typeKey(CString(".") + GetPathExtension(path));
    char className[kValueBytes];
    if (!typeKey.ReadDefault(className))
        return 0;
    const CClassesKey iconKey(CString(className) + "\\DefaultIcon");
    char iconValue[kValueBytes];
    if (!iconKey.ReadDefault(iconValue))
        return 0;
    const IconSpec spec = ParseIconSpec(iconValue);
    if (spec.kind == IconSpecKind::kOwnIcon) {
        *ownIcon = 1;
        return 0;
    }
    return TakeIconLocation(spec, iconFile, iconIndex);
}

int GetFolderIconLocation(CString& iconFile, int* iconIndex)
{
    return ReadIconValue("Folder\\DefaultIcon", iconFile, iconIndex);
}

int GetProgramIconLocation(CString& iconFile, int* iconIndex)
{
    return ReadIconValue("comfile\\DefaultIcon", iconFile, iconIndex);
}
