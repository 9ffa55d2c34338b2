#include "shell/WriteFailure.h"

#include "framework/SystemError.h"

namespace {
struct ReasonText {
    LinkWriteProblem problem;
    const char* english;
    const char* japanese;  // UTF-8
};

// kNotConfirmed's text is followed by the system's reason.
constexpr ReasonText kReasons[] = {
    {LinkWriteProblem::kNotShortcut, "it does not open as a shortcut",
     "ショートカット ファイルとして開けません。"},
    {LinkWriteProblem::kTargetMissing, "its target cannot be found", "リンク先が見つかりません。"},
    {LinkWriteProblem::kReadOnly, "the file is read-only", "ファイルは読み取り専用です。"},
    {LinkWriteProblem::kChanged, "the file changed after it was read", "読み込んだ後でファイルが変更されました。"},
    {LinkWriteProblem::kNotConfirmed, "the hotkey was written, but it could not be confirmed: ",
     "ホットキーは書き込まれましたが、確認できませんでした: "},
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
                                                                   : CString::FromUtf8(reason.japanese);
        return failure.problem == LinkWriteProblem::kNotConfirmed ? text + SystemErrorText(failure.error) : text;
    }
    return SystemErrorText(failure.error);
}
