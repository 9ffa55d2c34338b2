// A typed message table: each entry binds one window message (a command by
// id, a notification by code and id) to a member handler of a fixed
// signature. The makers below check the handler's signature at compile time.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstddef>

#include "framework/Menu.h"

template <class Dialog>
struct MessageEntry {
    UINT message;  // WM_*
    UINT id;       // command or control id (WM_COMMAND, WM_NOTIFY); 0 otherwise
    int code;      // notification code (WM_NOTIFY); 0 otherwise
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
            // Menus and buttons send code 0 (BN_CLICKED), accelerators 1.
            if (LOWORD(wParam) != entry.id || HIWORD(wParam) > 1)
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

// A message whose handler takes no arguments: void Handler().
template <auto Handler>
MessageEntry<HandlerOwner<Handler>> OnSimpleMessage(UINT message)
{
    return {message, 0, 0, [](HandlerOwner<Handler>& d, WPARAM, LPARAM, LRESULT& r) { (d.*Handler)(); r = 0; }};
}

// WM_SYSCOMMAND: void Handler(UINT nID, LPARAM lParam).
template <auto Handler>
MessageEntry<HandlerOwner<Handler>> OnSysCommandMessage()
{
    return {WM_SYSCOMMAND, 0, 0, [](HandlerOwner<Handler>& d, WPARAM w, LPARAM l, LRESULT& r) {
                r = 0;
                (d.*Handler)(static_cast<UINT>(w), l);
            }};
}

// WM_QUERYDRAGICON: HCURSOR Handler().
template <auto Handler>
MessageEntry<HandlerOwner<Handler>> OnQueryDragIconMessage()
{
    return {WM_QUERYDRAGICON, 0, 0, [](HandlerOwner<Handler>& d, WPARAM, LPARAM, LRESULT& r) {
                r = reinterpret_cast<LRESULT>((d.*Handler)());
            }};
}

// WM_DRAWITEM: void Handler(int controlId, DRAWITEMSTRUCT*).
template <auto Handler>
MessageEntry<HandlerOwner<Handler>> OnDrawItemMessage()
{
    return {WM_DRAWITEM, 0, 0, [](HandlerOwner<Handler>& d, WPARAM w, LPARAM l, LRESULT& r) {
                (d.*Handler)(static_cast<int>(w), reinterpret_cast<DRAWITEMSTRUCT*>(l));
                r = TRUE;
            }};
}

// WM_MEASUREITEM: void Handler(int controlId, MEASUREITEMSTRUCT*).
template <auto Handler>
MessageEntry<HandlerOwner<Handler>> OnMeasureItemMessage()
{
    return {WM_MEASUREITEM, 0, 0, [](HandlerOwner<Handler>& d, WPARAM w, LPARAM l, LRESULT& r) {
                (d.*Handler)(static_cast<int>(w), reinterpret_cast<MEASUREITEMSTRUCT*>(l));
                r = TRUE;
            }};
}

// WM_SIZE: void Handler(UINT type, int cx, int cy).
template <auto Handler>
MessageEntry<HandlerOwner<Handler>> OnSizeMessage()
{
    return {WM_SIZE, 0, 0, [](HandlerOwner<Handler>& d, WPARAM w, LPARAM l, LRESULT& r) {
                (d.*Handler)(static_cast<UINT>(w), static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l)));
                r = 0;
            }};
}

// WM_INITMENUPOPUP: void Handler(CMenu* popup, UINT index, BOOL isSystemMenu).
template <auto Handler>
MessageEntry<HandlerOwner<Handler>> OnInitMenuPopupMessage()
{
    return {WM_INITMENUPOPUP, 0, 0, [](HandlerOwner<Handler>& d, WPARAM w, LPARAM l, LRESULT& r) {
                CMenu popup(reinterpret_cast<HMENU>(w));
                (d.*Handler)(&popup, LOWORD(l), HIWORD(l));
                r = 0;
            }};
}
