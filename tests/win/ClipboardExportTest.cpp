// Edit > copy and Edit > copy as CSV in the real main window, and the
// clipboard functions under them. The clipboard is read back here, inside the
// test program, as another program would read it.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "cmd/Commands.h"
#include "cmd/StandardOutput.h"
#include "export/Clipboard.h"
#include "res/resource.h"
#include "support/Shortcuts.h"
#include "support/TestFolders.h"
#include "support/WindowDriver.h"

namespace {
// A hidden window of the test's own, to own or hold the clipboard.
class TestWindow {
public:
    TestWindow() : hwnd(::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr)) {}
    ~TestWindow() { ::DestroyWindow(hwnd); }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    HWND hwnd;
};

// Keeps the clipboard open from a window on a thread of its own, as another
// program does, until Release or destruction.
class ClipboardHolder {
public:
    ClipboardHolder()
        : m_release(::CreateEventA(nullptr, TRUE, FALSE, nullptr)), m_opened(::CreateEventA(nullptr, TRUE, FALSE, nullptr))
    {
        m_thread = ::CreateThread(nullptr, 0, &Hold, this, 0, nullptr);
        ::WaitForSingleObject(m_opened, 10000);
    }
    ~ClipboardHolder()
    {
        Release();
        ::CloseHandle(m_thread);
        ::CloseHandle(m_opened);
        ::CloseHandle(m_release);
    }
    ClipboardHolder(const ClipboardHolder&) = delete;
    ClipboardHolder& operator=(const ClipboardHolder&) = delete;

    // Closes the clipboard and waits for the holding thread to end.
    void Release()
    {
        ::SetEvent(m_release);
        ::WaitForSingleObject(m_thread, 10000);
    }
    bool held = false;

private:
    // The holding thread: opens the clipboard, waits, closes it.
    static DWORD WINAPI Hold(void* self)
    {
        ClipboardHolder& holder = *static_cast<ClipboardHolder*>(self);
        TestWindow window;
        holder.held = ::OpenClipboard(window.hwnd) != FALSE;
        ::SetEvent(holder.m_opened);
        ::WaitForSingleObject(holder.m_release, 10000);
        if (holder.held)
            ::CloseClipboard();
        return 0;
    }
    HANDLE m_release;
    HANDLE m_opened;
    HANDLE m_thread = nullptr;
};

// A registered format that only the tests put on the clipboard.
UINT TestFormat() { return ::RegisterClipboardFormatA("VelmoraTestFormat"); }

// A global block holding `bytes` exactly.
HGLOBAL BlockOf(const std::string& bytes)
{
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    memcpy(::GlobalLock(block), bytes.data(), bytes.size());
    ::GlobalUnlock(block);
    return block;
}

// Replaces the clipboard with `text` as CF_TEXT and a block of the test
// format, both owned by `owner`.
void PutOldContent(HWND owner, const std::string& text)
{
    ASSERT_TRUE(::OpenClipboard(owner));
    ::EmptyClipboard();
    EXPECT_NE(::SetClipboardData(CF_TEXT, BlockOf(text + '\0')), nullptr);
    EXPECT_NE(::SetClipboardData(TestFormat(), BlockOf("other")), nullptr);
    ::CloseClipboard();
}

// The whole block the clipboard holds in `format`; false when the clipboard
// cannot be opened or has no such block.
bool ReadClipboardBlock(UINT format, std::string& bytes)
{
    if (!::OpenClipboard(nullptr))
        return false;
    HANDLE block = ::GetClipboardData(format);
    const void* data = block ? ::GlobalLock(block) : nullptr;
    if (data != nullptr) {
        bytes.assign(static_cast<const char*>(data), ::GlobalSize(block));
        ::GlobalUnlock(block);
    }
    ::CloseClipboard();
    return data != nullptr;
}

