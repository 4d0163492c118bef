#!/usr/bin/env bash
# Time from start to the window being mapped, peak memory and idle CPU of the
# Release program, under a private X server.
#   bench/startup.sh [build/release/bin/quellix]   (RUNS=7 by default)
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(readlink -f "${1:-build/release/bin/quellix}")
tool=${STARTBENCH:-../shared/tools/startbench.sh}
display=:57
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb' EXIT
sleep 1
DISPLAY=$display RUNS=${RUNS:-7} CSV=${CSV:-/tmp/quellix-startbench.csv} "$tool" "$program" '^Quellix - '
