#include "framework/NewFile.h"

#include <windows.h>

#include "framework/PathForms.h"
#include "framework/ScopedHandles.h"

bool WriteNewFile(const std::wstring& path, const std::string& bytes)
{
    const CScopedFile file(::CreateFileW(LongPathForm(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file.IsOpen() && ::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size() && ::FlushFileBuffers(file.Get());
}

std::wstring NewTemporaryFileBeside(const std::wstring& path)
{
    // GetTempFileNameW writes the folder and a name of up to 13 characters
    // into the MAX_PATH buffer without checking its length.
    const std::wstring folder = path.substr(0, path.rfind(L'\\') + 1);
    if (folder.size() > MAX_PATH - 14) {
        ::SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return std::wstring();
    }
    WCHAR temporary[MAX_PATH] = {};
    return ::GetTempFileNameW(folder.c_str(), L"vlm", 0, temporary) != 0 ? std::wstring(temporary) : std::wstring();
}
