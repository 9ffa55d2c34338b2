// The shell's link object opened on one shortcut file. Shortcut files are
// read and written only through it.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <optional>

#include "framework/AfxString.h"
#include "framework/Com.h"

// What an opened link's GetPath gave: S_OK when `path` is its target's
// file-system path; anything else when it has none (`path` then holds
// whatever the call left in it).
struct CLinkTarget {
    HRESULT result = E_FAIL;
    char path[MAX_PATH] = {};
};

class CShellLinkFile {
public:
    // Creates the link object (through `factory`, the shell link class
    // object, when given; else CoCreateInstance), loads `path` and resolves
    // its target without user interface, search or tracking; S_OK when every
    // step up to the load returned S_OK, whether the target was found or not.
    HRESULT Open(const char* path, HWND owner, IClassFactory* factory = nullptr);
    // Open's steps up to loading the file, without resolving its target.
    HRESULT Load(const char* path, IClassFactory* factory = nullptr);

    IShellLinkA* Link() const { return m_link.Get(); }
    IPersistFile* File() const { return m_file.Get(); }
    // The opened link's target, asked of the link the first time only.
    const CLinkTarget& Target();

private:
    // Released in reverse order: the file interface, then the link.
    CComPtr<IShellLinkA> m_link;
    CComPtr<IPersistFile> m_file;
    std::optional<CLinkTarget> m_target;
};

// The shell link class object, which makes link objects without the class
// being looked up for each; null when it cannot be had. COM must be
// initialised, and the object is released before COM ends.
CComPtr<IClassFactory> ShellLinkClass();

// The file-system path of an opened link's target; empty when it has none.
CString LinkTargetPath(CShellLinkFile& link);
// The arguments an opened link gives its target; empty when it has none.
CString LinkArguments(const CShellLinkFile& link);
