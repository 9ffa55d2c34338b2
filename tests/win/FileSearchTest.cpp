// The shortcut file search against real folders in the test prefix.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/FindFile.h"
#include "support/Shortcuts.h"
#include "support/TestFolders.h"
#include "survey/FileSearch.h"

namespace {
class FileSearchTest : public testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, temp);
        root = std::string(temp) + "velmora-search";
        EmptyFolder(root);
        ASSERT_TRUE(MakeFolders(root));
    }
    void TearDown() override
    {
        EmptyFolder(root);
        ::RemoveDirectoryA(root.c_str());
    }
    void Touch(const std::string& relative)
    {
        const std::string path = root + "\\" + relative;
        MakeFolders(path.substr(0, path.rfind('\\')));
        ASSERT_TRUE(WriteFileBytes(path, "x"));
    }
    std::vector<std::string> Collect()
    {
        CStringArray list;
        CollectFiles(root.c_str(), list);
        std::vector<std::string> paths;
        for (int i = 0; i < list.GetSize(); ++i)
            paths.push_back(list[i].str().substr(root.size() + 1));
        return paths;
    }
    std::string root;
};
}

// All LNK files of the tree, then all PIF files; within each, a folder's own
// files come first, then each subfolder's whole tree in the platform's
// order; a name the code page cannot carry goes by its short name; other
// extensions are not listed.
TEST_F(FileSearchTest, ListsLnkThenPifEachDepthFirst)
{
    for (const char* file : {"top.pif", "top.lnk", "readme.txt", "A\\a.PIF", "A\\a.Lnk", "A\\Deep\\d.pif",
                             "A\\Deep\\d.lnk", "B\\b.pif", "B\\notes.txt"})
        Touch(file);
    const std::wstring wide = WideFromAnsi(root.c_str()) + L"\\B\\Caf\u00E9.lnk";
    ASSERT_TRUE(CScopedFile(::CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr)).IsOpen());
    WCHAR shortPath[MAX_PATH] = {};
    ASSERT_GT(::GetShortPathNameW(wide.c_str(), shortPath, MAX_PATH), 0u);
    const std::string shortName = AnsiFromWide(std::wcsrchr(shortPath, L'\\') + 1).str();

    // A and B in the order the platform lists the root's entries.
    CFindFile listing((WideFromAnsi(root.c_str()) + L"\\*").c_str(), FindExInfoBasic, 0);
    std::wstring name;
    do
        name = listing.Found() ? listing.Entry().cFileName : L"";
    while (name != L"A" && name != L"B" && listing.FindNextFile());
    const bool aFirst = name == L"A";
    auto inOrder = [aFirst](std::vector<std::string> a, const std::vector<std::string>& b) {
        a.insert(aFirst ? a.end() : a.begin(), b.begin(), b.end());
        return a;
    };
    std::vector<std::string> expected = {"top.lnk"};
    for (const std::string& path : inOrder({"A\\a.Lnk", "A\\Deep\\d.lnk"}, {"B\\" + shortName}))
        expected.push_back(path);
    expected.push_back("top.pif");
    for (const std::string& path : inOrder({"A\\a.PIF", "A\\Deep\\d.pif"}, {"B\\b.pif"}))
        expected.push_back(path);
    EXPECT_EQ(Collect(), expected);
    ::DeleteFileW(wide.c_str());  // out of reach of the ANSI clean-up
}

// A folder named like a shortcut is searched but never listed itself.
TEST_F(FileSearchTest, FolderNamedLikeShortcutIsSearchedNotListed)
{
    ASSERT_TRUE(MakeFolders(root + "\\x.lnk"));
    Touch("x.lnk\\inner.lnk");
    EXPECT_EQ(Collect(), std::vector<std::string>{"x.lnk\\inner.lnk"});
}

// There is no depth limit short of the path length; "." and ".." are never
// entered (entering them would never end or would leave the tree).
TEST_F(FileSearchTest, WalksDeepNestingAndStaysInsideTheTree)
{
    std::string relative;
    for (int level = 0; level < 30; ++level)
        relative += "d\\";
    Touch(relative + "deep.lnk");
    Touch("other.pif");

    EXPECT_EQ(Collect(), (std::vector<std::string>{relative + "deep.lnk", "other.pif"}));
}

// Entries already in the list stay; a missing folder adds nothing.
TEST_F(FileSearchTest, AppendsToTheListAndSkipsMissingFolders)
{
    Touch("one.lnk");
    CStringArray list;
    list.Add("kept");
    CollectFiles((root + "\\missing").c_str(), list);
    CollectFiles(root.c_str(), list);
    ASSERT_EQ(list.GetSize(), 2);
    EXPECT_EQ(list[0].str(), "kept");
    EXPECT_EQ(list[1].str(), root + "\\one.lnk");
}
