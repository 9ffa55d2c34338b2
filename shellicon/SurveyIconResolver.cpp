#include "shellicon/SurveyIconResolver.h"

#include <shellapi.h>

#include "framework/App.h"
#include "text/EnvExpansion.h"

HICON CSurveyIconResolver::IconOf(const CIconRequest& request)
{
    if (request.internetShortcut)
        return InternetShortcutIcon(request);
    CIconLocation location;
    if (GetLinkIconLocation(m_owner, request.path.GetString(), request.fields, m_lookups, location.file,
                            &location.index) != 1)
        return nullptr;
    return IconFor(location);
}

HICON CSurveyIconResolver::IconFor(const CIconLocation& location)
{
    if (location.file.IsEmpty() || location.file.GetLength() >= MAX_PATH)
        return nullptr;
    const auto key = std::make_pair(location.file.str(), location.index);
    auto found = m_extracted.find(key);
    if (found == m_extracted.end()) {
        HICON icon = ::ExtractIconA(AfxGetInstanceHandle(), location.file.GetString(), location.index);
        if (icon == reinterpret_cast<HICON>(1))  // "not a file with icons", not a handle
            icon = nullptr;
        found = m_extracted.emplace(key, icon).first;
    }
    return found->second;
}

HICON CSurveyIconResolver::InternetShortcutIcon(const CIconRequest& request)
{
    CIconLocation location;
    ExpandEnvVars(request.fields.iconFile.GetString(), location.file);
    location.index = request.fields.iconIndex;
    if (const HICON own = IconFor(location))
        return own;
    if (GetFileIconLocation(m_owner, request.path.GetString(), m_lookups, location.file, &location.index) != 1)
        return nullptr;
    return IconFor(location);
}
