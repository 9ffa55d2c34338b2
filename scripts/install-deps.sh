#!/bin/sh
# Installs what Velmora's build, demo and tests need on Debian 12: the mingw-w64
# cross compilers (32-bit and 64-bit), GoogleTest's sources, 32-bit Wine (i386
# architecture) and 64-bit Wine with the fonts Wine ships (Marlett draws the
# caption buttons), Xvfb, the ja_JP.UTF-8 locale and a Japanese font. Safe to
# run again: it installs only what is missing.
set -eu

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

# clang and libclang-rt-14-dev (libFuzzer's runtime) build the fuzz targets.
packages="cmake make g++ git googletest g++-mingw-w64-i686-posix binutils-mingw-w64-i686
          g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
          wine wine32:i386 wine64 fonts-wine xvfb xauth xdotool x11-utils imagemagick locales fonts-ipafont-gothic
          clang libclang-rt-14-dev zip unzip"

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
    as_root apt-get update
fi

missing=""
for package in $packages; do
    dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q "install ok installed" || missing="$missing $package"
done
if [ -n "$missing" ]; then
    as_root apt-get update
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y $missing
fi

# Wine takes the ANSI code page (932) from the locale; it must exist in glibc.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'ja_JP.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen >/dev/null
fi
