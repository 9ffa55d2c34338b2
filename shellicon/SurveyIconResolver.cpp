#include "shellicon/SurveyIconResolver.h"

#include <shellapi.h>

#include "framework/App.h"
#include "shell/ShellLink.h"
#include "shellicon/IconLocation.h"
#include "rules/EnvExpansion.h"

HICON CSurveyIconResolver::IconOf(const CIconRequest& request, IClassFactory* linkClass)
{
    if (request.internetShortcut)
        return InternetShortcutIcon(request);
    if (!request.unread)
        return IconFor(LinkIconLocation(m_owner, request.path.GetString(), request.fields, m_lookups));
    CShellLinkFile link;
    if (link.Open(request.path.GetString(), m_owner, linkClass) != S_OK)
        return nullptr;
    return IconFor(LinkIconLocation(m_owner, request.path.GetString(), ReadLinkIconFields(link), m_lookups));
}

HICON CSurveyIconResolver::IconFor(const std::optional<CIconLocation>& location)
{
    if (!location || location->file.IsEmpty() || location->file.GetLength() >= MAX_PATH)
        return nullptr;
    const auto key = std::make_pair(location->file.str(), location->index);
    auto found = m_extracted.find(key);
    if (found == m_extracted.end()) {
        HICON icon = ::ExtractIconA(AfxGetInstanceHandle(), location->file.GetString(), location->index);
        if (icon == reinterpret_cast<HICON>(1))  // "not a file with icons", not a handle
            icon = nullptr;
        found = m_extracted.emplace(key, icon).first;
    }
    return found->second;
}

HICON CSurveyIconResolver::InternetShortcutIcon(const CIconRequest& request)
{
    const CIconLocation& own = request.fields.icon;
    CIconLocation expanded{CString(), own.index};
    ExpandEnvVars(own.file.GetString(), expanded.file);
    if (const HICON icon = IconFor(expanded))
        return icon;
    return IconFor(FileIconLocation(m_owner, request.path.GetString(), m_lookups, own.index));
}
