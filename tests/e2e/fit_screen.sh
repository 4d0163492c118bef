#!/usr/bin/env bash
# End to end: the largest layout, 25 x 20 with Big tiles, on a given screen.
# The window must open with its whole frame on the screen: exactly as the
# layout formulas say where it fits, else with the board shown with the
# largest tiles that fit; a mouse click on a cell must clear
# that cell's group (the board is read from screenshots before and after, and
# the move played on the first is compared with the second); the Options menu
# still ticks Big (read through AT-SPI, with the menus opened by the mouse
# where their items are), and Big is what is saved.
#   fit_screen.sh PATH/TO/quellix WIDTHxHEIGHT SCALE [SCREENSHOT_DIR]
# SCALE is the display scale (QT_SCALE_FACTOR). Runs itself under xvfb-run.
set -euo pipefail
# The game speaks English whatever the machine's locale (QLX_LANGUAGE=de: German).
export LANGUAGE=${QLX_LANGUAGE:-en} LC_ALL=C.UTF-8

program=$(readlink -f "$1")
screen=$2
scale=$3
shots=${4:-$(mktemp -d)}
mkdir -p "$shots"

if [ -z "${QLX_E2E_INNER:-}" ]; then
  export QLX_E2E_INNER=1
  exec xvfb-run -a -s "-screen 0 ${screen}x24" "$0" "$program" "$screen" "$scale" "$shots"
fi

here=$(dirname "$(readlink -f "$0")")
source "$here/private_session.sh"
fail() { echo "FAIL: $*" >&2; exit 1; }
accessibility_bus
sw=${screen%x*}
sh=${screen#*x}
name="25x20-big-${screen}-${scale}x"

# The stored options: a Standard Game, 25 x 20, Big tiles, Classic tiles, 5 kinds.
mkdir -p "$(dirname "$settings")"
printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Orlenda\\Quellix\\1.0]\n"SOLVINGDATA"=hex:01,00,03,00,02,00,00,00,05,00,03,00,03,00\n\n' >"$settings"

QT_SCALE_FACTOR=$scale "$program" >"$work/log.txt" 2>&1 &
pid=$!
window=$(wait_window "^Quellix - ")
wait_settled "$window"
eval "$(xdotool getwindowgeometry --shell "$window")"
wx=$X wy=$Y ww=$WIDTH wh=$HEIGHT
import -window root "$shots/$name.png"

# ---- the whole frame on the screen
[ "$wx" -ge 0 ] && [ "$wy" -ge 0 ] && [ $((wx + ww)) -le "$sw" ] && [ $((wy + wh)) -le "$sh" ] ||
  fail "the window ${ww}x${wh}+${wx}+${wy} does not fit the ${screen} screen"
# The layout formulas at the shown tile size t: 25 t + 107 by 20 t + 67, in
# device-independent pixels; t is the largest that fits.
t=$(( (wh / scale - 67) / 20 ))
[ $(( (20 * t + 67) * scale )) -eq "$wh" ] && [ $(( (25 * t + 107) * scale )) -eq "$ww" ] ||
  fail "the window ${ww}x${wh} is not the layout of tiles of $t pixels at scale $scale"
# Big tiles (48 pixels) where the window then fits, else the largest size that fits.
expected=48
while [ $(( (20 * expected + 67) * scale )) -gt "$sh" ] || [ $(( (25 * expected + 107) * scale )) -gt "$sw" ]; do
  expected=$((expected - 1))
done
[ "$t" -eq "$expected" ] || fail "tiles of $t pixels, where $expected pixels fit"
echo "the board is shown with tiles of $t pixels: window ${ww}x${wh} on ${screen} at scale $scale"

# ---- a move by mouse on the board read from the screen
tile=$((t * scale))
board_top=$(convert "$shots/$name.png" -crop 1x$((120 * scale))+$((wx + ww - 3))+$wy +repage txt:- |
  awk -F'[,:]' '/#C0C0FF/ && !found { print $2; found = 1 }')
[ -n "$board_top" ] || fail "could not find the top of the board"
read_board() {
  convert "$1" -depth 8 "rgb:$work/shot.rgb"
  python3 "$here/board_from_shot.py" read "$work/shot.rgb" "$sw" "$wx" $((wy + board_top)) "$tile" 25 20 >"$2"
}
read_board "$shots/$name.png" "$work/before.txt"
python3 "$here/board_from_shot.py" move "$work/before.txt" >"$work/move.txt"
read -r col row <"$work/move.txt"
tail -n +2 "$work/move.txt" >"$work/expected.txt"
xdotool mousemove --sync $((wx + col * tile + tile / 2)) $((wy + board_top + row * tile + tile / 2)) click 1
deadline=$(deadline_in)
while :; do
  import -window root "$work/after.png"
  read_board "$work/after.png" "$work/after.txt"
  python3 "$here/board_from_shot.py" same "$work/expected.txt" "$work/after.txt" && break
  before "$deadline" ||
    { paste "$work/before.txt" "$work/expected.txt" "$work/after.txt"; fail "the click on column $col, row $row did not clear its group"; }
  sleep 0.1
done
cp "$work/after.png" "$shots/$name-after-move.png"
echo "a click on column $col, row $row cleared its group"

# ---- Options > Size still ticks Big
/usr/bin/python3 "$here/menu.py" "$pid" checked Options Size Big || fail "Options > Size does not tick Big"
# Its picture once the menu is drawn: the same in two grabs one after the other.
menu_shot() { import -window root -crop "$((ww / 2))x$((wh / 2))+$wx+$wy" "$1"; }
menu_shot "$work/menu.png"
deadline=$(deadline_in)
while menu_shot "$shots/$name-size-menu.png" && ! cmp -s "$work/menu.png" "$shots/$name-size-menu.png"; do
  before "$deadline" || fail "the Size menu was never drawn still"
  cp "$shots/$name-size-menu.png" "$work/menu.png"
  sleep 0.1
done
xdotool key Escape Escape Escape
/usr/bin/python3 "$here/menu.py" "$pid" closed || fail "Escape did not close the menus"

# ---- Game > Exit saves the chosen Big tiles
menu_click Game Exit
program_ended_well "Game > Exit"
grep -qi '^"SOLVINGDATA"=hex:01,00,03,00,02,00' "$settings" || fail "SOLVINGDATA was $(grep -i SOLVINGDATA "$settings")"
echo "fit_screen: passed (${screen} at scale ${scale}; screenshots in $shots)"
