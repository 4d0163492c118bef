#!/usr/bin/env bash
# End to end: the session ends, or the program is killed or loses its
# display, while the game runs, and what was played is saved all the same.
# The real program in a real X server, one case a run:
#   TERM, HUP, INT  an option is chosen from the menu, then the signal comes;
#                   the exit status is the signal's (128 + its number), and the
#                   file the user made 0600 stays 0600
#   name            SIGTERM comes while the name dialog of a new best score is
#                   open, with a name half typed
#   kill9           kill -9 right after the name dialog of a best score closed
#   xgone           the X server dies with the Scores window open
#   unsaved         no settings folder at all: SIGTERM while playing, and
#                   while " Error Failerd" shows after Game > Exit, ends the
#                   program within 2 seconds all the same
#   unicode         a best score under a name outside Latin-1 is saved, and
#                   the next run reads it and saves it again unchanged
#   pipe            standard output and error go to a pipe nobody reads
#                   (`2>&1 | true`): the game lives through a whole game
#   manager         an option is chosen, then a session manager logs out
#                   (needs xsmp_logout)
#   copies          two copies of the game at once, each on a display of its
#                   own, each enter a best score and choose an option, then
#                   leave one after the other (both orders) and together:
#                   both scores are kept, once each, and both options
#   checkpoint      the session manager asks for a save without a shutdown:
#                   the game goes on (an option chosen after it is in force);
#                   a logout then ends it and saves that option (needs xsmp_logout)
# The menus are walked with the keyboard from F10 (this environment has no
# session bus, so no AT-SPI), and Game > Exit is taken with Ctrl+Q.
#   session_end.sh PATH/TO/quellix CASE [PATH/TO/xsmp_logout]
# Runs itself under xvfb-run when no DISPLAY is set.
set -euo pipefail
# The game speaks English whatever the machine's locale (QLX_LANGUAGE=de: German).
export LANGUAGE=${QLX_LANGUAGE:-en} LC_ALL=C.UTF-8

program=$(readlink -f "$1")
what=$2
helper=${3:+$(readlink -f "$3")}

if [ -z "${QLX_E2E_INNER:-}" ]; then
  export QLX_E2E_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$program" "$what" ${helper:+"$helper"}
fi
set -m  # background jobs of their own, which do not ignore SIGINT as a script's would

source "$(dirname "$(readlink -f "$0")")/private_session.sh"
# Also stopped on the way out: the copies of the game and the X servers of their own.
trap 'kill ${pids[@]:-} $(cat "$work/servers" 2>/dev/null) 2>/dev/null || true; [ "${pid:-0}" -gt 0 ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT

fail() { echo "FAIL ($what): $*" >&2; exit 1; }

# Starts COMMAND... in the background and waits for the game's window, drawn.
start() {
  "$@" >"$work/log.txt" 2>&1 &
  pid=$!
  window=$(wait_window "^Quellix - ")
  wait_settled "$window"
  eval "$(xdotool getwindowgeometry --shell "$window")"
}

# Options > Tile KEYS..., walked with the keyboard in the game's window: F10
# opens the Game menu, Right the Options menu on its first item.
options_menu() { xdotool windowfocus --sync "$window" key F10 Right "$@" Return; }

# Options > Number Of Tiles > N (default 6).
choose_kinds() {
  local n=${1:-6} downs=()
  for _ in $(seq 6 "$n"); do downs+=(Down); done
  options_menu Down Down Right ${downs[@]}
  wait_caption "$window" "$(xdotool getwindowname "$window" | sed 's/ [0-9] Tiles$//') $n Tiles"
}

# Waits for the program (or the session manager that runs it) to end by
# itself within LIMIT seconds (default: the bounded wait's limit) with STATUS (default 0).
ended() {
  local limit=${1:-$wait_limit} expected=${2:-0}
  wait_process "$pid" "$limit"
  [ "$ended_status" -eq "$expected" ] ||
    fail "the program ended with status $ended_status, not $expected ($(tr '\n' ' ' <"$work/log.txt"))"
  pid=0
}