// The clipboard's CF_TEXT block starts with `text` and its terminating zero.
testing::AssertionResult ClipboardHoldsText(const std::string& text)
{
    std::string block;
    if (!ReadClipboardBlock(CF_TEXT, block))
        return testing::AssertionFailure() << "no CF_TEXT block on the clipboard";
    const std::string expected = text + '\0';
    if (block.size() < expected.size() || block.compare(0, expected.size(), expected) != 0)
        return testing::AssertionFailure() << "clipboard holds \"" << block.c_str() << "\" (" << block.size()
                                           << " bytes), not \"" << text << "\"";
    return testing::AssertionSuccess();
}

class ClipboardExportTest : public testing::Test {
protected:
    void SetUp() override { PutOldContent(other.hwnd, "old content"); }
    // Sends `command` with the arrow cursor set and checks it comes back.
    void CopyWith(UINT command)
    {
        HCURSOR arrow = ::LoadCursorA(nullptr, IDC_ARROW);
        ::SetCursor(arrow);
        window.Command(command);
        EXPECT_EQ(::GetCursor(), arrow) << "cursor after command " << command;
    }
    TestWindow other;
    MainDialogFixture window;
};
}

// Names of 5 and 9 bytes: L = 9, every hotkey text at byte offset 10.
TEST_F(ClipboardExportTest, CopyTextAlignsHotkeysOneBytePastTheLongestName)
{
    window.AddRow("C:\\Menu\\a.lnk", "F1");
    window.AddRow("C:\\Desktop\\Notes.lnk", "CTRL+SHIFT+F5");
    CopyWith(ID_EDIT_COPY_TEXT);
    EXPECT_TRUE(ClipboardHoldsText("a.lnk     F1\r\nNotes.lnk CTRL+SHIFT+F5\r\n"));
    CopyWith(ID_EDIT_COPY_CSV);
    EXPECT_TRUE(ClipboardHoldsText("a.lnk,F1\r\nNotes.lnk,CTRL+SHIFT+F5\r\n"));
}

// Rows without a hotkey keep their spaces or comma; commas in names stay
// unquoted; double-byte names (one with a 0x5C trail byte) count in bytes.
TEST_F(ClipboardExportTest, CopiesTakeNamesAsShownAndCountBytes)
{
    window.AddRow("C:\\Menu\\\x83\x5C\x83\x74\x83\x67.lnk", "ALT+F1");  // cp932 "soft.lnk", 10 bytes
    window.AddRow("C:\\Menu\\a,b.lnk", "");
    window.AddRow("C:\\Menu\\Notes.lnk", "F2");
    CopyWith(ID_EDIT_COPY_TEXT);
    EXPECT_TRUE(ClipboardHoldsText("\x83\x5C\x83\x74\x83\x67.lnk ALT+F1\r\n"
                                   "a,b.lnk    \r\n"
                                   "Notes.lnk  F2\r\n"));
    CopyWith(ID_EDIT_COPY_CSV);
    EXPECT_TRUE(ClipboardHoldsText("\x83\x5C\x83\x74\x83\x67.lnk,ALT+F1\r\n"
                                   "a,b.lnk,\r\n"
                                   "Notes.lnk,F2\r\n"));
}

// Both copies follow the list's current order: by key, then by file name.
TEST_F(ClipboardExportTest, RowsComeInTheListsCurrentOrder)
{
    window.AddRow("C:\\x\\c.lnk", "CTRL+A");
    window.AddRow("C:\\y\\a.lnk", "F5");
    window.AddRow("C:\\z\\b.lnk", "ALT+F1");
    window.Command(ID_SORT_BY_KEY);
    CopyWith(ID_EDIT_COPY_CSV);
    EXPECT_TRUE(ClipboardHoldsText("b.lnk,ALT+F1\r\nc.lnk,CTRL+A\r\na.lnk,F5\r\n"));
    CopyWith(ID_EDIT_COPY_TEXT);
    EXPECT_TRUE(ClipboardHoldsText("b.lnk ALT+F1\r\nc.lnk CTRL+A\r\na.lnk F5\r\n"));

    window.Command(ID_SORT_BY_NAME);
    CopyWith(ID_EDIT_COPY_CSV);
    EXPECT_TRUE(ClipboardHoldsText("a.lnk,F5\r\nb.lnk,ALT+F1\r\nc.lnk,CTRL+A\r\n"));
    CopyWith(ID_EDIT_COPY_TEXT);
    EXPECT_TRUE(ClipboardHoldsText("a.lnk F5\r\nb.lnk ALT+F1\r\nc.lnk CTRL+A\r\n"));
}

