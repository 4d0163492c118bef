#!/usr/bin/env bash
# Builds the store tests and the rules tests for 64-bit Windows with MinGW-w64
# in build/mingw and runs them under Wine, in a fresh WINEPREFIX: the settings
# tests run against a real registry, and the rules tests show that a Windows
# build deals the same boards. Exits with the tests' result.
#
#   scripts/store-tests-wine.sh [GoogleTest arguments...]
#
# Needs (Debian 12): g++-mingw-w64-x86-64-posix, wine, wine64, googletest
# (the sources in /usr/src/googletest), cmake, ninja-build. Needs no display.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/mingw"
gtest_source="${QLX_GTEST_SOURCE_DIR:-/usr/src/googletest}"

cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Debug \
  -DQLX_BUILD_UI=OFF -DQLX_GTEST_SOURCE_DIR="$gtest_source" >/dev/null
cmake --build "$build" --target store_tests core_tests -j2

prefix="$(mktemp -d "${TMPDIR:-/tmp}/quellix-wine.XXXXXX")"
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$prefix"
}
trap cleanup EXIT

# A prefix of its own, no debug chatter, no Mono or Gecko installers, and no
# display: Wine then uses no window system at all, which console programs
# do not need.
export WINEPREFIX="$prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY

timeout 300 wineboot -i >/dev/null 2>&1 || { echo "store-tests-wine: wineboot failed" >&2; exit 1; }
status=0
timeout 600 wine "$build/bin/store_tests.exe" "$@" || status=$?
timeout 600 wine "$build/bin/core_tests.exe" || status=$?
wineserver -w || true
exit "$status"
