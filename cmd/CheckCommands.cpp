// check and free: what stands between each listed hotkey and Windows
// starting its shortcut, and the combinations the user can still take.
#include "cmd/Commands.h"

#include <map>
#include <set>

#include "cmd/RegisteredHotKeys.h"
#include "rules/HotKeyReach.h"
#include "rules/HotKeyText.h"

namespace {
// The modifier sets the shortcut Properties dialog gives, in the order free
// lists them.
const std::uint16_t kDialogModifiers[] = {0x0600, 0x0300, 0x0500, 0x0700};

// The keys free offers: 0 to 9, A to Z, F1 to F24.
std::vector<std::uint8_t> OfferedKeys()
{
    std::vector<std::uint8_t> keys;
    for (std::uint8_t key = '0'; key <= '9'; ++key)
        keys.push_back(key);
    for (std::uint8_t key = 'A'; key <= 'Z'; ++key)
        keys.push_back(key);
    for (std::uint8_t key = 0x70; key <= 0x87; ++key)
        keys.push_back(key);
    return keys;
}

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

// Prints one finding: its word, the shortcut's name and its hotkey text.
void PrintFinding(const char* word, const SurveyedRow& row, int fullPath, CommandOutput& output)
{
    output.Out({CString(word) + " ", NamePiece(row.path, fullPath), " ", row.hotKeyText, "\r\n"});
}
}

int RunCheck(const CommandLine& line, CommandOutput& output)
{
    if (!CheckArguments(line, 0, {"fullpath"}, output))
        return kExitRefused;
    std::vector<SurveyedRow> rows;
    const bool surveyed = SurveyInListOrder(0, rows, output);
    const CListedShortcuts numbers(rows);
    // How many shortcuts where Windows acts hold each combination.
    std::map<std::uint16_t, int> acting;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].acts && numbers.IsFirst(i))
            ++acting[Combination(rows[i].hotKey)];
    const int fullPath = HasSwitch(line, "fullpath") ? 1 : 0;
    bool found = false;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!numbers.IsFirst(i))
            continue;
        const SurveyedRow& row = rows[i];
        const std::pair<bool, const char*> findings[] = {
            {row.acts && acting[Combination(row.hotKey)] > 1, "duplicate"},
            {!row.acts, "inert"},
            {HasNoKey(row.hotKey), "nokey"},
            {IsSystemCombination(row.hotKey), "system"},
        };
        for (const auto& [holds, word] : findings)
            if (holds) {
                PrintFinding(word, row, fullPath, output);
                found = true;
            }
    }
    return found || !surveyed ? kExitPartly : kExitDone;
}

int RunFree(const CommandLine& line, CommandOutput& output)
{
    if (!CheckArguments(line, line.operands.empty() ? 0 : 1, {}, output))
        return kExitRefused;
    std::vector<std::uint16_t> modifierSets(std::begin(kDialogModifiers), std::end(kDialogModifiers));
    if (!line.operands.empty()) {
        modifierSets.assign(1, 0);
        if (!ModifiersOfText(line.operands[0], modifierSets[0])) {
            output.Err({"Unknown modifiers \"" + line.operands[0] +
                        "\": write them as the list does (CTRL+ALT, SHIFT+ALT, CTRL+SHIFT+ALT).\r\n"});
            return kExitRefused;
        }
    }
    std::vector<SurveyedRow> rows;
    if (!SurveyInListOrder(0, rows, output))
        return kExitPartly;
    std::set<std::uint16_t> held;
    for (const SurveyedRow& row : rows)
        held.insert(Combination(row.hotKey));
    for (std::uint16_t modifiers : modifierSets)
        for (std::uint8_t key : OfferedKeys()) {
            const std::uint16_t value = static_cast<std::uint16_t>(modifiers | key);
            if (held.count(value) == 0 && !IsRegisteredElsewhere(value))
                output.Out({FormatHotKey(value) + "\r\n"});
        }
    return kExitDone;
}
