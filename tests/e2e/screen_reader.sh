#!/usr/bin/env bash
# End to end with a real accessibility client: the real program under Xvfb,
# with a private D-Bus session and the AT-SPI bus, read by pyatspi as a screen
# reader reads it (screen_reader.py): the board as a table of named cells,
# the cursor moved by key presses and the newly focused cell read.
#   screen_reader.sh PATH/TO/quellix
# Exits 77 (CTest: skipped) when the AT-SPI packages are missing.
set -euo pipefail
# The game speaks English whatever the machine's locale (QLX_LANGUAGE=de: German).
export LANGUAGE=${QLX_LANGUAGE:-en} LC_ALL=C.UTF-8

program=$(readlink -f "$1")
here=$(dirname "$(readlink -f "$0")")

skip() { echo "SKIP: $* -- install at-spi2-core, python3-pyatspi and dbus to run this test"; exit 77; }
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "no /usr/libexec/at-spi-bus-launcher"
command -v dbus-run-session >/dev/null || skip "no dbus-run-session"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "no pyatspi for /usr/bin/python3"

if [ -z "${QLX_A11Y_INNER:-}" ]; then
  export QLX_A11Y_INNER=1
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  mkdir -m 700 "$work/runtime"
  export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"
  xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- "$0" "$program"
  exit
fi

/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
trap 'kill "${pid:-}" "$launcher" 2>/dev/null || true' EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
"$program" >"$XDG_RUNTIME_DIR/log.txt" 2>&1 &
pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --limit 1 --name "^Quellix - ") || { echo "FAIL: no window within 20 s" >&2; exit 1; }
# Without a window manager the keyboard focus follows the pointer, and Qt
# takes its window for the active one only once it is given the focus, as a
# window manager gives a new window.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove --sync $((X + WIDTH - 20)) $((Y + HEIGHT - 20))
xdotool windowfocus --sync "$window"
/usr/bin/python3 "$here/screen_reader.py"
