#!/usr/bin/env bash
# Makes the README's picture: the main window alone, a seeded round in progress under
# the regular rules. Not a test; run it by hand after the table's look changes.
#
#   tests/e2e/readme_screenshot.sh BUILD/vantrel docs/screenshot.png
set -uo pipefail

PROGRAM=$(readlink -f "${1:?usage: readme_screenshot.sh VANTREL OUTPUT.png}")
OUTPUT=$(readlink -f "${2:?usage: readme_screenshot.sh VANTREL OUTPUT.png}")
HERE=$(dirname "$(readlink -f "$0")")
source "$HERE/lib.sh"
source "$HERE/cards.sh"
source "$HERE/table.sh"

require_tools
start_xvfb
prepare_environment
launch_program VANTREL_SEED=0
wait_until 15 "the main window" main_window_shown
wait_until 10 "the splash to go" no_window_sized 280 140
locate_surface
start_first_round
# Row 2 of every hand and the first two cards of row 3.
for column in 2 3 4 5 2 3; do
    table_click "$(band_centre "$column")" 262
done
wait_for_table_pixel $(($(cell_x 3) + 1)) $(($(cell_y 3) + 1)) ffffff
import -window "$MAIN_WIN" "$OUTPUT" || fail "cannot capture the window"
say "wrote $OUTPUT"
