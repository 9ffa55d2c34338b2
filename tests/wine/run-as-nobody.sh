#!/bin/sh
# Runs a Windows test program as an unprivileged user, in a prefix of that
# user's own, for what such a user may not do (root writes read-only files).
# When not run as root, the program runs as the current user in the usual way.
#
# The clone may sit in a folder that user cannot enter (root's home, or any
# folder of mode 700), so the program and the prefix scripts run from a copy
# of their own inside the user's root folder, removed afterwards.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
program=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
shift
if [ "$(id -u)" -ne 0 ]; then
    exec "$here/run-in-prefix.sh" "$program" "$@"
fi

root=${TMPDIR:-/tmp}/velmora-unprivileged-wine
mkdir -p "$root"
chown nobody "$root"

# One copy per run: another build tree may be running its own at the same time.
copy=$(mktemp -d "$root/run.XXXXXX")
trap 'rm -rf "$copy"' EXIT
trap 'exit 1' HUP INT TERM
chmod 755 "$copy"
install -m 755 "$here/run-in-prefix.sh" "$here/wine-loader.sh" "$program" "$copy/"

cd "$root"
runuser -u nobody -- env VELMORA_WINE_ROOT="$root" \
    "$copy/run-in-prefix.sh" "$copy/$(basename "$program")" "$@"
