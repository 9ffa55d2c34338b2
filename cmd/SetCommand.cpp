// set PATH HOTKEY: one shortcut's hotkey, written as the hotkey dialog writes it.
#include "cmd/Commands.h"

#include <cstdint>

#include "cmd/FileAccess.h"
#include "hotkey/HotKeyText.h"
#include "shell/LinkHotKey.h"
#include "text/AsciiCase.h"

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
    return kExitDone;
}
