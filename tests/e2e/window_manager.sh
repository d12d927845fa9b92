#!/usr/bin/env bash
# The program under a real window manager (openbox), as on a desktop: the outer size
# the card options give, frame included; the window centred on the screen by that
# outer size; the size kept when the window is moved; and a short round played from
# the keyboard alone, ended with Quit from the keyboard.
#
# usage: window_manager.sh PATH/TO/vantrel
set -uo pipefail

PROGRAM=$(readlink -f "${1:?usage: window_manager.sh VANTREL}")
HERE=$(dirname "$(readlink -f "$0")")
PICTURES_DIR=$(readlink -f "$HERE/../../resources/pictures")
source "$HERE/lib.sh"
source "$HERE/cards.sh"
source "$HERE/store.sh"
source "$HERE/table.sh"

require_tools
[ -x "$PROGRAM" ] || fail "no program at $PROGRAM"
start_xvfb
prepare_environment
start_window_manager

launch_program VANTREL_SEED=0
wait_until 15 "the main window" main_window_shown
wait_until 10 "the splash to go" no_window_sized 280 140
WINDOW=$(main_window_id)

# --- the frame -------------------------------------------------------------------

wait_until 10 "the window to be 520 x 440 with its frame" outer_size_is "$WINDOW" 520 440
outer_geometry "$WINDOW"
say "framed window at $OUTER_X,$OUTER_Y, ${OUTER_W}x$OUTER_H with its frame"
check "the window is centred on the screen by its outer size" \
    '[ "$OUTER_X" -eq $(((SCREEN_W - 520) / 2)) ] && [ "$OUTER_Y" -eq $(((SCREEN_H - 440) / 2)) ]'

xdotool windowmove "$WINDOW" 40 30
wait_until 10 "the window to move" eval 'outer_geometry "$WINDOW" && [ "$OUTER_X" -ne $(((SCREEN_W - 520) / 2)) ]'
sleep 0.5
check "moving the window keeps its outer size" 'outer_size_is "$WINDOW" 520 440'

# --- a round from the keyboard alone -----------------------------------------------

locate_surface
CARD_W=71
say "Space: a press on the deck pile"
xdotool key --window "$WINDOW" space
wait_for_table_pixel $(($(cell_x 2) + 1)) 11 ffffff
for row in 2 3 4; do
    for hand in 1 2 3 4; do
        column=$((hand + 1))
        xdotool key --window "$WINDOW" "$hand"
        wait_for_table_pixel $(($(cell_x "$column") + 1)) $(($(cell_y "$row") + 1)) ffffff
    done
done
say "sixteen cards placed with the keys 1 to 4"
wait_for_next_prompt
check "the round is counted into the score panel" '[ "$(table_count 86 292 480 330 black)" -gt 200 ]'

say "Alt+G, Q: Quit from the keyboard"
xdotool key --window "$WINDOW" alt+g
wait_until 10 "the Game menu to open" popup_open
xdotool key --window "$WINDOW" q
wait_until 15 "the program to end after Quit" program_gone
finish_program
check "the program ends with status 0" '[ "$PROGRAM_STATUS" -eq 0 ]'
check "Quit stored the options" '[ -n "$(reg_hex_tokens "$VANTREL_MACHINE_STORE" fRegInfo)" ]'

say "all window manager checks passed"
