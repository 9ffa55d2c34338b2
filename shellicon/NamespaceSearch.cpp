#include "shellicon/NamespaceSearch.h"

#include <cstring>

std::optional<CIconLocation> CNamespaceListings::IconLocationOf(HWND owner, const char* path)
{
    IShellFolder* folder = nullptr;
    LPCITEMIDLIST item = nullptr;
    if (!m_namespace.FindItem(owner, path, &folder, &item))
        return std::nullopt;
    return ItemIconLocation(owner, folder, item);
}

std::optional<CIconLocation> CNamespaceListings::IconLocationOf(HWND owner, const char* path,
                                                                const std::string& answerKey)
{
    // A known answer needs only the item's name found; the first asks its folder.
    const auto known = m_answers.find(answerKey);
    if (known != m_answers.end())
        return m_namespace.FindItem(owner, path) ? known->second : std::nullopt;
    IShellFolder* folder = nullptr;
    LPCITEMIDLIST item = nullptr;
    if (!m_namespace.FindItem(owner, path, &folder, &item))
        return std::nullopt;
    return m_answers.emplace(answerKey, ItemIconLocation(owner, folder, item)).first->second;
}

std::optional<CIconLocation> ShellItemIconLocation(HWND owner, const char* path)
{
    CNamespaceListings listings;
    return listings.IconLocationOf(owner, path);
}

std::optional<CIconLocation> ItemIconLocation(HWND owner, IShellFolder* folder, LPCITEMIDLIST item)
{
    CComPtr<IExtractIconA> extractor;
    LPCITEMIDLIST items[1] = {item};
    if (folder->GetUIObjectOf(owner, 1, items, IID_IExtractIconA, nullptr, extractor.ReceiveVoid()) != S_OK)
        return std::nullopt;
    char location[MAX_PATH] = {};
    int index = 0;
    UINT flags = 0;  // not read: a location that is no file name is passed on as well
    if (extractor->GetIconLocation(GIL_FORSHELL, location, MAX_PATH, &index, &flags) != S_OK)
        return std::nullopt;
    return CIconLocation{CString::OfBuffer(location, sizeof(location)), index};
}
