// The shell namespace search against the real shell: folders and files made
// in a scratch folder on drive C: and in the Documents folder, whose items the
// shell lists and whose icons it reports. The test type ".vlmns" registers
// "%1", so an item's icon location is its own path and shows which item the
// search found.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "framework/Com.h"
#include "shellicon/NamespaceSearch.h"
#include "support/Shortcuts.h"
#include "support/TestFolders.h"

namespace {

// Registers ".vlmns" as a type whose files hold their own icon, for one test.
class OwnIconType {
public:
    OwnIconType()
    {
        SetDefault(".vlmns", "Velmora.NamespaceItem");
        SetDefault("Velmora.NamespaceItem\\DefaultIcon", "%1");
    }
    ~OwnIconType()
    {
        ::RegDeleteKeyA(HKEY_CLASSES_ROOT, "Velmora.NamespaceItem\\DefaultIcon");
        ::RegDeleteKeyA(HKEY_CLASSES_ROOT, "Velmora.NamespaceItem");
        ::RegDeleteKeyA(HKEY_CLASSES_ROOT, ".vlmns");
    }
    OwnIconType(const OwnIconType&) = delete;
    OwnIconType& operator=(const OwnIconType&) = delete;

private:
    static void SetDefault(const char* key, const std::string& text)
    {
        HKEY handle = nullptr;
        ASSERT_EQ(::RegCreateKeyExA(HKEY_CLASSES_ROOT, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr),
                  ERROR_SUCCESS);
        ::RegSetValueExA(handle, "", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                         static_cast<DWORD>(text.size() + 1));
        ::RegCloseKey(handle);
    }
};

std::string Lower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string Upper(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

struct Found {
    int result;
    std::string file;
    int index;
};

bool operator==(const Found& a, const Found& b)
{
    return a.result == b.result && a.file == b.file && a.index == b.index;
}

std::ostream& operator<<(std::ostream& out, const Found& found)
{
    return out << found.result << " \"" << found.file << "\" " << found.index;
}

// An answer as the cases spell it: none as result 0, "untouched" and 7.
Found AsFound(const std::optional<CIconLocation>& found)
{
    return found ? Found{1, found->file.str(), found->index} : Found{0, "untouched", 7};
}

// ShellItemIconLocation's answer.
Found Search(const std::string& path)
{
    return AsFound(ShellItemIconLocation(nullptr, path.c_str()));
}

const Found kNotFound = {0, "untouched", 7};

// The item found for `path`: its icon is the path as the shell spells it.
Found FoundAt(const std::string& path)
{
    return {1, path, 0};
}

class NamespaceSearchTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(com.Succeeded());
        ASSERT_TRUE(SUCCEEDED(::SHGetMalloc(allocator.Receive())));
        ASSERT_EQ(::SHGetDesktopFolder(desktop.Receive()), S_OK);
        m_folder = "C:\\VelmoraNamespace" + std::to_string(::GetCurrentProcessId());
        EmptyFolder(m_folder);
        ASSERT_TRUE(MakeFolders(m_folder));
    }
    void TearDown() override
    {
        EmptyFolder(m_folder);
        ::SetFileAttributesA(m_folder.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::RemoveDirectoryA(m_folder.c_str());
    }

    // An empty file at `relative` under the scratch folder; its full path.
    std::string File(const std::string& relative)
    {
        const std::string path = m_folder + "\\" + relative;
        EXPECT_TRUE(MakeFolders(path.substr(0, path.rfind('\\'))));
        EXPECT_TRUE(WriteFileBytes(path, "")) << path;
        return path;
    }

    // The folder interface of a file-system folder, bound from the desktop.
    CComPtr<IShellFolder> BindPath(const std::string& path)
    {
        CComPtr<IShellFolder> folder;
        WCHAR wide[MAX_PATH] = {};
        ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
        CShellItemId id;
        if (desktop->ParseDisplayName(nullptr, nullptr, wide, nullptr, id.Receive(), nullptr) == S_OK)
            desktop->BindToObject(id.Get(), nullptr, IID_IShellFolder, folder.ReceiveVoid());
        return folder;
    }

    // The parsing names of a folder's items, in the shell's order.
    std::vector<std::string> ParsingNames(IShellFolder* folder)
    {
        std::vector<std::string> names;
        CComPtr<IEnumIDList> items;
        const SHCONTF all = SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN;
        if (folder->EnumObjects(nullptr, all, items.Receive()) != S_OK)
            return names;
        CShellItemId item;
        while (items->Next(1, item.Receive(), nullptr) == S_OK) {
            STRRET text = {};
            if (folder->GetDisplayNameOf(item.Get(), SHGDN_FORPARSING, &text) != S_OK || text.uType != STRRET_WSTR)
                continue;
            char name[MAX_PATH * 2] = {};
            ::WideCharToMultiByte(CP_ACP, 0, text.pOleStr, -1, name, sizeof(name), nullptr, nullptr);
            allocator->Free(text.pOleStr);
            names.push_back(name);
        }
        return names;
    }

    const CComInit com;
    const OwnIconType type;
    CComPtr<IMalloc> allocator;
    CComPtr<IShellFolder> desktop;
    std::string m_folder;
};

// The walk compares upper-cased names, so any letter case finds the item.
TEST_F(NamespaceSearchTest, FindsItemsWhateverTheLetterCase)
{
    const std::string item = File("Plain Folder\\Item.vlmns");
    for (const std::string& path : {item, Lower(item), Upper(item)})
        EXPECT_EQ(Search(path), FoundAt(item)) << path;
}

// Hidden folders and files are listed and walked like any other.
TEST_F(NamespaceSearchTest, WalksHiddenFoldersAndFiles)
{
    const std::string secret = File("Hidden\\Deeper\\Secret.vlmns");
    ASSERT_TRUE(::SetFileAttributesA((m_folder + "\\Hidden").c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(
        ::SetFileAttributesA((m_folder + "\\Hidden\\Deeper").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    ASSERT_TRUE(::SetFileAttributesA(secret.c_str(), FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(Search(secret), FoundAt(secret));
}

// A folder WIN listed before WINDOWS is not entered for a path inside
// WINDOWS: the byte after its name in the path is a letter, not a backslash.
TEST_F(NamespaceSearchTest, DoesNotEnterAFolderWhoseNameOnlyBeginsTheNextOne)
{
    ASSERT_TRUE(MakeFolders(m_folder + "\\WIN"));
    const std::string item = File("WINDOWS\\Desktop\\Printer.vlmns");
    const CComPtr<IShellFolder> scratch = BindPath(m_folder);
    ASSERT_TRUE(scratch);
    EXPECT_EQ(ParsingNames(scratch.Get()), (std::vector<std::string>{m_folder + "\\WIN", m_folder + "\\WINDOWS"}));
    EXPECT_EQ(Search(item), FoundAt(item));
}

// Paths that name no item reachable from the drives folder find nothing and
// leave the outputs as they were.
TEST_F(NamespaceSearchTest, FindsNothingForPathsOffTheDrives)
{
    const std::string item = File("Long Folder Name\\Long Item Name.vlmns");
    char shortPath[MAX_PATH] = {};
    ASSERT_GT(::GetShortPathNameA(item.c_str(), shortPath, MAX_PATH), 0u);
    ASSERT_NE(std::string(shortPath), item);
    const std::vector<std::string> paths = {"\\\\server\\share\\Item.vlmns",
                                            m_folder + "\\Long Folder Name\\Missing.vlmns", "Long Item Name.vlmns", "",
                                            shortPath};
    for (const std::string& path : paths)
        EXPECT_EQ(Search(path), kNotFound) << path;
}

// One set of listings, kept for a run of searches, answers each as a fresh
// search does: items listed before, further on in a folder listed before,
// below and beside it, in another letter case, and paths that find nothing;
// also when its folder objects were let go after a search and are bound again.
TEST_F(NamespaceSearchTest, ListingsKeptForManySearchesAnswerAsFreshSearches)
{
    const std::vector<std::string> items = {File("One\\First.vlmns"), File("One\\Second.vlmns"),
                                            File("One\\Deeper\\Third.vlmns"), File("Two\\Fourth.vlmns")};
    const std::vector<std::string> paths = {items[0], m_folder + "\\One\\Missing.vlmns", items[1], items[0],
                                            Lower(items[3]), items[2], m_folder + "\\Three\\Missing.vlmns",
                                            items[1]};
    CNamespaceListings listings;
    for (const std::string& path : paths) {
        EXPECT_EQ(AsFound(listings.IconLocationOf(nullptr, path.c_str())), Search(path)) << path;
        if (&path - paths.data() >= 4)
            listings.ReleaseFolders();
    }
}

// FindShellItem hands back the folder holding the match and the match's id;
// its result says whether the match lies directly in the folder searched.
// Without a match both outputs are cleared.
TEST_F(NamespaceSearchTest, FindShellItemTellsWhereTheMatchLies)
{
    const std::string item = File("Deep\\Item.vlmns");
    CShellItemId drivesId;
    ASSERT_TRUE(SUCCEEDED(::SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, drivesId.Receive())));
    CComPtr<IShellFolder> drives;
    ASSERT_EQ(desktop->BindToObject(drivesId.Get(), nullptr, IID_IShellFolder, drives.ReceiveVoid()), S_OK);

    CComPtr<IShellFolder> foundFolder;
    CShellItemId foundItem;
    EXPECT_EQ(FindShellItem(nullptr, "c:\\", drives.Get(), foundFolder, foundItem), 1);
    EXPECT_EQ(foundFolder.Get(), drives.Get());
    EXPECT_NE(foundItem.Get(), nullptr);

    EXPECT_EQ(FindShellItem(nullptr, item.c_str(), drives.Get(), foundFolder, foundItem), 0);
    ASSERT_TRUE(foundFolder);
    ASSERT_NE(foundItem.Get(), nullptr);
    EXPECT_EQ(AsFound(ItemIconLocation(nullptr, foundFolder.Get(), foundItem.Get())), FoundAt(item));

    EXPECT_EQ(
        FindShellItem(nullptr, (m_folder + "\\Deep\\Missing.vlmns").c_str(), drives.Get(), foundFolder, foundItem), 0);
    EXPECT_FALSE(foundFolder);
    EXPECT_EQ(foundItem.Get(), nullptr);
}

// The desktop lists the Documents folder under a parsing name that ends with
// a backslash; the walk still descends into it for a path inside.
TEST_F(NamespaceSearchTest, DescendsIntoANameEndingWithABackslash)
{
    const std::string documents = SpecialFolder(CSIDL_PERSONAL);
    ASSERT_FALSE(documents.empty());
    const std::vector<std::string> names = ParsingNames(desktop.Get());
    ASSERT_NE(std::find(names.begin(), names.end(), documents + "\\"), names.end());

    const std::string item = documents + "\\VelmoraNamespace" + std::to_string(::GetCurrentProcessId()) + ".vlmns";
    ASSERT_TRUE(WriteFileBytes(item, ""));
    CComPtr<IShellFolder> foundFolder;
    CShellItemId foundItem;
    EXPECT_EQ(FindShellItem(nullptr, Lower(item).c_str(), desktop.Get(), foundFolder, foundItem), 0);
    const Found found = foundFolder ? AsFound(ItemIconLocation(nullptr, foundFolder.Get(), foundItem.Get())) : kNotFound;
    EXPECT_EQ(found, FoundAt(item));
    ::DeleteFileA(item.c_str());
}

// A folder whose desktop.ini makes it show the drives folder lists C:\ again;
// the walk does not go round through it but ends with nothing found.
TEST_F(NamespaceSearchTest, EndsAtAFolderThatShowsTheDrivesAgain)
{
    const std::string junction = m_folder + "\\Junction";
    const std::string item = File("Junction\\Item.vlmns");
    ASSERT_TRUE(::WritePrivateProfileStringA(".ShellClassInfo", "CLSID", "{20D04FE0-3AEA-1069-A2D8-08002B30309D}",
                                             (junction + "\\desktop.ini").c_str()));
    ASSERT_TRUE(::SetFileAttributesA(junction.c_str(), FILE_ATTRIBUTE_READONLY));
    const CComPtr<IShellFolder> scratch = BindPath(m_folder);
    ASSERT_TRUE(scratch);
    CShellItemId junctionId;
    WCHAR name[] = L"Junction";
    ASSERT_EQ(scratch->ParseDisplayName(nullptr, nullptr, name, nullptr, junctionId.Receive(), nullptr), S_OK);
    CComPtr<IShellFolder> shown;
    ASSERT_EQ(scratch->BindToObject(junctionId.Get(), nullptr, IID_IShellFolder, shown.ReceiveVoid()), S_OK);
    const std::vector<std::string> names = ParsingNames(shown.Get());
    ASSERT_NE(std::find(names.begin(), names.end(), "C:\\"), names.end());

    EXPECT_EQ(Search(item), kNotFound);
    ::SetFileAttributesA(junction.c_str(), FILE_ATTRIBUTE_NORMAL);
}

} // namespace
