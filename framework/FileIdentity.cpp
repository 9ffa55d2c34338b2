#include "framework/FileIdentity.h"

#include "framework/PathForms.h"
#include "framework/ScopedHandles.h"

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
