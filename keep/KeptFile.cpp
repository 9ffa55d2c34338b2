// The kept file's place, its reading, and the keeper's log.
#include "keep/KeptFile.h"

#include <windows.h>
#include <shlobj.h>

#include <optional>
#include <string>

#include "framework/ScopedHandles.h"
#include "keep/BackupFile.h"
#include "rules/HotKeyText.h"

namespace {
// The log is cut back to its newest lines once it is larger than this.
constexpr std::size_t kLogBytes = 64 * 1024;
constexpr std::size_t kLogLines = 500;

// The local time now as "YYYY-MM-DD hh:mm:ss".
CString TimeNow()
{
    SYSTEMTIME now = {};
    ::GetLocalTime(&now);
    char text[32] = {};
    wsprintfA(text, "%04u-%02u-%02u %02u:%02u:%02u", now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute,
              now.wSecond);
    return text;
}

// Appends `text` to the file `path`, made when missing; the file's size
// afterwards, or none when it could not be written.
std::optional<DWORD> AppendToFile(const CString& path, const std::string& text)
{
    const CScopedFile file(::CreateFileA(path.GetString(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!file.IsOpen() || !::WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
        written != text.size())
        return std::nullopt;
    return ::GetFileSize(file.Get(), nullptr);
}

// Cuts the log `logPath` to its newest lines when it has grown past the bound.
bool TrimKeepLog(const CString& logPath)
{
    std::string log;
    if (!ReadFileWhole(logPath, log))
        return false;
    const std::string trimmed = TrimmedKeepLog(log, kLogLines, kLogBytes);
    if (trimmed.size() == log.size())
        return true;
    const auto check = [&trimmed](const std::string& bytes) {
        return bytes == trimmed ? CString() : CString("it does not read back as written");
    };
    return WriteWholeFile(logPath, trimmed, true, check).outcome == WholeWrite::kWritten;
}
}

CString DefaultKeptFilePath()
{
    char local[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, local)))
        return CString();
    const CString folder = CString(local) + "\\Velmora";
    if (!::CreateDirectoryA(folder.GetString(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS)
        return CString();
    return folder + "\\kept.csv";
}

CString KeepLogPathOf(const CString& keptFile)
{
    return FolderOf(FullPathOf(keptFile.GetString())) + "\\keep.log";
}

bool AppendKeepLog(const CString& logPath, std::vector<KeepLogLine> lines)
{
    std::string text;
    const CString now = TimeNow();
    for (KeepLogLine& line : lines) {
        line.time = now;
        text += FormatKeepLogLine(line);
    }
    const std::optional<DWORD> size = AppendToFile(logPath, text);
    return size && (*size <= kLogBytes || TrimKeepLog(logPath));
}

KeepLogLine LogLineOf(const KeepAction& action)
{
    return {CString(), action.what, action.path, action.hotKey != 0 ? FormatHotKey(action.hotKey) : CString("none"),
            action.detail};
}

std::vector<KeepLogLine> ReadKeepLog(const CString& logPath, std::size_t count)
{
    std::string log;
    return ReadFileWhole(logPath, log) ? LastKeepLogLines(log, count) : std::vector<KeepLogLine>();
}
