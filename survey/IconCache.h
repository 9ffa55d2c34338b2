// The icons extracted during one survey, by icon file and index. Many rows
// share an icon (every shortcut to the same program): each is extracted once
// and every row that shows it gets that one handle, which the rows' store
// owns from the first such row on.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <utility>

class CSurveyIconCache {
public:
    CSurveyIconCache() = default;
    CSurveyIconCache(const CSurveyIconCache&) = delete;
    CSurveyIconCache& operator=(const CSurveyIconCache&) = delete;

    // The handle of the icon at `index` in `iconFile`, the same for every
    // call with that file and index; null when the file has no such icon.
    HICON IconFor(const char* iconFile, int index);

private:
    std::map<std::pair<std::string, int>, HICON> m_extracted;
};
