#!/bin/bash
# Times the keeper (VelmoraKeep.exe, started by `keep on` from the build's
# folder) in a scratch prefix of its own (build/keep-wine): one replaced
# shortcut until its hotkey is back, a burst of N replaced shortcuts (default
# 1,000) until all are back against one survey and N writes, and its CPU time
# over 60 s with nothing changing. Prints the figures; judges none.
#
#   bench/keep-timing.sh [N]
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset win64 >/dev/null && cmake --build --preset win64 --target velmora_keep_bench >/dev/null
export VELMORA_WINE_ROOT="$PWD/build/keep-wine"
exe=$PWD/build/win64/velmora_keep_bench.exe
prefix=$(tests/wine/run-in-prefix.sh --print-prefix "$exe")
echo "Date:    $(date)"
echo "Machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)"
status=0
tests/wine/run-in-prefix.sh "$exe" "$@" || status=$?
WINEPREFIX=$prefix wineserver -w || true
exit $status
