// The icon location resolver against the real platform: files, folders and
// shortcuts in a scratch folder on drive C:, file types registered under
// HKEY_CLASSES_ROOT by each test and removed when it ends.
//
// A shortcut that stores no icon location reads, once loaded and resolved,
// as naming its own target for icon. One that stores an empty location keeps
// it empty, so the tests store an empty one to reach the target branch
// through a real shortcut.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <optional>
#include <utility>
#include <string>
#include <thread>
#include <vector>

#include "framework/Com.h"
#include "shell/ShellLink.h"
#include "shellicon/IconLocation.h"
#include "shellicon/IconLookups.h"
#include "shellicon/NamespaceSearch.h"
#include "support/ClassesRegistry.h"
#include "support/Shortcuts.h"
#include "support/TestFolders.h"
#include "survey/FileSearch.h"

namespace {

const char kProgramValue[] = "C:\\VelmoraProgram.ico,11";
const char kProgramIcon[] = "C:\\VelmoraProgram.ico";
const char kFolderValue[] = "C:\\VelmoraFolder.ico,21";
const char kFolderIcon[] = "C:\\VelmoraFolder.ico";

// A shortcut to `target` storing `iconFile` and `iconIndex` (an empty icon
// file is stored as such and reads back as none).
bool SaveLinkTo(const std::string& path, const std::string& target, const std::string& iconFile = "", int iconIndex = 0)
{
    ShortcutSpec spec;
    spec.target = target;
    spec.iconFile = iconFile;
    spec.iconIndex = iconIndex;
    spec.storeIconLocation = true;
    return MakeShortcut(path, spec);
}

// A shortcut to the shell folder `csidl`, by default the Control Panel,
// which has no file-system path.
bool SaveControlPanelLink(const std::string& path, int csidl = CSIDL_CONTROLS)
{
    ShortcutSpec spec;
    spec.targetFolder = csidl;
    return MakeShortcut(path, spec);
}

struct Location {
    int result;
    std::string file;
    int index;
};

bool operator==(const Location& a, const Location& b)
{
    return a.result == b.result && a.file == b.file && a.index == b.index;
}

std::ostream& operator<<(std::ostream& out, const Location& location)
{
    return out << location.result << " \"" << location.file << "\" " << location.index;
}

// An answer as the cases spell it: none as result 0, "untouched" and 7.
Location AsLocation(const std::optional<CIconLocation>& found)
{
    return found ? Location{1, found->file.str(), found->index} : Location{0, "untouched", 7};
}

// IconLocationOf with 7 as the index kept where a value names none, so that
// shows; COM flag 0 as in the survey.
Location Resolve(const std::string& path, int comFlag = 0)
{
    return AsLocation(IconLocationOf(nullptr, path.c_str(), comFlag, 7));
}

const Location kProgram = {1, kProgramIcon, 11};
const Location kFolder = {1, kFolderIcon, 21};
const Location kNothing = {0, "untouched", 7};

class IconLocationTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(com.Succeeded());
        m_folder = "C:\\VelmoraIconTest" + std::to_string(::GetCurrentProcessId());
        EmptyFolder(m_folder);
        ASSERT_TRUE(MakeFolders(m_folder));
    }
    void TearDown() override
    {
        EmptyFolder(m_folder);
        ::RemoveDirectoryA(m_folder.c_str());
    }

    // An empty file in the scratch folder; its full path.
    std::string File(const std::string& name)
    {
        const std::string path = Path(name);
        EXPECT_TRUE(WriteFileBytes(path, "")) << path;
        return path;
    }
    std::string Path(const std::string& name) const { return m_folder + "\\" + name; }
    // A shortcut in the scratch folder; its full path.
    std::string Link(const std::string& name, const std::string& target, const std::string& iconFile = "",
                     int iconIndex = 0)
    {
        const std::string path = Path(name);
        EXPECT_TRUE(SaveLinkTo(path, target, iconFile, iconIndex)) << path;
        return path;
    }
    // Registers extension `extension` (with its dot) as class `type`, whose
    // DefaultIcon is `iconValue`.
    void RegisterType(const std::string& extension, const std::string& type, const std::string& iconValue,
                      DWORD valueType = REG_SZ)
    {
        registry.Set(extension, type);
        registry.Set(type + "\\DefaultIcon", iconValue, valueType);
    }

    const CComInit com;
    ClassesRegistry registry;
    std::string m_folder;
};

