# Sourced by the end-to-end scripts: bounded waits for what a step needs,
# each polling for its event and failing (through the script's own fail)
# with what was missing. The limit is generous, so that the waits hold on a
# machine whose cores are all busy: QLX_E2E_WAIT seconds, 20 by default.
wait_limit=${QLX_E2E_WAIT:-20}

# A deadline SECONDS (may be fractional; default wait_limit) from now, and
# whether it is still ahead, in microseconds of the real-time clock.
deadline_in() { echo $((${EPOCHREALTIME/./} + $(awk "BEGIN { printf \"%d\", ${1:-$wait_limit} * 1000000 }"))); }
before() { [ "${EPOCHREALTIME/./}" -lt "$1" ]; }
not() { ! "$@"; }

# Runs COMMAND... until it succeeds; fails with "WHAT" when it never does.
wait_until() {
  local what=$1 deadline
  deadline=$(deadline_in)
  shift
  until "$@"; do
    before "$deadline" || fail "$what (waited $wait_limit s)"
    sleep 0.1
  done
}

# Prints the id of the shown window whose caption matches the pattern NAME.
wait_window() {
  timeout "$wait_limit" xdotool search --sync --onlyvisible --limit 1 --name "$1" ||
    fail "no window '$1' showed within $wait_limit s"
}

shown() { xdotool search --onlyvisible --name "$1" >/dev/null; }
wait_gone() { wait_until "the window '$1' did not close" not shown "$1"; }

caption_is() { [ "$(xdotool getwindowname "$1")" = "$2" ]; }
# Waits for WINDOW's caption to become TEXT.
wait_caption() {
  local deadline
  deadline=$(deadline_in)
  until caption_is "$1" "$2"; do
    before "$deadline" || fail "the caption stayed '$(xdotool getwindowname "$1")', not '$2'"
    sleep 0.1
  done
}

# The place, size and picture of WINDOW, as one line.
window_state() {
  xdotool getwindowgeometry "$1" | tr '\n' ' '
  import -window "$1" rgb:- 2>/dev/null | md5sum
}
# Waits until WINDOW is drawn (more than a few colours) and has settled: the
# same place, size and picture in two grabs one after the other.
wait_settled() {
  local deadline last="" now
  deadline=$(deadline_in)
  while :; do
    now=$(window_state "$1")
    if [ "$now" = "$last" ] &&
      [ "$(import -window "$1" png:- 2>/dev/null | convert - -format %k info: 2>/dev/null)" -gt 8 ]; then
      return 0
    fi
    before "$deadline" || fail "the window $1 was not drawn or did not settle"
    last=$now
    sleep 0.1
  done
}

# Waits for process PID (a child of the script) to end within LIMIT seconds;
# its exit status is left in ended_status. Fails when it does not end.
wait_process() {
  local limit=$2 deadline
  deadline=$(deadline_in "$limit")
  while kill -0 "$1" 2>/dev/null; do
    before "$deadline" || fail "the program did not end within $limit s${3:+ after $3}"
    sleep 0.05
  done
  ended_status=0
  wait "$1" || ended_status=$?
}
