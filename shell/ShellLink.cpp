#include "shell/ShellLink.h"

#include "shell/LinkFileCheck.h"

CComPtr<IClassFactory> ShellLinkClass()
{
    CComPtr<IClassFactory> linkClass;
    if (::CoGetClassObject(CLSID_ShellLink, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                           linkClass.ReceiveVoid()) != S_OK)
        linkClass.Release();
    return linkClass;
}

CString LinkTargetPath(CShellLinkFile& link)
{
    const CLinkTarget& target = link.Target();
    return target.result == S_OK ? CString(target.path) : CString();
}

CString LinkArguments(const CShellLinkFile& link)
{
    // The shell's own limit for the text (INFOTIPSIZE); longer arguments
    // come back cut at the same length each time.
    char text[1024] = {};
    return link.Link()->GetArguments(text, sizeof(text)) == S_OK ? CString::OfBuffer(text, sizeof(text)) : CString();
}

HRESULT CShellLinkFile::Open(const char* path, HWND owner, IClassFactory* factory)
{
    const HRESULT hr = Load(path, factory);
    // Without search or tracking a target that is gone fails at once; the
    // link is still open, with what its file holds.
    if (hr == S_OK)
        m_link->Resolve(owner, SLR_NO_UI | SLR_NOSEARCH | SLR_NOTRACK);
    return hr;
}

HRESULT CShellLinkFile::Load(const char* path, IClassFactory* factory)
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
    return RetryWhileShared([&] { return m_file->Load(widePath, STGM_READ); },
                            [](HRESULT result) { return result == HRESULT_FROM_WIN32(ERROR_SHARING_VIOLATION); });
}

const CLinkTarget& CShellLinkFile::Target()
{
    if (!m_target) {
        m_target.emplace();
        // No find data is asked for: it is not used, and Wine searches the
        // file system for it on every call.
        m_target->result = m_link->GetPath(m_target->path, MAX_PATH, nullptr, SLGP_UNCPRIORITY);
    }
    return *m_target;
}
