#!/bin/bash
# Builds Velmora.exe and starts it under Wine on a demo prefix of its own
# (build/demo: its own HOME and WINEPREFIX) seeded with sample shortcuts.
# Without a display it runs on Xvfb, presses the start button, saves a
# screenshot and prints its path.
#
#   scripts/run.sh        the 64-bit build, as a 64-bit Wine runs it natively
#   scripts/run.sh --32   the 32-bit build, in a 32-bit prefix
set -euo pipefail
cd "$(dirname "$0")/.."

case "${1:-}" in
    "")   preset=win64 ;;
    --32) preset=win32 ;;
    *)    echo "usage: scripts/run.sh [--32]" >&2; exit 2 ;;
esac

scripts/install-deps.sh
if [ "$preset" = win32 ] && ! reason=$(tests/wine/wine-loader.sh --check-32); then
    echo "run.sh --32: cannot start the 32-bit program: $reason" >&2
    exit 1
fi
cmake --preset "$preset"
cmake --build --preset "$preset" --target Velmora velmora_seed velmora_drive

export VELMORA_WINE_ROOT="$PWD/build/demo"
wine_run=tests/wine/run-in-prefix.sh
exe=build/$preset
# run-in-prefix.sh picks the prefix that matches the program's bitness;
# wineserver is told the same one.
WINEPREFIX=$("$wine_run" --print-prefix "$exe/Velmora.exe")
export WINEPREFIX

"$wine_run" "$exe/velmora_seed.exe"
# Let this prefix's Wine server end, so the program starts on the display below.
wineserver -w

if [ -n "${DISPLAY:-}" ]; then
    exec "$wine_run" "$exe/Velmora.exe"
fi

screenshot="$PWD/build/demo/velmora.png"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$0" "$1/Velmora.exe" &
    velmora=$!
    sleep 3  # two Wine processes starting at the same instant can miss each other
    "$0" "$1/velmora_drive.exe" survey
    sleep 1
    import -window root "$2"
    kill "$velmora" 2>/dev/null || true
    wineserver -k 2>/dev/null || true
' "$wine_run" "$exe" "$screenshot"
echo "Screenshot: $screenshot"
