#!/bin/sh
# Runs a Windows test program with a folder symlink loop in the prefix's
# Start Menu, made on the Unix side where the program cannot make one:
# "Loop/Again" points at "Loop" itself. The loop is removed afterwards,
# whatever became of the program.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
program=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
shift

# The first run in a prefix makes it.
"$here/run-in-prefix.sh" "$program" --gtest_list_tests >/dev/null
prefix=$("$here/run-in-prefix.sh" --print-prefix "$program")

loop=
for start_menu in "$prefix"/drive_c/users/*/AppData/Roaming/Microsoft/Windows/"Start Menu"; do
    if [ -d "$start_menu" ]; then
        loop=$start_menu/Loop
    fi
done
if [ -z "$loop" ]; then
    echo "no Start Menu in $prefix" >&2
    exit 1
fi

trap 'rm -rf "$loop"' EXIT
mkdir -p "$loop"
ln -sfn . "$loop/Again"
VELMORA_START_MENU_LOOP=Loop "$here/run-in-prefix.sh" "$program" "$@"
