// check and free: what stands between each listed hotkey and Windows
// starting its shortcut, and the combinations the user can still take.
#include "cmd/Commands.h"

#include <set>

#include "rules/HotKeyFindings.h"
#include "rules/HotKeyReach.h"
#include "rules/HotKeyText.h"
#include "shell/RegisteredHotKeys.h"

namespace {
// The modifier set the text `text` names in the notation (CTRL+ALT), into
// `modifiers` as the high byte of a value; false for any other text.
bool ModifiersOfText(const CString& text, std::uint16_t& modifiers)
{
    std::uint16_t value = 0;
    if (ParseHotKey((text + "+").GetString(), &value) != 1 || !HasNoKey(value))
        return false;
    modifiers = value;
    return true;
}

// The word check prints for each HotKeyFinding, in its order.
const char* const kFindingWords[] = {"duplicate", "inert", "nokey", "system", "missing"};

// Prints one finding: its word, the shortcut's name and its hotkey text.
void PrintFinding(const char* word, const SurveyedRow& row, int fullPath, CommandOutput& output)
{
    output.Out({CString(word) + " ", NamePiece(row, fullPath), " ", row.hotKeyText, "\r\n"});
}
}

int RunCheck(const CommandLine& line, CommandOutput& output)
{
    if (!CheckArguments(line, 0, {"fullpath"}, output))
        return kExitRefused;
    std::vector<SurveyedRow> rows;
    const bool surveyed = SurveyInListOrder(0, RowTargets::kRead, rows, output);
    const CListedShortcuts numbers(rows);
    const std::vector<RowFinding> findings = FindingsOf(HotKeyFactsOf(rows, numbers));
    const int fullPath = HasSwitch(line, "fullpath") ? 1 : 0;
    for (const RowFinding& finding : findings)
        PrintFinding(kFindingWords[static_cast<int>(finding.finding)], rows[finding.row], fullPath, output);
    return !findings.empty() || !surveyed ? kExitPartly : kExitDone;
}

int RunFree(const CommandLine& line, CommandOutput& output)
{
    if (!CheckArguments(line, line.operands.empty() ? 0 : 1, {}, output))
        return kExitRefused;
    std::vector<std::uint16_t> modifierSets = DialogModifierSets();
    if (!line.operands.empty()) {
        modifierSets.assign(1, 0);
        if (!ModifiersOfText(line.operands[0], modifierSets[0])) {
            output.Err({"Unknown modifiers \"" + line.operands[0] +
                        "\": write them as the list does (CTRL+ALT, SHIFT+ALT, CTRL+SHIFT+ALT).\r\n"});
            return kExitRefused;
        }
    }
    std::vector<SurveyedRow> rows;
    if (!SurveyInListOrder(0, RowTargets::kSkipped, rows, output))
        return kExitPartly;
    std::set<std::uint16_t> held;
    for (const SurveyedRow& row : rows)
        held.insert(Combination(row.hotKey));
    ForEachFreeCombination(modifierSets, held, IsRegisteredElsewhere,
                           [&output](std::uint16_t value) { output.Out({FormatHotKey(value) + "\r\n"}); });
    return kExitDone;
}
