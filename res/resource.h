// Resource, control and command ids of Velmora.
#pragma once

// Dialogs, menu, icon and strings.
#define IDD_ABOUTBOX              100
#define IDS_ABOUTBOX              101
#define IDD_MAIN                  102
#define IDR_MAINMENU              128
#define IDR_MAINFRAME             128
#define IDD_ASSIGN_HOTKEY         130
#define IDD_CHECK                 131

// Strings of the hotkey state line and of the diagnosis dialog, in one
// block of the string table (192 to 207).
#define IDS_STATE_HELD            192
#define IDS_STATE_HELD_MORE       193
#define IDS_STATE_REGISTERED      194
#define IDS_STATE_INERT           195
#define IDS_STATE_NO_KEY          196
#define IDS_STATE_SYSTEM          197
#define IDS_STATE_FREE            198
#define IDS_STATE_NONE            199
#define IDS_CHECK_DUPLICATE       200
#define IDS_CHECK_INERT           201
#define IDS_CHECK_NO_KEY          202
#define IDS_CHECK_SYSTEM          203
#define IDS_COLUMN_NAME           204
#define IDS_COLUMN_HOTKEY         205
#define IDS_COLUMN_REASON         206
#define IDS_COLUMN_FREE           207
// The main window's messages, the reasons a hotkey was not written and the
// diagnosis dialog's reason for a shortcut whose target is gone, in the next
// block (208 to 223).
#define IDS_SURVEY_AGAIN          208
#define IDS_HOTKEY_NOT_WRITTEN    209
#define IDS_REASON_NOT_SHORTCUT   210
#define IDS_REASON_READ_ONLY      212
#define IDS_REASON_CHANGED        213
#define IDS_REASON_NOT_CONFIRMED  214
#define IDS_CHECK_MISSING         215

// Controls.
#define IDC_RESULT_LIST           1000
#define IDC_START_SURVEY          1001
#define IDC_RESULT_HEADER         1003
#define IDC_HOTKEY_EDIT           1006
#define IDC_WEB_PAGE              1007
#define IDC_MAIL_ADDRESS          1008
#define IDC_MAIL_BUTTON           1009
#define IDC_CHECK_LIST            1010
#define IDC_HOTKEY_STATE          1011
#define IDC_FREE_LIST             1012

// Menu commands.
#define ID_APP_CLOSE              32771
#define ID_EDIT_COPY_TEXT         32772
#define ID_VIEW_FULL_PATH         32773
#define ID_SORT_BY_KEY            32774
#define ID_SORT_BY_NAME           32775
#define ID_VIEW_SHOW_UNASSIGNED   32776
#define ID_EDIT_SET_HOTKEY        32777
#define ID_EDIT_COPY_CSV          32778
#define ID_VIEW_CHECK             32779

// System-menu command.
#define IDM_ABOUTBOX              0x0010

// The project's web page and mail address: the about box shows them (button
// caption, read-only edit) and hands them to the shell.
#define VELMORA_WEB_PAGE          "https://velmora.example.org/"
#define VELMORA_MAIL_ADDRESS      "velmora@example.org"
