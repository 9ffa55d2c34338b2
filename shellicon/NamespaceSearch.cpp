#include "shellicon/NamespaceSearch.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

// Every item of a folder, hidden ones included.
constexpr SHCONTF kAllItems = SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN;

// Wide text from the shell as ANSI text of the system code page.
CString AnsiFromWide(const WCHAR* wide)
{
    const int length = ::WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return CString();
    std::vector<char> ansi(static_cast<size_t>(length));
    ::WideCharToMultiByte(CP_ACP, 0, wide, -1, ansi.data(), length, nullptr, nullptr);
    return CString(ansi.data());
}

// The text of a STRRET by its kind; shell-allocated wide text is freed with
// the allocator. Text inside the item id is read only within the id's bytes.
CString StrRetText(const STRRET& text, LPCITEMIDLIST item, IMalloc* allocator)
{
    switch (text.uType) {
    case STRRET_WSTR: {
        const CString ansi = AnsiFromWide(text.pOleStr);
        allocator->Free(text.pOleStr);
        return ansi;
    }
    case STRRET_OFFSET: {
        if (text.uOffset >= item->mkid.cb)
            return CString();
        const char* start = reinterpret_cast<const char*>(item) + text.uOffset;
        return CString(start, static_cast<int>(strnlen(start, item->mkid.cb - text.uOffset)));
    }
    case STRRET_CSTR:
        return CString(text.cStr, static_cast<int>(strnlen(text.cStr, sizeof(text.cStr))));
    default:
        return CString();
    }
}

// The item's upper-cased parsing name; false when the folder gives none.
bool GetUpperParsingName(IShellFolder* folder, LPCITEMIDLIST item, IMalloc* allocator, CString& name)
{
    STRRET text = {};
    if (folder->GetDisplayNameOf(item, SHGDN_FORPARSING, &text) != S_OK)
        return false;
    name = UpperCaseText(StrRetText(text, item, allocator));
    return true;
}

// True for a name on the way to `path`: longer than the name that led into
// the current folder, a proper beginning of the path, and ending at a
// separator (the path's next byte or the name's own last byte is a backslash).
bool LeadsToPath(const CString& name, const CString& path, int walkedLength)
{
    const int length = name.GetLength();
    if (length <= walkedLength || length >= path.GetLength())
        return false;
    if (std::memcmp(name.GetString(), path.GetString(), static_cast<size_t>(length)) != 0)
        return false;
    return path.GetString()[length] == '\\' || name.GetString()[length - 1] == '\\';
}

// Hands `folder` to the caller with a reference of its own.
void HandOverFolder(IShellFolder* folder, CComPtr<IShellFolder>& foundFolder)
{
    folder->AddRef();
    *foundFolder.Receive() = folder;
}

int FindShellItemBeyond(HWND owner, const char* path, IShellFolder* folder, IMalloc* allocator,
                        CComPtr<IShellFolder>& foundFolder, CShellItemId& foundItem, int walkedLength);

// Binds the folder item `item` named `name` and continues the walk in it;
// false when it cannot be bound.
bool SearchSubfolder(HWND owner, const char* path, IShellFolder* folder, LPCITEMIDLIST item, const CString& name,
                     IMalloc* allocator, CComPtr<IShellFolder>& foundFolder, CShellItemId& foundItem)
{
    CComPtr<IShellFolder> subfolder;
    if (folder->BindToObject(item, nullptr, IID_IShellFolder, subfolder.ReceiveVoid()) != S_OK)
        return false;
    FindShellItemBeyond(owner, path, subfolder.Get(), allocator, foundFolder, foundItem, name.GetLength());
    return true;
}

// FindShellItem for a folder entered through a name of `walkedLength` bytes:
// only longer names lead further, so a folder that shows an ancestor of
// itself (a junction to the drives folder) cannot make the walk go round.
int FindShellItemBeyond(HWND owner, const char* path, IShellFolder* folder, IMalloc* allocator,
                        CComPtr<IShellFolder>& foundFolder, CShellItemId& foundItem, int walkedLength)
{
    foundFolder.Release();
    foundItem.Free();
    const CString upperPath = UpperCaseText(path);
    CComPtr<IEnumIDList> items;
    if (folder->EnumObjects(owner, kAllItems, items.Receive()) != S_OK)
        return 0;
    items->Reset();
    for (;;) {
        CShellItemId item(allocator);
        if (items->Next(1, item.Receive(), nullptr) != S_OK)
            return 0;
        CString name;
        if (!GetUpperParsingName(folder, item.Get(), allocator, name))
            continue;
        if (name == upperPath) {
            HandOverFolder(folder, foundFolder);
            foundItem.TakeFrom(item);
            return 1;
        }
        if (LeadsToPath(name, upperPath, walkedLength) &&
            SearchSubfolder(owner, path, folder, item.Get(), name, allocator, foundFolder, foundItem))
            return 0;
    }
}

} // namespace

CString UpperCaseText(const char* text)
{
    std::string upper(text);
    if (!upper.empty())
        ::CharUpperBuffA(&upper[0], static_cast<DWORD>(upper.size()));
    return CString(upper);
}

int GetShellItemIconLocation(HWND owner, const char* path, CString& iconFile, int* iconIndex)
{
    CComPtr<IMalloc> allocator;
    if (FAILED(::SHGetMalloc(allocator.Receive())))
        return 0;
    CComPtr<IShellFolder> desktop;
    if (::SHGetDesktopFolder(desktop.Receive()) != S_OK)
        return 0;
    CShellItemId drivesId(allocator.Get());
    if (FAILED(::SHGetSpecialFolderLocation(owner, CSIDL_DRIVES, drivesId.Receive())))
        return 0;
    CComPtr<IShellFolder> drives;
    if (desktop->BindToObject(drivesId.Get(), nullptr, IID_IShellFolder, drives.ReceiveVoid()) != S_OK)
        return 0;
    // Released in reverse: the found id, the found folder, then the above.
    CComPtr<IShellFolder> foundFolder;
    CShellItemId foundItem(allocator.Get());
    FindShellItem(owner, path, drives.Get(), allocator.Get(), foundFolder, foundItem);
    if (!foundFolder || foundItem.Get() == nullptr)
        return 0;
    return GetItemIconLocation(owner, foundFolder.Get(), foundItem.Get(), iconFile, iconIndex);
}

int FindShellItem(HWND owner, const char* path, IShellFolder* folder, IMalloc* allocator,
                  CComPtr<IShellFolder>& foundFolder, CShellItemId& foundItem)
{
    return FindShellItemBeyond(owner, path, folder, allocator, foundFolder, foundItem, 0);
}

int GetItemIconLocation(HWND owner, IShellFolder* folder, LPCITEMIDLIST item, CString& iconFile, int* iconIndex)
{
    CComPtr<IExtractIconA> extractor;
    LPCITEMIDLIST items[1] = {item};
    if (folder->GetUIObjectOf(owner, 1, items, IID_IExtractIconA, nullptr, extractor.ReceiveVoid()) != S_OK)
        return 0;
    char location[MAX_PATH] = {};
    int index = 0;
    UINT flags = 0;  // not read: a location that is no file name is passed on as well
    if (extractor->GetIconLocation(GIL_FORSHELL, location, MAX_PATH, &index, &flags) != S_OK)
        return 0;
    iconFile = CString(location, static_cast<int>(strnlen(location, sizeof(location))));
    *iconIndex = index;
    return 1;
}
