// Reading and writing one shortcut's hotkey through the shell link object.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <future>
#include <string>
#include <vector>

#include "cmd/Commands.h"
#include "framework/Com.h"
#include "framework/ScopedHandles.h"
#include "framework/SystemError.h"
#include "shell/LinkHotKey.h"
#include "shell/ShellLink.h"
#include "shell/ShortcutFingerprint.h"
#include "support/LinkCorpus.h"
#include "support/Shortcuts.h"
#include "support/TestFolders.h"

namespace {
class LinkHotKeyTest : public testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "velmora-link";
        ASSERT_TRUE(MakeFolders(folder));
        path = folder + "\\Tool.lnk";
        char windows[MAX_PATH] = {};
        ::GetWindowsDirectoryA(windows, MAX_PATH);
        spec.target = std::string(windows) + "\\notepad.exe";
        spec.hotKey = 0x0374;
        spec.arguments = "/a \"quoted arg\"";
        spec.workingDir = windows;
        spec.description = "A tool";
        spec.iconFile = std::string(windows) + "\\regedit.exe";
        spec.iconIndex = 2;
        ASSERT_TRUE(MakeShortcut(path, spec));
    }
    void TearDown() override
    {
        ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        EmptyFolder(folder);
        ::RemoveDirectoryA(folder.c_str());
    }

    std::string folder, path;
    ShortcutSpec spec;
};

struct LinkFields {
    std::string target, arguments, workingDir, description, iconFile;
    int iconIndex = -1;
    WORD hotKey = 0;
};

// `bytes` of a shortcut file with `hotKey` in its header.
std::string WithHotKey(std::string bytes, WORD hotKey)
{
    bytes[0x40] = static_cast<char>(hotKey & 0xFF);
    bytes[0x41] = static_cast<char>(hotKey >> 8);
    return bytes;
}

LinkFields ReadFields(const std::string& path)
{
    LinkFields fields;
    const CComInit com;
    CShellLinkFile link;
    if (link.Open(path.c_str(), nullptr) != S_OK)
        return fields;
    char text[MAX_PATH] = {};
    link.Link()->GetPath(text, MAX_PATH, nullptr, 0);
    fields.target = text;
    link.Link()->GetArguments(text, MAX_PATH);
    fields.arguments = text;
    link.Link()->GetWorkingDirectory(text, MAX_PATH);
    fields.workingDir = text;
    link.Link()->GetDescription(text, MAX_PATH);
    fields.description = text;
    link.Link()->GetIconLocation(text, MAX_PATH, &fields.iconIndex);
    fields.iconFile = text;
    link.Link()->GetHotkey(&fields.hotKey);
    return fields;
}
}

// The stored value comes back; 0 for a missing file or one that is no
// shortcut at all.
TEST_F(LinkHotKeyTest, ReadsTheStoredValueAndZeroWhenUnreadable)
{
    EXPECT_EQ(GetLinkHotKey(path.c_str(), nullptr), 0x0374);
    EXPECT_EQ(GetLinkHotKey((folder + "\\missing.lnk").c_str(), nullptr), 0);
    ASSERT_TRUE(WriteFileBytes(folder + "\\junk.lnk", std::string(200, '\x07')));
    EXPECT_EQ(GetLinkHotKey((folder + "\\junk.lnk").c_str(), nullptr), 0);
    EXPECT_EQ(SetLinkHotKey((folder + "\\missing.lnk").c_str(), 0x0241, nullptr), 0);
    EXPECT_EQ(::GetFileAttributesA((folder + "\\missing.lnk").c_str()), INVALID_FILE_ATTRIBUTES);
}

// The keeper's fingerprint stays through a write of the hotkey alone and
// changes when a new file with the same bytes takes the shortcut's place.
TEST_F(LinkHotKeyTest, FingerprintTellsAHotKeyWriteFromANewFile)
{
    const auto before = ReadShortcutFingerprint(path.c_str());
    ASSERT_TRUE(before);
    ASSERT_EQ(SetLinkHotKey(path.c_str(), 0, nullptr), 1);
    EXPECT_EQ(ReadShortcutFingerprint(path.c_str()), before);
    const std::string aside = folder + "\\Tool.old";
    ASSERT_TRUE(::MoveFileA(path.c_str(), aside.c_str()));
    ASSERT_TRUE(WriteFileBytes(path, ReadFileBytes(aside)));
    EXPECT_FALSE(ReadShortcutFingerprint(path.c_str()) == before);
}

