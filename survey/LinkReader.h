// What one survey keeps while it reads its shortcut files: the shell link
// class object, so that each file's link object is made without the class
// being looked up again, and the answers of the icon lookups. Each file still
// gets a link object of its own, released after it; nothing here outlives
// the survey, so the next one sees every change.
#pragma once

#include <windows.h>

#include "framework/AfxString.h"
#include "framework/Com.h"
#include "shell/ShellLink.h"
#include "shellicon/IconLookups.h"

class CSurveyLinkReader {
public:
    // `owner` is the shell's owner window. COM must stay initialised until
    // this object is destroyed.
    explicit CSurveyLinkReader(HWND owner);
    CSurveyLinkReader(const CSurveyLinkReader&) = delete;
    CSurveyLinkReader& operator=(const CSurveyLinkReader&) = delete;

    // CShellLinkFile::Open of `path` into `link`, a new link object made by
    // the class object kept.
    HRESULT Open(const char* path, CShellLinkFile& link);
    // GetIconLocation of `path`, which `link` has opened, with this survey's
    // lookups.
    int IconLocation(const char* path, const CShellLinkFile& link, CString& iconFile, int* iconIndex);

private:
    HWND m_owner;
    // Released after the lookups. Null when the class object could not be
    // had: each link object then comes from CoCreateInstance.
    CComPtr<IClassFactory> m_linkClass;
    CIconLookups m_lookups;
};
