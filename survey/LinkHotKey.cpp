#include "survey/LinkHotKey.h"

#include "framework/Com.h"
#include "survey/ShellLink.h"

WORD GetLinkHotKey(const char* path, HWND owner)
{
    const CComInit com;
    if (!com.Succeeded())
        return 0;
    CShellLinkFile link;
    if (link.Open(path, owner) != S_OK)
        return 0;
    WORD hotKey = 0;
    link.Link()->GetHotkey(&hotKey);
    return hotKey;
}

int SetLinkHotKey(const char* path, int hotKey, HWND owner)
{
    const CComInit com;
    if (!com.Succeeded())
        return 0;
    CShellLinkFile link;
    if (link.Open(path, owner) != S_OK)
        return 0;
    if (link.Link()->SetHotkey(static_cast<WORD>(hotKey)) != S_OK)
        return 0;
    return link.File()->Save(nullptr, FALSE) == S_OK ? 1 : 0;
}
