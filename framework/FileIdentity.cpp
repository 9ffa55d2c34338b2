#include "framework/FileIdentity.h"

#include "framework/ScopedHandles.h"

std::wstring LongPathForm(const std::wstring& path)
{
    if (path.size() < MAX_PATH || path.compare(0, 4, L"\\\\?\\") == 0)
        return path;
    if (path.compare(0, 2, L"\\\\") == 0)
        return L"\\\\?\\UNC" + path.substr(1);
    return L"\\\\?\\" + path;
}

std::optional<FileIdentity> IdentityOf(const std::wstring& path)
{
    const CScopedFile file(::CreateFileW(LongPathForm(path).c_str(), FILE_READ_ATTRIBUTES,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                         FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION information = {};
    if (!file.IsOpen() || !::GetFileInformationByHandle(file.Get(), &information))
        return std::nullopt;
    return FileIdentity{information.dwVolumeSerialNumber, information.nFileIndexHigh, information.nFileIndexLow};
}

std::wstring LongNameOf(const std::wstring& path)
{
    const DWORD length = ::GetLongPathNameW(path.c_str(), nullptr, 0);
    std::wstring longPath(length, L'\0');
    if (length == 0 || ::GetLongPathNameW(path.c_str(), &longPath[0], length) + 1 != length)
        return path;
    longPath.resize(length - 1);
    return longPath;
}

bool WriteNewFile(const std::wstring& path, const std::string& bytes)
{
    const CScopedFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file.IsOpen() && ::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size() && ::FlushFileBuffers(file.Get());
}
