#!/bin/sh
# The one place that decides how a Windows program is started under Wine.
#
# Debian's `wine` wrapper always takes the 32-bit loader once wine32 is
# installed, whatever the program, and a host whose kernel runs no 32-bit
# program then fails every start with "Exec format error". So a 64-bit
# program, and every tool run in a 64-bit prefix (wineboot, reg), goes to
# the 64-bit loader itself; only a 32-bit program or prefix takes the 32-bit
# loader.
#
#   wine-loader.sh --bits 32|64        prints the loader for that bitness
#   wine-loader.sh --program-bits PROG prints 64 for an x64 program, else 32
#   wine-loader.sh --check-32          exits 0 when this host starts the 32-bit
#                                      loader; otherwise prints why and exits 1
set -eu

# The ELF class of a file (1: 32-bit, 2: 64-bit), or nothing for another file.
elf_class() {
    [ "$(od -An -c -j1 -N3 "$(readlink -f "$1")" | tr -d ' ')" = ELF ] || return 0
    od -An -tu1 -j4 -N1 "$(readlink -f "$1")" | tr -d ' '
}

# The loader of one bitness: Debian's own files first, then what PATH has.
loader() {
    case $1 in
        64) candidates="/usr/lib/wine/wine64 wine64" ;;
        *)  candidates="/usr/lib/wine/wine wine" ;;
    esac
    for candidate in $candidates; do
        path=$(command -v "$candidate" 2>/dev/null) || continue
        # Without wine32, Debian's wrapper script falls back to the 64-bit
        # loader: only a 32-bit ELF file is a 32-bit loader.
        if [ "$1" = 64 ] || [ "$(elf_class "$path")" = 1 ]; then
            echo "$path"
            return 0
        fi
    done
    echo "no $1-bit Wine loader found (looked for: $candidates)" >&2
    return 1
}

# The machine field of a Windows program's PE header, in hex: 8664 is x64.
pe_machine() {
    header=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
    od -An -tx2 -j$((header + 4)) -N2 "$1" | tr -d ' '
}

# Tries the 32-bit loader; prints the reason when it does not start.
check_32() {
    if ! wine32=$(loader 32 2>/dev/null); then
        echo "this host has no 32-bit Wine loader (wine32 is not installed)"
        return 1
    fi
    if output=$("$wine32" --version 2>&1); then
        return 0
    fi
    echo "this host runs no 32-bit program: $wine32 --version says: $(printf '%s' "$output" | tr '\n' ' ')"
    return 1
}

case "${1:-}" in
    --bits)         loader "$2" ;;
    --program-bits) [ "$(pe_machine "$2")" = 8664 ] && echo 64 || echo 32 ;;
    --check-32)     check_32 ;;
    *)              echo "usage: wine-loader.sh --bits 32|64 | --program-bits PROGRAM | --check-32" >&2; exit 2 ;;
esac