struct RegisteredCase {
    const char* iconValue;  // null: the class has no DefaultIcon key
    DWORD type;
    Location expected;
    int ownIcon;
};

// The type's DefaultIcon value: cut at its first comma, the file unchanged
// and unexpanded, the number read as %d reads it; "%1" alone is the own-icon
// marker (the file itself, index 0); without a comma nothing counts. Without
// a program icon to fall back on, what the type registers shows alone.
TEST_F(IconLocationTest, RegisteredIconValuesAreSplitAtTheFirstComma)
{
    registry.Remove("comfile\\DefaultIcon");
    const std::vector<RegisteredCase> cases = {
        {"C:\\icons\\lib.dll,5", REG_SZ, {1, "C:\\icons\\lib.dll", 5}, 0},
        {"%SystemRoot%\\system32\\shell32.dll,4", REG_EXPAND_SZ, {1, "%SystemRoot%\\system32\\shell32.dll", 4}, 0},
        {"%1", REG_SZ, kNothing, 1},
        {"%1,0", REG_SZ, {1, "%1", 0}, 0},
        {"\"%1\"", REG_SZ, kNothing, 0},
        {"C:\\icons\\lib.dll", REG_SZ, kNothing, 0},
        {"C:\\icons\\lib.dll,", REG_SZ, {1, "C:\\icons\\lib.dll", 7}, 0},
        {"C:\\My,Icons\\lib.dll,2", REG_SZ, {1, "C:\\My", 7}, 0},
        {" \"C:\\icons\\lib.dll\" ,  -3", REG_SZ, {1, " \"C:\\icons\\lib.dll\" ", -3}, 0},
        {"C:\\icons\\lib.dll,+8x", REG_SZ, {1, "C:\\icons\\lib.dll", 8}, 0},
        {",6", REG_SZ, {1, "", 6}, 0},
        {nullptr, REG_SZ, kNothing, 0},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        const RegisteredCase& c = cases[i];
        const std::string extension = ".vlmreg" + std::to_string(i);
        const std::string type = "Velmora.Registered" + std::to_string(i);
        registry.Set(extension, type);
        if (c.iconValue != nullptr)
            registry.Set(type + "\\DefaultIcon", c.iconValue, c.type);
        const std::string path = File("file" + extension);
        const Location expected = c.ownIcon == 1 ? Location{1, path, 0} : c.expected;
        EXPECT_EQ(Resolve(path), expected) << (c.iconValue ? c.iconValue : "(none)");
    }
    EXPECT_EQ(Resolve(File("file.vlmunregistered")), kNothing);
}

// The folder and program icons each come from one key's default value;
// without it they find nothing and write nothing: a folder then takes the
// program icon, and without that nothing either.
TEST_F(IconLocationTest, FolderAndProgramIconsComeFromTheirOwnKeys)
{
    const std::string missing = Path("missing.txt");
    registry.Remove("Folder\\DefaultIcon");
    registry.Remove("comfile\\DefaultIcon");
    EXPECT_EQ(Resolve(m_folder), kNothing);
    EXPECT_EQ(Resolve(missing), kNothing);

    registry.Set("Folder\\DefaultIcon", kFolderValue);
    registry.Set("comfile\\DefaultIcon", "%1,3");  // no own-icon marker here
    EXPECT_EQ(Resolve(m_folder), kFolder);
    EXPECT_EQ(Resolve(missing), (Location{1, "%1", 3}));
}

// A value that fills all 256 bytes without a terminating zero counts as
// absent; 255 bytes, with or without their own zero, still count.
TEST_F(IconLocationTest, ValuesWithoutRoomForTheirTerminatorAreAbsent)
{
    const std::string file255 = "C:\\" + std::string(250, 'p') + ",9";
    ASSERT_EQ(file255.size(), 255u);
    struct ValueCase {
        std::string bytes;
        DWORD type;
        Location expected;
    };
    const std::vector<ValueCase> cases = {
        {file255 + "9", REG_BINARY, kNothing},
        {file255 + std::string(1, '\0'), REG_BINARY, {1, file255.substr(0, 253), 9}},
        {file255, REG_BINARY, {1, file255.substr(0, 253), 9}},
        {file255 + "9" + std::string(1, '\0'), REG_SZ, kNothing},
    };
    for (const ValueCase& c : cases) {
        registry.SetBytes("comfile\\DefaultIcon", c.bytes, c.type);
        EXPECT_EQ(Resolve(Path("missing.txt")), c.expected) << c.bytes.size() << " bytes, type " << c.type;
    }
}

