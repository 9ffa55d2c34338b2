#!/bin/bash
# Checks the release archives as a Windows user gets them: builds them with
# scripts/package.sh, verifies dist/SHA256SUMS, then for each archive: the
# entries (README.txt and the programs of that build, nothing else), the
# README in UTF-8 with a byte order mark and CR LF line ends, each program
# stripped, stamped with the commit's time, and carrying its version information (read
# under Wine through GetFileVersionInfoA by velmora_drive). Last it starts
# the unpacked x64 Velmora.exe under Wine over the user-level test's
# shortcuts, surveys and reads the rows back. Prints one line a check; ends
# non-zero if any failed. Needs an X display (run it under xvfb-run).
set -uo pipefail
export LC_ALL=C  # bytes as they are; texts from Wine come in cp932

root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
run="$root/tests/wine/run-in-prefix.sh"
tools="$root/build/win64"
work=$(mktemp -d)
velmora=    # process id of the unpacked Velmora.exe while it runs
failures=0

cleanup() {
    [ -n "$velmora" ] && kill "$velmora" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

pass() { echo "ok   $1"; }
fail() { echo "FAIL $1"; failures=$((failures + 1)); }
check_that() {
    local name=$1; shift
    if "$@"; then pass "$name"; else fail "$name"; fi
}

# The build tree's Wine prefix serves every program run here.
export VELMORA_WINE_ROOT="$tools/wine"
drive() { "$run" "$tools/velmora_drive.exe" "$@"; }
utf8() { iconv -c -f CP932 -t UTF-8; }

version_part() { sed -n "s/^#define VELMORA_VERSION_$1 \([0-9][0-9]*\)$/\1/p" "$root/res/Version.h"; }
short_version="$(version_part MAJOR).$(version_part MINOR)"
full_version="$short_version.$(version_part PATCH).$(version_part BUILD)"

# A 32-bit little-endian field of a file at a byte offset.
field32() { od -An -tu4 -j"$2" -N4 "$1" | tr -d ' '; }
# The offset of the PE header.
pe_header() { field32 "$1" 60; }
# The header's TimeDateStamp is the commit's time, not the build's.
commit_time=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
commit_time_stamp() { [ "$(field32 "$1" $(($(pe_header "$1") + 8)))" = "$commit_time" ]; }
# Stripped: no COFF symbols (a 32-bit program keeps the string table that
# holds its long section names), smaller than the build's own program.
stripped() { [ "$(field32 "$1" $(($(pe_header "$1") + 16)))" = 0 ] && [ "$(stat -c %s "$1")" -lt "$(stat -c %s "$2")" ]; }
# UTF-8 with a byte order mark, every line ended by CR LF.
windows_text() {
    [ "$(head -c 3 "$1" | od -An -tx1 | tr -d ' ')" = efbbbf ] && iconv -f UTF-8 -t UTF-8 "$1" >/dev/null &&
        [ "$(tr -cd '\n' <"$1" | wc -c)" -gt 0 ] && [ "$(grep -c $'[^\r]$\|^$' "$1")" = 0 ]
}

# The version information velmora_drive reads from one program (Windows path).
expected_version() {
    printf 'FixedFileVersion\t%s\nFixedProductVersion\t%s\n' "$full_version" "$full_version"
    printf 'FileVersion\t%s\nProductVersion\t%s\nProductName\tVelmora\n' "$full_version" "$full_version"
    printf 'FileDescription\t%s\nInternalName\t%s\nOriginalFilename\t%s.exe\n' "$2" "$1" "$1"
}
check_version() {
    local program=$1 file=$2 description
    drive version "Z:${file//\//\\}" | utf8 >"$work/version" || { fail "$program: version information readable"; return; }
    description=$(sed -n 's/^FileDescription\t//p' "$work/version")
    expected_version "$program" "$description" >"$work/expected-version"
    if [ -n "$description" ] && cmp -s "$work/expected-version" "$work/version"; then
        pass "$program: version $full_version, its own name, a description ($description)"
    else
        fail "$program: version information"
        diff "$work/expected-version" "$work/version" | sed 's/^/       /'
    fi
}

# Every check of one unpacked archive.
check_archive() {
    local preset=$1 zip="$root/dist/velmora-$short_version-$1.zip" folder="$work/$1" programs=(Velmora VelmoraCmd VelmoraKeep) program
    printf '%s\n' README.txt "${programs[@]/%/.exe}" | LC_ALL=C sort >"$work/want-entries"
    unzip -Z1 "$zip" >"$work/entries" 2>/dev/null
    check_that "$preset: the archive holds ${programs[*]/%/.exe} and README.txt, in order" \
        cmp -s "$work/want-entries" "$work/entries"
    mkdir -p "$folder" && unzip -q "$zip" -d "$folder"
    check_that "$preset: README.txt is UTF-8 with a byte order mark and CR LF line ends" windows_text "$folder/README.txt"
    for program in "${programs[@]}"; do
        check_that "$preset: $program.exe is stripped" stripped "$folder/$program.exe" "$root/build/$preset/$program.exe"
        check_that "$preset: $program.exe is stamped with the commit's time" commit_time_stamp "$folder/$program.exe"
        check_version "$program" "$folder/$program.exe"
    done
}

# Starts the unpacked x64 program over the user-level test's shortcuts,
# surveys, reads the rows and closes it.
check_survey() {
    local folder="$work/win64" seed
    seed=$("$run" "$tools/velmora_seed.exe" user-test 2>/dev/null | utf8) || { fail "seeding the shortcuts"; return; }
    WINEPREFIX=$("$run" --print-prefix "$folder/Velmora.exe") wineserver -w
    "$run" "$folder/Velmora.exe" >/dev/null 2>&1 &
    velmora=$!
    check_that "the unpacked x64 Velmora.exe starts and shows its main window" drive wait || return
    drive survey >/dev/null
    drive rows | utf8 >"$work/rows"
    folders=$(sed -n 's/^[a-z]* //p' <<<"$seed")
    check_that "its survey lists rows ($(wc -l <"$work/rows")), each a seeded shortcut with a hotkey" \
        awk -F'\t' -v folders="$folders" 'BEGIN { n = split(folders, f, "\n") }
            { ok = 0; for (i = 1; i <= n; i++) if (index($1, f[i] "\\") == 1) ok = 1; if (!ok || $2 == "") exit 1 }
            END { exit NR == 0 }' "$work/rows"
    drive command 32771 >/dev/null  # File > Close
    check_that "File > Close closes it" drive gone
}

[ -n "${DISPLAY:-}" ] || { echo "FAIL no X display: run under xvfb-run"; exit 1; }
bash "$root/scripts/package.sh" >"$work/package.log" 2>&1 || { cat "$work/package.log"; echo "FAIL scripts/package.sh"; exit 1; }
cmake --build --preset win64 --target velmora_seed velmora_drive >/dev/null || { echo "FAIL building the tools"; exit 1; }
check_that "dist/SHA256SUMS matches both archives" bash -c "cd '$root/dist' && sha256sum --quiet -c SHA256SUMS"
for preset in win64 win32; do
    check_archive "$preset"
done
check_survey

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all checks passed"
