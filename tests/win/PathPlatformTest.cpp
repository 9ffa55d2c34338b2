// The file-system tests and the environment lookup against the real platform:
// files and folders made under the temporary folder, drive C: and variables
// set in the test process.
#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "framework/PathForms.h"
#include "shellicon/ExistingPaths.h"
#include "rules/EnvExpansion.h"

namespace {

struct PathAnswer {
    std::string path;
    int answer;
};

// A folder of its own under the temporary folder, holding a file, a subfolder
// with a file and a folder named with the katakana so ("\x83\x5C").
class PathPlatformTest : public testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        ASSERT_NE(::GetTempPathA(MAX_PATH, temp), 0u);
        m_folder = std::string(temp) + "VelmoraPathTest" + std::to_string(::GetCurrentProcessId());
        ASSERT_TRUE(MakeFolder(m_folder));
        ASSERT_TRUE(MakeFile(m_folder + "\\Notepad.lnk"));
        ASSERT_TRUE(MakeFolder(m_folder + "\\sub"));
        ASSERT_TRUE(MakeFile(m_folder + "\\sub\\x.txt"));
        ASSERT_TRUE(MakeFolder(m_folder + "\\\x83\x5C"));
    }

    void TearDown() override
    {
        if (!m_previousDirectory.empty())
            ::SetCurrentDirectoryA(m_previousDirectory.c_str());
        for (auto made = m_made.rbegin(); made != m_made.rend(); ++made) {
            EXPECT_TRUE(made->second ? ::RemoveDirectoryA(made->first.c_str()) : ::DeleteFileA(made->first.c_str()))
                << made->first;
        }
    }

    bool MakeFolder(const std::string& path)
    {
        if (!::CreateDirectoryA(path.c_str(), nullptr))
            return false;
        m_made.emplace_back(path, true);
        return true;
    }

    bool MakeFile(const std::string& path)
    {
        const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return false;
        ::CloseHandle(file);
        m_made.emplace_back(path, false);
        return true;
    }

    // Makes the test folder the current directory until the test ends.
    void EnterFolder()
    {
        char previous[MAX_PATH];
        ASSERT_NE(::GetCurrentDirectoryA(MAX_PATH, previous), 0u);
        m_previousDirectory = previous;
        ASSERT_TRUE(::SetCurrentDirectoryA(m_folder.c_str()));
    }

    std::string m_folder;
    std::string m_previousDirectory;
    std::vector<std::pair<std::string, bool>> m_made;  // path, is a folder
};

// A drive letter that names no drive.
char UnusedDriveLetter()
{
    const DWORD drives = ::GetLogicalDrives();
    for (char letter = 'Z'; letter > 'C'; --letter) {
        if (!(drives & (1u << (letter - 'A'))))
            return letter;
    }
    return '\0';
}

TEST_F(PathPlatformTest, IsExistingFile)
{
    EnterFolder();
    const PathAnswer cases[] = {
        {m_folder + "\\Notepad.lnk", 1},
        {m_folder + "\\sub\\x.txt", 1},
        {m_folder + "\\*.lnk", 1},
        {m_folder + "\\Missing.lnk", 0},
        {m_folder, 0},
        {m_folder + "\\", 0},
        {m_folder + "\\sub", 0},
        {m_folder + "\\\x83\x5C", 0},
        {"Notepad.lnk", 0},
        {"sub\\x.txt", 0},
        {"sub\\\\x.txt", 1},
        {"", 0},
    };
    for (const PathAnswer& c : cases)
        EXPECT_EQ(IsExistingFile(c.path.c_str()), c.answer) << c.path;
}

TEST_F(PathPlatformTest, IsDirectoryOrDrive)
{
    const char unused = UnusedDriveLetter();
    ASSERT_NE(unused, '\0');
    const std::string noDrive(1, unused);
    const PathAnswer cases[] = {
        {"C", 1},
        {"C:", 1},
        {"C:\\", 1},
        {"c:\\", 1},
        {noDrive, 0},
        {noDrive + ":", 0},
        {noDrive + ":\\", 0},
        {"", 0},
        {m_folder, 1},
        {m_folder + "\\", 1},
        {m_folder + "\\sub", 1},
        {m_folder + "\\sub\\", 1},
        {m_folder + "\\\x83\x5C\\", 1},
        {m_folder + "\\Notepad.lnk", 0},
        {m_folder + "\\Notepad.lnk\\", 0},
        {m_folder + "\\Missing", 0},
    };
    for (const PathAnswer& c : cases)
        EXPECT_EQ(IsDirectoryOrDrive(c.path.c_str()), c.answer) << c.path;
}

