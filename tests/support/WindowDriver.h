// The GoogleTest side of driving the real main dialog (see support/Driving.h):
// the fixture that expects the dialog to be created, and the watcher that acts
// on the modal windows a command shows.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "support/Driving.h"

// The main dialog driver in a test: a window that is not created fails the
// test, and View > also show files without a hotkey is worked through its
// reminder.
class MainDialogFixture : public MainDialogDriver {
public:
    MainDialogFixture();

    // Brings View > also show files without a hotkey to `on` through its menu
    // command, confirming the reminder that follows a survey.
    void ShowUnassigned(int on);
};

// Acts on a window of this thread as soon as it shows: `action` runs from a
// thread timer, so it runs inside whatever modal loop is going (a dialog's or
// a message box's). If no such window shows within a few seconds, the
// thread's modal windows are closed so the test cannot hang.
class ModalWatcher {
public:
    ModalWatcher(const std::string& caption, std::function<void(HWND)> action);
    ~ModalWatcher();
    ModalWatcher(const ModalWatcher&) = delete;
    ModalWatcher& operator=(const ModalWatcher&) = delete;

    bool Fired() const { return m_fired; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Tick();

    std::string m_caption;
    std::function<void(HWND)> m_action;
    UINT_PTR m_timer = 0;
    int m_ticks = 0;
    bool m_fired = false;
};

// The text of a window (ANSI).
std::string WindowText(HWND window);

// True while `icon` is a handle that has not been destroyed.
bool IsLiveIcon(HICON icon);
