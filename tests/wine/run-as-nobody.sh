#!/bin/sh
# Runs a Windows test program as an unprivileged user, in a prefix of that
# user's own, for what such a user may not do (root writes read-only files).
# When not run as root, the program runs as the current user in the usual way.
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
cd "$root"
exec runuser -u nobody -- env VELMORA_WINE_ROOT="$root" "$here/run-in-prefix.sh" "$program" "$@"