// With full paths shown, both copies carry them and align over them.
TEST_F(ClipboardExportTest, FullPathModeCopiesFullPaths)
{
    window.AddRow("C:\\Menu\\a.lnk", "F1");
    window.AddRow("C:\\Desktop\\Notes.lnk", "ALT+F2");
    window.ShowFullPath(1);
    CopyWith(ID_EDIT_COPY_TEXT);
    EXPECT_TRUE(ClipboardHoldsText("C:\\Menu\\a.lnk        F1\r\nC:\\Desktop\\Notes.lnk ALT+F2\r\n"));
    CopyWith(ID_EDIT_COPY_CSV);
    EXPECT_TRUE(ClipboardHoldsText("C:\\Menu\\a.lnk,F1\r\nC:\\Desktop\\Notes.lnk,ALT+F2\r\n"));
}

// An empty list puts an empty text on the clipboard and drops what was there.
TEST_F(ClipboardExportTest, NoRowsLeaveOnlyAnEmptyText)
{
    for (UINT command : {ID_EDIT_COPY_TEXT, ID_EDIT_COPY_CSV}) {
        PutOldContent(other.hwnd, "old content");
        CopyWith(command);
        EXPECT_TRUE(ClipboardHoldsText("")) << "command " << command;
        EXPECT_FALSE(::IsClipboardFormatAvailable(TestFormat())) << "command " << command;
    }
}

// The main window owns the clipboard after either copy.
TEST_F(ClipboardExportTest, MainWindowOwnsTheCopiedText)
{
    window.AddRow("C:\\Menu\\a.lnk", "F1");
    for (UINT command : {ID_EDIT_COPY_TEXT, ID_EDIT_COPY_CSV}) {
        PutOldContent(other.hwnd, "old content");
        ASSERT_EQ(::GetClipboardOwner(), other.hwnd);
        CopyWith(command);
        EXPECT_EQ(::GetClipboardOwner(), window.dialog.m_hWnd) << "command " << command;
        EXPECT_FALSE(::IsClipboardFormatAvailable(TestFormat())) << "command " << command;
    }
}

// While another window holds the clipboard open, neither copy changes it and
// the cursor still comes back.
TEST_F(ClipboardExportTest, HeldClipboardKeepsItsOldContent)
{
    window.AddRow("C:\\Menu\\a.lnk", "F1");
    ClipboardHolder holder;
    ASSERT_TRUE(holder.held);
    CopyWith(ID_EDIT_COPY_TEXT);
    CopyWith(ID_EDIT_COPY_CSV);
    holder.Release();
    EXPECT_TRUE(ClipboardHoldsText("old content"));
    EXPECT_TRUE(::IsClipboardFormatAvailable(TestFormat()));
    EXPECT_EQ(::GetClipboardOwner(), other.hwnd);
}

// The text goes on the clipboard whole, owned by the given window.
TEST(CopyTextToClipboard, ReplacesTheContentAndReportsSuccess)
{
    TestWindow owner;
    TestWindow other;
    PutOldContent(other.hwnd, "old content");
    const std::string text = "line\r\n" + std::string(70000, 'x') + "\x83\x5C\r\n";
    EXPECT_EQ(CopyTextToClipboard(owner.hwnd, text.c_str()), 1);
    EXPECT_TRUE(ClipboardHoldsText(text));
    EXPECT_FALSE(::IsClipboardFormatAvailable(TestFormat()));
    EXPECT_EQ(::GetClipboardOwner(), owner.hwnd);
}

// A clipboard held open elsewhere gives 0 and keeps its content.
TEST(CopyTextToClipboard, HeldClipboardGivesZero)
{
    TestWindow owner;
    PutOldContent(owner.hwnd, "old content");
    ClipboardHolder holder;
    ASSERT_TRUE(holder.held);
    EXPECT_EQ(CopyTextToClipboard(owner.hwnd, "new"), 0);
    holder.Release();
    EXPECT_TRUE(ClipboardHoldsText("old content"));
}

