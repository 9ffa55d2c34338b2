#include "shellicon/IconRequest.h"

#include <shlobj.h>

#include <cstring>

#include "shell/ShellLink.h"

LinkIconFields ReadLinkIconFields(CShellLinkFile& link)
{
    LinkIconFields fields;
    const CLinkTarget& target = link.Target();
    fields.targetResult = target.result;
    fields.target = CString::OfBuffer(target.path, MAX_PATH);
    char icon[MAX_PATH] = {};
    link.Link()->GetIconLocation(icon, MAX_PATH, &fields.icon.index);
    fields.icon.file = CString::OfBuffer(icon, MAX_PATH);
    LPITEMIDLIST items = nullptr;
    if (target.result != S_OK && link.Link()->GetIDList(&items) == S_OK && items != nullptr) {
        fields.idList.assign(reinterpret_cast<const char*>(items), ::ILGetSize(items));
        ::ILFree(items);
    }
    return fields;
}

CIconRequest LinkIconRequest(const CString& path, CShellLinkFile& link)
{
    return {path, false, ReadLinkIconFields(link)};
}

CIconRequest UnreadLinkIconRequest(const CString& path)
{
    CIconRequest request{path, false, {}};
    request.unread = true;
    return request;
}

CIconRequest InternetShortcutIconRequest(const CString& path, const CIconLocation& own)
{
    CIconRequest request{path, true, {}};
    request.fields.icon = own;
    return request;
}
