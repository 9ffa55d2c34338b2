#include "survey/IconCache.h"

#include <shellapi.h>

#include "framework/App.h"

HICON CSurveyIconCache::IconFor(const char* iconFile, int index)
{
    const auto key = std::make_pair(std::string(iconFile), index);
    auto found = m_extracted.find(key);
    if (found == m_extracted.end()) {
        HICON icon = ::ExtractIconA(AfxGetInstanceHandle(), iconFile, index);
        if (icon == reinterpret_cast<HICON>(1))  // "not a file with icons", not a handle
            icon = nullptr;
        found = m_extracted.emplace(key, icon).first;
    }
    return found->second;
}
