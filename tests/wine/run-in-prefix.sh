#!/bin/sh
# Runs a Windows program under Wine in the build tree's own prefix, never the
# developer's: WINEPREFIX and HOME both live under VELMORA_WINE_ROOT (by
# default a folder "wine" beside the program). The prefix is made on first use.
# A 64-bit program gets a 64-bit prefix; a 32-bit one gets a 32-bit prefix, or
# with WINEARCH=win64 runs through WOW64 in the 64-bit one. The two kinds sit
# side by side: "prefix" and "home" for win32, "prefix64" and "home64" for win64.
# wine-loader.sh beside this script picks the loader for the prefix's tools
# and for the program.
#
#   run-in-prefix.sh PROGRAM [ARGUMENT...]   runs the program
#   run-in-prefix.sh --print-prefix PROGRAM  prints the prefix it would run in
set -eu

here=$(cd "$(dirname "$0")" && pwd)

print_prefix=
if [ "$1" = --print-prefix ]; then
    print_prefix=1
    shift
fi
program=$1
shift
root=${VELMORA_WINE_ROOT:-$(cd "$(dirname "$program")" && pwd)/wine}
program_bits=$("$here/wine-loader.sh" --program-bits "$program")
if [ "$program_bits" = 64 ]; then
    export WINEARCH=win64
else
    export WINEARCH=${WINEARCH:-win32}
fi
bits=
[ "$WINEARCH" = win64 ] && bits=64

export WINEPREFIX="$root/prefix$bits"
if [ -n "$print_prefix" ]; then
    echo "$WINEPREFIX"
    exit 0
fi
export HOME="$root/home$bits"
mkdir -p "$HOME/Desktop"
export WINEDEBUG=${WINEDEBUG:--all}
# Wine starts its menu builder for each shortcut saved under the Start Menu
# or on the Desktop; the tests' own shortcuts need no menu entries, so it is
# off unless VELMORA_MENU_BUILDER=on (a user's Wine has it on).
[ "${VELMORA_MENU_BUILDER:-off}" = on ] ||
    export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winemenubuilder.exe=d"
# Japanese unless VELMORA_LOCALE names another locale.
export LC_ALL=${VELMORA_LOCALE:-ja_JP.UTF-8}
export VELMORA_TEST_PREFIX=1
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" XDG_CACHE_HOME="$HOME/.cache"
unset XDG_DESKTOP_DIR XDG_RUNTIME_DIR 2>/dev/null || true

# Debian's Wine 8 looks for the fonts it ships (fonts-wine) in
# "\??\Z:\usr\share\wine\../fonts", a path its own file layer does not open,
# so no prefix has them. Of those the prefix needs Marlett, the symbol font
# Wine draws the caption buttons with (without it they come out as the
# letters "0 1 r"): it gets a link in the prefix's Fonts folder, which Wine
# always reads. The others stay out: the dialogs' face "System" would then
# be Wine's own System font, which has no Japanese glyphs.
marlett=/usr/share/wine/fonts/marlett.ttf
prefix_marlett="$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf"
marlett_linked() { [ ! -f "$marlett" ] || [ -e "$prefix_marlett" ]; }
link_marlett() {
    mkdir -p "$(dirname "$prefix_marlett")"
    ln -sf "$marlett" "$prefix_marlett"
}

# Runs one step of making the prefix with the prefix's own loader; when it
# fails, prints the step and Wine's own output and ends with its status.
prepare() {
    log=$root/.prefix$bits-step.log
    status=0
    "$@" >"$log" 2>&1 || status=$?
    if [ "$status" -ne 0 ]; then
        echo "run-in-prefix.sh: making the prefix $WINEPREFIX failed (status $status) at: $*" >&2
        sed 's/^/    /' "$log" >&2
        exit "$status"
    fi
}

if [ ! -f "$WINEPREFIX/.velmora-ready" ] || ! marlett_linked; then
    prefix_loader=$("$here/wine-loader.sh" --bits "${bits:-32}")
    (
        flock 9
        if [ -f "$WINEPREFIX/.velmora-ready" ] && ! marlett_linked; then
            # A prefix made before the link: a server still running keeps
            # the font list it read, so let it end first.
            wineserver -w
            link_marlett
        fi
        if [ ! -f "$WINEPREFIX/.velmora-ready" ]; then
            rm -rf "$WINEPREFIX"
            # No Mono or Gecko: the prefix has no network to fetch them.
            export WINEDLLOVERRIDES="mscoree,mshtml="
            prepare "$prefix_loader" wineboot -i
            unset WINEDLLOVERRIDES
            # A crash must end the process, not wait on a dialog; windows get a
            # virtual desktop so they close fast and keep their captions.
            prepare "$prefix_loader" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
            prepare "$prefix_loader" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f
            prepare "$prefix_loader" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f
            prepare wineserver -w
            link_marlett
            touch "$WINEPREFIX/.velmora-ready"
        fi
    ) 9>"$root/.prefix-lock"
fi

exec "$("$here/wine-loader.sh" --bits "$program_bits")" "$program" "$@"
