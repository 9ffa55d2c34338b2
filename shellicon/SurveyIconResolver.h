// Everything one survey keeps while it reads its shortcut files and finds
// their icons: the shell link class object, so that each file's link object
// is made without the class being looked up again; the answers of the icon
// lookups; and the icons extracted so far, by icon file and index. Many rows
// share an icon (every shortcut to the same program): each is extracted once
// and every row that shows it gets that one handle, which the rows' store
// owns from the first such row on. Each file still gets a link object of its
// own; neither those nor anything here outlives the survey, so the next one
// sees every change.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "framework/AfxString.h"
#include "framework/Com.h"
#include "shell/InternetShortcutText.h"
#include "shell/ShellLink.h"
#include "shellicon/IconLookups.h"

// An icon as a file that holds icons and the index of the icon in it.
struct CIconLocation {
    CString file;
    int index = 0;
};

class CSurveyIconResolver {
public:
    // `owner` is the shell's owner window. COM must stay initialised until
    // this object is destroyed.
    explicit CSurveyIconResolver(HWND owner);
    CSurveyIconResolver(const CSurveyIconResolver&) = delete;
    CSurveyIconResolver& operator=(const CSurveyIconResolver&) = delete;

    // CShellLinkFile::Open of `path` into `link`, a new link object made by
    // the class object kept.
    HRESULT Open(const char* path, CShellLinkFile& link);
    // What GetIconLocation gives for `path`, which `link` has opened, with
    // this survey's lookups: the location on a result of 1, else nothing.
    std::optional<CIconLocation> Resolve(const char* path, CShellLinkFile& link);
    // The handle of the icon at `location`, the same for every call with
    // that file and index; null when the file has no such icon.
    HICON IconFor(const CIconLocation& location);
    // The icon of the internet shortcut `path`, read as `shortcut`: its own
    // IconFile and IconIndex where they give one, else the icon the shell
    // shows for the file; null for none.
    HICON InternetShortcutIcon(const char* path, const InternetShortcut& shortcut);

private:
    HWND m_owner;
    // Released after the lookups. Null when the class object could not be
    // had: each link object then comes from CoCreateInstance.
    CComPtr<IClassFactory> m_linkClass;
    CIconLookups m_lookups;
    std::map<std::pair<std::string, int>, HICON> m_extracted;
};
