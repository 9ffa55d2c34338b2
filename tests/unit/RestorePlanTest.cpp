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
// 3 and 4, two shortcuts to one target, 5 a shortcut without a hotkey, 6 and
// 7 one program with two arguments. A shortcut a row names without a hotkey
// is no destination; arguments, when the backup has them, tell 6 from 7.
TEST(PlanRestore, PlacesRowsOnlyOnListedShortcuts)
{
    const std::vector<ListedShortcut> listed = {
        {0, "C:\\EDIT.EXE", 0x0641}, {0, "C:\\EDIT.EXE", 0x0641}, {2, "C:\\TOOL.EXE", 0},
        {3, "C:\\TWIN.EXE", 0},      {4, "C:\\TWIN.EXE", 0},      {5, "C:\\NOTE.EXE", 0},
        {6, "C:\\WEB.EXE", 0, "-p a"}, {7, "C:\\WEB.EXE", 0, "-p b"},
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
        {"named without a hotkey", {{-1, "C:\\NOTE.EXE", 0x0651, ""}, {5, "C:\\NOTE.EXE", 0, ""}}, "missing@-1 noted@-1 "},
        {"old backup, no 0000 rows", {{-1, "C:\\NOTE.EXE", 0x0651}}, "moved@5 "},
        {"by arguments", {{-1, "C:\\WEB.EXE", 0x0652, "-p b"}, {-1, "C:\\WEB.EXE", 0x0653, "-p c"}}, "moved@7 missing@-1 "},
        {"old backup, no arguments", {{-1, "C:\\WEB.EXE", 0x0652}}, "ambiguous@-1 "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Plan(c.backup, listed), c.plan) << c.what;
    EXPECT_EQ(PlanRestore({{-1, "C:\\WEB.EXE", 0x0652}}, listed)[0].candidates, (std::vector<int>{6, 7}));
}

