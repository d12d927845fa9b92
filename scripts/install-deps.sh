#!/usr/bin/env bash
# Installs what building, playing and testing need on Debian 12, when it is missing;
# with the argument "windows", also what the Windows version's build and tests need.
set -euo pipefail

packages=(
  cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev
  # the translations: lupdate and lrelease with their CMake functions, and Qt's own
  # texts in the player's language
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  fonts-liberation2
  # the desktop's opener, through which the help document and web pages open
  xdg-utils
  xvfb xauth xdotool x11-utils imagemagick openbox
  # the program under Wayland, and a headless compositor to run it in
  qt6-wayland weston
  # the table through a screen reader's eyes: the accessibility bus on a private
  # session, and its Python client
  dbus-daemon at-spi2-core python3-pyatspi python3-gi
  # the game as a blind player hears it: Debian's screen reader and its speech
  orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng
  # the checks of the install and the Debian package
  dpkg-dev file lintian desktop-file-utils appstream man-db util-linux
  # hardening-check, which reads the package's programs for the hardening flags
  devscripts
  # fuzzing the store reader
  clang libclang-rt-14-dev
)
# scripts/test-windows.sh: the cross compiler, wine to run what it builds, NSIS for
# the setup program
if [ "${1:-}" = windows ]; then
  packages+=(g++-mingw-w64-x86-64-posix wine wine64 nsis)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
