// The test prefix's surveyed folders (the Start Menu, the Desktop, the
// common Start Menu, the common Desktop and the taskbar's pinned shortcuts),
// emptied of shortcuts for each test and filled with the test's own.
#pragma once

#include <string>
#include <vector>

// The file-system path of a special folder (CSIDL_*), or "".
std::string SpecialFolder(int csidl);
// Creates a folder and any missing parents; true when it exists afterwards.
bool MakeFolders(const std::string& path);
// Deletes a folder's whole contents (not the folder itself).
void EmptyFolder(const std::string& path);
// True when `ansi`, opened through the ANSI file functions, is the existing
// file or folder `wide` names (a path for the wide functions, "\\?\" allowed).
bool SameFile(const std::string& ansi, const std::wstring& wide);

// Empties the surveyed folders when made and again when destroyed; the
// pinned folder is made when missing.
class SurveyFolders {
public:
    SurveyFolders();
    ~SurveyFolders();
    SurveyFolders(const SurveyFolders&) = delete;
    SurveyFolders& operator=(const SurveyFolders&) = delete;

    const std::string& StartMenu() const { return m_startMenu; }
    const std::string& Desktop() const { return m_desktop; }
    const std::string& CommonStartMenu() const { return m_commonStartMenu; }
    const std::string& CommonDesktop() const { return m_commonDesktop; }
    const std::string& Pinned() const { return m_pinned; }
    // An existing file that shortcuts can point at.
    const std::string& Target() const { return m_target; }

private:
    void EmptyAll() const;
    std::string m_startMenu, m_desktop, m_commonStartMenu, m_commonDesktop, m_pinned, m_target;
};
