#include "survey/LinkReader.h"

#include "shellicon/IconLocation.h"

CSurveyLinkReader::CSurveyLinkReader(HWND owner) : m_owner(owner)
{
    if (::CoGetClassObject(CLSID_ShellLink, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                           m_linkClass.ReceiveVoid()) != S_OK)
        m_linkClass.Release();
}

HRESULT CSurveyLinkReader::Open(const char* path, CShellLinkFile& link)
{
    return link.Open(path, m_owner, m_linkClass.Get());
}

int CSurveyLinkReader::IconLocation(const char* path, const CShellLinkFile& link, CString& iconFile, int* iconIndex)
{
    return GetLinkIconLocation(m_owner, path, link.Link(), m_lookups, iconFile, iconIndex);
}
