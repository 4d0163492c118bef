#!/usr/bin/env bash
# End to end: the real program in a real X server. Starts Quellix with an empty
# configuration folder, finds its window by its caption, clicks tiles until a
# group clears, takes screenshots, changes an option from the menu, leaves
# through Game > Exit, checks the saved settings file, starts again and sees
# the option in force; then opens the falling-tile options, the About box and
# the help from the real menus (and F1), finds each by its title, takes its
# picture and closes it.
#   play_once.sh PATH/TO/quellix [SCREENSHOT_DIR]
# Runs itself under xvfb-run when no DISPLAY is set.
set -euo pipefail

program=$(readlink -f "$1")
shots=${2:-$(mktemp -d)}
mkdir -p "$shots"

if [ -z "${QLX_E2E_INNER:-}" ]; then
  export QLX_E2E_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$program" "$shots"
fi

source "$(dirname "$(readlink -f "$0")")/private_session.sh"

fail() { echo "FAIL: $*" >&2; exit 1; }

start_game() {
  "$program" >"$work/log.txt" 2>&1 &
  pid=$!
  window=$(xdotool search --sync --onlyvisible --limit 1 --name "^Quellix - ")
  [ -n "$window" ] || fail "no window"
  sleep 0.5
}

window_origin() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  wx=$X wy=$Y ww=$WIDTH wh=$HEIGHT
}

shot() { import -window root -crop "${ww}x${wh}+${wx}+${wy}" "$1"; }
# The board alone: the tile size is 32 at the first start.
board_shot() { import -window root -crop "$((12 * 32))x$((10 * 32))+${wx}+$((wy + board_top))" "$1"; }

# ---- first run
start_game
window_origin
caption=$(xdotool getwindowname "$window")
[ "$caption" = "Quellix -  Standard Game(10x12) 5 Tiles" ] || fail "caption was '$caption'"
[ "$ww" -eq 491 ] && [ "$wh" -eq 387 ] || fail "window is ${ww}x${wh}, not 491x387"
shot "$shots/start.png"

# The board starts where the menu bar ends: the first row, at the window's
# right edge, in the window's own light blue (192, 192, 255).
board_top=$(convert "$shots/start.png" -crop 1x120+$((ww - 3))+0 +repage txt:- |
  awk -F'[,:]' '/#C0C0FF/ && !found { print $2; found = 1 }')
[ -n "$board_top" ] || fail "could not find the top of the board"

cleared=""
for col in 1 2 3 4 5 6 7 8 9 10 11 12; do
  x=$(( wx + (col - 1) * 32 + 16 ))
  y=$(( wy + board_top + 9 * 32 + 16 ))
  board_shot "$work/before.png"
  xdotool mousemove --sync "$x" "$y" click 1
  sleep 0.8
  board_shot "$work/after.png"
  diff=$(compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1 || true)
  if [ "${diff%% *}" != "0" ]; then cleared=$col; break; fi
done
[ -n "$cleared" ] || fail "no click on the bottom row cleared a group"
shot "$shots/after-move.png"
echo "a click on column $cleared of the bottom row cleared a group"

# Options > Number Of Tiles > 6, with the keyboard once the menu is open.
xdotool mousemove --sync $((wx + 60)) $((wy + board_top / 2)) click 1
sleep 0.3
xdotool key Down Down Down Right Down Return
sleep 0.8
caption=$(xdotool getwindowname "$window")
[ "$caption" = "Quellix -  Standard Game(10x12) 6 Tiles" ] || fail "after choosing 6 tiles the caption was '$caption'"

exit_through_menu() {
  choose_game_exit $((wx + 18)) $((wy + board_top / 2))
  program_ended_well "Game > Exit"
}
exit_through_menu

# ---- the saved settings
[ -f "$settings" ] || fail "no settings file at $settings"
head -n 1 "$settings" | grep -q '^REGEDIT4' || fail "the settings file is not REGEDIT4"
grep -qi '^"SOLVINGDATA"=hex:01,00,00,00,01,00,00,00,06,00,03,00,03,00' "$settings" ||
  fail "SOLVINGDATA was $(grep -i SOLVINGDATA "$settings")"
values=$(grep -c '^"' "$settings")
[ "$values" -eq 129 ] || fail "the key holds $values values, not 129"

# ---- second run: the option is in force
start_game
caption=$(xdotool getwindowname "$window")
[ "$caption" = "Quellix -  Standard Game(10x12) 6 Tiles" ] || fail "after a restart the caption was '$caption'"
window_origin
shot "$shots/restart.png"

# ---- the falling-tile options, About and the help
# The first or last item of the menu whose title is at x (in the menu bar).
menu_item() {
  xdotool mousemove --sync $((wx + $1)) $((wy + board_top / 2)) click 1
  sleep 0.3
  xdotool key "$2" Return
}
# Finds the window titled $1, takes its picture as $2.png, presses $3 in it and waits until it is gone.
check_window() {
  local found
  found=$(timeout 10 xdotool search --sync --onlyvisible --limit 1 --name "^$1\$") || fail "no window '$1'"
  sleep 0.3
  import -window "$found" "$shots/$2.png"
  xdotool mousemove --sync --window "$found" 5 5
  xdotool windowfocus --sync "$found" key "$3"
  for _ in $(seq 30); do xdotool search --onlyvisible --name "^$1\$" >/dev/null || return 0; sleep 0.1; done
  fail "'$1' did not close"
}
menu_item 60 Up    # Options > Falling Tile Options..
check_window "Set Falling Tile Game Options" falling-options Escape
menu_item 135 Up   # Help > About
check_window "Dialog Caption" about Return
menu_item 135 Down  # Help > Contents, then F1 in the game's window: one viewer
timeout 10 xdotool search --sync --onlyvisible --limit 1 --name "^Quellix Help$" >/dev/null || fail "Help > Contents opened nothing"
xdotool mousemove --sync $((wx + 20)) $((wy + board_top + 20))
xdotool windowfocus --sync "$window" key F1
sleep 0.5
[ "$(xdotool search --onlyvisible --name "^Quellix Help$" | wc -l)" -eq 1 ] || fail "F1 did not bring the one help viewer forward"
check_window "Quellix Help" help Escape
window_origin
exit_through_menu
echo "end-to-end: passed (screenshots in $shots)"
