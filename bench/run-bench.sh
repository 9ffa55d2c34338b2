#!/bin/bash
# Builds velmora_bench.exe for 64-bit Windows (preset win64) and 32-bit
# Windows (preset win32) and runs each under Wine on Xvfb in a scratch prefix
# of its own (build/bench-wine, never the tests' or the user's), printing the
# machine and each build's figures. It fails when a check fails in a build.
#
#   bench/run-bench.sh              copies N = 1,000 and 10,000, two mixes of 1,000, a tree of 100,000
#   bench/run-bench.sh 500 2000     other copy counts (the mixes: the smallest, at most 1,000;
#                                   the tree: 100 files per the smallest, at most 100,000)
#   VELMORA_BENCH_BUILDS=win32 bench/run-bench.sh   one build only
#
# Each program, its Wine server and Xvfb run pinned to the last CPU
# (VELMORA_BENCH_CPUS=0 picks another, =all none): a Wine server round trip
# that wakes the other CPU costs about three times as much.
set -euo pipefail
cd "$(dirname "$0")/.."

builds=${VELMORA_BENCH_BUILDS:-win64 win32} skipped=
# The 32-bit build needs a host that starts the 32-bit loader.
if [ "${builds/win32/}" != "$builds" ] && ! reason=$(tests/wine/wine-loader.sh --check-32); then
    builds=${builds/win32/} skipped="win32 not run: $reason"
fi
for preset in $builds; do
    cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" --target velmora_bench VelmoraCmd
done

export VELMORA_WINE_ROOT="$PWD/build/bench-wine" VELMORA_BENCH_PREFIX=1
cpus=${VELMORA_BENCH_CPUS:-$(( $(nproc) - 1 ))}
pin=()
[ "$cpus" = all ] || pin=(taskset -c "$cpus")

echo "Date:    $(date)"
echo "Machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)"
echo "Wine:    $("$(tests/wine/wine-loader.sh --bits 64)" --version)"
echo "Pinned:  ${pin[*]:-no}"
echo "Command: bench/run-bench.sh${*:+ $*}"
echo "Builds:  ${builds}${skipped:+ ($skipped)}"

status=0
for preset in $builds; do
    exe="$PWD/build/$preset/velmora_bench.exe"
    prefix=$(tests/wine/run-in-prefix.sh --print-prefix "$exe")
    printf '\n## Build %s (%s)\n\n' "$preset" "$prefix"
    # A Wine server of this prefix still running would not be pinned: let it
    # end, and let the new one end before Xvfb goes.
    [ ! -d "$prefix" ] || WINEPREFIX="$prefix" wineserver -w 2>/dev/null || true
    BENCH_WINEPREFIX="$prefix" "${pin[@]}" xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
        status=0
        tests/wine/run-in-prefix.sh "$0" "$@" || status=$?
        WINEPREFIX="$BENCH_WINEPREFIX" wineserver -w || true
        exit $status' "$exe" "$@" || status=1
done
exit $status
