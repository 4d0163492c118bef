# Sourced by the end-to-end scripts, inside their X server: a throw-away
# folder ($work) with a private runtime folder and configuration folder, no
# session bus, the X platform; the settings file's path ($settings). The
# program started as $pid, if still running, is stopped on the way out.
work=$(mktemp -d)
trap '[ "${pid:-0}" -gt 0 ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" DBUS_SESSION_BUS_ADDRESS=disabled:
export QT_QPA_PLATFORM=xcb
settings="$XDG_CONFIG_HOME/Orlenda/Quellix/1.0.reg"

# Game > Exit: a click at x y on the menu bar opens the Game menu, whose last
# item is taken.
choose_game_exit() {
  xdotool mousemove --sync "$1" "$2" click 1
  sleep 0.3
  xdotool key Up Return
}

# Waits up to 5 s for the program ($pid) to end, and fails (through the
# script's own fail) unless it ended with status 0.
program_ended_well() {
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "the program did not end after $1"
  wait "$pid" || fail "the program ended with an error after $1"
  pid=0
}
