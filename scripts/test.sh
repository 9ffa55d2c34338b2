#!/bin/bash
# Builds everything and runs every test: the pure rules natively under
# AddressSanitizer and UBSan, then the Windows test programs under Wine in the
# build tree's own prefix on a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake --preset native-asan
cmake --build --preset native-asan
ctest --preset native-asan

# The pure rules fuzzed with libFuzzer (clang), each target bounded in runs
# and time.
cmake --preset fuzz
cmake --build --preset fuzz
ctest --preset fuzz

cmake --preset win32
cmake --build --preset win32
xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset win32
