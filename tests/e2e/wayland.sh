#!/usr/bin/env bash
# The program natively under Wayland, in a headless weston with no X11 display at all.
# usage: wayland.sh PATH/TO/vantrel
set -uo pipefail

PROGRAM=$(readlink -f "${1:?usage: wayland.sh VANTREL}")
HERE=$(dirname "$(readlink -f "$0")")
source "$HERE/lib.sh"
source "$HERE/table.sh"
for tool in weston weston-screenshooter "$CONVERT"; do
    command -v "$tool" >/dev/null || fail "the tool '$tool' is missing (scripts/install-deps.sh installs it)"
done
prepare_environment
unset DISPLAY
export QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=vantrel-e2e
# An idle weston stops repainting, and a screenshot would never come.
weston --backend=headless-backend.so --use-pixman --debug --idle-time=0 --socket="$WAYLAND_DISPLAY" \
    --width="$SCREEN_W" --height="$SCREEN_H" >"$E2E_TMP/weston.log" 2>&1 &
WM_PID=$!
wait_until 10 "weston's socket" test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY"

# The program's log holds its Wayland requests; the main window's toplevel is the first.
launch_program QT_DEBUG_PLUGINS=1 WAYLAND_DEBUG=client
LOG=$PROGRAM_LOG
in_log() { grep -Eq "$1" "$LOG"; }
wait_until 15 "the splash as a transient child of the main window" in_log 'set_parent\(xdg_toplevel@'
check "Qt's Wayland plugin is the one loaded" \
    'in_log "libqwayland-generic.so\" loaded library" && ! in_log "libqxcb.so\" loaded library"'
SPLASH=$(grep -Eom1 'xdg_toplevel@[0-9]+\.set_parent' "$LOG")
wait_until 15 "the splash to go" in_log "${SPLASH%%.*}\.destroy\(\)"
MAIN=$(grep -Eom1 'xdg_surface@[0-9]+\.get_toplevel' "$LOG")
check "the window is 520 x 440 with the frame Qt draws" \
    '[ "$(grep -Eo "${MAIN%%.*}\.set_window_geometry\(.*" "$LOG" | tail -n 1)" = "${MAIN%%.*}.set_window_geometry(0, 0, 520, 440)" ]'

# The compositor places the window: the table starts at the screen's first felt pixel.
(cd "$E2E_TMP" && timeout 10 weston-screenshooter) || fail "no screenshot from weston"
"$CONVERT" "$E2E_TMP"/wayland-screenshot-*.png -depth 8 "rgb:$SHOT" || fail "unreadable screenshot"
read -r SURF_X SURF_Y < <(od -An -v -tu1 -w$((SCREEN_W * 3)) "$SHOT" | awk -v w="$SCREEN_W" '
    { for (x = 0; x < w; ++x) if ($(3 * x + 1) == 0 && $(3 * x + 2) == 128 && $(3 * x + 3) == 0) {
          print x, NR - 1; exit } }') || fail "no felt-green pixel on the screen"
say "table at $SURF_X,$SURF_Y"
check "the felt is green 0x008000" \
    'table_pixel_is 300 100 008000 && table_pixel_is 500 200 008000 && table_pixel_is 5 370 008000'
check "the deck pile stands at the top left, from (9,9) to (84,94)" \
    '[ "$(table_count 13 13 80 90 green)" -eq 0 ] && ! table_pixel_is 9 9 008000 2>/dev/null &&
     ! table_pixel_is 83 93 008000 2>/dev/null && table_pixel_is 85 50 008000'
check "the score panel: a yellow box with its texts" \
    'table_pixel_is 100 345 ffff00 && [ "$(table_count 86 292 480 330 black)" -gt 100 ]'
say "all Wayland checks passed"