struct PathCase {
    std::string what;
    std::string path;
    Location expected;
};

void ExpectLocations(const std::vector<PathCase>& cases)
{
    for (const PathCase& c : cases)
        EXPECT_EQ(Resolve(c.path), c.expected) << c.what << ": " << c.path;
}

// Paths that are not existing files: drive roots and directories take the
// folder icon, anything else the program icon.
TEST_F(IconLocationTest, FoldersDrivesAndMissingPaths)
{
    registry.Set("Folder\\DefaultIcon", kFolderValue);
    registry.Set("comfile\\DefaultIcon", kProgramValue);
    ExpectLocations({
        {"drive root", "C:\\", kFolder},
        {"drive with colon", "C:", kFolder},
        {"drive letter", "C", kFolder},
        {"directory", m_folder, kFolder},
        {"directory with backslash", m_folder + "\\", kFolder},
        {"missing file", Path("missing.txt"), kProgram},
        {"missing shortcut", Path("missing.lnk"), kProgram},
        {"drive that does not exist", "Q:\\", kProgram},
        {"relative name", "notepad.exe", kProgram},
    });
}

// Without a folder icon, folders fall back on the program icon; without that
// as well nothing is found and the outputs stay as they were.
TEST_F(IconLocationTest, FallsBackOnTheProgramIconThenOnNothing)
{
    const std::string unregistered = File("plain.vlmnone");
    registry.Remove("Folder\\DefaultIcon");
    registry.Set("comfile\\DefaultIcon", kProgramValue);
    EXPECT_EQ(Resolve(m_folder), kProgram);
    EXPECT_EQ(Resolve(unregistered), kProgram);

    registry.Set("comfile\\DefaultIcon", "C:\\VelmoraProgram.ico");  // no comma
    for (const std::string& path : {m_folder, unregistered, Path("missing.txt"), std::string("C:\\")})
        EXPECT_EQ(Resolve(path), kNothing) << path;
}

// Ordinary files take their type's icon, themselves for "%1", and the
// program icon when nothing usable is registered.
TEST_F(IconLocationTest, OrdinaryFilesTakeTheIconOfTheirType)
{
    registry.Set("comfile\\DefaultIcon", kProgramValue);
    RegisterType(".vlmlib", "Velmora.Library", "C:\\icons\\lib.dll,5");
    RegisterType(".vlmown", "Velmora.Own", "%1");
    RegisterType(".vlmquoted", "Velmora.Quoted", "\"%1\"");
    RegisterType(".vlmenv", "Velmora.Env", "%SystemRoot%\\system32\\shell32.dll,4", REG_EXPAND_SZ);
    RegisterType(".VlmMixed", "Velmora.Mixed", "C:\\icons\\mixed.dll,2");
    registry.Set(".vlmbare", "Velmora.Bare");  // a class without DefaultIcon

    const std::string own = File("own.vlmown");
    ExpectLocations({
        {"library and index", File("a.vlmlib"), {1, "C:\\icons\\lib.dll", 5}},
        {"each file its own icon", own, {1, own, 0}},
        {"quoted %1", File("a.vlmquoted"), kProgram},
        {"environment reference kept", File("a.vlmenv"), {1, "%SystemRoot%\\system32\\shell32.dll", 4}},
        {"mixed-case extension", File("a.VlmMixed"), {1, "C:\\icons\\mixed.dll", 2}},
        {"class without icon", File("a.vlmbare"), kProgram},
        {"unregistered type", File("a.vlmnone"), kProgram},
        {"no extension", File("noextension"), kProgram},
    });
}

