#!/bin/sh
# Runs a Windows test program in a prefix of its own made for the user "Zoë",
# a name code page 932 cannot carry: the profile folder, and with it the
# Start Menu and the Desktop, have no exact ANSI path. The prefix lives beside
# the program's usual one (wine-zoe) and is made on first use.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
program=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
shift
USER=Zoë LOGNAME=Zoë VELMORA_WINE_ROOT="$(dirname "$program")/wine-zoe" exec "$here/run-in-prefix.sh" "$program" "$@"
