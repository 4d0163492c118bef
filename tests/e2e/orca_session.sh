# Sourced by the spoken end-to-end test inside its X server and private D-Bus
# session: starts the accessibility bus (and waits for its registry),
# speech-dispatcher with a module that synthesises nothing but writes each
# text it is given to $work/synthesised.txt (no audio device is needed or
# touched), and Orca with its debug log at $orca_log, connected to that
# speech-dispatcher and to no other. Everything started here is stopped by
# stop_started. Orca is never started with --replace, which would kill every
# Orca of the user.

started=()
# Ends one process: TERM, up to 5 s to finish, then KILL.
stop() {
  kill "$1" 2>/dev/null || return 0
  for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
  kill -KILL "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}
# One at a time, the last started first: Orca, then the speech server it
# speaks to while it shuts down, then the buses.
stop_started() {
  local i
  for ((i = ${#started[@]} - 1; i >= 0; i--)); do stop "${started[i]}"; done
}
session_fail() { echo "FAIL: $*"; exit 1; }

# The accessibility bus. Its launcher is started before any client asks the
# session bus for it (a client asking first would have D-Bus start a second
# one); the registry is asked for until it answers, which starts it.
/usr/libexec/at-spi-bus-launcher --launch-immediately &
started+=($!)
launcher_owns_bus() {
  dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true
}
for _ in $(seq 150); do
  launcher_owns_bus && break
  kill -0 "${started[0]}" 2>/dev/null || session_fail "the accessibility bus launcher ended"
  sleep 0.2
done
launcher_owns_bus || session_fail "the accessibility bus launcher did not take its name"
a11y_bus=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress |
  tr -d ' ') || true
[ -n "$a11y_bus" ] || session_fail "the accessibility bus did not come up"
registry_answers() {
  dbus-send --bus="$a11y_bus" --print-reply --reply-timeout=5000 --dest=org.a11y.atspi.Registry \
    /org/a11y/atspi/accessible/root org.freedesktop.DBus.Peer.Ping >/dev/null 2>&1
}
for _ in $(seq 30); do registry_answers && break; sleep 0.2; done
registry_answers || session_fail "the accessibility registry does not answer"

# The speech server, on a socket of this test's own. Its module writes what it
# is asked to say ($DATA, which speech-dispatcher quotes for single quotes).
speechd_conf="$work/speechd"
speechd_socket="$work/speechd.sock"
mkdir -p "$speechd_conf/modules" "$work/orca-prefs"
cat >"$speechd_conf/speechd.conf" <<CONF
CommunicationMethod "unix_socket"
SocketPath "$speechd_socket"
LogLevel 3
LogDir "default"
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "silent" "sd_generic" "silent.conf"
DefaultModule "silent"
DefaultLanguage "en"
CONF
cat >"$speechd_conf/modules/silent.conf" <<CONF
GenericExecuteSynth "printf '%s\\\\n' '\$DATA' >>'$work/synthesised.txt'"
AddVoice "en" "MALE1" "silent"
DefaultVoice "silent"
GenericLanguage "en" "english" "utf-8"
CONF
speech-dispatcher --run-single --timeout 0 --config-dir "$speechd_conf" --log-dir "$work" >"$work/speechd.out" 2>&1 &
speechd_pid=$!
started+=($speechd_pid)
# Ready when the socket takes a connection (it exists a moment before it listens).
for _ in $(seq 150); do
  /usr/bin/python3 -c 'import socket, sys; socket.socket(socket.AF_UNIX).connect(sys.argv[1])' "$speechd_socket" \
    2>/dev/null && break
  kill -0 "$speechd_pid" 2>/dev/null || { cat "$work/speechd.out"; session_fail "speech-dispatcher ended"; }
  sleep 0.2
done
[ -S "$speechd_socket" ] || session_fail "speech-dispatcher did not open $speechd_socket"

# Orca's speech client is sent to that socket, and can start no speech server
# of its own: the command it would spawn one with records the attempt and fails.
export SPEECHD_ADDRESS="unix_socket:$speechd_socket"
cat >"$work/no-autospawn" <<SH
#!/bin/sh
echo "\$*" >>'$work/autospawn-tried'
exit 1
SH
chmod +x "$work/no-autospawn"
export SPEECHD_CMD="$work/no-autospawn"

# Orca itself, with one change: its debug log is opened line-buffered, so that
# the test reads each utterance while Orca runs rather than when it ends.
orca_log="$work/orca.log"
/usr/bin/python3 -c '
import builtins, runpy, sys
log = sys.argv[2].split("=", 1)[1]
plain_open = builtins.open
def line_buffered(file, mode="r", *args, **kwargs):
    if file == log and "w" in mode:
        return plain_open(file, mode, 1)
    return plain_open(file, mode, *args, **kwargs)
builtins.open = line_buffered
sys.argv[0] = "orca"
runpy.run_path("/usr/bin/orca", run_name="__main__")
' --debug --debug-file="$orca_log" --user-prefs="$work/orca-prefs" >"$work/orca.out" 2>&1 &
orca_pid=$!
started+=($orca_pid)
