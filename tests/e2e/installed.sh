#!/usr/bin/env bash
# The installed game: installs the build into a temporary prefix, checks the
# layout, validates the menu entry and the software-centre description, then
# starts the program as the desktop would (the Exec line of its menu entry,
# with the prefix's bin/ on the PATH) under a private X server and checks that
# it runs from the prefix and finds its sounds and its help file there.
#   installed.sh CMAKE BUILD_DIR [--expect-help]
# --expect-help: F1 must open the help viewer on the installed QLX.hlp.
set -euo pipefail

cmake=$1
build=$(readlink -f "$2")
expect_help=${3:-}

if [ -z "${QLX_E2E_INNER:-}" ]; then
  export QLX_E2E_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

work=$(mktemp -d)
trap '[ "${pid:-0}" -gt 0 ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
prefix="$work/prefix"
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" DBUS_SESSION_BUS_ADDRESS=disabled:
export QT_QPA_PLATFORM=xcb

fail() { echo "FAIL: $*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" >/dev/null

# ---- the layout
id=example.orlenda.Quellix
program_dir="$prefix/lib/quellix"
[ -L "$prefix/bin/quellix" ] || fail "bin/quellix is not a link"
case "$(readlink "$prefix/bin/quellix")" in /*) fail "bin/quellix is an absolute link" ;; esac
[ "$(readlink -f "$prefix/bin/quellix")" = "$program_dir/quellix" ] || fail "bin/quellix does not lead to $program_dir"
for f in quellix QLX.hlp snd/OPENING.WAV snd/APPLAUSE.wav; do
  [ -f "$program_dir/$f" ] || fail "$program_dir/$f is missing"
done
for size in 16 22 24 32 48 64 128 256; do
  png="$prefix/share/icons/hicolor/${size}x$size/apps/$id.png"
  [ "$(identify -format '%wx%h' "$png" 2>/dev/null)" = "${size}x$size" ] || fail "no ${size} px icon at $png"
done
[ -f "$prefix/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"

desktop="$prefix/share/applications/$id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
grep -qx 'Categories=Game;LogicGame;' "$desktop" || fail "the menu entry is not among the logic games"
# --no-net: the screenshot's address is on the maker's site, which this check does not fetch.
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$work/appstream.txt" 2>&1 ||
  { cat "$work/appstream.txt"; fail "appstreamcli rejects the metainfo file"; }

# ---- started as the menu entry starts it
exec_line=$(sed -n 's/^Exec=//p' "$desktop" | sed 's/ %[fFuUdDnNickvm]//g')
(cd "$work" && PATH="$prefix/bin:$PATH" QT_LOGGING_RULES="quellix.sound.info=true" exec $exec_line) >"$work/log.txt" 2>&1 &
pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --limit 1 --name "^Quellix - ") || fail "no window"
[ "$(readlink -f "/proc/$pid/exe")" = "$program_dir/quellix" ] || fail "the program runs from $(readlink -f "/proc/$pid/exe")"

# The first game's opening sound is played from the program's folder (the
# program says which files it plays or misses when asked through its logging rules).
grep -q "playing \"$program_dir/snd/OPENING.WAV\"" "$work/log.txt" ||
  { cat "$work/log.txt"; fail "the opening sound was not played from $program_dir/snd"; }

if [ "$expect_help" = --expect-help ]; then
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool mousemove --sync $((X + 20)) $((Y + 60))
  xdotool windowfocus --sync "$window"  # as a window manager would on a click
  xdotool key F1
  help=$(timeout 10 xdotool search --sync --onlyvisible --limit 1 --name "^Quellix Help$") || fail "F1 opened no help"
  sleep 0.5
  # The contents are a list of links; the page reporting a missing file has none.
  import -window "$help" "$work/help.png"
  links=$(convert "$work/help.png" -fuzz 10% -fill black +opaque '#1d5fd1' -fill white -opaque '#1d5fd1' \
    -format '%[fx:round(mean*w*h)]' info:)
  [ "$links" -gt 300 ] || fail "the help window shows no contents ($links link pixels)"
fi

kill "$pid"
wait "$pid" 2>/dev/null || true
pid=0
echo "installed: passed ($prefix laid out, validated, started from the menu entry)"