// Real shortcuts: their own icon (expanded) wins over the target; without
// one, the target is resolved by the same rules, shortcuts included.
TEST_F(IconLocationTest, ShortcutsNameTheirOwnIconOrLeadToTheirTarget)
{
    registry.Set("comfile\\DefaultIcon", kProgramValue);
    registry.Set("Folder\\DefaultIcon", kFolderValue);
    RegisterType(".vlmlib", "Velmora.Library", "C:\\icons\\lib.dll,5");
    RegisterType(".vlmown", "Velmora.Own", "%1");
    ASSERT_TRUE(::SetEnvironmentVariableA("VELMORA_ICON_DIR", "C:\\Velmora Icons"));
    ASSERT_TRUE(::SetEnvironmentVariableA("VELMORA_SCRATCH", m_folder.substr(3).c_str()));

    const std::string own = File("own.vlmown");
    const std::string gone = File("gone.vlmown");
    const std::string subfolder = Path("sub");
    ASSERT_TRUE(MakeFolders(subfolder));
    const std::string toGone = Link("ToGone.lnk", gone);
    ASSERT_TRUE(::DeleteFileA(gone.c_str()));
    const std::string inner = Link("Inner.lnk", own);
    const std::string innerWithIcon = Link("InnerIcon.lnk", own, "C:\\inner.dll", 2);

    ExpectLocations({
        {"own icon, expanded, index kept", Link("OwnIcon.lnk", own, "%VELMORA_ICON_DIR%\\set.dll", 3),
         {1, "C:\\Velmora Icons\\set.dll", 3}},
        {"own icon of a .pif", Link("OwnIcon.pif", own, "C:\\pif.dll", 4), {1, "C:\\pif.dll", 4}},
        {"mixed-case .Lnk is a shortcut", Link("Mixed.Lnk", own, "C:\\mixed.dll", 1), {1, "C:\\mixed.dll", 1}},
        {"mixed-case .pIf is a shortcut", Link("Mixed.pIf", own, "C:\\mixed.dll", 6), {1, "C:\\mixed.dll", 6}},
        {"target of a %1 type", Link("ToOwn.lnk", own), {1, own, 0}},
        {"target expanded", Link("ToOwnByName.lnk", "C:\\%VELMORA_SCRATCH%\\own.vlmown"), {1, own, 0}},
        {"target of a registered type", Link("ToLib.lnk", File("a.vlmlib")), {1, "C:\\icons\\lib.dll", 5}},
        {"folder target", Link("ToFolder.lnk", subfolder), kFolder},
        {"drive root target", Link("ToDrive.lnk", "C:\\"), kFolder},
        {"target gone", toGone, kProgram},
        {"shortcut to a shortcut", Link("Outer.lnk", inner), {1, own, 0}},
        {"shortcut to a shortcut with an icon", Link("OuterIcon.lnk", innerWithIcon), {1, "C:\\inner.dll", 2}},
    });
}

// Shortcuts that cannot be loaded, and chains that come back to themselves,
// end at the program icon; a chain is followed eight nested levels deep.
TEST_F(IconLocationTest, UnreadableShortcutsAndEndlessChainsTakeTheProgramIcon)
{
    registry.Set("comfile\\DefaultIcon", kProgramValue);
    RegisterType(".vlmown", "Velmora.Own", "%1");
    const std::string own = File("own.vlmown");

    ASSERT_TRUE(WriteFileBytes(Path("Noise.lnk"), std::string(300, '\x5A')));
    ASSERT_TRUE(WriteFileBytes(Path("Text.pif"), "not a shortcut"));
    const std::string self = Link("Self.lnk", Path("Self.lnk"));
    Link("CycleA.lnk", Path("CycleB.lnk"));
    const std::string cycle = Link("CycleB.lnk", Path("CycleA.lnk"));

    // Chain k leads through k shortcuts to the file.
    std::string next = own;
    std::vector<std::string> chain;
    for (int k = 1; k <= 9; ++k) {
        next = Link("Chain" + std::to_string(k) + ".lnk", next);
        chain.push_back(next);
    }
    ExpectLocations({
        {"noise", Path("Noise.lnk"), kProgram},
        {"text", Path("Text.pif"), kProgram},
        {"shortcut to itself", self, kProgram},
        {"two shortcuts to each other", cycle, kProgram},
        {"eight shortcuts deep", chain[7], {1, own, 0}},
        {"nine shortcuts deep", chain[8], kProgram},
    });
}

// A shortcut without a file-system target takes the icon that the namespace
// search finds for the shortcut file itself; where the search cannot find
// the file (a short 8.3 path, which no parsing name matches), the program icon.
TEST_F(IconLocationTest, ShortcutsWithoutFileSystemTargetAskTheNamespace)
{
    registry.Set("comfile\\DefaultIcon", kProgramValue);
    const std::string controls = Path("Control Panel Shortcut.lnk");
    ASSERT_TRUE(SaveControlPanelLink(controls));

    const Location fromNamespace = AsLocation(ShellItemIconLocation(nullptr, controls.c_str()));
    ASSERT_EQ(fromNamespace.result, 1);
    EXPECT_FALSE(fromNamespace.file.empty());
    EXPECT_EQ(Resolve(controls), fromNamespace);

    char shortPath[MAX_PATH] = {};
    ASSERT_GT(::GetShortPathNameA(controls.c_str(), shortPath, MAX_PATH), 0u);
    ASSERT_NE(std::string(shortPath), controls);
    ASSERT_EQ(AsLocation(ShellItemIconLocation(nullptr, shortPath)).result, 0);
    EXPECT_EQ(Resolve(shortPath), kProgram);
}