saved_options_are() {
  [ -f "$settings" ] || fail "nothing was saved"
  grep -qi "^\"SOLVINGDATA\"=hex:$1" "$settings" || fail "the options saved were $(grep -i SOLVINGDATA "$settings")"
  [ "$(grep -c '^"' "$settings")" -eq 129 ] || fail "the key does not hold its 129 values"
}

# Falling Tiles with 8 kinds and a batch every 3 seconds: the top row is
# blocked within about 20 seconds. Clicks on the two lowest rows clear a
# group or more first, so the score enters the (empty) best scores. Ends
# with $name (default "Zed") typed into the name dialog, still open. Starts COMMAND... .
# The game's end: its message box answered with Enter, then NAME typed
# into the name dialog, which stays open. Returns once the dialog has taken
# the keys: it stamps each key press it handles as its user time
# (_NET_WM_USER_TIME), which must have changed and then stay the same over
# three reads a quarter of a second apart.
type_name_at_the_end() {
  box=$(timeout 60 xdotool search --sync --onlyvisible --limit 1 --name "^Quellix$") || fail "the game did not end"
  eval "$(xdotool getwindowgeometry --shell --prefix BOX_ "$box")"
  xdotool mousemove --sync $((BOX_X + BOX_WIDTH / 2)) $((BOX_Y + 10)) key Return
  dialog=$(timeout "$wait_limit" xdotool search --sync --onlyvisible --limit 1 --name "^Best Score$") ||
    fail "no name dialog: the score did not enter the best scores"
  eval "$(xdotool getwindowgeometry --shell --prefix NAME_ "$dialog")"
  wait_settled "$dialog"
  local stamp first same=0 deadline
  user_time() { xprop -id "$dialog" _NET_WM_USER_TIME 2>/dev/null; }
  first=$(user_time)
  xdotool mousemove --sync $((NAME_X + NAME_WIDTH / 2)) $((NAME_Y + 10)) type --delay 50 "$1"
  deadline=$(deadline_in)
  stamp=$first
  while [ "$same" -lt 3 ]; do
    before "$deadline" || fail "the name dialog did not take the keys of '$1'"
    sleep 0.25
    if [ "$(user_time)" = "$stamp" ] && [ "$stamp" != "$first" ]; then same=$((same + 1)); else same=0; fi
    stamp=$(user_time)
  done
}

play_to_a_best_score() {
  mkdir -p "$(dirname "$settings")"
  printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Orlenda\\Quellix\\1.0]\r\n"SOLVINGDATA"=hex:%s\r\n\r\n' \
    "02,00,00,00,01,00,00,00,08,00,01,00,01,00" >"$settings"
  start "$@"
  for row in 9 8; do
    for col in $(seq 0 11); do
      xdotool mousemove --sync $((X + col * 32 + 16)) $((Y + 24 + row * 32 + 16)) click 1
    done
  done
  type_name_at_the_end "${name:-Zed}"
}

# The name dialog closes with Enter, and the scores window opens.
enter_the_name() {
  xdotool key Return
  timeout 10 xdotool search --sync --onlyvisible --limit 1 --name "^Scores$" >/dev/null || fail "no scores window"
}

zed_was_saved() {
  grep -q '^"2STATS4_1_1"="Zed"' "$settings" || fail "the name saved was $(grep '^"2STATS4_1_1"' "$settings")"
  grep -q '^"2STATS4_1VAL"=hex:00,00,00,00' "$settings" && fail "the best score saved was 0"
  return 0
}

# Starts an X server of its own; prints its display.
own_display() {
  local file
  file=$(mktemp "$work/display.XXXXXX")
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$file" >/dev/null 2>&1 &
  echo $! >>"$work/servers"
  wait_until "no X server of its own" grep -q . "$file"
  echo ":$(cat "$file")"
}

# Game > Exit, through its shortcut.
exit_through_menu() { choose_game_exit "$window"; }

# The message box of the game (caption "Quellix") that shows now.
message_box() { timeout "$wait_limit" xdotool search --sync --onlyvisible --limit 1 --name "^Quellix$"; }

