#!/bin/sh
# Installs what Velmora's build, demo and tests need on Debian 12: the mingw-w64
# cross compilers (32-bit and 64-bit), GoogleTest's sources, 64-bit Wine with
# the fonts Wine ships (Marlett draws the caption buttons), 32-bit Wine where
# the i386 architecture's packages can be had, Xvfb, the ja_JP.UTF-8 locale and
# a Japanese font. Safe to run again: it installs only what is missing.
set -eu

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

# A mirror caught mid-sync fails one index of the update; the lists that did
# arrive are still good, so try again and then go on. If a package truly cannot
# be had, apt-get install fails and says which.
update_lists() {
    as_root apt-get update || { sleep 10; as_root apt-get update; } ||
        echo "install-deps: some package lists could not be updated; going on with those that were" >&2
}

# clang and libclang-rt-14-dev (libFuzzer's runtime) build the fuzz targets.
packages="cmake make g++ git googletest g++-mingw-w64-i686-posix binutils-mingw-w64-i686
          g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
          wine wine64 fonts-wine xvfb xauth xdotool x11-utils imagemagick locales fonts-ipafont-gothic
          clang libclang-rt-14-dev zip unzip"

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
    update_lists
fi

# Prints those of the named packages that are not installed yet.
missing_of() {
    for package in "$@"; do
        dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q "install ok installed" || echo "$package"
    done
}

missing=$(missing_of $packages)
missing_32=$(missing_of wine32:i386)
if [ -n "$missing$missing_32" ]; then
    update_lists
fi
if [ -n "$missing" ]; then
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y $missing
fi
# 32-bit Wine is wanted, not required: where it cannot be installed the
# 32-bit build's tests are reported as skipped, with the reason.
if [ -n "$missing_32" ]; then
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y $missing_32 ||
        echo "install-deps: 32-bit Wine could not be installed; the 32-bit tests will be skipped" >&2
fi

# Wine takes the ANSI code page (932) from the locale; it must exist in glibc.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'ja_JP.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen >/dev/null
fi
