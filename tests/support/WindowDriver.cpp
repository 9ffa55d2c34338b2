#include "support/WindowDriver.h"

#include <map>

#include <gtest/gtest.h>

#include "framework/App.h"

MainDialogFixture::MainDialogFixture()
{
    EXPECT_TRUE(Created());
}

void MainDialogFixture::ShowUnassigned(int on)
{
    if (CSurveyDlgProbe::ShowUnassigned(dialog) == on)
        return;
    if (CSurveyDlgProbe::Surveyed(dialog) != 1) {
        Command(ID_VIEW_SHOW_UNASSIGNED);
        return;
    }
    ModalWatcher reminder(AfxGetAppName().str(), [](HWND box) { ::PostMessageA(box, WM_COMMAND, IDOK, 0); });
    Command(ID_VIEW_SHOW_UNASSIGNED);
    EXPECT_TRUE(reminder.Fired());
}

namespace {
// The watchers alive, by their timer: several may wait at once, one for a
// dialog and one for the message box that follows it.
std::map<UINT_PTR, ModalWatcher*> g_watchers;

struct CaptionSearch {
    const std::string* caption;
    HWND found;
};

BOOL CALLBACK MatchCaption(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<CaptionSearch*>(param);
    if (::IsWindowVisible(window) && WindowText(window) == *search->caption) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// Ends a dialog or message box whatever its buttons: Cancel, else OK.
BOOL CALLBACK CloseModal(HWND window, LPARAM)
{
    if (::IsWindowVisible(window) && ::IsWindowEnabled(window)) {
        ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        ::PostMessageA(window, WM_COMMAND, IDOK, 0);
    }
    return TRUE;
}
}

std::string WindowText(HWND window)
{
    char text[1024] = {};
    const int length = ::GetWindowTextA(window, text, sizeof(text));
    return std::string(text, length > 0 ? static_cast<size_t>(length) : 0);
}

ModalWatcher::ModalWatcher(const std::string& caption, std::function<void(HWND)> action)
    : m_caption(caption), m_action(std::move(action))
{
    m_timer = ::SetTimer(nullptr, 0, 30, &ModalWatcher::OnTimer);
    g_watchers[m_timer] = this;
}

ModalWatcher::~ModalWatcher()
{
    if (m_timer != 0)
        ::KillTimer(nullptr, m_timer);
    g_watchers.erase(m_timer);
}

void CALLBACK ModalWatcher::OnTimer(HWND, UINT, UINT_PTR timer, DWORD)
{
    const auto watcher = g_watchers.find(timer);
    if (watcher != g_watchers.end())
        watcher->second->Tick();
}

void ModalWatcher::Tick()
{
    CaptionSearch search = {&m_caption, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), &MatchCaption, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr && ++m_ticks < 200)
        return;
    ::KillTimer(nullptr, m_timer);
    g_watchers.erase(m_timer);
    m_timer = 0;
    if (search.found == nullptr) {
        ADD_FAILURE() << "no window \"" << m_caption << "\" showed";
        ::EnumThreadWindows(::GetCurrentThreadId(), &CloseModal, 0);
        return;
    }
    m_fired = true;
    m_action(search.found);
}

bool IsLiveIcon(HICON icon)
{
    ICONINFO info = {};
    if (icon == nullptr || !::GetIconInfo(icon, &info))
        return false;
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return true;
}