case "$what" in
  TERM | HUP | INT)
    start "$program"
    chmod 600 "$settings"  # made at the start; replaced by the next save
    choose_kinds
    kill -s "$what" "$pid"
    ended "" $((128 + $(kill -l "$what")))
    saved_options_are "01,00,00,00,01,00,00,00,06,00,03,00,03,00"
    [ "$(stat -c %a "$settings")" = 600 ] || fail "the file's mode became $(stat -c %a "$settings")"
    ;;
  name)
    play_to_a_best_score "$program"
    kill -s TERM "$pid"
    ended "" 143
    zed_was_saved
    ;;
  kill9)
    play_to_a_best_score "$program"
    enter_the_name
    kill -s KILL "$pid"
    ended "" 137
    zed_was_saved
    ;;
  xgone)
    # A display of its own, so that killing it leaves the test's own alone.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
    server=$!
    wait_until "no second X server" grep -q . "$work/display"
    export DISPLAY=":$(cat "$work/display")"
    play_to_a_best_score "$program"
    enter_the_name
    kill -s KILL "$server"
    wait_until "the program outlived its display" not kill -0 "$pid" 2>/dev/null
    pid=0
    zed_was_saved
    ;;
  unsaved)
    # No HOME and no XDG_CONFIG_HOME: "Software" cannot be opened at all.
    for way in playing exit; do
      env -u HOME -u XDG_CONFIG_HOME "$program" >"$work/log.txt" 2>&1 &
      pid=$!
      box=$(message_box) || fail "no message at start-up"
      xdotool windowactivate --sync "$box" 2>/dev/null || xdotool mousemove --sync 10 10
      eval "$(xdotool getwindowgeometry --shell --prefix BOX_ "$box")"
      xdotool mousemove --sync $((BOX_X + BOX_WIDTH / 2)) $((BOX_Y + 10)) key Return
      window=$(wait_window "^Quellix - ")
      wait_settled "$window"
      if [ "$way" = exit ]; then
        exit_through_menu
        message_box >/dev/null || fail "no message when the save at exit failed"
      fi
      kill -s TERM "$pid"
      ended 2 143
    done
    ;;
  unicode)
    name="李雷 Łukasz A😀B"
    # The file as UTF-8 text in $work/text.txt, whole before grep reads it
    # (grep -q leaving a pipe early would fail the pipeline).
    as_text() { iconv -f UTF-16LE -t UTF-8 "$settings" | tr -d '\r' >"$work/text.txt"; }
    name_is_kept() { grep -qx "\"2STATS4_1_1\"=\"$name\"" "$work/text.txt"; }
    play_to_a_best_score "$program"
    enter_the_name
    as_text
    name_is_kept || fail "the name saved was $(grep '^"2STATS4_1_1"' "$work/text.txt")"
    kill -s TERM "$pid"
    ended "" 143
    # The next run reads the name; an option chosen there saves the whole key again.
    start "$program"
    choose_kinds
    kill -s TERM "$pid"
    ended "" 143
    as_text
    name_is_kept || fail "after a restart the name was $(grep '^"2STATS4_1_1"' "$work/text.txt")"
    grep -qi '^"SOLVINGDATA"=hex:02,00,00,00,01,00,00,00,06,00' "$work/text.txt" ||
      fail "the option chosen after the restart was not saved"
    ;;
  pipe)
    # The reader of the pipe ends at once: every write fails (EPIPE).
    play_to_a_best_score bash -c '"$0" 2>&1 | true; exit "${PIPESTATUS[0]}"' "$program"
    enter_the_name
    kill -0 "$pid" 2>/dev/null || fail "the program died"
    xdotool key space  # OK, which has the focus: the scores window closes; the end dialog
    timeout 10 xdotool search --sync --onlyvisible --limit 1 --name "^Wow$" >/dev/null ||
      fail "no end dialog after the scores"
    kill -s TERM "$(xdotool getwindowpid "$window")"
    ended "" 143
    zed_was_saved
    ;;
  copies)
    displays=("$(own_display)" "$(own_display)")
    names=(One Two)
    # Copy One chooses 6 kinds (Options > Number Of Tiles > 6), copy Two the
    # second tile set (Options > Tile > Stars).
    option_keys=("Down Down Right Down" "Down Down Down Right Down")
    for order in "One Two" "Two One" "together"; do
      rm -rf "$XDG_CONFIG_HOME"
      pids=() windows=()
      for i in 0 1; do  # both play at once, each on its display; the best-score file is shared
        export DISPLAY=${displays[$i]}
        mkdir -p "$(dirname "$settings")"
        [ -f "$settings" ] || printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Orlenda\\Quellix\\1.0]\r\n"SOLVINGDATA"=hex:%s\r\n\r\n' \
          "02,00,00,00,01,00,00,00,08,00,01,00,01,00" >"$settings"
        "$program" >"$work/log$i.txt" 2>&1 &
        pids[$i]=$!
        windows[$i]=$(wait_window "^Quellix - ")
        wait_settled "${windows[$i]}"
      done
      for i in 0 1; do
        export DISPLAY=${displays[$i]}
        eval "$(xdotool getwindowgeometry --shell "${windows[$i]}")"
        for col in $(seq 0 11); do xdotool mousemove --sync $((X + col * 32 + 16)) $((Y + 24 + 9 * 32 + 16)) click 1; done
      done
      for i in 0 1; do
        export DISPLAY=${displays[$i]}
        type_name_at_the_end "${names[$i]}"
        xdotool key Return
        timeout 10 xdotool search --sync --onlyvisible --limit 1 --name "^Scores$" >/dev/null || fail "no scores window"
        xdotool key space
        timeout 10 xdotool search --sync --onlyvisible --limit 1 --name "^Wow$" >/dev/null || fail "no end dialog"
        xdotool key Escape
        wait_gone "^Wow$"
        window=${windows[$i]}
        # The option is in force once the board is drawn anew (another deal, or other pictures).
        wait_settled "$window"
        board_before=$(import -window "$window" -crop 384x320+0+24 rgb:- | md5sum)
        options_menu ${option_keys[$i]}
        wait_until "copy ${names[$i]}: the option chosen did not change the board" \
          not eval '[ "$(import -window "$window" -crop 384x320+0+24 rgb:- | md5sum)" = "$board_before" ]'
        [ "$i" = 1 ] || wait_until "copy One: 6 kinds were not chosen" eval '[[ "$(xdotool getwindowname "$window")" == *" 6 Tiles" ]]'
      done
      case "$order" in
        "One Two") sequence=(0 1) ;;
        "Two One") sequence=(1 0) ;;
        together) sequence=() ;;
      esac
      if [ ${#sequence[@]} -eq 0 ]; then
        kill -s TERM "${pids[0]}" "${pids[1]}"
      else
        for i in "${sequence[@]}"; do  # the next copy leaves once this one has ended
          export DISPLAY=${displays[$i]} window=${windows[$i]}
          exit_through_menu
          pid=${pids[$i]}
          ended "" 0
        done
      fi
      if [ "$order" = together ]; then
        for i in 0 1; do
          pid=${pids[$i]}
          ended "" 143
        done
      fi
      for name in One Two; do
        [ "$(grep -c "^\"2STATS4_1_[123]\"=\"$name\"" "$settings")" -eq 1 ] ||
          fail "($order) $name's score is not there once: $(grep '^"2STATS4_1_' "$settings" | tr '\r\n' '  ')"
      done
      saved_options_are "02,00,00,00,01,00,01,00,06,00,01,00,01,00"
      echo "two copies ($order): both scores and both options kept"
    done
    ;;
  manager)
    [ -x "$helper" ] || fail "no session manager to run the program under"
    start "$helper" "$program"
    choose_kinds
    kill -s USR1 "$pid"  # the session manager now logs out
    ended "" 0
    saved_options_are "01,00,00,00,01,00,00,00,06,00,03,00,03,00"
    ;;
  checkpoint)
    [ -x "$helper" ] || fail "no session manager to run the program under"
    start "$helper" "$program"
    choose_kinds
    rm -f "$settings"  # whatever is in the file now was written by the checkpoint
    kill -s USR2 "$pid"
    # The session manager is told when the save is done.
    wait_until "the program did not finish saving at the checkpoint" grep -q "^xsmp_logout: saved" "$work/log.txt"
    saved_options_are "01,00,00,00,01,00,00,00,06,00,03,00,03,00"
    # The game goes on: it still answers the player.
    kill -0 "$pid" 2>/dev/null || fail "the program ended at a checkpoint"
    xdotool search --onlyvisible --name "^Quellix - " >/dev/null || fail "the window is gone after a checkpoint"
    choose_kinds 7
    kill -0 "$pid" 2>/dev/null || fail "the program ended at a checkpoint"
    kill -s USR1 "$pid"
    ended "" 0
    saved_options_are "01,00,00,00,01,00,00,00,07,00,03,00,03,00"
    ;;
  *) fail "no such case" ;;
esac
echo "session end ($what): passed"
