#!/bin/bash
# User-level test of Velmora.exe: starts the real program under Wine in the
# test prefix over a known set of shortcuts (velmora_seed user-test) and works
# it only from outside, as a person or another program can: mouse and keys
# through xdotool on the Wine desktop, window messages and read-backs through
# velmora_drive. Prints one line a check; ends non-zero if any check failed.
#
#   tests/user/user-level-test.sh BUILD_DIR
#
# BUILD_DIR holds Velmora.exe, VelmoraCmd.exe, velmora_seed.exe and velmora_drive.exe. Needs an
# X display (ctest runs under xvfb-run). VELMORA_SCREENSHOT=FILE also saves a
# picture of the populated main window there (the README shows
# docs/screenshot.png).
set -uo pipefail
export LC_ALL=C  # texts are handled byte for byte, in the program's cp932
export VELMORA_MENU_BUILDER=on  # as a user's Wine has it: no change may start it

here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: user-level-test.sh BUILD_DIR}" && pwd)
run="$here/../wine/run-in-prefix.sh"
prefix=$("$run" --print-prefix "$build/Velmora.exe")
work=$(mktemp -d)
velmora=    # process id of the running Velmora.exe
desktop=    # X window of the Wine desktop
failures=0

# Ends a Velmora.exe that a failed check left running; removes scratch files.
cleanup() {
    [ -n "$velmora" ] && kill "$velmora" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

drive() { "$run" "$build/velmora_drive.exe" "$@"; }
cmd() { "$run" "$build/VelmoraCmd.exe" "$@"; }
cmd_err() { cmd "$@" 2>&1 >/dev/null; }
status_of() { "$@" >/dev/null 2>&1; echo $?; }
ansi() { iconv -f UTF-8 -t CP932; }
utf8() { iconv -c -f CP932 -t UTF-8; }

pass() { echo "ok   $1"; }
fail() { echo "FAIL $1"; failures=$((failures + 1)); }

# Writes the lines (UTF-8 here, "|" standing for a tab) to FILE in cp932.
lines() {
    local file=$1; shift
    printf '%s\n' "$@" | tr '|' '\t' | ansi >"$file"
}

# check NAME EXPECTED_FILE COMMAND...: passes once the command prints exactly
# the file's bytes. Asks again for a few seconds, as the program may still be
# busy with what it was given (a click, a key, a posted command).
check() {
    local name=$1 expected=$2 actual="$work/actual"; shift 2
    for _ in $(seq 25); do
        "$@" >"$actual" 2>/dev/null && cmp -s "$expected" "$actual" && { pass "$name"; return 0; }
        sleep 0.2
    done
    fail "$name"
    echo "     expected:"; utf8 <"$expected" | cat -A | sed 's/^/       /'
    echo "     actual:"; utf8 <"$actual" | cat -A | sed 's/^/       /'
    return 1
}

# check_that NAME TEST...: passes when the test command succeeds.
check_that() {
    local name=$1; shift
    if "$@"; then pass "$name"; else fail "$name"; fi
}

# The Unix path of a file in the prefix, from its Windows path (UTF-8).
unix_path() { printf '%s/%s' "$prefix" "$(printf '%s' "$1" | sed -e 's|^[Cc]:\\|drive_c/|' -e 's|\\|/|g')"; }

# The hotkey stored at offset 0x40 of a shortcut, as hex bytes ("7403"), read
# from the Unix side of the prefix; the argument is its Windows path (UTF-8).
stored_hotkey() { od -An -tx1 -j64 -N2 "$(unix_path "$1")" | tr -d ' \n'; }

# True when the shortcut (Windows path) differs from the copy FILE in the
# two bytes of its hotkey word alone (offsets 65 and 66 as cmp counts).
only_hotkey_changed() { [ "$(cmp -l "$2" "$(unix_path "$1")" 2>&1 | awk '{printf "%s ", $1}')" = "65 66 " ]; }

# Starts Velmora.exe in the background and waits for its main window.
start_velmora() {
    "$run" "$build/Velmora.exe" >/dev/null 2>&1 &
    velmora=$!
    drive wait && desktop=$(xdotool search --name '^Default - Wine desktop$' | tail -n 1) && [ -n "$desktop" ]
}

# True once the started Velmora.exe process has ended (bounded wait).
velmora_ended() {
    for _ in $(seq 50); do
        if ! kill -0 "$velmora" 2>/dev/null; then
            velmora=
            return 0
        fi
        sleep 0.2
    done
    return 1
}

# Clicks (COUNT times, default once) at a screen point of the Wine desktop.
click_at() {
    xdotool mousemove --window "$desktop" "$1" "$2" click --repeat "${3:-1}" --delay 120 1
}

# Presses keys at a window given as "left top right bottom": the pointer rests
# on it first, as X sends key events to the Wine window under the pointer,
# and the Wine desktop gets the X focus.
press_at() {
    local l t r b
    read -r l t r b <<<"$1"; shift
    xdotool mousemove --window "$desktop" $(((l + r) / 2)) $(((t + b) / 2))
    xdotool windowfocus --sync "$desktop"
    xdotool key --delay 60 "$@"
}

# Edit > Copy as CSV (sent, so done on return), then the clipboard's text.
copy_csv() { drive command 32778 && drive clipboard; }

# The widths of both columns; of column N (1 or 2).
column_widths() { drive columns | cut -d' ' -f1,2; }
column_width() { drive columns | cut -d' ' -f"$1"; }

# True when the dialog's centre is the main window's, give or take a pixel.
centred_over_main() {
    local l t r b dl dt dr db dx dy
    read -r l t r b < <(drive window-rect)
    read -r dl dt dr db < <(drive dialog-rect "$1")
    dx=$(((dl + dr) - (l + r)))
    dy=$(((dt + db) - (t + b)))
    [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ]
}

# Drags the main window's bottom-right corner by DX DY pixels.
drag_corner() {
    local right bottom
    read -r _ _ right bottom < <(drive window-rect)
    xdotool mousemove --window "$desktop" $((right - 3)) $((bottom - 3)) mousedown 1 \
        mousemove --window "$desktop" $((right - 3 + $1 / 2)) $((bottom - 3 + $2 / 2)) \
        mousemove --window "$desktop" $((right - 3 + $1)) $((bottom - 3 + $2)) mouseup 1
    for _ in $(seq 20); do
        [ "$(drive window-rect | cut -d' ' -f3,4)" = "$((right + $1)) $((bottom + $2))" ] && return 0
        sleep 0.1
    done
}

# The start button, clicked.
press_start() { click_at $(drive control-point 1001); }

# The client size, list and button rectangles laid out from a client size
# "cx cy", with the list's edges and the button's size as the window had them
# at start: the button centred, its bottom the list's left edge above the
# bottom; the list's right margin its top edge, its bottom that gap above
# the button. LIST is the list's rectangle before the resize: it stays when
# the new one would be empty.
expected_layout() {
    local cx=$1 cy=$2 list=$3 right bottom top
    top=$((cy - list_left - button_height))
    right=$((cx - list_top))
    bottom=$((top - list_left))
    printf '%s %s\n' "$cx" "$cy"
    if [ "$list_left" -lt "$right" ] && [ "$list_top" -lt "$bottom" ]; then
        printf '%s %s %s %s\n' "$list_left" "$list_top" "$right" "$bottom"
    else
        printf '%s\n' "$list"
    fi
    printf '%s %s %s %s\n' $((cx / 2 - button_width / 2)) "$top" $((cx / 2 - button_width / 2 + button_width)) $((top + button_height))
}

# The list's rectangle in client coordinates: "left top right bottom".
list_rect() { drive layout | sed -n 2p; }

# check_layout NAME LIST: the window's layout follows its present client size
# (LIST: the list's rectangle before the resize). Asks again for a few seconds.
check_layout() {
    local name=$1 list=$2 cx cy
    for _ in $(seq 25); do
        drive layout >"$work/layout"
        read -r cx cy <"$work/layout"
        expected_layout "$cx" "$cy" "$list" >"$work/expected-layout"
        cmp -s "$work/layout" "$work/expected-layout" && { pass "$name (client ${cx}x${cy})"; return 0; }
        sleep 0.2
    done
    fail "$name (client ${cx}x${cy})"
    echo "     expected:"; sed 's/^/       /' "$work/expected-layout"
    echo "     actual:"; sed 's/^/       /' "$work/layout"
    return 1
}

# The widest of the texts (UTF-8) in the list's font, plus the icon allowance.
fitted_width() {
    local widest=0 width texts=()
    for text in "$@"; do texts+=("$(printf '%s' "$text" | ansi)"); done
    for width in $(drive text-widths "${texts[@]}"); do
        [ "$width" -gt "$widest" ] && widest=$width
    done
    echo $((widest + 32 + 2 * 2))
}

# Aligned-copy line: the name, spaces up to byte 24 (the longest name,
# "コマンド プロンプト.lnk", has 23 bytes in cp932), the hotkey, CR LF.
aligned_line() {
    local name
    name=$(printf '%s' "$1" | ansi)
    printf '%s%*s%s\r\n' "$name" $((24 - ${#name})) '' "$2"
}

[ -n "${DISPLAY:-}" ] || { echo "FAIL no X display: run under xvfb-run"; exit 1; }

# --- The known shortcuts, alone in the prefix's three surveyed folders.
seed=$("$run" "$build/velmora_seed.exe" user-test 2>"$work/seed-errors" | utf8) ||
    { echo "FAIL seeding the shortcuts"; cat "$work/seed-errors"; exit 1; }
startmenu=$(sed -n 's/^startmenu //p' <<<"$seed")
desktop_folder=$(sed -n 's/^desktop //p' <<<"$seed")
common=$(sed -n 's/^common //p' <<<"$seed")
WINEPREFIX=$prefix wineserver -w  # start the program on a settled Wine server
# Wine's menu builder is on (above): a shortcut saved under the Start Menu
# would make it write desktop entries from now on.
menus="$(dirname "$prefix")/home${prefix##*/prefix}/.local/share/applications"
touch "$work/menus-before"

sheet=$startmenu'\Programs\ソフト\表計算.lnk'  # with the extra data blocks Windows writes
cp "$(unix_path "$sheet")" "$work/sheet-original"
mines=$startmenu'\Programs\Games\Mines.lnk'
notepad=$startmenu'\Programs\アクセサリ\メモ帳.lnk'
winecfg=$common'\Programs\Wine 設定.lnk'
pif=$desktop_folder'\Old.pif'
prompt=$desktop_folder'\コマンド プロンプト.lnk'
notes=$desktop_folder'\Notes.lnk'

# --- First run: survey, sort, copy, change a hotkey, view settings, about box,
# resizing, File > Close.
check_that "Velmora.exe starts and shows its main window" start_velmora || exit 1

: >"$work/empty"
check "the list is empty at start" "$work/empty" drive rows
read -r width0 width1 list_client < <(drive columns)
check_that "both columns start at half the list's width ($width0, $width1 of $list_client)" \
    [ "$width0" -eq $((list_client / 2)) -a "$width1" -eq $((list_client / 2)) ]

press_start
lines "$work/by-key" "$sheet|ALT+F9" "$mines|CTRL+A" "$notepad|CTRL+ALT+N" \
    "$winecfg|CTRL+ALT+W" "$pif|CTRL+SHIFT+C" "$prompt|F1"
check "the survey lists the shortcuts with a hotkey, sorted by key name" "$work/by-key" drive rows

# VelmoraCmd.exe over the same shortcuts prints the bytes the window copies.
copy_csv >"$work/window-csv"
check "VelmoraCmd list /csv prints the main window's CSV copy byte for byte" "$work/window-csv" cmd list /csv
drive command 32772 && drive clipboard >"$work/window-text"
check "VelmoraCmd list prints the main window's aligned copy byte for byte" "$work/window-text" cmd list

# Resizing by dragging the window's bottom-right corner out, then back a little.
read -r _ _ list_left list_top _ _ button_left button_top button_right button_bottom \
    < <(drive layout | tr '\n' ' ')
button_width=$((button_right - button_left))
button_height=$((button_bottom - button_top))
read -r _ _ right bottom < <(drive window-rect)
list_before=$(list_rect)
drag_corner 217 137
read -r _ _ new_right new_bottom < <(drive window-rect)
check_that "dragging the corner out enlarges the window" [ "$new_right" -gt "$right" -a "$new_bottom" -gt "$bottom" ]
check_layout "after the drag the list fills the window and the button is centred at the bottom" "$list_before"
list_before=$(list_rect)
drag_corner -20 -20
check_layout "dragging it back lays the window out again" "$list_before"
echo "$width0 $width1" >"$work/widths"
check "resizing leaves the column widths" "$work/widths" column_widths

# A double-click on a header divider fits the column to its texts.
click_at $(drive divider-point 0) 2
fitted_width 表計算.lnk Mines.lnk メモ帳.lnk 'Wine 設定.lnk' Old.pif 'コマンド プロンプト.lnk' >"$work/fitted"
check "a divider double-click fits the name column to the widest name" "$work/fitted" column_width 1
click_at $(drive divider-point 1) 2
fitted_width ALT+F9 CTRL+A CTRL+ALT+N CTRL+ALT+W CTRL+SHIFT+C F1 >"$work/fitted"
check "a divider double-click fits the hotkey column to the widest hotkey" "$work/fitted" column_width 2

# Edit > Copy, through the keyboard: file names and hotkeys in columns.
press_at "$(drive window-rect)" alt+e c
{
    aligned_line 表計算.lnk ALT+F9
    aligned_line Mines.lnk CTRL+A
    aligned_line メモ帳.lnk CTRL+ALT+N
    aligned_line 'Wine 設定.lnk' CTRL+ALT+W
    aligned_line Old.pif CTRL+SHIFT+C
    aligned_line 'コマンド プロンプト.lnk' F1
} >"$work/aligned"
check "Edit > Copy puts the aligned list on the clipboard (CF_TEXT, CR LF)" "$work/aligned" drive clipboard

# View > Sort by file name, through the keyboard.
press_at "$(drive window-rect)" alt+d n
lines "$work/by-name" "$mines|CTRL+A" "$pif|CTRL+SHIFT+C" "$winecfg|CTRL+ALT+W" \
    "$prompt|F1" "$notepad|CTRL+ALT+N" "$sheet|ALT+F9"
check "View > Sort by file name orders the rows by file name" "$work/by-name" drive rows

# View > Full path, then Edit > Copy as CSV: the full paths are copied.
press_at "$(drive window-rect)" alt+d f
lines "$work/csv" "$mines,CTRL+A" "$pif,CTRL+SHIFT+C" "$winecfg,CTRL+ALT+W" \
    "$prompt,F1" "$notepad,CTRL+ALT+N" "$sheet,ALT+F9"
sed 's/$/\r/' "$work/csv" >"$work/csv-crlf"
check "in the full-path view, Edit > Copy as CSV copies the full paths" "$work/csv-crlf" copy_csv
press_at "$(drive window-rect)" alt+d f

# Edit > Set hotkey on the first row, cancelled: nothing changes.
hotkey_dialog='ホットキーの設定'
click_at $(drive row-point 0)
echo 0 >"$work/selected"
check "a click selects the row" "$work/selected" drive selected
drive post 32777  # ID_EDIT_SET_HOTKEY
check_that "Edit > Set hotkey opens the hotkey dialog" drive dialog "$hotkey_dialog"
echo 0x0241 >"$work/value"
check "the dialog shows the hotkey stored in the file (CTRL+A)" "$work/value" drive hotkey-value "$hotkey_dialog"
press_at "$(drive dialog-rect "$hotkey_dialog")" F2 Escape
check_that "Escape closes the hotkey dialog" drive dialog-gone "$hotkey_dialog"
check "after Cancel the rows are unchanged" "$work/by-name" drive rows
check_that "after Cancel the file keeps its hotkey bytes (41 02)" [ "$(stored_hotkey "$mines")" = 4102 ]

# A double-click on the last row, the hotkey typed, OK by Enter.
click_at $(drive row-point 5) 2
check_that "a double-click on a row opens the hotkey dialog" drive dialog "$hotkey_dialog"
echo 0x0478 >"$work/value"
check "the dialog shows the row's stored hotkey (ALT+F9)" "$work/value" drive hotkey-value "$hotkey_dialog"
press_at "$(drive dialog-rect "$hotkey_dialog")" BackSpace
echo 0x0000 >"$work/value"
check "Backspace clears the hotkey control" "$work/value" drive hotkey-value "$hotkey_dialog"
press_at "$(drive dialog-rect "$hotkey_dialog")" ctrl+shift+F5
echo 0x0374 >"$work/value"
check "typing Ctrl+Shift+F5 sets the control to 0x0374" "$work/value" drive hotkey-value "$hotkey_dialog"
press_at "$(drive dialog-rect "$hotkey_dialog")" Return
check_that "Enter confirms the hotkey dialog" drive dialog-gone "$hotkey_dialog"
lines "$work/changed" "$mines|CTRL+A" "$pif|CTRL+SHIFT+C" "$winecfg|CTRL+ALT+W" \
    "$prompt|F1" "$notepad|CTRL+ALT+N" "$sheet|CTRL+SHIFT+F5"
check "the row shows its new hotkey in its old place" "$work/changed" drive rows
check_that "the file holds the new hotkey at offset 0x40 (74 03)" [ "$(stored_hotkey "$sheet")" = 7403 ]
check_that "the change left every other byte of the file, extra data blocks included" only_hotkey_changed "$sheet" "$work/sheet-original"

# View > Also show files without a hotkey, after a survey: the reminder; the
# next survey lists them.
reminder='この設定を変更したときは、もう一度調査を行ってください。'
printf '%s\n' "$reminder" | ansi >"$work/reminder"
press_at "$(drive window-rect)" alt+d d
check "toggling the view after a survey shows the reminder" "$work/reminder" drive dialog-text Velmora 65535
press_at "$(drive dialog-rect Velmora)" Return
check_that "Enter closes the reminder" drive dialog-gone Velmora
press_start
lines "$work/all" "$notes|" "$mines|CTRL+A" "$notepad|CTRL+ALT+N" "$winecfg|CTRL+ALT+W" \
    "$pif|CTRL+SHIFT+C" "$sheet|CTRL+SHIFT+F5" "$prompt|F1"
check "the next survey lists every shortcut, the new hotkey read from its file, sorted by key" "$work/all" drive rows
press_at "$(drive window-rect)" alt+d d
check "toggling the view back shows the reminder again" "$work/reminder" drive dialog-text Velmora 65535
press_at "$(drive dialog-rect Velmora)" Escape
check_that "Escape closes the reminder" drive dialog-gone Velmora

# The about box, from the system menu's version item.
about='ﾊﾞｰｼﾞｮﾝ情報 Velmora'
drive sys-command 16  # IDM_ABOUTBOX
check_that "the system menu's version item opens the about box" drive dialog "$about"
sed -n 's/^#define VELMORA_MAIL_ADDRESS *"\(.*\)"$/\1/p' "$here/../../res/resource.h" >"$work/mail"
check "the about box shows the mail address" "$work/mail" drive dialog-text "$about" 1008
check_that "the about box stands centred over the main window" centred_over_main "$about"
press_at "$(drive dialog-rect "$about")" Escape
check_that "Escape closes the about box" drive dialog-gone "$about"

# The picture: the populated window, active again after the about box, with
# the pointer off it.
if [ -n "${VELMORA_SCREENSHOT:-}" ]; then
    read -r left top right bottom < <(drive window-rect)
    xdotool mousemove --window "$desktop" $(((left + right) / 2)) $((bottom + 20))
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$desktop")"
    import -window root -crop "$((right - left))x$((bottom - top))+$((X + left))+$((Y + top))" +repage "$VELMORA_SCREENSHOT"
    echo "     screenshot: $VELMORA_SCREENSHOT"
fi

# Resizing by another program, down to a window too low for the list.
list_before=$(list_rect)
drive resize 200 90
check_layout "a window too low for the list moves the button and keeps the list" "$list_before"
list_before=$(list_rect)
drive resize 250 110
check_layout "a small window shrinks the list above the button" "$list_before"

press_at "$(drive window-rect)" alt+f x
check_that "File > Close closes the window" drive gone
check_that "File > Close ends the process" velmora_ended

# --- VelmoraCmd.exe: backup, set, restore, duplicates and refusals.
backup='C:\velmora-user-test-backup.csv'
rm -f "$prefix/drive_c/velmora-user-test-backup.csv"
check_that "VelmoraCmd backup saves the hotkeys (exit 0)" [ "$(status_of cmd backup "$backup")" = 0 ]
check_that "VelmoraCmd backup refuses to replace it without /force (exit 2)" [ "$(status_of cmd backup "$backup")" = 2 ]
check_that "VelmoraCmd set PATH none clears a hotkey (exit 0)" [ "$(status_of cmd set "$sheet" none)" = 0 ]
check_that "the file then holds no hotkey" [ "$(stored_hotkey "$sheet")" = 0000 ]
check_that "VelmoraCmd set left every other byte of the file" only_hotkey_changed "$sheet" "$work/sheet-original"
check_that "VelmoraCmd set refuses a text the list never shows (exit 2)" [ "$(status_of cmd set "$sheet" ctrl+shift+f5)" = 2 ]
check_that "the refused text wrote nothing" [ "$(stored_hotkey "$sheet")" = 0000 ]
printf 'kept %s\r\n' "$mines" "$notepad" "$winecfg" "$pif" | ansi >"$work/restored"
{ printf 'set %s\r\n' "$sheet"; printf 'kept %s\r\n' "$prompt"; } | ansi >>"$work/restored"
check "VelmoraCmd restore sets the cleared hotkey back and keeps the others" "$work/restored" cmd restore "$backup"
check_that "the file holds its hotkey again (74 03)" [ "$(stored_hotkey "$sheet")" = 7403 ]
check "VelmoraCmd duplicates prints nothing when no hotkey is held twice" "$work/empty" cmd duplicates
check_that "VelmoraCmd /? shows the usage (exit 0)" [ "$(status_of cmd "/?")" = 0 ]
# free into a pipe whose reader quits after one byte: exit 1 and no message.
closed_pipe() {
    { cmd free 2>"$work/pipe-err"; echo $? >"$work/pipe-status"; } | head -c 1 >/dev/null
    [ "$(cat "$work/pipe-status")" = 1 ] && [ ! -s "$work/pipe-err" ]
}
check_that "VelmoraCmd free ends quietly when its reader quits early (exit 1)" closed_pipe
check_that "VelmoraCmd refuses an unknown switch (exit 2)" [ "$(status_of cmd list /bogus)" = 2 ]
printf '%s\r\n' "CTRL+ALT+N is also held by $notepad; Windows will start only one of them." | ansi >"$work/warning"
check "VelmoraCmd set names the other shortcut holding the hotkey (exit 0)" "$work/warning" cmd_err set "$notes" CTRL+ALT+N
check_that "the warned set still wrote the hotkey (4e 06)" [ "$(stored_hotkey "$notes")" = 4e06 ]
cmd set "$notes" none

# A name the code page cannot carry, with a comma, holding CTRL+Print Screen,
# which the notation writes "CTRL+,": /utf8 CSV that a CSV reader parses back.
cafe="$(unix_path "$desktop_folder")/Café, Inc.lnk"
cp "$(unix_path "$notes")" "$cafe" && printf '\x2c\x02' | dd of="$cafe" bs=1 seek=64 conv=notrunc 2>/dev/null
cmd list /csv /utf8 >"$work/utf8.csv"
check_that "VelmoraCmd list /csv /utf8 prints the long name, both fields quoted as RFC 4180 reads them" python3 -c '
import csv, sys
rows = list(csv.reader(open(sys.argv[1], encoding="utf-8", newline="")))
print("     parsed:", rows[:2])
sys.exit(0 if ["Caf\u00e9, Inc.lnk", "CTRL+,"] in rows and {len(row) for row in rows} == {2} else 1)' "$work/utf8.csv"
rm -f "$cafe"
rm -f "$prefix/drive_c/velmora-user-test-backup.csv"
WINEPREFIX=$prefix wineserver -w  # a menu builder started by a change would have ended
check_that "no hotkey change made Wine's menu builder write a desktop entry" \
    [ -z "$(find "$menus" -newer "$work/menus-before" -name '*.desktop' 2>/dev/null)" ]

# --- Second run: a fresh start, closed by Escape.
check_that "Velmora.exe starts again" start_velmora || exit 1
check "every run starts with an empty list" "$work/empty" drive rows
press_at "$(drive window-rect)" Escape
check_that "Escape closes the window" drive gone
check_that "Escape ends the process" velmora_ended

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all checks passed"
