#include "shellicon/IconLookups.h"

#include <windows.h>

#include <cstring>

#include "shellicon/ExistingPaths.h"

namespace {

// Registry values are read into this many bytes.
constexpr DWORD kValueBytes = 256;

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

// The default value of `keyName` as it stands in the registry now.
std::optional<std::string> ReadDefaultValue(const char* keyName)
{
    const CClassesKey key(keyName);
    char value[kValueBytes];
    if (!key.ReadDefault(value))
        return std::nullopt;
    return std::string(value);
}

// `test` of `path`, made the first time the path is asked for and
// remembered in `answers`.
template <class Test>
int RememberedTest(std::map<std::string, int>& answers, const char* path, Test test)
{
    auto found = answers.find(path);
    if (found == answers.end())
        found = answers.emplace(path, test(path)).first;
    return found->second;
}

} // namespace

bool CIconLookups::ReadClassesValue(const char* keyName, std::string& value)
{
    auto found = m_values.find(keyName);
    if (found == m_values.end())
        found = m_values.emplace(keyName, ReadDefaultValue(keyName)).first;
    if (!found->second)
        return false;
    value = *found->second;
    return true;
}

int CIconLookups::ExistingFile(const char* path)
{
    return RememberedTest(m_existingFiles, path, [this](const char* p) { return IsExistingFile(p, Searches()); });
}

int CIconLookups::DirectoryOrDrive(const char* path)
{
    return RememberedTest(m_directories, path, [this](const char* p) { return IsDirectoryOrDrive(p, Searches()); });
}

FirstEntrySearch CIconLookups::Searches()
{
    return [this](const std::string& path) {
        auto found = m_firstEntries.find(path);
        if (found == m_firstEntries.end())
            found = m_firstEntries.emplace(path, SearchFirstEntry(path)).first;
        return found->second;
    };
}
