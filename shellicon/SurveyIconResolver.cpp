#include "shellicon/SurveyIconResolver.h"

#include <shellapi.h>

#include "framework/App.h"
#include "shellicon/IconLocation.h"
#include "text/EnvExpansion.h"

CSurveyIconResolver::CSurveyIconResolver(HWND owner) : m_owner(owner)
{
    if (::CoGetClassObject(CLSID_ShellLink, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                           m_linkClass.ReceiveVoid()) != S_OK)
        m_linkClass.Release();
}

HRESULT CSurveyIconResolver::Open(const char* path, CShellLinkFile& link)
{
    return link.Open(path, m_owner, m_linkClass.Get());
}

std::optional<CIconLocation> CSurveyIconResolver::Resolve(const char* path, CShellLinkFile& link)
{
    CIconLocation location;
    if (GetLinkIconLocation(m_owner, path, link, m_lookups, location.file, &location.index) != 1)
        return std::nullopt;
    return location;
}

HICON CSurveyIconResolver::IconFor(const CIconLocation& location)
{
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

HICON CSurveyIconResolver::InternetShortcutIcon(const char* path, const InternetShortcut& shortcut)
{
    CIconLocation location;
    ExpandEnvVars(shortcut.iconFile.c_str(), location.file);
    location.index = shortcut.iconIndex;
    const HICON own = location.file.IsEmpty() || location.file.GetLength() >= MAX_PATH ? nullptr : IconFor(location);
    if (own != nullptr)
        return own;
    if (GetFileIconLocation(m_owner, path, m_lookups, location.file, &location.index) != 1 || location.file.IsEmpty() ||
        location.file.GetLength() >= MAX_PATH)
        return nullptr;
    return IconFor(location);
}
