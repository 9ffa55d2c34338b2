#!/bin/bash
# Times `VelmoraCmd restore` putting back the hotkeys of N shortcuts (default
# 1,000) that carry the extra data blocks Windows writes, in the Start Menu of
# a scratch prefix (build/restore-wine) with Wine's menu builder on, as a
# user's Wine has it. The time runs from the restore's start until the prefix's
# last process (a menu builder the restore started, say) has ended. The restore
# and its Wine server run pinned to the last CPU, as in run-bench.sh.
#
#   bench/restore-timing.sh [N [VELMORACMD_EXE]]   another build's VelmoraCmd.exe, to compare
set -euo pipefail
cd "$(dirname "$0")/.."

count=${1:-1000}
cmake --preset win64 >/dev/null && cmake --build --preset win64 --target VelmoraCmd velmora_seed >/dev/null
cmd=${2:-$PWD/build/win64/VelmoraCmd.exe}
seed=$PWD/build/win64/velmora_seed.exe
export VELMORA_WINE_ROOT="$PWD/build/restore-wine" VELMORA_MENU_BUILDER=on
run=tests/wine/run-in-prefix.sh
prefix=$("$run" --print-prefix "$seed")
backup='C:\velmora-restore-timing.csv'

"$run" "$seed" restore-bench "$count"
"$run" "$cmd" backup "$backup" /force >/dev/null
"$run" "$seed" restore-bench "$count" cleared
WINEPREFIX=$prefix wineserver -w
start=$(date +%s%N)
taskset -c "$(( $(nproc) - 1 ))" "$run" "$cmd" restore "$backup" >"$VELMORA_WINE_ROOT/restore.out" || true
WINEPREFIX=$prefix wineserver -w
end=$(date +%s%N)
echo "restore of $count shortcuts: $(( (end - start) / 1000000 )) ms; $(grep -c '^set ' "$VELMORA_WINE_ROOT/restore.out") set"