// The survey resolves each shortcut it lists from the fields read from the
// link its reader has opened and answers kept for the whole run; for every kind of shortcut, in
// two folders, with targets and target ID lists that repeat (one of them
// with an icon location of its own), that gives what GetIconLocation gives
// for the path alone. A name such as Shortcut.lnk2, listed through its short
// name, stays an ordinary file although it holds a shortcut with an icon of
// its own.
TEST_F(IconLocationTest, SurveyResolutionOfOpenedLinksMatchesGetIconLocation)
{
    registry.Set("comfile\\DefaultIcon", kProgramValue);
    registry.Set("Folder\\DefaultIcon", kFolderValue);
    RegisterType(".vlmlib", "Velmora.Library", "C:\\icons\\lib.dll,5");
    RegisterType(".vlmown", "Velmora.Own", "%1");
    RegisterType(".VlmMixed", "Velmora.Mixed", "C:\\icons\\mixed.dll,2");
    char windows[MAX_PATH] = {};
    ASSERT_GT(::GetWindowsDirectoryA(windows, MAX_PATH), 0u);
    ASSERT_TRUE(MakeFolders(Path("sub")));
    const std::string own = File("own.vlmown");
    const std::string gone = File("gone.vlmown");
    const std::vector<std::string> listed = {
        Link("ToProgram.lnk", std::string(windows) + "\\notepad.exe"),
        Link("ToLib.lnk", File("a.vlmlib")),
        Link("ToMixed.lnk", File("a.VlmMixed")),
        Link("sub\\ToOwn.lnk", own),
        Link("OwnIcon.pif", own, "%SystemRoot%\\pif.dll", 4),
        Link("ToFolder.lnk", Path("sub")),
        Link("sub\\ToFolderToo.lnk", Path("sub")),
        Link("sub\\ToDrive.lnk", "C:\\"),
        Link("ToGone.lnk", gone),
        Link("Outer.lnk", Link("sub\\Inner.lnk", own)),
        Link("OuterIcon.lnk", Link("InnerIcon.lnk", own, "C:\\inner.dll", 2)),
        Link("Shortcut.lnk2", own, "C:\\lnk2.dll", 9),
    };
    ASSERT_TRUE(::DeleteFileA(gone.c_str()));
    const std::pair<const char*, int> namespaceLinks[] = {
        {"Controls.lnk", CSIDL_CONTROLS}, {"sub\\Controls.lnk", CSIDL_CONTROLS}, {"sub\\Printers.lnk", CSIDL_PRINTERS}};
    for (const auto& namespaceLink : namespaceLinks)
        ASSERT_TRUE(SaveControlPanelLink(Path(namespaceLink.first), namespaceLink.second));
    ShortcutSpec controlsWithIcon;
    controlsWithIcon.targetFolder = CSIDL_CONTROLS;
    controlsWithIcon.iconFile = "C:\\icons\\controls.dll";
    controlsWithIcon.iconIndex = 6;
    ASSERT_TRUE(MakeShortcut(Path("sub\\ControlsIcon.lnk"), controlsWithIcon));

    CStringArray files;
    CollectFiles(m_folder.c_str(), files);
    // Every shortcut above, Inner and InnerIcon included: the survey's list.
    ASSERT_EQ(files.GetSize(), static_cast<int>(listed.size() + 3 + std::size(namespaceLinks)));
    // The fields read as the survey reads them, the lookups kept as between
    // its rows, with the folder objects let go after each row as after each
    // batch of drawn rows.
    CIconLookups lookups;
    for (int i = 0; i < files.GetSize(); ++i) {
        CShellLinkFile link;
        ASSERT_EQ(link.Open(files[i].GetString(), nullptr), S_OK) << files[i].str();
        const Location surveyed =
            AsLocation(LinkIconLocation(nullptr, files[i].GetString(), ReadLinkIconFields(link), lookups));
        lookups.Namespace().ReleaseFolders();
        const Location alone = Resolve(files[i].str());
        EXPECT_EQ(surveyed, alone.result == 1 ? alone : kNothing) << files[i].str();
    }
}

