#include "survey/ListedShortcuts.h"

#include <windows.h>

#include "framework/PathForms.h"

namespace {
// `path` made full by the platform's rules for text alone.
std::wstring FullWidePath(const std::wstring& path)
{
    const DWORD length = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    std::wstring full(length, L'\0');
    if (length == 0 || ::GetFullPathNameW(path.c_str(), length, &full[0], nullptr) + 1 != length)
        return path;
    full.resize(length - 1);
    return full;
}

// True for a full path on a drive letter that is not a network drive.
bool IsOnLocalDrive(const std::wstring& full)
{
    if (full.size() < 3 || full[1] != L':' || full[2] != L'\\')
        return false;
    const UINT type = ::GetDriveTypeW(full.substr(0, 3).c_str());
    return type != DRIVE_REMOTE && type != DRIVE_NO_ROOT_DIR && type != DRIVE_UNKNOWN;
}
}

std::wstring ShortcutPathKey(const CString& path)
{
    std::wstring key = FullWidePath(WideFromAnsi(path.GetString()));
    if (IsOnLocalDrive(key))
        key = LongNameOf(key);
    if (!key.empty())
        ::CharUpperBuffW(&key[0], static_cast<DWORD>(key.size()));
    return key;
}

void CListedShortcuts::Add(const CString& path)
{
    const std::wstring key = ShortcutPathKey(path);
    const std::optional<FileIdentity> file = IdentityOf(WideFromAnsi(path.GetString()));
    auto byPath = m_byPath.find(key);
    auto byFile = file ? m_byFile.find(*file) : m_byFile.end();
    const int number = byPath != m_byPath.end() ? byPath->second
                       : byFile != m_byFile.end() ? byFile->second
                                                  : static_cast<int>(m_numbers.size());
    m_numbers.push_back(number);
    m_byPath.emplace(key, number);
    if (file)
        m_byFile.emplace(*file, number);
}

int CListedShortcuts::ByPath(const CString& path) const
{
    const auto found = m_byPath.find(ShortcutPathKey(path));
    return found != m_byPath.end() ? found->second : -1;
}

int CListedShortcuts::ByFile(const CString& path) const
{
    const int byPath = ByPath(path);
    if (byPath >= 0)
        return byPath;
    const std::optional<FileIdentity> file = IdentityOf(WideFromAnsi(path.GetString()));
    const auto found = file ? m_byFile.find(*file) : m_byFile.end();
    return found != m_byFile.end() ? found->second : -1;
}
