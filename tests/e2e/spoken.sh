#!/usr/bin/env bash
# End to end with a real screen reader: the real program under Xvfb, in a
# private D-Bus session with the accessibility bus, read by Orca speaking
# through speech-dispatcher (with a module that makes no sound). Orca's debug
# log holds every utterance; spoken.py plays by keys and finds in it what a
# blind player hears after each move, after a falling batch and when asking
# for the score.
#   spoken.sh PATH/TO/quellix        (QLX_KEEP=1 keeps the work folder, Orca's whole log in it)
# Exits 77 (CTest: skipped) when Orca or what it needs is missing.
set -euo pipefail
# The game speaks English whatever the machine's locale (QLX_LANGUAGE=de: German).
export LANGUAGE=${QLX_LANGUAGE:-en} LC_ALL=C.UTF-8

program=$(readlink -f "$1")
here=$(dirname "$(readlink -f "$0")")

skip() { echo "SKIP: $* -- install orca, speech-dispatcher, at-spi2-core and dbus to run this test"; exit 77; }
command -v orca >/dev/null || skip "Orca is not installed"
command -v speech-dispatcher >/dev/null || skip "speech-dispatcher is not installed"
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "no /usr/libexec/at-spi-bus-launcher"
command -v dbus-run-session >/dev/null || skip "no dbus-run-session"
# Orca refuses to start beside another Orca of the same user (and --replace
# would kill it): that one is left alone.
if pgrep -u "$(id -u)" -x orca >/dev/null; then
  echo "SKIP: another Orca of this user is running; this test starts its own and never replaces one"
  exit 77
fi

if [ -z "${QLX_SPOKEN_INNER:-}" ]; then
  export QLX_SPOKEN_INNER=1
  work=$(mktemp -d -t qlx-spoken.XXXXXX)
  [ -n "${QLX_KEEP:-}" ] || trap 'rm -rf "$work"' EXIT
  mkdir -m 700 "$work/runtime"
  mkdir -p "$work/home"
  export work XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
    XDG_CACHE_HOME="$work/cache" HOME="$work/home"
  status=0
  # Whatever the run starts ends with it, pass or fail, even what left its
  # parent (a daemon, a bus's service): spoken.py contain waits for the run
  # and then ends every process still below it.
  /usr/bin/python3 "$here/spoken.py" contain \
    xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- "$0" "$program" || status=$?
  if [ "$status" -ne 0 ] && [ "$status" -ne 77 ]; then
    echo "--- the utterances in Orca's log:"; grep "SPEECH OUTPUT" "$work/orca.log" | cut -c1-160 || true
    echo "--- the game's output:"; grep -v '^dbus-daemon' "$work/game.txt" || true
    [ -z "${QLX_KEEP:-}" ] || echo "--- kept: $work"
  fi
  exit "$status"
fi

source "$here/orca_session.sh"
end_game() {
  [ -n "${pid:-}" ] || return 0
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}
trap '{ end_game; stop_started; } 2>/dev/null' EXIT
for _ in $(seq 150); do
  grep -q "ORCA: Startup complete" "$orca_log" 2>/dev/null && break
  kill -0 "$orca_pid" 2>/dev/null || break
  sleep 0.2
done
grep -q "ORCA: Startup complete" "$orca_log" || { echo "FAIL: Orca did not start"; cat "$work/orca.out"; exit 1; }

# No QT_LINUX_ACCESSIBILITY_ALWAYS_ON: the game finds the screen reader running, as it would for a player.
export QT_QPA_PLATFORM=xcb
"$program" >"$work/game.txt" 2>&1 &
pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --limit 1 --name "^Quellix - ") ||
  { echo "FAIL: no game window within 30 s"; cat "$work/game.txt"; exit 1; }
# Without a window manager the keyboard focus follows the pointer.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove --sync $((X + WIDTH - 20)) $((Y + HEIGHT - 20))
xdotool windowfocus --sync "$window"
/usr/bin/python3 "$here/spoken.py" play "$work" "$pid"
# Ctrl+Q ended the game; it must have ended well.
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || { echo "FAIL: after Ctrl+Q the game ended with status $status"; exit 1; }
