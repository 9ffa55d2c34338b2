// set PATH HOTKEY: one shortcut's hotkey, written as the hotkey dialog writes
// it, with a warning for each reason Windows may not start the shortcut by
// it: another shortcut or a running program holds it, the shortcut lies
// where Windows does not act, the value has no key or is kept by Windows.
#include "cmd/Commands.h"

#include <cstdint>

#include "cmd/FileAccess.h"
#include "rules/HotKeyFindings.h"
#include "rules/HotKeyReach.h"
#include "rules/HotKeyText.h"
#include "shell/LinkHotKey.h"
#include "shell/RegisteredHotKeys.h"
#include "shell/ShortcutFileKind.h"
#include "rules/AsciiCase.h"

namespace {
// The value `text` names: "none" (any case) for 0, else the notation's text;
// false when it is neither. The empty text, FormatHotKey's text for no
// hotkey, is refused: only "none" clears a hotkey.
bool HotKeyOfText(const CString& text, std::uint16_t& value)
{
    if (AsciiLowerCase(text) == CString("none")) {
        value = 0;
        return true;
    }
    return !text.IsEmpty() && ParseHotKey(text.GetString(), &value) == 1;
}

// What stands between a hotkey value and Windows starting the shortcut it
// is written into, found before the write.
struct HotKeyWarnings {
    std::vector<SurveyedRow> others;  // the other shortcuts that hold the value, each file once
    bool registered = false;          // a running program has registered the combination
    bool inert = false;               // Windows does not act on hotkeys where the shortcut lies
    bool surveyed = true;             // the survey ran whole
};

// The warnings for writing `value` into the shortcut `path`.
HotKeyWarnings WarningsFor(const CString& path, std::uint16_t value, CommandOutput& output)
{
    HotKeyWarnings warnings;
    std::vector<SurveyedRow> rows;
    warnings.surveyed = SurveyInListOrder(1, RowTargets::kSkipped, rows, output);
    const CListedShortcuts numbers(rows);
    const int self = numbers.ByFile(path);
    for (std::size_t holder : HoldersOf(HotKeyFactsOf(rows, numbers), value, self, false))
        warnings.others.push_back(rows[holder]);
    const SurveyedRow* own = self >= 0 ? &rows[static_cast<std::size_t>(self)] : nullptr;
    const std::uint16_t before = own != nullptr ? own->hotKey : GetLinkHotKey(path.GetString(), nullptr);
    warnings.inert = own == nullptr || !own->acts;
    warnings.registered = IsRegisteredForShortcut(warnings.others.size(), before, value, IsRegisteredElsewhere);
    return warnings;
}

// Prints `warnings` for `value` written into `path` on standard error.
void PrintWarnings(const CString& path, std::uint16_t value, const HotKeyWarnings& warnings, CommandOutput& output)
{
    const CString text = FormatHotKey(value);
    for (const SurveyedRow& other : warnings.others)
        output.Err({text, " is also held by ", NamePiece(other.path), "; Windows will start only one of them.\r\n"});
    if (warnings.registered)
        output.Err({text, " is registered by a running program, which gets it instead of the shortcut.\r\n"});
    if (warnings.inert)
        output.Err({NamePiece(path), " lies where Windows does not act on hotkeys (only in the Start Menu, directly on "
                                     "the Desktop and among the taskbar's pinned shortcuts).\r\n"});
    if (HasNoKey(value))
        output.Err({text, " has no key and never fires.\r\n"});
    if (IsSystemCombination(value))
        output.Err({text, " is kept by Windows and never reaches a shortcut.\r\n"});
}

// True when a write that failed for `problem` was refused for its input: the
// file is not a shortcut that opens.
bool IsRefusal(LinkWriteProblem problem)
{
    return problem == LinkWriteProblem::kNotShortcut;
}
}

int RunSet(const CommandLine& line, CommandOutput& output)
{
    if (!CheckArguments(line, 2, {}, output))
        return kExitRefused;
    std::uint16_t value = 0;
    if (!HotKeyOfText(line.operands[1], value)) {
        output.Err({"Unknown hotkey text \"" + line.operands[1] +
                    "\": write it as the list shows it (CTRL+SHIFT+F5, ALT+Page Up) or none. Nothing written.\r\n"});
        return kExitRefused;
    }
    const CString path = FullPathOf(line.operands[0].GetString());
    const DWORD attributes = path.IsEmpty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesA(path.GetString());
    LinkWriteFailure failure;
    const bool refused = attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ||
                         ShortcutKindOf(path.GetString()) == ShortcutKind::kNone;
    const HotKeyWarnings warnings = value != 0 && !refused ? WarningsFor(path, value, output) : HotKeyWarnings();
    if (refused || SetLinkHotKey(path.GetString(), value, nullptr, &failure) != 1) {
        if (refused || IsRefusal(failure.problem)) {
            output.Err({line.operands[0] + " is not a shortcut file (.lnk, .pif or .url) that opens. Nothing written.\r\n"});
            return kExitRefused;
        }
        output.Err({"Could not write the hotkey into ", NamePiece(path),
                    ": " + WriteFailureReason(failure, ReasonLanguage::kEnglish) + ".\r\n"});
        return kExitPartly;
    }
    PrintWarnings(path, value, warnings, output);
    return warnings.surveyed ? kExitDone : kExitPartly;
}
