# Sourced by the spoken end-to-end test inside its X server and private D-Bus
# session: starts the accessibility bus, speech-dispatcher with a module that
# synthesises nothing (no audio device is needed or touched), and Orca with its
# debug log at $orca_log; everything started here is stopped on the way out.
# Orca is never started with --replace, which would kill every Orca of the user.
speechd_conf="$work/speechd"
mkdir -p "$speechd_conf/modules" "$work/orca-prefs"
cat >"$speechd_conf/speechd.conf" <<'CONF'
CommunicationMethod "unix_socket"
SocketPath "default"
LogLevel 2
LogDir "default"
AddModule "silent" "sd_generic" "silent.conf"
DefaultModule "silent"
DefaultLanguage "en"
CONF
cat >"$speechd_conf/modules/silent.conf" <<'CONF'
GenericExecuteSynth "true"
AddVoice "en" "MALE1" "silent"
DefaultVoice "silent"
GenericLanguage "en" "english" "utf-8"
CONF
orca_log="$work/orca.log"
started=()
stop_started() {
  local p
  for p in "${started[@]}"; do kill "$p" 2>/dev/null || true; done
}
/usr/libexec/at-spi-bus-launcher --launch-immediately &
started+=($!)
speech-dispatcher --run-single --timeout 0 --config-dir "$speechd_conf" --log-dir "$work" >"$work/speechd.out" 2>&1 &
started+=($!)
# Orca itself, with one change: its debug log is opened line-buffered, so that
# the test reads each utterance while Orca runs rather than when it ends.
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
