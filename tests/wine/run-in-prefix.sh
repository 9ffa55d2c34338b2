#!/bin/sh
# Runs a Windows program under Wine in the build tree's own prefix, never the
# developer's: WINEPREFIX and HOME both live under VELMORA_WINE_ROOT (by
# default a folder "wine" beside the program). The prefix is made on first use.
set -eu

program=$1
shift
root=${VELMORA_WINE_ROOT:-$(cd "$(dirname "$program")" && pwd)/wine}
mkdir -p "$root/home/Desktop"

export WINEPREFIX="$root/prefix"
export HOME="$root/home"
export WINEARCH=${WINEARCH:-win32}
export WINEDEBUG=${WINEDEBUG:--all}
export LC_ALL=ja_JP.UTF-8
export VELMORA_TEST_PREFIX=1
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" XDG_CACHE_HOME="$HOME/.cache"
unset XDG_DESKTOP_DIR XDG_RUNTIME_DIR 2>/dev/null || true

if [ ! -f "$WINEPREFIX/.velmora-ready" ]; then
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.velmora-ready" ]; then
            rm -rf "$WINEPREFIX"
            # No Mono or Gecko: the prefix has no network to fetch them.
            WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
            # A crash must end the process, not wait on a dialog; windows get a
            # virtual desktop so they close fast and keep their captions.
            wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
            wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
            wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
            wineserver -w
            touch "$WINEPREFIX/.velmora-ready"
        fi
    ) 9>"$root/.prefix-lock"
fi

exec wine "$program" "$@"
