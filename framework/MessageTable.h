// A typed message table: each entry binds a command (by id) or a
// notification (by code and id) to a member handler of a fixed signature.
// The makers below check the handler's signature at compile time.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstddef>

template <class Dialog>
struct MessageEntry {
    UINT message;  // WM_*
    UINT id;       // command or control id (WM_COMMAND, WM_NOTIFY); 0 otherwise
    int code;      // notification code (WM_NOTIFY, or WM_COMMAND from a control); 0 otherwise
    void (*invoke)(Dialog& dialog, WPARAM wParam, LPARAM lParam, LRESULT& result);
};

namespace message_table_detail {
template <class T> struct MemberOf;
template <class C, class F> struct MemberOf<F C::*> { using type = C; };
}

template <auto Handler>
using HandlerOwner = typename message_table_detail::MemberOf<decltype(Handler)>::type;

// Finds the entry for a message and runs its handler; false when none matches.
template <class Dialog, std::size_t N>
bool DispatchMessageTable(const MessageEntry<Dialog> (&table)[N], Dialog& dialog,
                          UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    for (const MessageEntry<Dialog>& entry : table) {
        if (entry.message != message)
            continue;
        if (message == WM_COMMAND) {
            // Menus and buttons send code 0 (BN_CLICKED), accelerators 1;
            // other codes come from controls (EN_CHANGE).
            const int code = HIWORD(wParam) > 1 ? HIWORD(wParam) : 0;
            if (LOWORD(wParam) != entry.id || code != entry.code)
                continue;
        } else if (message == WM_NOTIFY) {
            const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header == nullptr || header->idFrom != entry.id || static_cast<int>(header->code) != entry.code)
                continue;
        }
        entry.invoke(dialog, wParam, lParam, result);
        return true;
    }
    return false;
}

// WM_COMMAND from a menu item or a button: void Handler().
template <auto Handler>
MessageEntry<HandlerOwner<Handler>> OnCommand(UINT id)
{
    return {WM_COMMAND, id, 0, [](HandlerOwner<Handler>& d, WPARAM, LPARAM, LRESULT& r) { (d.*Handler)(); r = 0; }};
}

// WM_NOTIFY with `code` from control `id`: void Handler(NMHDR*, LRESULT*).
template <auto Handler>
MessageEntry<HandlerOwner<Handler>> OnNotify(int code, UINT id)
{
    return {WM_NOTIFY, id, code, [](HandlerOwner<Handler>& d, WPARAM, LPARAM l, LRESULT& r) {
                r = 0;
                (d.*Handler)(reinterpret_cast<NMHDR*>(l), &r);
            }};
}

// WM_COMMAND with notification `code` from control `id`: void Handler().
template <auto Handler>
MessageEntry<HandlerOwner<Handler>> OnControlCommand(int code, UINT id)
{
    return {WM_COMMAND, id, code, [](HandlerOwner<Handler>& d, WPARAM, LPARAM, LRESULT& r) { (d.*Handler)(); r = 0; }};
}
