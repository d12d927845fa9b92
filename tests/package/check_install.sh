#!/usr/bin/env bash
# The install as a player or a packager meets it: a DESTDIR install keeps everything
# under the prefix with the layout the desktop expects; its desktop entry and metainfo
# validate; and the installed programs run from there: --version without a display,
# a count, and F1 from another working folder, which must hand the installed help
# document to the desktop's opener (a recording stand-in for xdg-open).
#
# usage: check_install.sh BUILD_DIR INSTALL_PREFIX APPLICATION_ID VERSION
set -uo pipefail

BUILD=$(readlink -f "${1:?usage: check_install.sh BUILD_DIR INSTALL_PREFIX APPLICATION_ID VERSION}")
PREFIX=${2:?}
APP_ID=${3:?}
VERSION=${4:?}
HERE=$(dirname "$(readlink -f "$0")")
source "$HERE/../e2e/lib.sh"
source "$HERE/../e2e/table.sh"
source "$HERE/layout.sh"

for tool in cmake desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || fail "the tool '$tool' is missing (scripts/install-deps.sh installs it)"
done

STAGE="$E2E_TMP/stage"
say "DESTDIR install of $BUILD into $STAGE (prefix $PREFIX)"
DESTDIR="$STAGE" cmake --install "$BUILD" >"$E2E_TMP/install.log" 2>&1 ||
    fail "cmake --install failed: $(tail -n 5 "$E2E_TMP/install.log")"
ROOT="$STAGE$PREFIX"
# Whatever lies in the staging folder but neither in the prefix nor on the way to it.
outside_prefix() {
    local entry
    find "$STAGE" -mindepth 1 | while read -r entry; do
        case "$ROOT/" in "$entry"/*) continue ;; esac
        case "$entry" in "$ROOT"/*) continue ;; esac
        echo "$entry"
    done
}
check "nothing is installed outside the prefix" '[ -z "$(outside_prefix)" ]'
check_layout "$ROOT" "$APP_ID"
check "no installed entry is writable by others" '[ -z "$(find "$STAGE" ! -type l -perm -o+w)" ]'

say "desktop-file-validate:"
check "the desktop entry validates" 'desktop-file-validate "$ROOT/share/applications/$APP_ID.desktop"'
say "appstreamcli validate --no-net:"
check "the metainfo validates" \
    'appstreamcli validate --no-net "$ROOT/share/metainfo/$APP_ID.metainfo.xml"'

# --- the installed programs -----------------------------------------------------

version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$ROOT/bin/vantrel" --version 2>&1)
check "vantrel --version prints the version without a display" '[ "$version" = "vantrel $VERSION" ]'
count=$("$ROOT/bin/vantrel-count" 5H 5C 5D JS 5S 2>&1 | tail -n 1)
check "vantrel-count counts the 29 hand" '[ "$count" = "total 29" ]'
usage=$(env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG=de_DE.UTF-8 "$ROOT/bin/vantrel" --help | head -n 1)
check "the installed program speaks the desktop's language ($usage)" \
    '[ "$usage" = "Aufruf: vantrel [--help] [--version]" ]'

start_xvfb
prepare_environment
OPENER_DIR="$E2E_TMP/opener"
OPENED="$E2E_TMP/opened.txt"
mkdir -p "$OPENER_DIR" "$E2E_TMP/elsewhere"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >>"%s"\n' "$OPENED" >"$OPENER_DIR/xdg-open"
chmod +x "$OPENER_DIR/xdg-open"

say "the installed program from another working folder, F1"
PROGRAM_LOG="$E2E_TMP/program.log"
(cd "$E2E_TMP/elsewhere" && exec env PATH="$OPENER_DIR:$PATH" "$ROOT/bin/vantrel") >"$PROGRAM_LOG" 2>&1 &
PROGRAM_PID=$!
wait_until 20 "the main window" main_window_shown
MAIN_WIN=$(main_window_id)
xdotool windowfocus --sync "$MAIN_WIN" key F1
wait_until 10 "the help document handed to xdg-open" test -s "$OPENED"
expected="file://$(readlink -f "$ROOT/share/vantrel/Vantrel0.html")"
check "F1 opens the installed help document ($(head -n 1 "$OPENED"))" \
    '[ "$(cat "$OPENED")" = "$expected" ]'
check "the program is still running" program_running
say "all install checks passed"
