#include "shell/NamespaceListing.h"

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "text/UpperCase.h"

namespace {

// Every item of a folder, hidden ones included.
constexpr SHCONTF kAllItems = SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN;

// The text of a STRRET by its kind; shell-allocated wide text is freed.
// Text inside the item id is read only within the id's bytes.
CString StrRetText(const STRRET& text, LPCITEMIDLIST item)
{
    switch (text.uType) {
    case STRRET_WSTR: {
        const CString ansi = AnsiFromWide(text.pOleStr);
        ::CoTaskMemFree(text.pOleStr);
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
bool GetUpperParsingName(IShellFolder* folder, LPCITEMIDLIST item, CString& name)
{
    STRRET text = {};
    if (folder->GetDisplayNameOf(item, SHGDN_FORPARSING, &text) != S_OK)
        return false;
    name = UpperCaseText(StrRetText(text, item).GetString());
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

} // namespace

// A folder's items in the shell's order with their parsing names, taken from
// its enumerator only as far as a walk has needed them.
class CShellFolderListing {
public:
    struct Item {
        CShellItemId id;
        bool named = false;  // false: the folder gave no parsing name
        CString upperName;
        bool bindTried = false;
        std::unique_ptr<CShellFolderListing> folder;  // the folder it names, once bound
    };

    // `walkedLength`: the length of the name that led into this folder.
    CShellFolderListing(CComPtr<IShellFolder> folder, int walkedLength)
        : m_folder(std::move(folder)), m_walkedLength(walkedLength)
    {
    }

    IShellFolder* Folder() const { return m_folder.Get(); }
    int WalkedLength() const { return m_walkedLength; }
    // The item at `index`; null past the last or when the folder cannot be enumerated.
    Item* ItemAt(HWND owner, size_t index);
    // The listing of the folder that `item` names; null when it cannot be bound.
    CShellFolderListing* Subfolder(Item& item);

private:
    CComPtr<IShellFolder> m_folder;
    int m_walkedLength;
    bool m_started = false;
    CComPtr<IEnumIDList> m_items;  // null once the last item was taken
    std::vector<std::unique_ptr<Item>> m_listed;
};

CShellFolderListing::Item* CShellFolderListing::ItemAt(HWND owner, size_t index)
{
    if (!m_started) {
        m_started = true;
        if (m_folder->EnumObjects(owner, kAllItems, m_items.Receive()) == S_OK)
            m_items->Reset();
        else
            m_items.Release();
    }
    while (index >= m_listed.size() && m_items) {
        auto item = std::make_unique<Item>();
        if (m_items->Next(1, item->id.Receive(), nullptr) != S_OK) {
            m_items.Release();
            break;
        }
        item->named = GetUpperParsingName(m_folder.Get(), item->id.Get(), item->upperName);
        m_listed.push_back(std::move(item));
    }
    return index < m_listed.size() ? m_listed[index].get() : nullptr;
}

CShellFolderListing* CShellFolderListing::Subfolder(Item& item)
{
    if (!item.bindTried) {
        item.bindTried = true;
        CComPtr<IShellFolder> subfolder;
        if (m_folder->BindToObject(item.id.Get(), nullptr, IID_IShellFolder, subfolder.ReceiveVoid()) == S_OK)
            item.folder = std::make_unique<CShellFolderListing>(std::move(subfolder), item.upperName.GetLength());
    }
    return item.folder.get();
}

namespace {

// Where a walk found its path: the listing that holds the item, and the item.
struct CShellMatch {
    CShellFolderListing* folder = nullptr;
    CShellFolderListing::Item* item = nullptr;
};

// Searches `listing` for `upperPath` and, through the first item on the way
// to it that can be bound, the folders below, ending there whatever they
// hold. Only names longer than the one that led into a folder lead further,
// so a folder that shows an ancestor of itself (a junction to the drives
// folder) cannot make the walk go round.
CShellMatch FindListedItem(HWND owner, const CString& upperPath, CShellFolderListing& listing)
{
    for (size_t i = 0;; ++i) {
        CShellFolderListing::Item* item = listing.ItemAt(owner, i);
        if (item == nullptr)
            return {};
        if (!item->named)
            continue;
        if (item->upperName == upperPath)
            return {&listing, item};
        if (!LeadsToPath(item->upperName, upperPath, listing.WalkedLength()))
            continue;
        if (CShellFolderListing* subfolder = listing.Subfolder(*item))
            return FindListedItem(owner, upperPath, *subfolder);
    }
}

} // namespace

CShellNamespace::CShellNamespace() = default;
CShellNamespace::~CShellNamespace() = default;

CShellFolderListing* CShellNamespace::Drives(HWND owner)
{
    if (m_opened)
        return m_drives.get();
    m_opened = true;
    if (::SHGetDesktopFolder(m_desktop.Receive()) != S_OK)
        return nullptr;
    if (FAILED(::SHGetSpecialFolderLocation(owner, CSIDL_DRIVES, m_drivesId.Receive())))
        return nullptr;
    CComPtr<IShellFolder> drives;
    if (m_desktop->BindToObject(m_drivesId.Get(), nullptr, IID_IShellFolder, drives.ReceiveVoid()) != S_OK)
        return nullptr;
    m_drives = std::make_unique<CShellFolderListing>(std::move(drives), 0);
    return m_drives.get();
}

bool CShellNamespace::FindItem(HWND owner, const char* path, IShellFolder** folder, LPCITEMIDLIST* item)
{
    CShellFolderListing* drives = Drives(owner);
    if (drives == nullptr)
        return false;
    const CShellMatch match = FindListedItem(owner, UpperCaseText(path), *drives);
    if (match.item == nullptr)
        return false;
    *folder = match.folder->Folder();
    *item = match.item->id.Get();
    return true;
}

int FindShellItem(HWND owner, const char* path, IShellFolder* folder, CComPtr<IShellFolder>& foundFolder,
                  CShellItemId& foundItem)
{
    foundFolder.Release();
    foundItem.Free();
    CComPtr<IShellFolder> searched;
    HandOverFolder(folder, searched);
    CShellFolderListing listing(std::move(searched), 0);
    const CShellMatch match = FindListedItem(owner, UpperCaseText(path), listing);
    if (match.item == nullptr)
        return 0;
    HandOverFolder(match.folder->Folder(), foundFolder);
    foundItem.TakeFrom(match.item->id);
    return match.folder == &listing ? 1 : 0;
}