// The block is movable, shareable and holds the text with its zero byte.
TEST(CopyTextToGlobal, HoldsTheTextAndItsTerminator)
{
    for (const std::string& text : {std::string(), std::string("a,b\r\n\x83\x5C "), std::string(5000, 'y')}) {
        HGLOBAL block = CopyTextToGlobal(text.c_str());
        ASSERT_NE(block, nullptr);
        EXPECT_GE(::GlobalSize(block), text.size() + 1);
        EXPECT_TRUE(::GlobalFlags(block) & GMEM_DDESHARE);
        const char* bytes = static_cast<const char*>(::GlobalLock(block));
        ASSERT_NE(bytes, nullptr);
        EXPECT_NE(static_cast<const void*>(bytes), static_cast<const void*>(block)) << "not a movable block";
        EXPECT_EQ(std::string(bytes, text.size() + 1), text + '\0');
        ::GlobalUnlock(block);
        EXPECT_EQ(::GlobalFree(block), nullptr);
    }
}

namespace {
// The command program's output for `arguments` (after the program name),
// run in-process; its exit status into `status`.
std::string CommandOutputOf(std::initializer_list<const char*> arguments, int& status)
{
    std::vector<const char*> argv = {"VelmoraCmd"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    CommandOutput output;
    status = RunCommandLine(static_cast<int>(argv.size()), argv.data(), output);
    return output.out.str();
}

// Shortcuts whose hotkeys come as two pairs and a triple, with a row of its
// own, a shortcut without a hotkey, a comma and a double-byte name among them.
class CommandListTest : public ClipboardExportTest {
protected:
    void SetUp() override
    {
        ClipboardExportTest::SetUp();
        const struct {
            std::string path;
            WORD hotKey;
        } shortcuts[] = {
            {folders.StartMenu() + "\\Alpha.lnk", 0x0374},
            {folders.StartMenu() + "\\Programs\\a,b.lnk", 0x0641},
            {folders.StartMenu() + "\\NoKey.lnk", 0},
            {folders.StartMenu() + "\\Solo.lnk", 0x0070},
            {folders.StartMenu() + "\\\x83\x5C\x83\x74\x83\x67.lnk", 0x0421},
            {folders.Desktop() + "\\Beta.lnk", 0x0374},
            {folders.Desktop() + "\\Gamma.lnk", 0x0641},
            {folders.CommonStartMenu() + "\\Delta.lnk", 0x0641},
            {folders.CommonStartMenu() + "\\Old.pif", 0x0421},
        };
        for (const auto& shortcut : shortcuts) {
            MakeFolders(shortcut.path.substr(0, shortcut.path.rfind('\\')));
            ShortcutSpec spec;
            spec.target = folders.Target();
            spec.hotKey = shortcut.hotKey;
            ASSERT_TRUE(MakeShortcut(shortcut.path, spec)) << shortcut.path;
        }
    }
    // The main window's copy `command` after a survey in the given view.
    std::string WindowCopy(UINT command, int fullPath, int showUnassigned)
    {
        window.ShowFullPath(fullPath);
        window.ShowUnassigned(showUnassigned);
        window.Command(IDC_START_SURVEY);
        window.Command(command);
        std::string block;
        EXPECT_TRUE(ReadClipboardBlock(CF_TEXT, block));
        return block.c_str();
    }
    SurveyFolders folders;
};

// The window's CSV copy as the command program prints it: the name with a
// comma quoted, whole, as one field.
std::string QuotedCommaName(std::string copy)
{
    const std::size_t comma = copy.find("a,b.lnk,");
    if (comma == std::string::npos)
        return copy;
    copy.insert(comma + 7, "\"");
    const std::size_t lineStart = copy.rfind('\n', comma);
    return copy.insert(lineStart == std::string::npos ? 0 : lineStart + 1, "\"");
}
}

// list prints exactly the main window's copy of the same survey, in every
// view and both formats, but for the one CSV field holding a comma, which it
// quotes; rows with equal hotkey texts come in the same order.
TEST_F(CommandListTest, ListPrintsTheMainWindowsCopyByteForByte)
{
    const struct {
        std::initializer_list<const char*> arguments;
        UINT command;
        int fullPath, showUnassigned;
    } cases[] = {
        {{"list", "/csv"}, ID_EDIT_COPY_CSV, 0, 0},
        {{"list"}, ID_EDIT_COPY_TEXT, 0, 0},
        {{"LIST", "-FullPath", "/csv"}, ID_EDIT_COPY_CSV, 1, 0},
        {{"list", "/all", "/csv"}, ID_EDIT_COPY_CSV, 0, 1},
        {{"list", "/all", "/fullpath"}, ID_EDIT_COPY_TEXT, 1, 1},
    };
    for (const auto& c : cases) {
        std::string copied = WindowCopy(c.command, c.fullPath, c.showUnassigned);
        if (c.command == ID_EDIT_COPY_CSV)
            copied = QuotedCommaName(copied);
        int status = -1;
        EXPECT_EQ(CommandOutputOf(c.arguments, status), copied) << "command " << c.command << " view " << c.fullPath << c.showUnassigned;
        EXPECT_EQ(status, 0);
    }
}

// duplicates prints the copy without the rows whose hotkey no other row
// holds: the two pairs and the triple, each hotkey's rows together.
TEST_F(CommandListTest, DuplicatesLeaveOutTheHotkeysHeldOnce)
{
    std::string expected = QuotedCommaName(WindowCopy(ID_EDIT_COPY_CSV, 0, 0));
    const std::size_t solo = expected.find("Solo.lnk,F1\r\n");
    ASSERT_NE(solo, std::string::npos);
    expected.erase(solo, std::strlen("Solo.lnk,F1\r\n"));
    int status = -1;
    EXPECT_EQ(CommandOutputOf({"duplicates", "/csv"}, status), expected);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(std::count(expected.begin(), expected.end(), '\n'), 7);

    ::DeleteFileA((folders.Desktop() + "\\Beta.lnk").c_str());
    ::DeleteFileA((folders.CommonStartMenu() + "\\Old.pif").c_str());
    ::DeleteFileA((folders.Desktop() + "\\Gamma.lnk").c_str());
    ::DeleteFileA((folders.CommonStartMenu() + "\\Delta.lnk").c_str());
    EXPECT_EQ(CommandOutputOf({"duplicates"}, status), "");
    EXPECT_EQ(status, 0);
}

namespace {
// The program's own output of `arguments`: standard output sent to `out`
// (closed after), standard error to a file read into `err`; the exit status
// as the program gives it.
int RunRedirected(std::vector<const char*> arguments, HANDLE out, std::string& err)
{
    const std::string errPath = SpecialFolder(CSIDL_PROFILE) + "\\velmora-stderr.txt";
    const HANDLE errFile = ::CreateFileA(errPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr);
    const HANDLE savedOut = ::GetStdHandle(STD_OUTPUT_HANDLE), savedErr = ::GetStdHandle(STD_ERROR_HANDLE);
    ::SetStdHandle(STD_OUTPUT_HANDLE, out);
    ::SetStdHandle(STD_ERROR_HANDLE, errFile);
    arguments.insert(arguments.begin(), "VelmoraCmd");
    int status = -1;
    {
        CStandardOutput output(HasSwitch(SplitCommandLine(static_cast<int>(arguments.size()), arguments.data()), "utf8"));
        status = output.Finish(RunCommandLine(static_cast<int>(arguments.size()), arguments.data(), output));
    }
    ::SetStdHandle(STD_OUTPUT_HANDLE, savedOut);
    ::SetStdHandle(STD_ERROR_HANDLE, savedErr);
    ::CloseHandle(out);
    ::CloseHandle(errFile);
    err = ReadFileBytes(errPath);
    ::DeleteFileA(errPath.c_str());
    return status;
}

// The same with standard output sent to `path`, opened with `disposition`.
int RunRedirected(std::vector<const char*> arguments, const char* path, DWORD disposition, std::string& err)
{
    const HANDLE out = ::CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, disposition, 0, nullptr);
    EXPECT_NE(out, INVALID_HANDLE_VALUE) << path;
    return RunRedirected(std::move(arguments), out, err);
}
}

