#!/bin/bash
# Builds velmora_bench.exe and runs it under Wine on Xvfb in a scratch prefix
# of its own (build/bench-wine: its own HOME and WINEPREFIX, never the tests'
# or the user's), then prints the machine and the table of figures.
#
#   bench/run-bench.sh              N = 1,000 and 10,000 shortcut files
#   bench/run-bench.sh 500 2000     other file counts
#
# The program, its Wine server and Xvfb run pinned to one CPU (the last one;
# VELMORA_BENCH_CPUS=0 picks another, VELMORA_BENCH_CPUS=all pins nothing).
# Every shell call of the program is a round trip to the Wine server; on this
# virtual machine a round trip that wakes the other CPU costs about three
# times as much, and unpinned runs flip between the two speeds from one
# minute to the next.
#
# The benchmark empties the Start Menu, the Desktop and the common Start Menu
# of that prefix before and after each count.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset win32 >/dev/null
cmake --build --preset win32 --target velmora_bench

export VELMORA_WINE_ROOT="$PWD/build/bench-wine"
export VELMORA_BENCH_PREFIX=1
exe="$PWD/build/win32/velmora_bench.exe"

cpus=${VELMORA_BENCH_CPUS:-$(( $(nproc) - 1 ))}
pin=()
[ "$cpus" = all ] || pin=(taskset -c "$cpus")

echo "Date:    $(date)"
echo "Machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)"
echo "Wine:    $(wine --version)"
echo "Pinned:  ${pin[*]:-no}"
echo "Command: bench/run-bench.sh${*:+ $*}"
echo

# A Wine server of this prefix still running would not be pinned: let it end.
if [ -d "$VELMORA_WINE_ROOT/prefix" ]; then
    WINEPREFIX="$VELMORA_WINE_ROOT/prefix" wineserver -w 2>/dev/null || true
fi

# The prefix's Wine server is let end before Xvfb goes, so that no Wine
# process is left holding the display.
exec "${pin[@]}" xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    status=0
    tests/wine/run-in-prefix.sh "$0" "$@" || status=$?
    WINEPREFIX="$VELMORA_WINE_ROOT/prefix" wineserver -w || true
    exit $status' "$exe" "$@"
