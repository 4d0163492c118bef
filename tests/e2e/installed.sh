#!/usr/bin/env bash
# The installed game: installs the build into a temporary prefix, or the
# Debian package into the system, checks the layout, validates the menu entry
# and the software-centre description, then starts the program as the desktop
# would (the Exec line of its menu entry, with the command's folder on the
# PATH) under a private X server and checks that it runs from the installed
# program folder and finds its sounds and its help file there.
#   installed.sh CMAKE BUILD_DIR [--expect-help]     into a temporary prefix (bin/quellix)
#   installed.sh --package DEB [--expect-help]       with apt-get, as root (/usr/games/quellix);
#                                                     removed again afterwards unless it was installed before
# --expect-help: F1 must open the help viewer on the installed QLX.hlp.
set -euo pipefail
# The game speaks English whatever the machine's locale (QLX_LANGUAGE=de: German).
export LANGUAGE=${QLX_LANGUAGE:-en} LC_ALL=C.UTF-8

if [ "$1" = --package ]; then
  deb=$(readlink -f "$2")
else
  cmake=$1
  build=$(readlink -f "$2")
fi
expect_help=${3:-}

if [ -z "${QLX_E2E_INNER:-}" ]; then
  export QLX_E2E_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

work=$(mktemp -d)
remove_package=""
cleanup() {
  [ "${pid:-0}" -gt 0 ] && kill "$pid" 2>/dev/null
  [ -n "$remove_package" ] && DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq quellix >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" DBUS_SESSION_BUS_ADDRESS=disabled:
export QT_QPA_PLATFORM=xcb

fail() { echo "FAIL: $*" >&2; exit 1; }
source "$(dirname "$(readlink -f "$0")")/waits.sh"

if [ -n "${deb:-}" ]; then
  prefix=/usr
  command_dir=games
  dpkg-query -W -f='${Status}' quellix 2>/dev/null | grep -q "install ok installed" || remove_package=1
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null || fail "apt-get cannot install $deb"
  [ -z "$(dpkg -L quellix | grep '^/usr/bin/')" ] || fail "the package puts files into /usr/bin"
  for f in changelog.Debian.gz copyright; do
    [ -f "/usr/share/doc/quellix/$f" ] || fail "/usr/share/doc/quellix/$f is missing"
  done
else
  prefix="$work/prefix"
  command_dir=bin
  "$cmake" --install "$build" --prefix "$prefix" >/dev/null
fi

# ---- the layout
id=example.orlenda.Quellix
program_dir="$prefix/lib/quellix"
command="$prefix/$command_dir/quellix"
[ -L "$command" ] || fail "$command_dir/quellix is not a link"
case "$(readlink "$command")" in /*) fail "$command_dir/quellix is an absolute link" ;; esac
[ "$(readlink -f "$command")" = "$program_dir/quellix" ] || fail "$command_dir/quellix does not lead to $program_dir"
man_page="$prefix/share/man/man6/quellix.6.gz"
gzip -t "$man_page" || fail "no manual page at $man_page"
[ -z "$(MANWIDTH=80 man --warnings -l "$man_page" 2>&1 >/dev/null)" ] || fail "the manual page has errors"
for f in quellix QLX.hlp snd/OPENING.WAV snd/APPLAUSE.wav; do
  [ -f "$program_dir/$f" ] || fail "$program_dir/$f is missing"
done
# Every language's translation, and every translated help page the build made.
for lang in ${QLX_LANGUAGES:-de fr es pt_BR pl zh_CN ja ar}; do
  [ -f "$program_dir/translations/quellix_$lang.qm" ] || fail "the $lang translation is missing"
done
if [ -n "${build:-}" ]; then
  for page in "$build"/bin/QLX_*.hlp; do
    [ ! -e "$page" ] || [ -f "$program_dir/$(basename "$page")" ] || fail "$(basename "$page") is missing"
  done
fi
for size in 16 22 24 32 48 64 128 256; do
  png="$prefix/share/icons/hicolor/${size}x$size/apps/$id.png"
  [ "$(identify -format '%wx%h' "$png" 2>/dev/null)" = "${size}x$size" ] || fail "no ${size} px icon at $png"
done
[ -f "$prefix/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"
# The pictures drawn ready, which the start reads instead of drawing them.
for f in quellix-32.qlxp 16/tile_01.qlxp 32/tile_45.qlxp 96/tile_20.qlxp; do
  [ -f "$program_dir/pictures/$f" ] || fail "no pictures/$f in the program's folder"
done

desktop="$prefix/share/applications/$id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
grep -qx 'Categories=Game;LogicGame;' "$desktop" || fail "the menu entry is not among the logic games"
# --no-net: the screenshot's address is on the maker's site, which this check does not fetch.
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$work/appstream.txt" 2>&1 ||
  { cat "$work/appstream.txt"; fail "appstreamcli rejects the metainfo file"; }

# ---- started as the menu entry starts it
exec_line=$(sed -n 's/^Exec=//p' "$desktop" | sed 's/ %[fFuUdDnNickvm]//g')
(cd "$work" && PATH="$prefix/$command_dir:$PATH" QT_LOGGING_RULES="quellix.sound.info=true" exec $exec_line) >"$work/log.txt" 2>&1 &
pid=$!
window=$(wait_window "^Quellix - ")
[ "$(readlink -f "/proc/$pid/exe")" = "$program_dir/quellix" ] || fail "the program runs from $(readlink -f "/proc/$pid/exe")"

# The first game's opening sound is played from the program's folder (the
# program says which files it plays or misses when asked through its logging rules).
opening_played() { grep -q "playing \"$program_dir/snd/OPENING.WAV\"" "$work/log.txt"; }
wait_until "the opening sound was not played from $program_dir/snd ($(cat "$work/log.txt"))" opening_played
# A program built for the sound module (it does not link Qt Multimedia) loads
# it from its folder at that first sound.
if ! ldd "$program_dir/quellix" | grep -q libQt6Multimedia; then
  module_loaded() { grep -q "loaded \"$program_dir/modules/quellix-sound.so\"" "$work/log.txt"; }
  wait_until "the sound module was not loaded from $program_dir/modules ($(cat "$work/log.txt"))" module_loaded
fi

if [ "$expect_help" = --expect-help ]; then
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool mousemove --sync $((X + 20)) $((Y + 60))
  xdotool windowfocus --sync "$window"  # as a window manager would on a click
  xdotool key F1
  help=$(wait_window "^Quellix Help$")
  # The contents are a list of links; the page reporting a missing file has
  # none. Waits for them to be drawn.
  link_pixels() {
    import -window "$help" "$work/help.png"
    links=$(convert "$work/help.png" -fuzz 10% -fill black +opaque '#1d5fd1' -fill white -opaque '#1d5fd1' \
      -format '%[fx:round(mean*w*h)]' info:)
    [ "$links" -gt 300 ]
  }
  links=0
  deadline=$(deadline_in)
  until link_pixels; do
    before "$deadline" || fail "the help window shows no contents ($links link pixels)"
    sleep 0.1
  done
fi

kill "$pid"
wait "$pid" 2>/dev/null || true
pid=0
echo "installed: passed ($prefix laid out, validated, started from the menu entry as $command)"
