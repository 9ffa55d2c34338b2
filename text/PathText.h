// Path text in the system's ANSI code page: the display name and extension
// rules. A double-byte character's second byte may be 0x5C and is then part
// of its character, not a backslash.
#pragma once

#include "framework/AfxString.h"

// The text after the path's last backslash (the whole path if it has none).
CString GetPathFileName(const char* path);
// The text after the last dot of the file name part, or the empty string.
CString GetPathExtension(const char* path);

// The extensions of the files the survey lists, in the order it collects
// them: shell link files (LNK, PIF), then internet shortcuts (URL).
constexpr const char* kSurveyedExtensions[] = {"LNK", "PIF", "URL"};

// 1 when the path's extension is LNK or PIF, in any ASCII case: a shell link
// file, read through the shell link object.
int IsShortcutPath(const char* path);
// 1 when the path's extension begins with URL, in any ASCII case: an
// internet shortcut, read as its INI text.
int IsInternetShortcutPath(const char* path);
// 1 when the path's extension begins with one of kSurveyedExtensions, in
// any ASCII case: every file the survey may list, as a file whose longer
// extension begins so is listed when its short name's extension is one.
int IsListableShortcutPath(const char* path);
