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
        return CString::OfBuffer(start, item->mkid.cb - text.uOffset);
    }
    case STRRET_CSTR:
        return CString::OfBuffer(text.cStr, sizeof(text.cStr));
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

// A folder's items in the shell's order with their parsing names, all
// taken from its enumerator the first time they are asked for. The folder
// object itself can be let go and is bound again from the parent listing (or
// the desktop) by the id it was first bound by.
class CShellFolderListing {
public:
    struct Item {
        CShellItemId id;
        bool named = false;  // false: the folder gave no parsing name
        CString upperName;
        bool bindTried = false;
        std::unique_ptr<CShellFolderListing> folder;  // the folder it names, once bound
    };
    using Items = std::vector<std::unique_ptr<Item>>;

    // A listing of `folder`. `walkedLength`: the length of the name that led
    // into it. `id`, when given, binds it again: relative to `parent`, or to
    // the desktop for a listing without one; it must outlive the listing.
    CShellFolderListing(CComPtr<IShellFolder> folder, int walkedLength, CShellFolderListing* parent = nullptr,
                        LPCITEMIDLIST id = nullptr)
        : m_folder(std::move(folder)), m_walkedLength(walkedLength), m_parent(parent), m_id(id)
    {
    }

    // The folder object, bound again when it was let go; null when it cannot be.
    IShellFolder* Folder();
    int WalkedLength() const { return m_walkedLength; }
    // Every item; empty when the folder cannot be enumerated.
    const Items& ItemsOf(HWND owner);
    // The listing of the folder that `item` names; null when it cannot be bound.
    CShellFolderListing* Subfolder(Item& item);
    // Lets go of this folder object and those of every listing below it.
    void ReleaseFolders();

private:
    CComPtr<IShellFolder> m_folder;
    int m_walkedLength;
    CShellFolderListing* m_parent;
    LPCITEMIDLIST m_id;
    bool m_listed = false;
    Items m_items;
};

IShellFolder* CShellFolderListing::Folder()
{
    if (m_folder || m_id == nullptr)
        return m_folder.Get();
    CComPtr<IShellFolder> desktop;
    if (m_parent == nullptr && ::SHGetDesktopFolder(desktop.Receive()) != S_OK)
        return nullptr;
    IShellFolder* parent = m_parent != nullptr ? m_parent->Folder() : desktop.Get();
    if (parent == nullptr || parent->BindToObject(m_id, nullptr, IID_IShellFolder, m_folder.ReceiveVoid()) != S_OK)
        m_folder.Release();
    return m_folder.Get();
}

const CShellFolderListing::Items& CShellFolderListing::ItemsOf(HWND owner)
{
    if (m_listed)
        return m_items;
    m_listed = true;
    IShellFolder* folder = Folder();
    CComPtr<IEnumIDList> enumerator;
    if (folder == nullptr || folder->EnumObjects(owner, kAllItems, enumerator.Receive()) != S_OK || !enumerator)
        return m_items;
    enumerator->Reset();
    for (;;) {
        auto item = std::make_unique<Item>();
        if (enumerator->Next(1, item->id.Receive(), nullptr) != S_OK)
            break;
        item->named = GetUpperParsingName(folder, item->id.Get(), item->upperName);
        m_items.push_back(std::move(item));
    }
    return m_items;
}

CShellFolderListing* CShellFolderListing::Subfolder(Item& item)
{
    if (!item.bindTried) {
        item.bindTried = true;
        auto listing = std::make_unique<CShellFolderListing>(CComPtr<IShellFolder>(), item.upperName.GetLength(), this,
                                                             item.id.Get());
        if (listing->Folder() != nullptr)
            item.folder = std::move(listing);
    }
    return item.folder.get();
}

void CShellFolderListing::ReleaseFolders()
{
    m_folder.Release();
    for (const std::unique_ptr<Item>& item : m_items)
        if (item->folder)
            item->folder->ReleaseFolders();
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
    for (const std::unique_ptr<CShellFolderListing::Item>& item : listing.ItemsOf(owner)) {
        if (!item->named)
            continue;
        if (item->upperName == upperPath)
            return {&listing, item.get()};
        if (!LeadsToPath(item->upperName, upperPath, listing.WalkedLength()))
            continue;
        if (CShellFolderListing* subfolder = listing.Subfolder(*item))
            return FindListedItem(owner, upperPath, *subfolder);
    }
    return {};
}

} // namespace

CShellNamespace::CShellNamespace() = default;
CShellNamespace::~CShellNamespace() = default;

CShellFolderListing* CShellNamespace::Drives(HWND owner)
{
    if (m_opened)
        return m_drives.get();
    m_opened = true;
    if (FAILED(::SHGetSpecialFolderLocation(owner, CSIDL_DRIVES, m_drivesId.Receive())))
        return nullptr;
    auto drives = std::make_unique<CShellFolderListing>(CComPtr<IShellFolder>(), 0, nullptr, m_drivesId.Get());
    if (drives->Folder() != nullptr)
        m_drives = std::move(drives);
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
    if (folder == nullptr)
        return true;
    *folder = match.folder->Folder();
    *item = match.item->id.Get();
    return *folder != nullptr;
}

void CShellNamespace::ReleaseFolders()
{
    if (m_drives)
        m_drives->ReleaseFolders();
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
