// The icons of one survey's rows, found when each row is first drawn. What a
// row's icon is found from is read while the survey has the file open (a
// CIconRequest); a plain shell link, which the survey reads without the link
// object, is opened through it only when its row is first drawn. The resolver
// keeps, until the next survey, the answers of the icon lookups and the
// icons extracted so far, by icon file and index: many rows share an icon
// (every shortcut to the same program), each is extracted once and every
// row that shows it gets that one handle, which the rows' store owns. COM is
// initialised only around each batch of rows found; the shell's folder
// objects are let go at the end of each batch, the answers are not.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "shellicon/IconLookups.h"
#include "shellicon/IconRequest.h"

class CSurveyIconResolver {
public:
    // `owner` is the shell's owner window.
    explicit CSurveyIconResolver(HWND owner) : m_owner(owner) {}
    CSurveyIconResolver(const CSurveyIconResolver&) = delete;
    CSurveyIconResolver& operator=(const CSurveyIconResolver&) = delete;

    // The handle of the icon the row of `request` shows, the same for every
    // row whose icon has the same file and index; null for none. A shell
    // link still unread is opened through `linkClass` when not null (the shell
    // link class object). COM must be initialised.
    HICON IconOf(const CIconRequest& request, IClassFactory* linkClass);
    // Lets go of the shell's objects before COM ends; the answers stay.
    void ReleaseShellObjects() { m_lookups.Namespace().ReleaseFolders(); }

private:
    // The handle of the icon at `location`; null for none, when the file has
    // no such icon or the location is no usable file name.
    HICON IconFor(const std::optional<CIconLocation>& location);
    // An internet shortcut's own IconFile and IconIndex where they give an
    // icon, else the icon the shell shows for the file.
    HICON InternetShortcutIcon(const CIconRequest& request);

    HWND m_owner;
    CIconLookups m_lookups;
    std::map<std::pair<std::string, int>, HICON> m_extracted;
};
