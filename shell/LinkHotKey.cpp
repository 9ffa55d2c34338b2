#include "shell/LinkHotKey.h"

#include "framework/Com.h"
#include "shell/ShellLink.h"

namespace {
// Opens the shortcut inside a COM bracket of its own and runs `use` on it;
// 0 when COM or any opening step fails.
template <class Use>
int WithOpenedLink(const char* path, HWND owner, Use use)
{
    const CComInit com;
    if (!com.Succeeded())
        return 0;
    CShellLinkFile link;
    if (link.Open(path, owner) != S_OK)
        return 0;
    return use(link);
}
}

WORD GetLinkHotKey(const char* path, HWND owner)
{
    return static_cast<WORD>(WithOpenedLink(path, owner, [](const CShellLinkFile& link) {
        WORD hotKey = 0;
        link.Link()->GetHotkey(&hotKey);
        return static_cast<int>(hotKey);
    }));
}

int SetLinkHotKey(const char* path, int hotKey, HWND owner)
{
    return WithOpenedLink(path, owner, [hotKey](const CShellLinkFile& link) {
        if (link.Link()->SetHotkey(static_cast<WORD>(hotKey)) != S_OK)
            return 0;
        return link.File()->Save(nullptr, FALSE) == S_OK ? 1 : 0;
    });
}