// Half-width katakana and a key whose code is a lead byte: redirected, list
// writes the window's bytes unchanged; with /utf8 and on a console the
// katakana shows as itself and the lead byte as its code, always valid text;
// a full disk is exit 1 with the reason, a pipe its reader closed exit 1
// without a word.
TEST_F(CommandListTest, OutputIsEncodedWholeAtTheSink)
{
    for (const auto& [name, hotKey] : {std::pair{"\\Kana.lnk", WORD{0x04B1}}, std::pair{"\\Ro.lnk", WORD{0x02E2}}}) {
        ShortcutSpec spec;
        spec.target = folders.Target();
        spec.hotKey = hotKey;
        ASSERT_TRUE(MakeShortcut(folders.Desktop() + name, spec));
    }
    const std::string file = SpecialFolder(CSIDL_PROFILE) + "\\velmora-list.txt";
    std::string err;
    int status = -1;
    ASSERT_EQ(RunRedirected({"list"}, file.c_str(), CREATE_ALWAYS, err), 0) << err;
    const std::string ansi = CommandOutputOf({"list"}, status);
    EXPECT_EQ(ReadFileBytes(file), ansi);
    EXPECT_NE(ansi.find("ALT+\xB1\r\n"), std::string::npos);

    ASSERT_EQ(RunRedirected({"list", "/utf8"}, file.c_str(), CREATE_ALWAYS, err), 0) << err;
    const std::string utf8 = ReadFileBytes(file);
    EXPECT_GT(::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.c_str(), -1, nullptr, 0), 0) << utf8;
    EXPECT_NE(utf8.find("Kana.lnk   ALT+\xEF\xBD\xB1\r\n"), std::string::npos) << utf8;
    EXPECT_NE(utf8.find("Ro.lnk     CTRL+<E2>\r\n"), std::string::npos) << utf8;
    EXPECT_EQ(ShownWideOfAnsi("ALT+\xB1 CTRL+\xE2 \x83\x5C \x83"), L"ALT+\xFF71 CTRL+<E2> \x30BD <83>");
    ::DeleteFileA(file.c_str());

    EXPECT_EQ(RunRedirected({"list"}, "Z:\\dev\\full", OPEN_EXISTING, err), 1);
    EXPECT_NE(err.find("Could not write the output: "), std::string::npos) << err;

    HANDLE reader = nullptr, writer = nullptr;
    ASSERT_TRUE(::CreatePipe(&reader, &writer, nullptr, 0));
    ::CloseHandle(reader);
    EXPECT_EQ(RunRedirected({"list"}, writer, err), 1);
    EXPECT_EQ(err, "");
}

