// The icons extracted during one survey, by icon file and index. Many rows
// share an icon (every shortcut to the same program): each is extracted once
// and every row gets a copy of its own, so each row still owns one handle.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <utility>

#include "framework/ScopedHandles.h"

class CSurveyIconCache {
public:
    CSurveyIconCache() = default;
    CSurveyIconCache(const CSurveyIconCache&) = delete;
    CSurveyIconCache& operator=(const CSurveyIconCache&) = delete;

    // A new handle of the icon at `index` in `iconFile`, or null when the file
    // has no such icon.
    HICON CopyIconFor(const char* iconFile, int index);

private:
    std::map<std::pair<std::string, int>, CScopedIcon> m_extracted;
};
