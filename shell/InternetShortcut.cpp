#include "shell/InternetShortcut.h"

#include <shlobj.h>

#include <string>

#include "framework/AfxString.h"
#include "framework/NewFile.h"
#include "framework/ScopedHandles.h"
#include "shell/LinkFileCheck.h"

namespace {
// The whole text of the file `path` into `text`: ERROR_SUCCESS, the system's
// error when it cannot be read, or ERROR_FILE_TOO_LARGE when it is longer
// than an internet shortcut may be.
DWORD ReadText(const char* path, std::string& text)
{
    const CScopedFile file = OpenLinkFile(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    if (!file.IsOpen())
        return ::GetLastError();
    text.assign(kMaxInternetShortcutSize + 1, '\0');
    DWORD read = 0, total = 0;
    for (; total < text.size(); total += read) {
        if (!::ReadFile(file.Get(), &text[total], static_cast<DWORD>(text.size() - total), &read, nullptr))
            return ::GetLastError();
        if (read == 0)
            break;
    }
    text.resize(total);
    return total <= kMaxInternetShortcutSize ? ERROR_SUCCESS : ERROR_FILE_TOO_LARGE;
}

// Puts `text` in place of the file `path`, provided it still holds `read`:
// through a temporary file beside it and ReplaceFileW.
int ReplaceText(const char* path, const std::string& read, const std::string& text, LinkWriteFailure* failure)
{
    const std::wstring wide = WideFromAnsi(path);
    const std::wstring temporary = NewTemporaryFileBeside(wide);
    if (temporary.empty())
        return FailWrite(failure, LinkWriteProblem::kSystem, ::GetLastError());
    const auto fail = [&](LinkWriteProblem problem, DWORD error) {
        ::DeleteFileW(temporary.c_str());
        return FailWrite(failure, problem, error);
    };
    if (!WriteNewFile(temporary, text))
        return fail(LinkWriteProblem::kSystem, ::GetLastError());
    std::string now;
    if (ReadText(path, now) != ERROR_SUCCESS || now != read)
        return fail(LinkWriteProblem::kChanged, 0);
    // Another program reading the shortcut for a moment (Explorer after a
    // change notice, say) keeps it from being replaced: wait as for opening.
    // A file open without delete sharing refuses the rename over it as
    // access denied, not as a sharing violation.
    const bool replaced = RetryWhileShared(
        [&] { return ::ReplaceFileW(wide.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != FALSE; },
        [](bool done) {
            const DWORD error = done ? ERROR_SUCCESS : ::GetLastError();
            return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED;
        });
    if (!replaced)
        return fail(LinkWriteProblem::kSystem, ::GetLastError());
    return 1;
}
}

bool ReadInternetShortcutFile(const char* path, InternetShortcut& shortcut)
{
    std::string text;
    return ReadText(path, text) == ERROR_SUCCESS && ReadInternetShortcut(text, shortcut) == 1;
}

int SetInternetShortcutHotKey(const char* path, WORD hotKey, LinkWriteFailure* failure)
{
    const DWORD attributes = ::GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0)
        return FailWrite(failure, LinkWriteProblem::kReadOnly);
    std::string read;
    InternetShortcut shortcut;
    const DWORD error = ReadText(path, read);
    if (error != ERROR_SUCCESS && error != ERROR_FILE_TOO_LARGE)
        return FailWrite(failure, LinkWriteProblem::kSystem, error);
    if (error == ERROR_FILE_TOO_LARGE || ReadInternetShortcut(read, shortcut) != 1)
        return FailWrite(failure, LinkWriteProblem::kNotShortcut);
    const std::string text = WithInternetShortcutHotKey(read, hotKey);
    if (text != read && ReplaceText(path, read, text, failure) != 1)
        return 0;
    ::SHChangeNotify(SHCNE_UPDATEITEM, SHCNF_PATHA, path, nullptr);
    return 1;
}
