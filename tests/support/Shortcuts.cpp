#include "support/Shortcuts.h"

#include <shlobj.h>

#include <fstream>
#include <iterator>

#include "framework/Com.h"
#include "survey/ShellLink.h"

bool MakeShortcut(const std::string& path, const ShortcutSpec& spec)
{
    const HRESULT init = ::CoInitialize(nullptr);
    bool saved = false;
    {
        CComPtr<IShellLinkA> link;
        CComPtr<IPersistFile> file;
        WCHAR wide[MAX_PATH];
        if (::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.ReceiveVoid()) == S_OK &&
            link->QueryInterface(IID_IPersistFile, file.ReceiveVoid()) == S_OK && ToWidePath(path.c_str(), wide)) {
            link->SetPath(spec.target.c_str());
            link->SetHotkey(spec.hotKey);
            if (!spec.arguments.empty()) link->SetArguments(spec.arguments.c_str());
            if (!spec.workingDir.empty()) link->SetWorkingDirectory(spec.workingDir.c_str());
            if (!spec.description.empty()) link->SetDescription(spec.description.c_str());
            if (!spec.iconFile.empty()) link->SetIconLocation(spec.iconFile.c_str(), spec.iconIndex);
            saved = file->Save(wide, TRUE) == S_OK;
        }
    }
    if (SUCCEEDED(init))
        ::CoUninitialize();
    return saved;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

namespace {
int HotKeyField(const std::string& bytes)
{
    if (bytes.size() < 0x42)
        return -1;
    return static_cast<unsigned char>(bytes[0x40]) | (static_cast<unsigned char>(bytes[0x41]) << 8);
}
}

int StoredHotKey(const std::string& path)
{
    return HotKeyField(ReadFileBytes(path));
}

int StoredHotKey(const std::wstring& path)
{
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return -1;
    char header[0x42] = {};
    DWORD read = 0;
    ::ReadFile(file, header, sizeof(header), &read, nullptr);
    ::CloseHandle(file);
    return HotKeyField(std::string(header, read));
}
