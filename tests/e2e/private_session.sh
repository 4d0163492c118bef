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
