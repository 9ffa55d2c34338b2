#include "shell/LinkHotKey.h"

#include <shlobj.h>

#include <cstring>

#include "framework/Com.h"
#include "framework/ScopedHandles.h"
#include "shell/InternetShortcut.h"
#include "shell/LinkFileCheck.h"
#include "shell/ShellLink.h"
#include "shell/ShortcutFileKind.h"

namespace {
// The failure an unsuccessful opening step stands for: a system error where
// its result carries one, else the step's own problem.
int FailOpening(LinkWriteFailure* failure, HRESULT result, LinkWriteProblem problem)
{
    if (HRESULT_FACILITY(result) == FACILITY_WIN32)
        return FailWrite(failure, LinkWriteProblem::kSystem, HRESULT_CODE(result));
    return FailWrite(failure, problem);
}

// What the file at `path` is before the link object loads it, read through a
// handle that shares it with every other; `stamp` gets its header and size
// when it is a shell link, `*error` the system's error when it is unreadable.
LinkFileKind StampBeforeLoading(const char* path, LinkFileStamp* stamp, DWORD* error)
{
    const CScopedFile file = OpenLinkFile(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    *error = file.IsOpen() ? 0 : ::GetLastError();
    return file.IsOpen() ? ReadLinkFileKind(file.Get(), stamp) : LinkFileKind::kUnreadable;
}

// True when two stamps of a shell link file agree in size and in every
// header byte but the hotkey word's, which a write replaces anyway (a change
// of it alone, by another writer, is simply overwritten).
bool IsSameFile(const LinkFileStamp& loaded, const LinkFileStamp& now)
{
    return now.size == loaded.size && std::memcmp(now.header, loaded.header, kHotKeyOffset) == 0 &&
           std::memcmp(now.header + kHotKeyOffset + 2, loaded.header + kHotKeyOffset + 2,
                       kHeaderSize - kHotKeyOffset - 2) == 0;
}

// True when the open file holds `word` at the hotkey's offset.
bool HoldsWord(HANDLE file, const unsigned char (&word)[2])
{
    OVERLAPPED at = {};
    at.Offset = kHotKeyOffset;
    unsigned char stored[2] = {};
    DWORD read = 0;
    return ::ReadFile(file, stored, sizeof(stored), &read, &at) && read == sizeof(stored) &&
           std::memcmp(stored, word, sizeof(word)) == 0;
}

// Writes `hotKey` as the 16-bit word at the hotkey's offset of the shell link
// file `path`, provided it is still the file `loaded` describes, and reads
// it back through the same handle.
int WriteHotKeyWord(const char* path, WORD hotKey, const LinkFileStamp& loaded, LinkWriteFailure* failure)
{
    // Readers may stay; no other writer or deleter may come between the
    // check and the write.
    const CScopedFile file = OpenLinkFile(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ);
    if (!file.IsOpen())
        return FailWrite(failure, LinkWriteProblem::kSystem, ::GetLastError());
    LinkFileStamp now;
    const LinkFileKind kind = ReadLinkFileKind(file.Get(), &now);
    if (kind == LinkFileKind::kUnreadable)
        return FailWrite(failure, LinkWriteProblem::kSystem, ::GetLastError());
    if (kind != LinkFileKind::kShellLink)
        return FailWrite(failure, LinkWriteProblem::kNotShortcut);
    if (!IsSameFile(loaded, now))
        return FailWrite(failure, LinkWriteProblem::kChanged);
    const unsigned char word[2] = {static_cast<unsigned char>(hotKey & 0xFF), static_cast<unsigned char>(hotKey >> 8)};
    OVERLAPPED at = {};
    at.Offset = kHotKeyOffset;
    DWORD written = 0;
    if (!::WriteFile(file.Get(), word, sizeof(word), &written, &at) || written != sizeof(word))
        return FailWrite(failure, LinkWriteProblem::kSystem, ::GetLastError());
    // From here on the word may be in the file: a failure is not "nothing changed".
    if (!::FlushFileBuffers(file.Get()))
        return FailWrite(failure, LinkWriteProblem::kNotConfirmed, ::GetLastError());
    if (!HoldsWord(file.Get(), word))
        return FailWrite(failure, LinkWriteProblem::kNotConfirmed, ::GetLastError());
    return 1;
}

// Stores `hotKey` through the opened link object and saves it into its file:
// for files the object reads that are not shell link files. The file must
// still be of that kind, so that a shell link is never rewritten whole.
int SaveThroughLinkObject(const char* path, WORD hotKey, const CShellLinkFile& link, LinkWriteFailure* failure)
{
    if (ReadLinkFileKind(path, nullptr) != LinkFileKind::kOther)
        return FailWrite(failure, LinkWriteProblem::kChanged);
    HRESULT result = link.Link()->SetHotkey(hotKey);
    if (result == S_OK)
        result = link.File()->Save(nullptr, FALSE);
    if (result != S_OK)
        return FailOpening(failure, result, LinkWriteProblem::kNotShortcut);
    return 1;
}
}

int ReadLinkHotKey(const char* path, HWND owner, WORD* hotKey)
{
    if (ShortcutKindOf(path) == ShortcutKind::kInternet) {
        InternetShortcut internet;
        if (!ReadInternetShortcutFile(path, internet))
            return 0;
        *hotKey = internet.hotKey;
        return 1;
    }
    const CComInit com;
    if (!com.Succeeded())
        return 0;
    CShellLinkFile link;
    if (link.Open(path, owner) != S_OK)
        return 0;
    *hotKey = 0;
    link.Link()->GetHotkey(hotKey);
    return 1;
}

WORD GetLinkHotKey(const char* path, HWND owner)
{
    WORD hotKey = 0;
    return ReadLinkHotKey(path, owner, &hotKey) == 1 ? hotKey : 0;
}

int SetLinkHotKey(const char* path, int hotKey, HWND owner, LinkWriteFailure* failure)
{
    if (ShortcutKindOf(path) == ShortcutKind::kInternet)
        return SetInternetShortcutHotKey(path, static_cast<WORD>(hotKey), failure);
    const DWORD attributes = ::GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0)
        return FailWrite(failure, LinkWriteProblem::kReadOnly);
    // The file as it is before the link object loads it: a shell link gets
    // its hotkey word written in place only while it is still this file.
    LinkFileStamp loaded;
    DWORD readError = 0;
    const LinkFileKind kind = StampBeforeLoading(path, &loaded, &readError);
    if (kind == LinkFileKind::kUnreadable)
        return FailWrite(failure, LinkWriteProblem::kSystem, readError);
    if (kind == LinkFileKind::kUnsoundShellLink)
        return FailWrite(failure, LinkWriteProblem::kNotShortcut);
    const CComInit com;
    if (!com.Succeeded())
        return FailWrite(failure, LinkWriteProblem::kSystem,
                    com.Result() == S_FALSE ? ERROR_ALREADY_INITIALIZED : static_cast<DWORD>(com.Result()));
    CShellLinkFile link;
    // Opened as the survey opens it: a shortcut whose target is gone is listed,
    // so its hotkey can be changed too, and no search for the target is made.
    const HRESULT opened = link.Open(path, owner);
    if (opened != S_OK)
        return FailOpening(failure, opened, LinkWriteProblem::kNotShortcut);
    const WORD value = static_cast<WORD>(hotKey);
    if (kind != LinkFileKind::kShellLink)
        return SaveThroughLinkObject(path, value, link, failure);
    if (WriteHotKeyWord(path, value, loaded, failure) != 1)
        return 0;
    // The shell's own save tells the shell; a write in place has to.
    ::SHChangeNotify(SHCNE_UPDATEITEM, SHCNF_PATHA, path, nullptr);
    return 1;
}

bool WriteLinkHotKey(const CString& path, WORD hotKey, CString& reason)
{
    LinkWriteFailure failure;
    if (SetLinkHotKey(path.GetString(), hotKey, nullptr, &failure) == 1)
        return true;
    reason = WriteFailureReason(failure, ReasonLanguage::kEnglish);
    return false;
}
