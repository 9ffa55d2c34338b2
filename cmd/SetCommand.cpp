// set PATH HOTKEY: one shortcut's hotkey, written as the hotkey dialog writes
// it, with a warning when another shortcut already holds that hotkey.
#include "cmd/Commands.h"

#include <cstdint>

#include "cmd/FileAccess.h"
#include "hotkey/HotKeyText.h"
#include "shell/LinkHotKey.h"
#include "text/AsciiCase.h"
#include "text/PathText.h"

namespace {
// The value `text` names: "none" (any case) for 0, else the notation's text;
// false when it is neither.
bool HotKeyOfText(const CString& text, std::uint16_t& value)
{
    if (AsciiLowerCase(text) == CString("none")) {
        value = 0;
        return true;
    }
    return ParseHotKey(text.GetString(), &value) == 1;
}

// Warns, on standard error, of every other surveyed shortcut that holds
// `value` too (each file once): Windows starts only one of them. False when
// the survey could not run whole.
bool WarnOfSharedHotKey(const CString& path, std::uint16_t value, CommandOutput& output)
{
    if (value == 0)
        return true;
    std::vector<SurveyedRow> rows;
    const bool surveyed = SurveyInListOrder(0, rows, output);
    const CListedShortcuts numbers(rows);
    const int self = numbers.ByFile(path);
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].hotKey == value && numbers.NumberOf(i) == static_cast<int>(i) && numbers.NumberOf(i) != self)
            output.Err({rows[i].hotKeyText, " is also held by ", NamePiece(rows[i].path),
                        "; Windows will start only one of them.\r\n"});
    return surveyed;
}

// True when a write that failed for `problem` was refused for its input: the
// file is not a shortcut that opens.
bool IsRefusal(LinkWriteProblem problem)
{
    return problem == LinkWriteProblem::kNotShortcut || problem == LinkWriteProblem::kTargetMissing;
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
                         !IsListableShortcutPath(path.GetString());
    if (refused || SetLinkHotKey(path.GetString(), value, nullptr, &failure) != 1) {
        if (refused || IsRefusal(failure.problem)) {
            output.Err({line.operands[0] + " is not a shortcut file (.lnk or .pif) that opens. Nothing written.\r\n"});
            return kExitRefused;
        }
        output.Err({"Could not write the hotkey into ", NamePiece(path), ": " + WriteFailureReason(failure) + ".\r\n"});
        return kExitPartly;
    }
    return WarnOfSharedHotKey(path, value, output) ? kExitDone : kExitPartly;
}
