// The shortcut file search against real folders in the test prefix.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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
    std::vector<std::string> Collect(const char* extension)
    {
        CStringArray list;
        CollectFiles(root.c_str(), extension, list);
        std::vector<std::string> paths;
        for (int i = 0; i < list.GetSize(); ++i)
            paths.push_back(list[i].str().substr(root.size() + 1));
        return paths;
    }
    std::string root;
};
}

// A folder's own files come first, then each subfolder's whole tree in turn;
// other extensions are not listed.
TEST_F(FileSearchTest, ListsOwnFilesBeforeSubfoldersDepthFirst)
{
    Touch("top.lnk");
    Touch("A\\a.lnk");
    Touch("A\\Deep\\d.lnk");
    Touch("A\\z.lnk");
    Touch("B\\b.lnk");
    Touch("B\\notes.txt");
    Touch("readme.txt");

    const std::vector<std::string> found = Collect("LNK");
    ASSERT_EQ(found.size(), 5u);
    EXPECT_EQ(found[0], "top.lnk");
    // A's own files (in the platform's order) precede A\Deep, which precedes B.
    const auto at = [&](const std::string& name) { return std::find(found.begin(), found.end(), name) - found.begin(); };
    EXPECT_LT(at("A\\a.lnk"), at("A\\Deep\\d.lnk"));
    EXPECT_LT(at("A\\z.lnk"), at("A\\Deep\\d.lnk"));
    EXPECT_LT(at("A\\Deep\\d.lnk"), at("B\\b.lnk"));
    EXPECT_EQ(at("B\\b.lnk"), 4);
}

// A folder named like a shortcut is searched but never listed itself.
TEST_F(FileSearchTest, FolderNamedLikeShortcutIsSearchedNotListed)
{
    ASSERT_TRUE(MakeFolders(root + "\\x.lnk"));
    Touch("x.lnk\\inner.lnk");
    const std::vector<std::string> found = Collect("LNK");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0], "x.lnk\\inner.lnk");
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

    const std::vector<std::string> lnk = Collect("LNK");
    ASSERT_EQ(lnk.size(), 1u);
    EXPECT_EQ(lnk[0], relative + "deep.lnk");
    const std::vector<std::string> pif = Collect("PIF");
    ASSERT_EQ(pif.size(), 1u);
    EXPECT_EQ(pif[0], "other.pif");
}

// Entries already in the list stay; a missing folder adds nothing.
TEST_F(FileSearchTest, AppendsToTheListAndSkipsMissingFolders)
{
    Touch("one.lnk");
    CStringArray list;
    list.Add("kept");
    CollectFiles((root + "\\missing").c_str(), "LNK", list);
    CollectFiles(root.c_str(), "LNK", list);
    ASSERT_EQ(list.GetSize(), 2);
    EXPECT_EQ(list[0].str(), "kept");
    EXPECT_EQ(list[1].str(), root + "\\one.lnk");
}