// Short names are replaced a name at a time; "." and ".." stay; a wildcard or a missing name leaves the path.
TEST_F(PathPlatformTest, LongNameOf)
{
    const std::string longName = m_folder + "\\Long folder name";
    WIN32_FIND_DATAA entry = {};
    ASSERT_TRUE(MakeFolder(longName));
    ::FindClose(::FindFirstFileA(longName.c_str(), &entry));
    const std::string shortName = m_folder + "\\" + entry.cAlternateFileName;
    const std::pair<std::string, std::string> cases[] = {
        {"\\\\?\\" + shortName, "\\\\?\\" + longName}, {shortName + "\\*", shortName + "\\*"}, {shortName + "\\x", shortName + "\\x"},
        {shortName + "\\.\\..\\" + entry.cAlternateFileName + "\\", longName + "\\.\\..\\Long folder name\\"},
    };
    for (const auto& [given, expected] : cases)
        EXPECT_EQ(LongNameOf(std::wstring(given.begin(), given.end())), std::wstring(expected.begin(), expected.end())) << given;
}

// A value of `length` characters whose every position is told apart from its
// neighbours, so a cut or a shift shows.
std::string LongValue(std::size_t length)
{
    std::string value;
    for (std::size_t i = 0; i < length; ++i)
        value += static_cast<char>('A' + i % 26);
    return value;
}

// Variables set for one test and removed (or restored) after it.
class EnvironmentTest : public testing::Test {
protected:
    void TearDown() override
    {
        for (auto saved = m_saved.rbegin(); saved != m_saved.rend(); ++saved)
            ::SetEnvironmentVariableA(saved->first.c_str(), saved->second ? saved->second->c_str() : nullptr);
    }

    void Set(const std::string& name, const char* value)
    {
        m_saved.emplace_back(name, LookupEnvironmentVariable(name));
        ASSERT_TRUE(::SetEnvironmentVariableA(name.c_str(), value)) << name;
    }

    std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};

struct ExpansionCase {
    std::string source;
    std::string expanded;
};

TEST_F(EnvironmentTest, ExpandsProcessVariables)
{
    Set("WINDIR", "C:\\WINDOWS");
    Set("VELMORA_L1", "x");
    Set("VELMORA_L98", LongValue(98).c_str());
    Set("VELMORA_L99", LongValue(99).c_str());
    Set("VELMORA_L150", LongValue(150).c_str());
    Set("VELMORA_EMPTY", "");
    Set("VELMORA_ABSENT", nullptr);

    const ExpansionCase cases[] = {
        {"%WINDIR%\\NOTEPAD.EXE", "C:\\WINDOWS\\NOTEPAD.EXE"},
        {"%windir%\\x", "C:\\WINDOWS\\x"},
        {"%NO_SUCH_NAME%\\x", "%NO_SUCH_NAME%\\x"},
        {"%VELMORA_ABSENT%\\x", "%VELMORA_ABSENT%\\x"},
        {"%VELMORA_EMPTY%\\x", "%VELMORA_EMPTY%\\x"},
        {"%%", "%%"},
        {"100%", "100%"},
        {"a%b", "a%b"},
        {"C:\\x\\a.lnk", "C:\\x\\a.lnk"},
        {"<%VELMORA_L1%>", "<x>"},
        {"<%VELMORA_L98%>", "<" + LongValue(98) + ">"},
        {"<%VELMORA_L99%>", "<" + LongValue(99) + ">"},
        {"<%VELMORA_L150%>", "<" + LongValue(150) + ">"},
    };
    for (const ExpansionCase& c : cases) {
        CString dest("previous text");
        ExpandEnvVars(c.source.c_str(), dest);
        EXPECT_EQ(dest.str(), c.expanded) << c.source;
    }
}

TEST_F(EnvironmentTest, LookupGivesTheWholeValueOrNothing)
{
    Set("VELMORA_EMPTY", "");
    Set("VELMORA_ABSENT", nullptr);
    Set("VELMORA_L150", LongValue(150).c_str());
    EXPECT_EQ(LookupEnvironmentVariable("VELMORA_EMPTY"), std::nullopt);
    EXPECT_EQ(LookupEnvironmentVariable("VELMORA_ABSENT"), std::nullopt);
    EXPECT_EQ(LookupEnvironmentVariable(""), std::nullopt);
    EXPECT_EQ(LookupEnvironmentVariable("VELMORA_L150"), LongValue(150));
}

} // namespace
