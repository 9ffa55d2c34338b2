#include "shell/WriteFailure.h"

#include "framework/SystemError.h"
#include "resource.h"

namespace {
struct ReasonText {
    LinkWriteProblem problem;
    const char* english;
    unsigned windowText;  // string resource
};

// kNotConfirmed's text is followed by the system's reason.
constexpr ReasonText kReasons[] = {
    {LinkWriteProblem::kNotShortcut, "it does not open as a shortcut", IDS_REASON_NOT_SHORTCUT},
    {LinkWriteProblem::kReadOnly, "the file is read-only", IDS_REASON_READ_ONLY},
    {LinkWriteProblem::kChanged, "the file changed after it was read", IDS_REASON_CHANGED},
    {LinkWriteProblem::kNotConfirmed, "the hotkey was written, but it could not be confirmed: ",
     IDS_REASON_NOT_CONFIRMED},
};
}

int FailWrite(LinkWriteFailure* failure, LinkWriteProblem problem, DWORD error)
{
    if (failure != nullptr)
        *failure = {problem, error};
    return 0;
}

CString WriteFailureReason(const LinkWriteFailure& failure, ReasonLanguage language)
{
    for (const ReasonText& reason : kReasons) {
        if (reason.problem != failure.problem)
            continue;
        const CString text = language == ReasonLanguage::kEnglish ? CString(reason.english)
                                                                   : CString::FromResource(reason.windowText);
        return failure.problem == LinkWriteProblem::kNotConfirmed ? text + SystemErrorText(failure.error) : text;
    }
    return SystemErrorText(failure.error);
}
