# Sourced by the end-to-end scripts, inside their X server: a throw-away
# folder ($work) with a private runtime folder and configuration folder, no
# session bus, the X platform; the settings file's path ($settings); the
# bounded waits of waits.sh. The program started as $pid, if still running,
# and the helpers started for the script ($helpers) are stopped on the way out.
e2e_dir=$(dirname "${BASH_SOURCE[0]}")
source "$e2e_dir/waits.sh"
work=$(mktemp -d)
helpers=()
trap '[ "${pid:-0}" -gt 0 ] && kill "$pid" 2>/dev/null; kill ${helpers[@]:-} 2>/dev/null; rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" DBUS_SESSION_BUS_ADDRESS=disabled:
export QT_QPA_PLATFORM=xcb
settings="$XDG_CONFIG_HOME/Orlenda/Quellix/1.0.reg"

# Game > Exit through its shortcut, Ctrl+Q, in WINDOW (the game's).
choose_game_exit() {
  xdotool windowfocus --sync "$1" key ctrl+q
}

# Waits up to LIMIT seconds (default 20) for the program ($pid) to end, and
# fails (through the script's own fail) unless it ended with status 0.
program_ended_well() {
  wait_process "$pid" "${2:-$wait_limit}" "$1"
  [ "$ended_status" -eq 0 ] || fail "the program ended with status $ended_status after $1"
  pid=0
}

# A D-Bus session of its own with the accessibility bus, so that the program
# started after this can be read through AT-SPI: menu.py finds its menu
# items by name there.
accessibility_bus() {
  [ -x /usr/libexec/at-spi-bus-launcher ] && command -v dbus-daemon >/dev/null &&
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
    fail "the menus are found by name through AT-SPI: install at-spi2-core, python3-pyatspi and dbus"
  dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/bus" >/dev/null 2>&1 &
  helpers+=($!)
  wait_until "no D-Bus session" grep -q . "$work/bus"
  DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  helpers+=($!)
  wait_until "no accessibility bus" eval 'dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q "boolean true"'
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# The menu item at the path NAME... of the program ($pid), found by name
# through AT-SPI and clicked with the mouse (menu.py; needs accessibility_bus).
menu_click() { /usr/bin/python3 "$e2e_dir/menu.py" "$pid" click "$@" || fail "could not choose $(printf "%s > " "$@")from the menus"; }
