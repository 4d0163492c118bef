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
orca --debug --debug-file="$orca_log" --user-prefs="$work/orca-prefs" >"$work/orca.out" 2>&1 &
orca_pid=$!
started+=($orca_pid)