// An expanded icon file or target that does not fit 260 bytes fails the
// shortcut branch; 259 bytes still fit.
TEST_F(IconLocationTest, ExpansionsThatDoNotFitFailTheShortcut)
{
    registry.Set("comfile\\DefaultIcon", kProgramValue);
    const std::string own = File("own.vlmown");
    const std::string iconLink = Link("LongIcon.lnk", own, "%VELMORA_LONG%\\i.dll", 2);        // value + 6 bytes
    const std::string targetLink = Link("LongTarget.lnk", "C:\\%VELMORA_LONG%\\t", "C:\\t.dll", 5);  // 3 + value + 2

    const std::string fits253(253, 'L');
    ASSERT_TRUE(::SetEnvironmentVariableA("VELMORA_LONG", fits253.c_str()));
    EXPECT_EQ(Resolve(iconLink), (Location{1, fits253 + "\\i.dll", 2}));
    ASSERT_TRUE(::SetEnvironmentVariableA("VELMORA_LONG", std::string(254, 'L').c_str()));
    EXPECT_EQ(Resolve(iconLink), kProgram);

    ASSERT_TRUE(::SetEnvironmentVariableA("VELMORA_LONG", std::string(254, 'L').c_str()));
    EXPECT_EQ(Resolve(targetLink), (Location{1, "C:\\t.dll", 5}));
    ASSERT_TRUE(::SetEnvironmentVariableA("VELMORA_LONG", std::string(255, 'L').c_str()));
    EXPECT_EQ(Resolve(targetLink), kProgram);
    ::SetEnvironmentVariableA("VELMORA_LONG", nullptr);
}

struct ComCase {
    const char* what;
    DWORD model;  // how the thread is in COM before the call; ~0u: not at all
    int comFlag;
    bool loadable;
    Location expected;
};

// What one call on a thread of its own did to the thread's COM state.
struct ComOutcome {
    Location location;
    HRESULT stillInitialised = S_FALSE;  // the thread's own initialisation, asked again after the call
    HRESULT initialiseAfter = E_FAIL;    // CoInitialize once everything is undone: S_OK if balanced
};

ComOutcome CallOnNewThread(const ComCase& c, const std::string& path)
{
    ComOutcome outcome;
    std::thread([&] {
        const bool joined = c.model != ~0u && SUCCEEDED(::CoInitializeEx(nullptr, c.model));
        outcome.location = Resolve(path, c.comFlag);
        if (joined) {
            outcome.stillInitialised = ::CoInitializeEx(nullptr, c.model);
            ::CoUninitialize();
            ::CoUninitialize();
        }
        outcome.initialiseAfter = ::CoInitialize(nullptr);
        ::CoUninitialize();
    }).join();
    return outcome;
}

// With COM flag 1 the call initialises COM itself and undoes exactly that,
// whether the shortcut loads or not and whatever the thread had before; with
// flag 0 it initialises nothing, so on a thread without COM the link object
// cannot be made.
TEST_F(IconLocationTest, ComFlagBracketsTheCallAndLeavesTheThreadBalanced)
{
    registry.Set("comfile\\DefaultIcon", kProgramValue);
    const std::string good = Link("Good.lnk", File("target.txt"), "C:\\good.dll", 3);
    ASSERT_TRUE(WriteFileBytes(Path("Broken.lnk"), std::string(300, '\x5A')));
    const Location own = {1, "C:\\good.dll", 3};
    const std::vector<ComCase> cases = {
        {"fresh thread, flag 1", ~0u, 1, true, own},
        {"fresh thread, flag 1, unloadable", ~0u, 1, false, kProgram},
        {"apartment thread, flag 1", COINIT_APARTMENTTHREADED, 1, true, own},
        {"apartment thread, flag 0", COINIT_APARTMENTTHREADED, 0, true, own},
        {"multithreaded thread, flag 1", COINIT_MULTITHREADED, 1, true, own},
        {"fresh thread, flag 0", ~0u, 0, true, kProgram},
    };
    for (const ComCase& c : cases) {
        const ComOutcome outcome = CallOnNewThread(c, c.loadable ? good : Path("Broken.lnk"));
        EXPECT_EQ(outcome.location, c.expected) << c.what;
        EXPECT_EQ(outcome.stillInitialised, S_FALSE) << c.what;
        EXPECT_EQ(outcome.initialiseAfter, S_OK) << c.what;
    }
}

} // namespace
