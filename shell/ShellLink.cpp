#include "shell/ShellLink.h"

#include <cstring>

#include "shell/LinkFileCheck.h"

bool ToWidePath(const char* path, WCHAR (&wide)[MAX_PATH])
{
    if (std::strlen(path) >= MAX_PATH)
        return false;
    return ::MultiByteToWideChar(CP_ACP, 0, path, -1, wide, MAX_PATH) != 0;
}

CString LinkTargetPath(IShellLinkA* link)
{
    char target[MAX_PATH] = {};
    // No find data: filling it costs far more than the path itself.
    if (link->GetPath(target, MAX_PATH, nullptr, SLGP_UNCPRIORITY) != S_OK)
        return CString();
    return CString(target);
}

HRESULT CShellLinkFile::Open(const char* path, HWND owner, IClassFactory* factory)
{
    HRESULT hr = factory != nullptr
                     ? factory->CreateInstance(nullptr, IID_IShellLinkA, m_link.ReceiveVoid())
                     : ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                          m_link.ReceiveVoid());
    if (hr != S_OK)
        return hr;
    hr = m_link->QueryInterface(IID_IPersistFile, m_file.ReceiveVoid());
    if (hr != S_OK)
        return hr;
    WCHAR widePath[MAX_PATH];
    if (!ToWidePath(path, widePath))
        return E_INVALIDARG;
    // A file whose structure runs past its data is refused as if Load had
    // failed: the platform's loader may fault on it.
    if (IsSoundLinkFile(path) != 1)
        return E_FAIL;
    hr = m_file->Load(widePath, STGM_READ);
    if (hr != S_OK)
        return hr;
    return m_link->Resolve(owner, SLR_NO_UI);
}