// Writing stores the new value and keeps every other field of the shortcut;
// only the low 16 bits count; 0 removes the hotkey.
TEST_F(LinkHotKeyTest, WritesTheValueAndKeepsTheOtherFields)
{
    EXPECT_EQ(SetLinkHotKey(path.c_str(), 0x10641, nullptr), 1);
    EXPECT_EQ(StoredHotKey(path), 0x0641);
    const LinkFields fields = ReadFields(path);
    EXPECT_EQ(fields.hotKey, 0x0641);
    EXPECT_EQ(fields.target, spec.target);
    EXPECT_EQ(fields.arguments, spec.arguments);
    EXPECT_EQ(fields.workingDir, spec.workingDir);
    EXPECT_EQ(fields.description, spec.description);
    EXPECT_EQ(fields.iconFile, spec.iconFile);
    EXPECT_EQ(fields.iconIndex, spec.iconIndex);

    EXPECT_EQ(SetLinkHotKey(path.c_str(), 0, nullptr), 1);
    EXPECT_EQ(StoredHotKey(path), 0);
    EXPECT_EQ(GetLinkHotKey(path.c_str(), nullptr), 0);
}

namespace {
// Where two files differ: their sizes when those differ, else each offset.
std::string Differences(const std::string& a, const std::string& b)
{
    std::string offsets = a.size() != b.size() ? "size " + std::to_string(b.size()) : "";
    for (size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        offsets += a[i] != b[i] ? std::to_string(i) + " " : "";
    return offsets;
}
}

// Shortcuts of every kind the link object writes, each with the extra data
// blocks Windows writes (alone and all together): a hotkey change rewrites
// the two bytes at 0x40 and nothing else, and the file still opens with the
// new value.
TEST_F(LinkHotKeyTest, WritesOnlyTheHotKeyWordOfWindowsWrittenLinks)
{
    int files = 0, unchanged = 0;
    for (const std::string& link : WriteShellLinkVariety(folder, spec.target)) {
        const std::string plain = ReadFileBytes(link);
        for (unsigned blocks : {+kEnvironmentBlock, +kDarwinBlock, +kPropertyStoreBlock, +kTrackerBlock, +kUnknownBlock,
                                +kEveryWindowsBlock}) {
            const std::string before = WithWindowsBlocks(plain, blocks);
            ASSERT_TRUE(WriteFileBytes(link, before));
            const WORD value = StoredHotKey(link) == 0x0374 ? 0x0641 : 0x0374;
            EXPECT_EQ(SetLinkHotKey(link.c_str(), value, nullptr), 1) << link << " blocks " << blocks;
            EXPECT_EQ(Differences(WithHotKey(before, value), ReadFileBytes(link)), "") << link << " blocks " << blocks;
            EXPECT_EQ(GetLinkHotKey(link.c_str(), nullptr), value) << link << " blocks " << blocks;
            ++files;
            unchanged += ReadFileBytes(link) == WithHotKey(before, value) ? 1 : 0;
        }
    }
    std::printf("%d of %d shortcuts identical but for the hotkey word after a change\n", unchanged, files);
    EXPECT_GE(files, 200);
}

// Two changes of one file at once: each either writes or fails because the
// other holds the file; the file ends identical but for one of the two values.
TEST_F(LinkHotKeyTest, ConcurrentChangesLeaveOneValueAndEveryOtherByte)
{
    const std::string before = WithWindowsBlocks(ReadFileBytes(path), kEveryWindowsBlock);
    ASSERT_TRUE(WriteFileBytes(path, before));
    const auto change = [&](WORD value, LinkWriteFailure* failure) {
        int written = 0;
        for (int i = 0; i < 20; ++i)
            written += SetLinkHotKey(path.c_str(), value, nullptr, failure);
        return written;
    };
    LinkWriteFailure failures[2];
    std::future<int> other = std::async(std::launch::async, change, WORD{0x0641}, &failures[1]);
    const int written = change(0x0374, &failures[0]) + other.get();
    EXPECT_GT(written, 0);
    for (const LinkWriteFailure& failure : failures)
        EXPECT_TRUE(failure.problem == LinkWriteProblem::kNone || failure.error == ERROR_SHARING_VIOLATION)
            << static_cast<int>(failure.problem) << " " << failure.error;
    const std::string after = ReadFileBytes(path);
    EXPECT_TRUE(after == WithHotKey(before, 0x0374) || after == WithHotKey(before, 0x0641)) << Differences(before, after);
}

// Another program reading the shortcut (Explorer, an indexer), sharing it
// with everyone, neither stops a change nor sees a torn word.
TEST_F(LinkHotKeyTest, ChangesWhileAnotherHandleReadsTheFile)
{
    const CScopedFile reader(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                           nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(reader.IsOpen());
    const std::string before = ReadFileBytes(path);
    LinkWriteFailure failure;
    EXPECT_EQ(SetLinkHotKey(path.c_str(), 0x0641, nullptr, &failure), 1) << failure.error;
    EXPECT_EQ(ReadFileBytes(path), WithHotKey(before, 0x0641));
}

// With COM already initialised on the thread, CoInitialize answers S_FALSE:
// both calls fail and leave the file and the thread's COM count alone.
TEST_F(LinkHotKeyTest, ComAlreadyInitialisedGivesZero)
{
    const std::string before = ReadFileBytes(path);
    ASSERT_EQ(::CoInitialize(nullptr), S_OK);
    EXPECT_EQ(GetLinkHotKey(path.c_str(), nullptr), 0);
    EXPECT_EQ(SetLinkHotKey(path.c_str(), 0x0241, nullptr), 0);
    ::CoUninitialize();
    EXPECT_EQ(ReadFileBytes(path), before);
    // Balanced: the thread is uninitialised again.
    EXPECT_EQ(::CoInitialize(nullptr), S_OK);
    ::CoUninitialize();
}

// Run as a user who may not write the file (see tests/CMakeLists.txt): a
// read-only shortcut is not saved and keeps every byte.
TEST_F(LinkHotKeyTest, NonRootReadOnlyFileIsLeftAsItWas)
{
    ASSERT_TRUE(::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    const std::string before = ReadFileBytes(path);
    EXPECT_EQ(SetLinkHotKey(path.c_str(), 0x0241, nullptr), 0);
    EXPECT_EQ(ReadFileBytes(path), before);
}

namespace {
// `VelmoraCmd set PATH HOTKEY` run in-process: its exit status.
int RunSetCommand(const std::string& path, const char* hotKey)
{
    const char* argv[] = {"VelmoraCmd", "set", path.c_str(), hotKey};
    CommandOutput output;
    return RunCommandLine(4, argv, output);
}
}

// Two set commands on one shortcut at once, twenty each: each ends done, or
// in use by the other (exit 1, the system's reason), never refused as not a
// shortcut.
TEST_F(LinkHotKeyTest, ConcurrentSetCommandsEndDoneOrInUse)
{
    const std::string inUse = SystemErrorText(ERROR_SHARING_VIOLATION).str();
    const auto sets = [&](const char* text) {
        std::string unexpected;
        for (int i = 0; i < 20; ++i) {
            const char* argv[] = {"VelmoraCmd", "set", path.c_str(), text};
            CommandOutput output;
            const int status = RunCommandLine(4, argv, output);
            if (status != 0 && !(status == 1 && output.err.str().find(inUse) != std::string::npos))
                unexpected += std::to_string(status) + " " + output.err.str();
        }
        return unexpected;
    };
    std::future<std::string> other = std::async(std::launch::async, sets, "CTRL+ALT+A");
    EXPECT_EQ(sets("CTRL+SHIFT+F5"), "");
    EXPECT_EQ(other.get(), "");
}

// set writes the notation's text (or none) as the hotkey GetLinkHotKey reads back.
TEST_F(LinkHotKeyTest, SetCommandWritesTheHotkeyTheTextNames)
{
    const struct {
        const char* text;
        WORD value;
    } cases[] = {{"CTRL+ALT+N", 0x064E}, {"ALT+Page Up", 0x0421}, {"NONE", 0}, {"CTRL+SHIFT+F24", 0x0387}, {"SHIFT+Num 9", 0x0169}};
    for (const auto& c : cases) {
        EXPECT_EQ(RunSetCommand(path, c.text), 0) << c.text;
        EXPECT_EQ(GetLinkHotKey(path.c_str(), nullptr), c.value) << c.text;
    }
}

// Refused inputs (2) and a read-only shortcut (1) leave every file as it was:
// unknown texts, paths that are not shortcuts that open.
TEST_F(LinkHotKeyTest, SetCommandRefusesAndWritesNothing)
{
    ASSERT_TRUE(WriteFileBytes(folder + "\\junk.lnk", std::string(200, '\x07')));
    ASSERT_TRUE(WriteFileBytes(folder + "\\notes.txt", ReadFileBytes(path)));
    const std::string truncated = ReadFileBytes(path).substr(0, 0x50);
    ASSERT_TRUE(WriteFileBytes(folder + "\\cut.lnk", truncated));
    const struct {
        std::string path;
        const char* text;
        int status;
    } cases[] = {
        {path, "ctrl+alt+n", 2}, {path, "ALT+CTRL+N", 2}, {path, "CTRL+F25", 2}, {path, "CTRL+ALT+N ", 2},
        {folder + "\\notes.txt", "CTRL+A", 2}, {folder + "\\junk.lnk", "CTRL+A", 2}, {folder + "\\cut.lnk", "CTRL+A", 2},
        {folder + "\\missing.lnk", "CTRL+A", 2}, {folder, "CTRL+A", 2}, {path, "", 2},
    };
    for (const auto& c : cases) {
        const std::string before = ReadFileBytes(c.path);
        EXPECT_EQ(RunSetCommand(c.path, c.text), c.status) << c.path << " " << c.text;
        EXPECT_EQ(ReadFileBytes(c.path), before) << c.path << " " << c.text;
    }
    EXPECT_EQ(::GetFileAttributesA((folder + "\\missing.lnk").c_str()), INVALID_FILE_ATTRIBUTES);

    ASSERT_TRUE(::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    const std::string before = ReadFileBytes(path);
    EXPECT_EQ(RunSetCommand(path, "CTRL+A"), 1);
    EXPECT_EQ(ReadFileBytes(path), before);
}
