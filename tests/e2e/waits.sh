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

# Waits until WINDOW is drawn (more than a few colours) and has settled: the
# same place and size in two grabs one after the other, and pictures that
# differ in less than 1 % of their pixels (a clock may tick between them).
wait_settled() {
  local deadline place last_place="" grab=${work:-/tmp}/settle.$$ changed
  deadline=$(deadline_in)
  rm -f "$grab.last.png"
  while :; do
    place=$(xdotool getwindowgeometry "$1" | tr '\n' ' ')
    import -window "$1" "$grab.png" 2>/dev/null || true
    if [ "$place" = "$last_place" ] && [ -f "$grab.last.png" ] &&
      [ "$(convert "$grab.png" -format %k info: 2>/dev/null || echo 0)" -gt 8 ]; then
      changed=$(compare -metric AE "$grab.last.png" "$grab.png" null: 2>&1 || true)
      [ "$(awk -v c="${changed%% *}" -v n="$(identify -format '%[fx:w*h]' "$grab.png")" 'BEGIN { print (c < n / 100) }')" = 1 ] &&
        { rm -f "$grab.png" "$grab.last.png"; return 0; }
    fi
    before "$deadline" || fail "the window $1 was not drawn or did not settle"
    last_place=$place
    mv -f "$grab.png" "$grab.last.png" 2>/dev/null || true
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
