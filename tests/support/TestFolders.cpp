#include "support/TestFolders.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <tuple>

std::string SpecialFolder(int csidl)
{
    char path[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathA(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, 0, path)))
        return std::string();
    return path;
}

bool MakeFolders(const std::string& path)
{
    for (size_t i = 3; i <= path.size(); ++i)
        if (i == path.size() || path[i] == '\\')
            ::CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void EmptyFolder(const std::string& path)
{
    WIN32_FIND_DATAA entry;
    const HANDLE search = ::FindFirstFileA((path + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        // The short name, where there is one, keeps a deep path within MAX_PATH.
        const std::string name = entry.cAlternateFileName[0] != '\0' ? entry.cAlternateFileName : entry.cFileName;
        if (name == "." || name == "..")
            continue;
        const std::string full = path + "\\" + name;
        ::SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            EmptyFolder(full);
            ::RemoveDirectoryA(full.c_str());
        } else {
            ::DeleteFileA(full.c_str());
        }
    } while (::FindNextFileA(search, &entry));
    ::FindClose(search);
}

namespace {
// The volume and file index of an open file; zeros for an invalid handle.
std::tuple<DWORD, DWORD, DWORD> FileIdentity(HANDLE file)
{
    BY_HANDLE_FILE_INFORMATION info = {};
    if (file != INVALID_HANDLE_VALUE) {
        ::GetFileInformationByHandle(file, &info);
        ::CloseHandle(file);
    }
    return {info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
}
}

bool SameFile(const std::string& ansi, const std::wstring& wide)
{
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const auto identity = FileIdentity(::CreateFileA(ansi.c_str(), FILE_READ_ATTRIBUTES, share, nullptr, OPEN_EXISTING,
                                                     FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return identity != std::tuple<DWORD, DWORD, DWORD>() &&
           identity == FileIdentity(::CreateFileW(wide.c_str(), FILE_READ_ATTRIBUTES, share, nullptr, OPEN_EXISTING,
                                                  FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

namespace {
// Tests empty the surveyed folders: refuse to run outside the test prefix
// that tests/wine/run-in-prefix.sh makes.
void RequireTestPrefix()
{
    char flag[8] = {};
    if (::GetEnvironmentVariableA("VELMORA_TEST_PREFIX", flag, sizeof(flag)) == 0) {
        std::fputs("Run the tests through tests/wine/run-in-prefix.sh (ctest does).\n", stderr);
        ::ExitProcess(2);
    }
}
}

SurveyFolders::SurveyFolders()
    : m_startMenu((RequireTestPrefix(), SpecialFolder(CSIDL_STARTMENU))),
      m_desktop(SpecialFolder(CSIDL_DESKTOPDIRECTORY)),
      m_commonStartMenu(SpecialFolder(CSIDL_COMMON_STARTMENU)),
      m_commonDesktop(SpecialFolder(CSIDL_COMMON_DESKTOPDIRECTORY)),
      m_pinned(SpecialFolder(CSIDL_APPDATA) + "\\Microsoft\\Internet Explorer\\Quick Launch\\User Pinned\\TaskBar")
{
    MakeFolders(m_pinned);
    EmptyAll();
    char windows[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    m_target = std::string(windows) + "\\notepad.exe";
}

SurveyFolders::~SurveyFolders() { EmptyAll(); }

void SurveyFolders::EmptyAll() const
{
    for (const std::string* folder : {&m_startMenu, &m_desktop, &m_commonStartMenu, &m_commonDesktop, &m_pinned})
        if (!folder->empty())
            EmptyFolder(*folder);
}
