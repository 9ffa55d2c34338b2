#include "BenchLoops.h"

#include <shlobj.h>

#include "BenchReport.h"
#include "framework/Com.h"
#include "resultlist/RowIcons.h"
#include "shell/LinkFileCheck.h"
#include "shell/ShellLink.h"
#include "shellicon/IconLocation.h"
#include "shellicon/SurveyIconResolver.h"
#include "support/Shortcuts.h"
#include "survey/FileSearch.h"

namespace {

// One file through the bare sequence: its hotkey, or -1 when a step failed.
int BareLinkRead(const std::string& path, HWND owner, StepTimes* steps)
{
    auto now = [steps] { return steps != nullptr ? NowMs() : 0.0; };
    const double t0 = now();
    CComPtr<IShellLinkA> link;
    CComPtr<IPersistFile> file;
    if (::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.ReceiveVoid()) !=
            S_OK ||
        link->QueryInterface(IID_IPersistFile, file.ReceiveVoid()) != S_OK)
        return -1;
    const double t1 = now();
    WCHAR wide[MAX_PATH];
    const bool loaded = ToWidePath(path.c_str(), wide) && file->Load(wide, STGM_READ) == S_OK;
    const double t2 = now();
    const bool resolved = loaded && link->Resolve(owner, SLR_NO_UI) == S_OK;
    const double t3 = now();
    WORD hotKey = 0;
    if (resolved)
        link->GetHotkey(&hotKey);
    file.Release();
    link.Release();
    if (steps != nullptr) {
        steps->create += t1 - t0;
        steps->load += t2 - t1;
        steps->resolve += t3 - t2;
        steps->hotKeyAndRelease += NowMs() - t3;
    }
    return resolved ? hotKey : -1;
}

// A listed row's icon by `source`, or null.
HICON RowIcon(const CString& iconFile, int iconIndex, IconSource source, CSurveyIconResolver& cache)
{
    const HICON icon = source == IconSource::kSurveyCache
                           ? cache.IconFor(CIconLocation{iconFile, iconIndex})
                           : ::ExtractIconA(::GetModuleHandleA(nullptr), iconFile.GetString(), iconIndex);
    return icon == reinterpret_cast<HICON>(1) ? nullptr : icon;
}

} // namespace

int RawReadLoop(const Paths& paths)
{
    int withHotKey = 0;
    for (const std::string& path : paths) {
        const int hotKey = StoredHotKey(path);
        if (hotKey < 0)
            return -1;
        withHotKey += hotKey != 0;
    }
    return withHotKey;
}

int BareLinkLoop(const Paths& paths, HWND owner, StepTimes* steps)
{
    const CComInit com;
    if (!com.Succeeded())
        return -1;
    int withHotKey = 0;
    for (const std::string& path : paths) {
        const int hotKey = BareLinkRead(path, owner, steps);
        if (hotKey < 0)
            return -1;
        withHotKey += hotKey != 0;
    }
    return withHotKey;
}

int ClassObjectLoop(const Paths& paths, HWND owner)
{
    const CComInit com;
    CComPtr<IClassFactory> factory;
    if (!com.Succeeded() || ::CoGetClassObject(CLSID_ShellLink, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                                               factory.ReceiveVoid()) != S_OK)
        return -1;
    int withHotKey = 0;
    for (const std::string& path : paths) {
        CComPtr<IShellLinkA> link;
        CComPtr<IPersistFile> file;
        WCHAR wide[MAX_PATH];
        WORD hotKey = 0;
        if (factory->CreateInstance(nullptr, IID_IShellLinkA, link.ReceiveVoid()) != S_OK ||
            link->QueryInterface(IID_IPersistFile, file.ReceiveVoid()) != S_OK || !ToWidePath(path.c_str(), wide) ||
            file->Load(wide, STGM_READ) != S_OK || link->Resolve(owner, SLR_NO_UI) != S_OK)
            return -1;
        link->GetHotkey(&hotKey);
        withHotKey += hotKey != 0;
    }
    return withHotKey;
}

int StructuralCheckLoop(const Paths& paths)
{
    int sound = 0;
    for (const std::string& path : paths)
        sound += IsSoundLinkFile(path.c_str());
    return sound;
}

double TimedCollect(const SurveyFolders& folders, CStringArray& files)
{
    const double start = NowMs();
    for (const std::string* folder : {&folders.StartMenu(), &folders.Desktop(), &folders.CommonStartMenu()}) {
        if (folder->empty())
            continue;
        CollectFiles(folder->c_str(), "LNK", files);
        CollectFiles(folder->c_str(), "PIF", files);
    }
    return NowMs() - start;
}

IconTimes IconLoop(const Paths& paths, HWND owner, IconSource source)
{
    IconTimes times;
    const CComInit com;
    CSurveyIconResolver cache(owner);
    CRowIcons made;  // each distinct handle destroyed once
    for (const std::string& path : paths) {
        CString iconFile;
        int iconIndex = 0;
        const double t0 = NowMs();
        const int located = GetIconLocation(owner, path.c_str(), iconFile, &iconIndex, 0);
        const double t1 = NowMs();
        times.location += t1 - t0;
        if (located != 1 || iconFile.IsEmpty() || iconFile.GetLength() >= MAX_PATH)
            continue;
        const HICON icon = RowIcon(iconFile, iconIndex, source, cache);
        times.extract += NowMs() - t1;
        if (icon != nullptr) {
            ++times.found;
            made.Add(icon);
        }
    }
    return times;
}

ReopenTimes LinkReopenLoop(const Paths& paths, HWND owner)
{
    ReopenTimes times;
    const CComInit com;
    for (const std::string& path : paths) {
        const double t0 = NowMs();
        CShellLinkFile link;
        const bool opened = link.Open(path.c_str(), owner) == S_OK;
        const double t1 = NowMs();
        times.open += t1 - t0;
        if (!opened)
            continue;
        char target[MAX_PATH] = {};
        char icon[MAX_PATH] = {};
        int iconIndex = 0;
        link.Link()->GetPath(target, MAX_PATH, nullptr, SLGP_UNCPRIORITY);
        const double t2 = NowMs();
        link.Link()->GetIconLocation(icon, MAX_PATH, &iconIndex);
        times.path += t2 - t1;
        times.icon += NowMs() - t2;
    }
    return times;
}
