#include "survey/IconCache.h"

#include <shellapi.h>

#include "framework/App.h"

HICON CSurveyIconCache::CopyIconFor(const char* iconFile, int index)
{
    const auto key = std::make_pair(std::string(iconFile), index);
    auto found = m_extracted.find(key);
    if (found == m_extracted.end()) {
        HICON icon = ::ExtractIconA(AfxGetInstanceHandle(), iconFile, index);
        if (icon == reinterpret_cast<HICON>(1))  // "not a file with icons", not a handle
            icon = nullptr;
        found = m_extracted.emplace(key, CScopedIcon(icon)).first;
    }
    // CopyImage rather than CopyIcon: the same copy, and under Wine CopyIcon
    // takes longer than extracting the icon anew.
    return found->second.Get() != nullptr
               ? static_cast<HICON>(::CopyImage(found->second.Get(), IMAGE_ICON, 0, 0, 0))
               : nullptr;
}
