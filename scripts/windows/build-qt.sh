#!/usr/bin/env bash
# Builds the static Qt that the Windows version links, once per machine, from Debian's
# own source of the Qt the host has, cross-compiled with mingw-w64, and prints the
# folder it lies in. The folder is named by the Qt version and a hash of everything
# that shapes the build (the compiler, the configure options and the toolchain file), so every clone
# and every run on this machine shares it, and a change of options builds a new one.
# It is built in a temporary folder beside it and renamed into place when complete:
# a killed build never leaves a half Qt behind. Concurrent runs wait for each other.
#
#   build-qt.sh          builds when missing, then prints the folder
#   build-qt.sh --where  prints the folder without building
#
# VANTREL_QT_CACHE names the cache folder (default $XDG_CACHE_HOME/vantrel, or
# ~/.cache/vantrel); VANTREL_QT_JOBS the parallel compile steps (default: the cores).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
toolchain=$root/cmake/MinGW.cmake

# Only what the game and its suites use: Core, Gui, Widgets, Test, the Windows
# platform plugin and its style, PNG pictures, and accessibility for screen readers.
# FreeType is built in too: the game draws its text with it, as on Linux, so neither
# Direct2D nor DirectWrite is (nor can one be built without the other).
qt_options=(
  -static -static-runtime -release
  -xplatform win32-g++
  -nomake examples -nomake tests
  -no-opengl -no-dbus -no-feature-vulkan -no-feature-direct2d -no-feature-directwrite
  -no-feature-network -no-feature-sql -no-feature-xml -no-feature-printsupport
  -no-feature-concurrent -no-feature-pdf
  -no-feature-textmarkdownreader -no-feature-textmarkdownwriter -no-feature-textodfwriter
  -no-feature-tabletevent
  -no-libjpeg -no-gif -no-ico
  -no-zstd -no-icu
  -qt-zlib -qt-libpng -qt-freetype -qt-harfbuzz -qt-pcre -qt-doubleconversion
)

qt_package_version() {
  dpkg-query -W -f='${Version}' qt6-base-dev
}

cache_folder() {
  local version key
  version=$(qt_package_version)
  key=$({
    echo "$version"
    x86_64-w64-mingw32-g++-posix --version | head -n 1
    printf '%s\n' "${qt_options[@]}"
    cat "$toolchain"
  } | sha256sum | cut -c1-12)
  echo "${VANTREL_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vantrel}/qt-${version%%+*}-mingw-static-$key"
}

# deb-src for the release the host runs, so apt-get finds the same Qt's source.
add_source_entry() {
  if apt-get source --download-only --print-uris qt6-base >/dev/null 2>&1; then
    return
  fi
  local codename sudo_cmd=()
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  echo "Adding the Debian source entry for $codename" >&2
  "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/vantrel-qt-source.sources >/dev/null <<EOF
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $codename
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
  "${sudo_cmd[@]}" apt-get update -qq
}

fetch_source() {
  local work=$1 version
  version=$(qt_package_version)
  add_source_entry
  (cd "$work" && apt-get source --download-only "qt6-base=$version" >/dev/null)
  # Unpacked with Debian's patches applied: the Qt the host runs, to the fix.
  dpkg-source --no-check -x "$work"/qt6-base_*.dsc "$work/src" >/dev/null
}

build_qt() {
  local final=$1 work=$2
  local started=$SECONDS
  echo "Building Qt for Windows into $final (log: $work/build.log)" >&2
  fetch_source "$work"
  mkdir -p "$work/build"
  # Each line of the log carries the step count and the seconds since the start.
  (
    cd "$work/build" &&
      "$work/src/configure" -prefix "$final" "${qt_options[@]}" -qt-host-path /usr -- \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake &&
      NINJA_STATUS='[%f/%t %es] ' nice -n 10 \
        cmake --build . --parallel "${VANTREL_QT_JOBS:-$(nproc)}" &&
      DESTDIR="$work/stage" cmake --install . &&
      echo "CPU time (user, system) of the build's processes:" && times
  ) >"$work/build.log" 2>&1 || {
    tail -n 40 "$work/build.log" >&2
    echo "The Qt build failed; its log is $work/build.log" >&2
    return 1
  }
  grep -o '^\[[0-9]*/[0-9]* ' "$work/build.log" | tail -n 1 >"$work/steps"
  echo "Qt built in $(((SECONDS - started) / 60)) min, steps $(tr -d '[ ' <"$work/steps")" >&2
  mv "$work/stage$final" "$final"
  cp "$work/build.log" "$final/vantrel-build.log"
}

main() {
  local final
  final=$(cache_folder)
  if [ "${1:-}" = --where ]; then
    echo "$final"
    return
  fi
  local parent
  parent=$(dirname "$final")
  mkdir -p "$parent"
  exec {lock}>"$final.lock"
  flock "$lock"
  if [ ! -d "$final" ]; then
    rm -rf "$final".building.*
    local work
    work=$(mktemp -d "$final.building.XXXXXX")
    build_qt "$final" "$work"
    rm -rf "$work"
  fi
  echo "$final"
}

main "$@"
