#!/usr/bin/env bash
# End to end: the real program in a real X server. Starts Quellix with an empty
# configuration folder, finds its window by its caption, reads the board from
# a screenshot and clicks a tile of a group, which must clear exactly as the
# rules say; changes an option from the menu, leaves through Game > Exit,
# checks the saved settings file, starts again and sees the option in force;
# then opens the falling-tile options, the About box and the help from the
# real menus (and F1), finds each by its title, takes its picture and closes
# it; leaves with Ctrl+Q. The menus are clicked with the mouse where their
# items are, found by name through AT-SPI (menu.py).
#   play_once.sh PATH/TO/quellix [SCREENSHOT_DIR]
# Runs itself under xvfb-run when no DISPLAY is set.
set -euo pipefail
# The game speaks English whatever the machine's locale (QLX_LANGUAGE=de: German).
export LANGUAGE=${QLX_LANGUAGE:-en} LC_ALL=C.UTF-8

program=$(readlink -f "$1")
shots=${2:-$(mktemp -d)}
mkdir -p "$shots"

if [ -z "${QLX_E2E_INNER:-}" ]; then
  export QLX_E2E_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$program" "$shots"
fi

here=$(dirname "$(readlink -f "$0")")
source "$here/private_session.sh"

fail() { echo "FAIL: $*" >&2; exit 1; }
accessibility_bus

start_game() {
  "$program" >"$work/log.txt" 2>&1 &
  pid=$!
  window=$(wait_window "^Quellix - ")
  wait_settled "$window"
}

window_origin() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  wx=$X wy=$Y ww=$WIDTH wh=$HEIGHT
}

shot() { import -window root -crop "${ww}x${wh}+${wx}+${wy}" "$1"; }
# The board alone (the tile size is 32 at the first start), read as letters.
board_shot() { import -window root -crop "$((12 * 32))x$((10 * 32))+${wx}+$((wy + board_top))" "$1"; }
read_board() {
  board_shot "$work/board.png"
  convert "$work/board.png" -depth 8 "rgb:$work/board.rgb"
  python3 "$here/board_from_shot.py" read "$work/board.rgb" $((12 * 32)) 0 0 32 12 10 >"$1"
}
board_is() { read_board "$work/now.txt" && python3 "$here/board_from_shot.py" same "$1" "$work/now.txt"; }

# ---- first run
start_game
window_origin
wait_caption "$window" "Quellix -  Standard Game(10x12) 5 Tiles"
[ "$ww" -eq 491 ] && [ "$wh" -eq 387 ] || fail "window is ${ww}x${wh}, not 491x387"
shot "$shots/start.png"

# The board starts where the menu bar ends: the first row, at the window's
# right edge, in the window's own light blue (192, 192, 255).
board_top=$(convert "$shots/start.png" -crop 1x120+$((ww - 3))+0 +repage txt:- |
  awk -F'[,:]' '/#C0C0FF/ && !found { print $2; found = 1 }')
[ -n "$board_top" ] || fail "could not find the top of the board"

# A click on a tile of a group (the lowest found on the board read from the
# screen) clears the group: the tiles above fall, the columns slide right.
read_board "$work/before.txt"
python3 "$here/board_from_shot.py" move "$work/before.txt" >"$work/move.txt" || fail "no group on the first deal"
read -r col row <"$work/move.txt"
tail -n +2 "$work/move.txt" >"$work/expected.txt"
xdotool mousemove --sync $((wx + col * 32 + 16)) $((wy + board_top + row * 32 + 16)) click 1
deadline=$(deadline_in)
until board_is "$work/expected.txt"; do
  before "$deadline" ||
    { paste "$work/before.txt" "$work/expected.txt" "$work/now.txt"; fail "the click on column $col, row $row did not clear its group"; }
  sleep 0.1
done
shot "$shots/after-move.png"
echo "a click on column $((col + 1)), row $((row + 1)) cleared its group"

# Options > Number Of Tiles > 6, with the mouse.
menu_click Options "Number Of Tiles" 6
wait_caption "$window" "Quellix -  Standard Game(10x12) 6 Tiles"

menu_click Game Exit
program_ended_well "Game > Exit"

# ---- the saved settings
[ -f "$settings" ] || fail "no settings file at $settings"
head -n 1 "$settings" | grep -q '^REGEDIT4' || fail "the settings file is not REGEDIT4"
grep -qi '^"SOLVINGDATA"=hex:01,00,00,00,01,00,00,00,06,00,03,00,03,00' "$settings" ||
  fail "SOLVINGDATA was $(grep -i SOLVINGDATA "$settings")"
values=$(grep -c '^"' "$settings")
[ "$values" -eq 129 ] || fail "the key holds $values values, not 129"

# ---- second run: the option is in force
start_game
wait_caption "$window" "Quellix -  Standard Game(10x12) 6 Tiles"
window_origin
shot "$shots/restart.png"

# ---- the falling-tile options, About and the help
# Finds the window titled $1, takes its picture as $2.png once it is drawn,
# presses $3 in it and waits until it is gone.
check_window() {
  local found
  found=$(wait_window "^$1\$")
  wait_settled "$found"
  import -window "$found" "$shots/$2.png"
  xdotool mousemove --sync --window "$found" 5 5
  xdotool windowfocus --sync "$found" key "$3"
  wait_gone "^$1\$"
}
# Whether window $1 is above window $2 in the stacking order (xwininfo lists
# the root's children from the top down).
stacked_above() {
  xwininfo -root -children | awk -v a="$(printf '0x%x' "$1")" -v b="$(printf '0x%x' "$2")" '
    $1 == a { ia = NR } $1 == b { ib = NR } END { exit !(ia && ib && ia < ib) }'
}
menu_click Options "Falling Tile Options.."
check_window "Set Falling Tile Game Options" falling-options Escape
menu_click Help About
check_window "Dialog Caption" about Return
menu_click Help Contents  # then F1 in the game's window: the one viewer comes forward
help=$(wait_window "^Quellix Help$")
xdotool windowraise "$window"
wait_until "the game's window did not come above the help" stacked_above "$window" "$help"
xdotool mousemove --sync $((wx + 20)) $((wy + board_top + 20))
xdotool windowfocus --sync "$window" key F1
wait_until "F1 did not bring the help viewer forward" stacked_above "$help" "$window"
[ "$(xdotool search --onlyvisible --name "^Quellix Help$" | wc -l)" -eq 1 ] || fail "F1 opened a second help viewer"
check_window "Quellix Help" help Escape
# Game > Exit's shortcut.
choose_game_exit "$window"
program_ended_well "Ctrl+Q"
echo "end-to-end: passed (screenshots in $shots)"
