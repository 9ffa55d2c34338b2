#include "shellicon/NamespaceSearch.h"

#include <cstring>

int CNamespaceListings::GetIconLocation(HWND owner, const char* path, CString& iconFile, int* iconIndex)
{
    IShellFolder* folder = nullptr;
    LPCITEMIDLIST item = nullptr;
    if (!m_namespace.FindItem(owner, path, &folder, &item))
        return 0;
    return GetItemIconLocation(owner, folder, item, iconFile, iconIndex);
}

int CNamespaceListings::GetIconLocation(HWND owner, const char* path, const std::string& answerKey, CString& iconFile,
                                        int* iconIndex)
{
    // A known answer needs only the item's name found; the first asks its folder.
    auto known = m_answers.find(answerKey);
    if (known != m_answers.end() && !m_namespace.FindItem(owner, path))
        return 0;
    if (known == m_answers.end()) {
        IShellFolder* folder = nullptr;
        LPCITEMIDLIST item = nullptr;
        if (!m_namespace.FindItem(owner, path, &folder, &item))
            return 0;
        IconAnswer answer;
        answer.found = GetItemIconLocation(owner, folder, item, answer.file, &answer.index);
        known = m_answers.emplace(answerKey, answer).first;
    }
    if (known->second.found != 1)
        return 0;
    iconFile = known->second.file;
    *iconIndex = known->second.index;
    return 1;
}

int GetShellItemIconLocation(HWND owner, const char* path, CString& iconFile, int* iconIndex)
{
    CNamespaceListings listings;
    return listings.GetIconLocation(owner, path, iconFile, iconIndex);
}

int GetItemIconLocation(HWND owner, IShellFolder* folder, LPCITEMIDLIST item, CString& iconFile, int* iconIndex)
{
    CComPtr<IExtractIconA> extractor;
    LPCITEMIDLIST items[1] = {item};
    if (folder->GetUIObjectOf(owner, 1, items, IID_IExtractIconA, nullptr, extractor.ReceiveVoid()) != S_OK)
        return 0;
    char location[MAX_PATH] = {};
    int index = 0;
    UINT flags = 0;  // not read: a location that is no file name is passed on as well
    if (extractor->GetIconLocation(GIL_FORSHELL, location, MAX_PATH, &index, &flags) != S_OK)
        return 0;
    iconFile = CString(location, static_cast<int>(strnlen(location, sizeof(location))));
    *iconIndex = index;
    return 1;
}
