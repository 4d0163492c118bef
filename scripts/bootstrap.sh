#!/usr/bin/env bash
# Installs what Quellix needs, builds it, and then plays or tests.
#   scripts/bootstrap.sh play   build the Release program and start the game
#   scripts/bootstrap.sh test   build the Release program and run every test
# Debian 12 / Ubuntu 22.04 or later; installs missing packages with apt-get
# (as root, or through sudo). A second run installs nothing and rebuilds only
# what changed.
set -euo pipefail
cd "$(dirname "$0")/.."

what="${1:-play}"
case "$what" in play | test) ;; *) echo "usage: $0 play|test" >&2; exit 2 ;; esac

# To build and run the game: Qt's translation tools build the translations
# (lrelease), and Qt's own translations give the standard buttons of the
# message boxes in the player's language.
packages=(cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev libasound2-dev qt6-l10n-tools
  qt6-qpa-plugins libqt6svg6 fonts-liberation2 qt6-translations-l10n)
# To run the tests: GoogleTest, Google Benchmark, an X server for the
# end-to-end tests, xdotool to click, ImageMagick to take screenshots; the
# validators of the menu entry and the software-centre description, and what
# CPack needs to build the Debian package (dpkg-shlibdeps, file); the
# accessibility bus and its Python client for the screen-reader test, and
# Qt's platform headers to switch accessibility on in a window test; libSM
# for a session manager that asks the game to save for a logout.
if [ "$what" = test ]; then
  packages+=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth xdotool x11-utils imagemagick
    desktop-file-utils appstream dpkg-dev file at-spi2-core python3-pyatspi dbus qt6-base-private-dev libsm-dev)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake --preset release >/dev/null
cmake --build --preset release -- -j"$(nproc)"

if [ "$what" = play ]; then
  exec build/release/bin/quellix
fi
ctest --preset release
