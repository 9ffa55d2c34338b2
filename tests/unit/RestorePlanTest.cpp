// The restore's plan against a snapshot of listed shortcuts.
#include "rules/RestorePlan.h"

#include <gtest/gtest.h>

namespace {
// The plan of `backup` as "word@shortcut" per row.
std::string Plan(const std::vector<RestoreRow>& backup, const std::vector<ListedShortcut>& listed)
{
    std::string text;
    for (const PlannedRow& row : PlanRestore(backup, listed))
        text += std::string(StepWord(row.step)) + "@" + std::to_string(row.shortcut) + " ";
    return text;
}
}

// Listed: 0 and 1 (one file listed twice, as two spellings of its path), 2,
// and 3 and 4, two shortcuts to one target.
TEST(PlanRestore, PlacesRowsOnlyOnListedShortcuts)
{
    const std::vector<ListedShortcut> listed = {
        {0, "C:\\EDIT.EXE", 0x0641}, {0, "C:\\EDIT.EXE", 0x0641}, {2, "C:\\TOOL.EXE", 0},
        {3, "C:\\TWIN.EXE", 0},      {4, "C:\\TWIN.EXE", 0},
    };
    const struct {
        const char* what;
        std::vector<RestoreRow> backup;
        const char* plan;
    } cases[] = {
        {"own shortcut", {{0, "", 0x0641}, {2, "", 0x0642}}, "kept@0 set@2 "},
        {"not listed, by target", {{-1, "C:\\TOOL.EXE", 0x0643}}, "moved@2 "},
        {"not listed, its target named", {{-1, "C:\\TOOL.EXE", 0x0643}, {2, "", 0x0644}}, "missing@-1 set@2 "},
        {"not listed, no target", {{-1, "", 0x0643}}, "missing@-1 "},
        {"not listed, one file listed twice", {{-1, "C:\\EDIT.EXE", 0x0641}}, "kept@0 "},
        {"not listed, two candidates", {{-1, "C:\\TWIN.EXE", 0x0645}}, "ambiguous@-1 "},
        {"three spellings, three words", {{0, "", 0x0201}, {0, "", 0x0202}, {0, "", 0x0203}},
         "ambiguous@-1 ambiguous@-1 ambiguous@-1 "},
        {"three spellings, one word", {{0, "", 0x0202}, {0, "", 0x0202}, {0, "", 0x0202}}, "set@0 set@0 set@0 "},
        {"two fallbacks, two words", {{-1, "C:\\TOOL.EXE", 0x0201}, {-1, "C:\\TOOL.EXE", 0x0202}},
         "ambiguous@-1 ambiguous@-1 "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Plan(c.backup, listed), c.plan) << c.what;
}

// Listed: 0 an old shortcut to the editor without a hotkey, 1 and 2 the
// browser with two profiles. A shortcut a 0000 row names is no destination;
// arguments, when the backup has them, tell the profiles apart.
TEST(PlanRestore, LearnsWhichShortcutsAreNotNew)
{
    const std::vector<ListedShortcut> listed = {
        {0, "C:\\EDIT.EXE", 0, ""}, {1, "C:\\WEB.EXE", 0, "-p work"}, {2, "C:\\WEB.EXE", 0, "-p home"}};
    const struct {
        const char* what;
        std::vector<RestoreRow> backup;
        const char* plan;
    } cases[] = {
        {"named without a hotkey", {{-1, "C:\\EDIT.EXE", 0x0651, ""}, {0, "C:\\EDIT.EXE", 0, ""}}, "missing@-1 noted@-1 "},
        {"old backup, no 0000 rows", {{-1, "C:\\EDIT.EXE", 0x0651}}, "moved@0 "},
        {"by arguments", {{-1, "C:\\WEB.EXE", 0x0652, "-p home"}, {-1, "C:\\WEB.EXE", 0x0653, "-p none"}},
         "moved@2 missing@-1 "},
        {"old backup, no arguments", {{-1, "C:\\WEB.EXE", 0x0652}}, "ambiguous@-1 "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Plan(c.backup, listed), c.plan) << c.what;
    EXPECT_EQ(PlanRestore({{-1, "C:\\WEB.EXE", 0x0652}}, listed)[0].candidates, (std::vector<int>{1, 2}));
}
