// set PATH HOTKEY: one shortcut's hotkey, written as the hotkey dialog writes
// it, with a warning when another shortcut already holds that hotkey.
#include "cmd/Commands.h"

#include <cstdint>

#include "cmd/FileAccess.h"
#include "hotkey/HotKeyText.h"
#include "shell/LinkHotKey.h"
#include "text/AsciiCase.h"
#include "text/UpperCase.h"

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

// The long form of the full path `path`, upper-cased, for comparing two
// paths that may name one file by its long or short names.
CString ComparablePath(const CString& path)
{
    char longPath[MAX_PATH] = {};
    const DWORD length = ::GetLongPathNameA(path.GetString(), longPath, MAX_PATH);
    return UpperCaseText(length == 0 || length >= MAX_PATH ? path.GetString() : longPath);
}

// Warns, on standard error, of every other surveyed shortcut that holds
// `value` too: Windows starts only one of them.
void WarnOfSharedHotKey(const CString& path, std::uint16_t value, CommandOutput& output)
{
    if (value == 0)
        return;
    const CString self = ComparablePath(path);
    for (const SurveyedRow& row : SurveyInListOrder(0))
        if (row.hotKey == value && !(ComparablePath(row.path) == self))
            output.Err(row.hotKeyText + " is also held by " + output.Name(row.path) +
                       "; Windows will start only one of them.\r\n");
}
}

int RunSet(const CommandLine& line, CommandOutput& output)
{
    if (!CheckArguments(line, 2, {}, output))
        return kExitRefused;
    std::uint16_t value = 0;
    if (!HotKeyOfText(line.operands[1], value)) {
        output.Err(output.Text("Unknown hotkey text \"" + line.operands[1] +
                               "\": write it as the list shows it (CTRL+SHIFT+F5, ALT+Page Up) or none. Nothing written.\r\n"));
        return kExitRefused;
    }
    const CString path = FullPathOf(line.operands[0].GetString());
    if (path.IsEmpty() || !OpensAsShortcut(path.GetString())) {
        output.Err(output.Text(line.operands[0] + " is not a shortcut file (.lnk or .pif) that opens. Nothing written.\r\n"));
        return kExitRefused;
    }
    LinkWriteFailure failure;
    if (SetLinkHotKey(path.GetString(), value, nullptr, &failure) != 1) {
        output.Err("Could not write the hotkey into " + output.Name(path) + ": " +
                   output.Text(WriteFailureReason(failure)) + ".\r\n");
        return kExitPartly;
    }
    WarnOfSharedHotKey(path, value, output);
    return kExitDone;
}