// A file and a folder whose names code page 932 cannot carry: CF_TEXT keeps
// the bytes the ANSI list prints (the survey's short names), CF_UNICODETEXT
// holds the lines the console's UTF-8 list prints, the real names aligned in
// their columns; the CSV copy names both too.
TEST_F(CommandListTest, UnicodeCopyNamesWhatTheCodePageCannotCarry)
{
    const std::wstring solo = WideFromAnsi((folders.StartMenu() + "\\Solo.lnk").c_str());
    const std::wstring folder = solo.substr(0, solo.rfind(L'\\')) + L"\\Caf\u00E9 Tools";
    ASSERT_TRUE(::CreateDirectoryW(folder.c_str(), nullptr));
    ASSERT_TRUE(::MoveFileW(solo.c_str(), (folder + L"\\Pok\u00E9mon Caf\u00E9.lnk").c_str()));
    int status = -1;
    EXPECT_EQ(WindowCopy(ID_EDIT_COPY_TEXT, 1, 0), CommandOutputOf({"list", "/fullpath"}, status));
    const std::string file = SpecialFolder(CSIDL_PROFILE) + "\\velmora-unicode.txt";
    std::string err, unicode;
    ASSERT_EQ(RunRedirected({"list", "/utf8", "/fullpath"}, file.c_str(), CREATE_ALWAYS, err), 0) << err;
    ASSERT_TRUE(ReadClipboardBlock(CF_UNICODETEXT, unicode));
    EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(unicode.data())), WideFromCodePage(CP_UTF8, ReadFileBytes(file).c_str()));
    window.Command(ID_EDIT_COPY_CSV);
    ASSERT_TRUE(ReadClipboardBlock(CF_UNICODETEXT, unicode));
    EXPECT_NE(std::wstring(reinterpret_cast<const wchar_t*>(unicode.data())).find(L"\\Caf\u00E9 Tools\\Pok\u00E9mon Caf\u00E9.lnk,F1\r\n"), std::wstring::npos);
    ::DeleteFileA(file.c_str());
}

