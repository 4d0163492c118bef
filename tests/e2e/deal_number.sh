#!/usr/bin/env bash
# End to end: a deal chosen by its number in the real program, in a real X
# server. Starts Quellix with an empty configuration folder (a Standard Game,
# 12 x 10, five kinds) and reads the first board from a screenshot; chooses
# Game > "Play Deal Number…" from the real menu (found by name through AT-SPI,
# menu.py), types something that is not a number (the dialog stays; cancelled,
# the board is unchanged), then 4242, and compares the board read from the
# screen with deal 4242; leaves with Ctrl+Q.
#   deal_number.sh PATH/TO/quellix [SCREENSHOT_DIR]
# Runs itself under xvfb-run when no DISPLAY is set.
set -euo pipefail
# The menu items are found by their English names, whatever the machine's locale.
export LANGUAGE=en LC_ALL=C.UTF-8

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

# The board deal 4242 gives on 12 x 10 with five kinds, on every machine.
cat >"$work/deal-4242.txt" <<'BOARD'
421134213255
443423131355
425554332335
311422311345
552142343322
355212551324
234332123424
423352212521
134523214134
353333332245
BOARD

"$program" >"$work/log.txt" 2>&1 &
pid=$!
window=$(wait_window "^Quellix - ")
wait_settled "$window"
eval "$(xdotool getwindowgeometry --shell "$window")"
wx=$X wy=$Y ww=$WIDTH wh=$HEIGHT
import -window root -crop "${ww}x${wh}+${wx}+${wy}" "$shots/deal-start.png"
# The board starts where the menu bar ends: the first row, at the window's
# right edge, in the window's own light blue.
board_top=$(convert "$shots/deal-start.png" -crop 1x120+$((ww - 3))+0 +repage txt:- |
  awk -F'[,:]' '/#C0C0FF/ && !found { print $2; found = 1 }')
[ -n "$board_top" ] || fail "could not find the top of the board"

read_board() {
  import -window root -crop "$((12 * 32))x$((10 * 32))+${wx}+$((wy + board_top))" "$work/board.png"
  convert "$work/board.png" -depth 8 "rgb:$work/board.rgb"
  python3 "$here/board_from_shot.py" read "$work/board.rgb" $((12 * 32)) 0 0 32 12 10 >"$1"
}
board_is() { read_board "$work/now.txt" && python3 "$here/board_from_shot.py" same "$1" "$work/now.txt"; }
wait_board() {
  local deadline
  deadline=$(deadline_in)
  until board_is "$1"; do
    before "$deadline" || { paste "$1" "$work/now.txt"; fail "$2"; }
    sleep 0.1
  done
}

read_board "$work/deal-first.txt"

open_dialog() {
  menu_click "Game" "Play Deal Number…"
  dialog=$(wait_window "^Play Deal Number$")
  wait_settled "$dialog"
}
# Not a number: the dialog says so and stays; cancelled, nothing was dealt.
open_dialog
import -window "$dialog" "$shots/deal-dialog.png"
xdotool windowfocus --sync "$dialog" key ctrl+a type "42x"
xdotool windowfocus --sync "$dialog" key Return
wait_settled "$dialog"
shown "^Play Deal Number$" || fail "the dialog closed on a text that is not a number"
import -window "$dialog" "$shots/deal-refused.png"
xdotool windowfocus --sync "$dialog" key Escape
wait_gone "^Play Deal Number$"
board_is "$work/deal-first.txt" || fail "a refused number changed the board"
open_dialog
xdotool windowfocus --sync "$dialog" key ctrl+a type "4242"
xdotool windowfocus --sync "$dialog" key Return
wait_gone "^Play Deal Number$"
wait_board "$work/deal-4242.txt" "the board on the screen is not deal 4242"
import -window root -crop "${ww}x${wh}+${wx}+${wy}" "$shots/deal-4242.png"
echo "deal 4242 is on the screen"

choose_game_exit "$window"
program_ended_well "Ctrl+Q"
echo "deal by number: passed (screenshots in $shots)"
