#!/bin/bash
# Builds the release archives: dist/velmora-VERSION-win64.zip and
# dist/velmora-VERSION-win32.zip, each holding the programs of that build
# stripped of their symbols (Velmora.exe, VelmoraCmd.exe and
# VelmoraKeep.exe) and README.txt
# for Windows users, and dist/SHA256SUMS over both.
# The build trees keep the unstripped programs (the benchmark and debugging
# use them). Builds only the programs, not the tests.
#
# The archives come out byte for byte the same from any checkout of a commit:
# the programs carry no build folder and, as their header time, the commit's
# time (SOURCE_DATE_EPOCH, which strip writes there), and every entry has that
# time, the same permissions and no extra fields, in a fixed order.
set -euo pipefail
cd "$(dirname "$0")/.."

version_part() { sed -n "s/^#define VELMORA_VERSION_$1 \([0-9][0-9]*\)$/\1/p" res/Version.h; }
version="$(version_part MAJOR).$(version_part MINOR)"
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export TZ=UTC LC_ALL=C  # zip keeps local times; names sort byte by byte

# The programs of each archive.
programs=(Velmora VelmoraCmd VelmoraKeep)

# Builds one preset's programs and writes its archive from a staging folder.
package() {
    local preset=$1 staging=$2 archive=$3 strip program
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target "${programs[@]}"
    strip=$(sed -n 's/^CMAKE_STRIP:FILEPATH=//p' "build/$preset/CMakeCache.txt")
    mkdir -p "$staging"
    for program in "${programs[@]}"; do
        "$strip" --strip-all -o "$staging/$program.exe" "build/$preset/$program.exe"
    done
    cp docs/README-Windows.txt "$staging/README.txt"
    chmod 644 "$staging"/*
    touch -d "@$SOURCE_DATE_EPOCH" "$staging"/*
    (cd "$staging" && printf '%s\n' * | sort | zip -q -X -D -9 "$archive" -@)
}

staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
rm -rf dist
mkdir dist
for preset in win64 win32; do
    package "$preset" "$staging/$preset" "$PWD/dist/velmora-$version-$preset.zip"
done
(cd dist && sha256sum "velmora-$version-win32.zip" "velmora-$version-win64.zip" >SHA256SUMS)
cat dist/SHA256SUMS
