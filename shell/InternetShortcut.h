// Reading and writing the hotkey of an internet shortcut file (.URL).
#pragma once

#include <windows.h>

#include "rules/InternetShortcutText.h"
#include "shell/WriteFailure.h"

// Reads the internet shortcut at `path`, through a handle that shares it
// with every other and waits out another writer: true with its values in
// `shortcut` when it is one (see ReadInternetShortcut), false when it is
// not or cannot be read.
bool ReadInternetShortcutFile(const char* path, InternetShortcut& shortcut);

// Writes `hotKey` as the HotKey value of the internet shortcut `path` and
// nothing else: the new text goes into a temporary file in the same folder,
// which replaces the shortcut (ReplaceFileW keeps its attributes and
// security) only while the shortcut is still the text that was read; then
// the shell is told. 1 when written, 0 with `failure` set otherwise, the
// file then as it was.
int SetInternetShortcutHotKey(const char* path, WORD hotKey, LinkWriteFailure* failure);