// /? puts the usage on standard output, a line for every command the program
// runs; no command at all is a usage error.
TEST(CommandUsage, NamesEveryCommandOnStandardOutput)
{
    int status = -1;
    const std::string usage = CommandOutputOf({"/?"}, status);
    EXPECT_EQ(status, 0);
    for (const CString& name : CommandNames())
        EXPECT_NE(usage.find("  VelmoraCmd " + name.str() + " "), std::string::npos) << name.str() << "\n" << usage;
    EXPECT_EQ(CommandOutputOf({}, status), "");
    EXPECT_EQ(status, 2);
}

// A shortcut 1,045 characters deep below the Desktop, reached through short
// names (the platform's long-name call overran its own buffer on it): every
// command ends done or partly done, and with /utf8 names it by its long name.
TEST_F(CommandListTest, EveryCommandNamesAShortcutPastAThousandCharactersByItsLongName)
{
    std::string shortPath = folders.Desktop(), longPath = folders.Desktop(), err;
    for (char level = '0'; level <= '9'; ++level) {
        const std::string name = std::string(99, 'x') + level;
        WIN32_FIND_DATAA entry = {};
        ASSERT_TRUE(::CreateDirectoryA((shortPath + "\\" + name).c_str(), nullptr)) << level;
        ::FindClose(::FindFirstFileA((shortPath + "\\" + name).c_str(), &entry));
        shortPath += std::string("\\") + entry.cAlternateFileName;
        longPath += "\\" + name;
    }
    ShortcutSpec spec;
    spec.target = folders.Target();
    spec.hotKey = 0x0641;
    const std::string deep = shortPath + "\\Deep shortcut.lnk", beta = folders.Desktop() + "\\Beta.lnk";
    ASSERT_TRUE(MakeShortcut(deep, spec));
    ASSERT_GT((longPath += "\\Deep shortcut.lnk").size(), 1040u);
    const std::string file = SpecialFolder(CSIDL_PROFILE) + "\\velmora-deep.txt", backup = file + ".csv";
    const std::pair<std::vector<const char*>, std::string> runs[] = {  // the arguments, what the output holds
        {{"list", "/utf8"}, "Deep shortcut.lnk"}, {{"list", "/fullpath", "/utf8"}, longPath}, {{"list", "/csv"}, ""},
        {{"duplicates", "/fullpath", "/utf8"}, longPath}, {{"check", "/utf8"}, "Deep shortcut.lnk"},
        {{"backup", backup.c_str(), "/force", "/utf8"}, ""}, {{"restore", backup.c_str(), "/utf8"}, longPath},
        {{"set", beta.c_str(), "CTRL+ALT+B", "/utf8"}, ""}, {{"set", deep.c_str(), "CTRL+ALT+C"}, ""},
        {{"free", "CTRL+ALT", "/utf8"}, ""},
    };
    for (const auto& [arguments, named] : runs) {
        const int status = RunRedirected(arguments, file.c_str(), CREATE_ALWAYS, err);
        EXPECT_TRUE(status == 0 || status == 1) << arguments[0] << " " << status << " " << err;
        EXPECT_NE(ReadFileBytes(file).find(named), std::string::npos) << arguments[0];
    }
    ::DeleteFileA(file.c_str());
    ::DeleteFileA(backup.c_str());
}
