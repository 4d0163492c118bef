#!/usr/bin/env bash
# End to end: the session ends while the game runs, and what was played is
# saved all the same. The real program in a real X server, one case a run:
#   TERM, HUP, INT  an option is chosen from the menu, then the signal comes
#   name            SIGTERM comes while the name dialog of a new best score is
#                   open, with a name half typed
#   manager         an option is chosen, then a session manager asks the game
#                   to save itself for a logout (needs xsmp_logout)
#   session_end.sh PATH/TO/quellix CASE [PATH/TO/xsmp_logout]
# Runs itself under xvfb-run when no DISPLAY is set.
set -euo pipefail

program=$(readlink -f "$1")
what=$2
helper=${3:+$(readlink -f "$3")}

if [ -z "${QLX_E2E_INNER:-}" ]; then
  export QLX_E2E_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$program" "$what" ${helper:+"$helper"}
fi
set -m  # background jobs of their own, which do not ignore SIGINT as a script's would

source "$(dirname "$(readlink -f "$0")")/private_session.sh"

fail() { echo "FAIL ($what): $*" >&2; exit 1; }

# Starts COMMAND... in the background and waits for the game's window.
start() {
  "$@" >"$work/log.txt" 2>&1 &
  pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --limit 1 --name "^Quellix - ") || fail "no window"
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$window")"
}

# Options > Number Of Tiles > 6, as a player does it.
choose_six_kinds() {
  xdotool mousemove --sync $((X + 60)) $((Y + 10)) click 1
  sleep 0.3
  xdotool key Down Down Down Right Down Return
  sleep 0.5
  [[ "$(xdotool getwindowname "$window")" == *" 6 Tiles" ]] || fail "6 kinds were not chosen"
}

# Waits for the program (or the session manager that runs it) to end by itself.
ended() {
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "the program did not end"
  wait "$pid" || fail "the program ended with status $? ($(tr '\n' ' ' <"$work/log.txt"))"
  pid=0
}

saved_options_are() {
  [ -f "$settings" ] || fail "nothing was saved"
  grep -qi "^\"SOLVINGDATA\"=hex:$1" "$settings" || fail "the options saved were $(grep -i SOLVINGDATA "$settings")"
  [ "$(grep -c '^"' "$settings")" -eq 129 ] || fail "the key does not hold its 129 values"
}

case "$what" in
  TERM | HUP | INT)
    start "$program"
    choose_six_kinds
    kill -s "$what" "$pid"
    ended
    saved_options_are "01,00,00,00,01,00,00,00,06,00,03,00,03,00"
    ;;
  name)
    # Falling Tiles with 8 kinds and a batch every 3 seconds: the top row is
    # blocked within about 20 seconds. Clicks on the two lowest rows clear a
    # group or more first, so the score enters the (empty) best scores.
    mkdir -p "$(dirname "$settings")"
    printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Orlenda\\Quellix\\1.0]\r\n"SOLVINGDATA"=hex:%s\r\n\r\n' \
      "02,00,00,00,01,00,00,00,08,00,01,00,01,00" >"$settings"
    start "$program"
    for row in 9 8; do
      for col in $(seq 0 11); do
        xdotool mousemove --sync $((X + col * 32 + 16)) $((Y + 24 + row * 32 + 16)) click 1
      done
    done
    box=$(timeout 40 xdotool search --sync --onlyvisible --limit 1 --name "^Quellix$") || fail "the game did not end"
    eval "$(xdotool getwindowgeometry --shell --prefix BOX_ "$box")"
    xdotool mousemove --sync $((BOX_X + BOX_WIDTH / 2)) $((BOX_Y + 10)) key Return
    dialog=$(timeout 10 xdotool search --sync --onlyvisible --limit 1 --name "^Best Score$") ||
      fail "no name dialog: the score did not enter the best scores"
    eval "$(xdotool getwindowgeometry --shell --prefix NAME_ "$dialog")"
    xdotool mousemove --sync $((NAME_X + NAME_WIDTH / 2)) $((NAME_Y + 10)) type --delay 50 "Zed"
    sleep 0.3
    kill -s TERM "$pid"
    ended
    grep -q '^"2STATS4_1_1"="Zed"' "$settings" || fail "the name saved was $(grep '^"2STATS4_1_1"' "$settings")"
    grep -q '^"2STATS4_1VAL"=hex:00,00,00,00' "$settings" && fail "the best score saved was 0"
    ;;
  manager)
    [ -x "$helper" ] || fail "no session manager to run the program under"
    start "$helper" "$program"
    choose_six_kinds
    kill -s USR1 "$pid"  # the session manager now asks for the save of a logout
    ended
    saved_options_are "01,00,00,00,01,00,00,00,06,00,03,00,03,00"
    ;;
  *) fail "no such case" ;;
esac
echo "session end ($what): passed"
