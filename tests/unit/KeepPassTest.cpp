// The keeper's pass planned against a snapshot of listed shortcuts.
#include "rules/KeepPass.h"

#include <cstdio>

#include <gtest/gtest.h>

namespace {
// The plan as "step@shortcut:hotkey[others]" per kept row, then "again"
// when it asks for another pass.
std::string Plan(const std::vector<KeptShortcut>& kept, const std::vector<KeepListed>& listed)
{
    static const char* const kSteps[] = {"kept", "given back", "moved", "adopted", "cleared", "held", "ambiguous"};
    const KeepPlan plan = PlanKeepPass(kept, listed);
    std::string text;
    for (const KeepDecision& row : plan.kept) {
        char decision[64];
        std::snprintf(decision, sizeof decision, "%s@%d:%04x", kSteps[static_cast<int>(row.step)], row.shortcut,
                      row.hotKey);
        text += decision;
        for (std::size_t i = 0; i < row.others.size(); ++i)
            text += (i == 0 ? "[" : " ") + std::to_string(row.others[i]) + (i + 1 == row.others.size() ? "]" : "");
        text += " ";
    }
    return text + (plan.again ? "again" : "");
}
}

// Listed: 0 an old shortcut that lost its hotkey, 1 one whose hotkey changed,
// 2 a new shortcut to a program with arguments, 3 and 4 two new shortcuts
// to one program, 5 a new one with a kept row's file name, 6 a new one with
// a hotkey, 7 an old one holding 0644, 8 an old one without a hotkey.
TEST(PlanKeepPass, GivesBackMovesAdoptsAndHolds)
{
    const std::vector<KeepListed> listed = {
        {{0, "C:\\NOTE.EXE", 0}, true, "0|NOTE.LNK", false},
        {{1, "C:\\EDIT.EXE", 0x0642}, true, "0|EDIT.LNK", false},
        {{2, "C:\\WEB.EXE", 0, "-P A"}, true, "0|WEB2.LNK", true},
        {{3, "C:\\TOOL.EXE", 0}, true, "1|T1.LNK", true},
        {{4, "C:\\TOOL.EXE", 0}, true, "1|T2.LNK", true},
        {{5, "C:\\NEW.EXE", 0}, true, "0|APP.LNK", true},
        {{6, "C:\\JOIN.EXE", 0x0643}, true, "0|JOIN.LNK", true},
        {{7, "C:\\HOLD.EXE", 0x0644}, true, "0|HOLD.LNK", false},
        {{8, "C:\\OLD.EXE", 0}, true, "0|OLD.LNK", false},
    };
    const struct {
        const char* what;
        std::vector<KeptShortcut> kept;
        const char* plan;
    } cases[] = {
        {"fell to none, rewritten", {{{0, "", 0x0651}, "", KeptFile::kRewritten}}, "given back@0:0651 "},
        {"cleared by a word-only change", {{{0, "", 0x0651}, "", KeptFile::kSame}}, "cleared@0:0000 "},
        {"another combination", {{{1, "", 0x0641}, "", KeptFile::kSame}}, "adopted@1:0642 "},
        {"held by another shortcut", {{{0, "", 0x0644}, "", KeptFile::kRewritten}}, "held@0:0644[7] "},
        {"moved by target and arguments", {{{-1, "C:\\WEB.EXE", 0x0652, "-P A"}, "0|WEB.LNK", KeptFile::kGone}},
         "moved@2:0652 "},
        {"other arguments: moved by name", {{{-1, "C:\\WEB.EXE", 0x0652, "-P B"}, "0|WEB2.LNK", KeptFile::kGone}},
         "moved@2:0652 "},
        {"moved by name", {{{-1, "C:\\GONE.EXE", 0x0653}, "0|APP.LNK", KeptFile::kGone}}, "moved@5:0653 "},
        {"name in another tree", {{{-1, "C:\\GONE.EXE", 0x0653}, "1|APP.LNK", KeptFile::kGone}}, "kept@-1:0653 "},
        {"ambiguous", {{{-1, "C:\\TOOL.EXE", 0x0654}, "", KeptFile::kGone}}, "ambiguous@-1:0654[3 4] "},
        {"old or hotkeyed shortcuts are no destination", {{{-1, "C:\\OLD.EXE", 0x0655}, "0|JOIN.LNK", KeptFile::kGone}},
         "kept@-1:0655 "},
        {"moved onto a held combination", {{{-1, "C:\\NEW.EXE", 0x0644}, "", KeptFile::kGone}}, "held@5:0644[7] "},
        {"one destination, two ways",
         {{{-1, "C:\\WEB.EXE", 0x0652}, "", KeptFile::kGone}, {{-1, "C:\\GONE.EXE", 0x0656}, "0|WEB2.LNK", KeptFile::kGone}},
         "moved@2:0652 kept@-1:0656 "},
        {"busy file carried", {{{-1, "C:\\WEB.EXE", 0x0652}, "0|WEB2.LNK", KeptFile::kBusy}}, "kept@-1:0652 again"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Plan(c.kept, listed), c.plan) << c.what;
    const KeepPlan plan = PlanKeepPass({{{1, "", 0x0642}, "", KeptFile::kSame}, {{7, "", 0x0644}, "", KeptFile::kSame}}, listed);
    EXPECT_EQ(plan.joined, std::vector<int>{6});
}

// The hash leaves out the hotkey word of a link and the HotKey value of an
// internet shortcut, and nothing else.
TEST(ShortcutHash, LeavesOutOnlyTheHotKey)
{
    std::string link(0x50, 'L'), other = link;
    other[0x40] = 'K';
    other[0x41] = 'Q';
    EXPECT_EQ(ShortcutHash(link, false), ShortcutHash(other, false));
    other[0x42] = 'X';
    EXPECT_NE(ShortcutHash(link, false), ShortcutHash(other, false));
    const std::string url = "[InternetShortcut]\r\nURL=http://a/\r\n";
    EXPECT_EQ(ShortcutHash(url, true), ShortcutHash(url + "HotKey=1601\r\n", true));
    EXPECT_NE(ShortcutHash(url, true), ShortcutHash(url + "IconIndex=1\r\n", true));
}
