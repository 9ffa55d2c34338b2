#include "support/Shortcuts.h"

#include <shlobj.h>

#include <fstream>
#include <iterator>

#include "framework/Com.h"
#include "rules/LinkFormat.h"
#include "shell/ShellItemId.h"
#include "shell/ShellLink.h"

namespace {
// Gives the link object its target: an ID list, a special folder's ID list
// or a path; false when the folder has no ID list.
bool SetTarget(IShellLinkA* link, const ShortcutSpec& spec)
{
    if (spec.targetItems != nullptr)
        return link->SetIDList(spec.targetItems) == S_OK;
    if (spec.targetFolder < 0) {
        if (spec.storePath)
            link->SetPath(spec.target.c_str());
        return true;
    }
    CShellItemId items;
    if (FAILED(::SHGetSpecialFolderLocation(nullptr, spec.targetFolder, items.Receive())))
        return false;
    link->SetIDList(items.Get());
    return true;
}

// Stores everything of `spec` but the target.
void SetFields(IShellLinkA* link, const ShortcutSpec& spec)
{
    link->SetHotkey(spec.hotKey);
    if (!spec.arguments.empty()) link->SetArguments(spec.arguments.c_str());
    if (!spec.workingDir.empty()) link->SetWorkingDirectory(spec.workingDir.c_str());
    if (!spec.description.empty()) link->SetDescription(spec.description.c_str());
    if (!spec.iconFile.empty() || spec.storeIconLocation) link->SetIconLocation(spec.iconFile.c_str(), spec.iconIndex);
    if (spec.showCommand != 0) link->SetShowCmd(spec.showCommand);
}
}

bool MakeShortcut(const std::string& path, const ShortcutSpec& spec)
{
    const CComInit com;
    CComPtr<IShellLinkA> link;
    CComPtr<IPersistFile> file;
    WCHAR wide[MAX_PATH];
    if (::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.ReceiveVoid()) != S_OK ||
        link->QueryInterface(IID_IPersistFile, file.ReceiveVoid()) != S_OK || !ToWidePath(path.c_str(), wide) ||
        !SetTarget(link.Get(), spec))
        return false;
    SetFields(link.Get(), spec);
    return file->Save(wide, TRUE) == S_OK;
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
    if (bytes.size() < kHotKeyOffset + 2)
        return -1;
    return static_cast<unsigned char>(bytes[kHotKeyOffset]) |
           (static_cast<unsigned char>(bytes[kHotKeyOffset + 1]) << 8);
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
    char header[kHotKeyOffset + 2] = {};
    DWORD read = 0;
    ::ReadFile(file, header, sizeof(header), &read, nullptr);
    ::CloseHandle(file);
    return HotKeyField(std::string(header, read));
}
