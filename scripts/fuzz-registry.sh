#!/usr/bin/env bash
# Fuzzes the settings file reader and the store: builds fuzz_registry with
# clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) in
# build/fuzz and runs it for a bounded time from a copy of fuzz/corpus.
# Exits non-zero when the fuzzer finds a crash, a failed check or a leak.
#
#   scripts/fuzz-registry.sh [seconds]      (default 60)
#
# Needs: clang, libclang-rt-14-dev (Debian 12), cmake, ninja-build.
set -euo pipefail

seconds="${1:-60}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/fuzz"
CXX_CLANG="${CXX_CLANG:-$(command -v clang++ || command -v clang++-14)}"

cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_CXX_COMPILER="$CXX_CLANG" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQLX_BUILD_UI=OFF -DQLX_BUILD_TESTS=OFF -DQLX_BUILD_FUZZ=ON >/dev/null
cmake --build "$build" --target fuzz_registry -j2

work="$(mktemp -d "${TMPDIR:-/tmp}/quellix-fuzz-run.XXXXXX")"
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus" "$work/big" "$work/findings"
cp "$root"/fuzz/corpus/* "$work/corpus/"
# Two big files of short values, made here rather than kept in the
# repository: one of about 200 KiB, under the harness's size limit, read
# whole; one of about 1 MiB (about 55,000 values), over it, kept aside.
for count in 10000 55000; do
  {
    printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Orlenda\\Quellix\\1.0]\r\n'
    seq -f '"v%07g"="abcd"' 0 $((count - 1)) | sed 's/$/\r/'
    printf '\r\n'
  } >"$work/big/short-values-$count.reg"
done

# Three quarters of the time on inputs of up to 64 KiB, at thousands of runs
# a second; the rest on the big files, at a few runs a second each.
small=$((seconds * 3 / 4))
status=0
fuzz() {
  "$build/bin/fuzz_registry" -dict="$root/fuzz/registry.dict" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$work/findings/" -print_final_stats=1 "$@" || status=$?
}
fuzz "$work/corpus" -max_total_time="$small" -max_len=65536
[ "$status" -eq 0 ] && fuzz "$work/big" "$work/corpus" -max_total_time="$((seconds - small))" -max_len=1200000

if [ "$status" -ne 0 ] || [ -n "$(ls -A "$work/findings")" ]; then
  mkdir -p "$build/findings"
  cp "$work"/findings/* "$build/findings/" 2>/dev/null || true
  echo "fuzz-registry: finding (exit $status), inputs kept in $build/findings" >&2
  exit 1
fi
echo "fuzz-registry: no finding in ${seconds} s"
