#!/usr/bin/env bash
# The Windows version's tests. Installs what is missing (mingw-w64, wine, NSIS), builds
# the Windows version (scripts/windows/build.sh: Qt for Windows first when this machine
# has not built it yet) and, for the pixels to compare with, the Linux game in
# build/release; then, in a wine prefix of this run's own:
#   * the suites of the engine and of the registry store, cross-built, under wine;
#   * the setup installed silently, the game started from its Start-menu entry and
#     played through a seeded game in Xvfb, its table compared pixel for pixel with the
#     Linux build's, its record read back with `wine reg query`, and the uninstaller.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" windows
cd "$root"
jobs=$(nproc)

echo "== Windows build"
"$root/scripts/windows/build.sh"

echo "== Linux build, for the table to compare with"
cmake --preset release -DVANTREL_BUILD_TESTS=ON >/dev/null
cmake --build --preset release -j "$jobs" --target vantrel expected_game

work=$(mktemp -d "${TMPDIR:-/tmp}/vantrel-wine.XXXXXX")
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
export WINEPREFIX=$work/prefix WINEDEBUG=-all
# No browser engine, .NET or desktop menu entries of wine's own in the fresh prefix.
export WINEDLLOVERRIDES='mscoree,mshtml,winemenubuilder.exe=d'
wineboot -i >/dev/null 2>&1
# wine passes no QT_ variable on to a program; QtTest writes its lines to the terminal,
# not to the debugger, only when told so in the prefix's own environment.
wine reg add 'HKCU\Environment' /v QT_FORCE_STDERR_LOGGING /d 1 /f >/dev/null

echo "== Suites under wine"
ctest --preset windows -j "$jobs"

echo "== The setup and a game under wine"
bash "$root/tests/e2e/windows.sh" build/windows/vantrel-*-setup.exe build/release/vantrel \
  build/release/tests/expected_game
