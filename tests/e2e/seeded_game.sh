#!/usr/bin/env bash
# The program end to end in a real X11 window: a seeded game of five rounds played
# with real pointer events, the name prompt, Quit from the menu and the stored record;
# then a second run that shows the entry in the Top 5 view and, on a later day,
# the donation reminder at close.
#
# usage: seeded_game.sh PATH/TO/vantrel PATH/TO/expected_game
set -uo pipefail

PROGRAM=$(readlink -f "${1:?usage: seeded_game.sh VANTREL EXPECTED_GAME}")
EXPECTED_GAME=$(readlink -f "${2:?usage: seeded_game.sh VANTREL EXPECTED_GAME}")
HERE=$(dirname "$(readlink -f "$0")")
PICTURES_DIR=$(readlink -f "$HERE/../../resources/pictures")
source "$HERE/lib.sh"
source "$HERE/cards.sh"
source "$HERE/store.sh"
source "$HERE/table.sh"

SEED=0
PLAYER='Ada Lovelace'
EXE_NAME=$(basename "$PROGRAM")
DONATE_SECTION="HKEY_CURRENT_USER\\Software\\$EXE_NAME\\DonateForm"

require_tools
[ -x "$PROGRAM" ] || fail "no program at $PROGRAM"
EXPECTED_TOTAL=$("$EXPECTED_GAME" "$SEED") || fail "expected_game could not play the game"
say "the seeded game must total $EXPECTED_TOTAL"
check "the seeded game scores (a name is asked for only then)" '[ "$EXPECTED_TOTAL" -gt 0 ]'

start_xvfb
prepare_environment

# --- first run: splash, the seeded deal, a whole game, the name prompt, Quit -------

say "first run, VANTREL_SEED=$SEED, no stored state"
launch_program VANTREL_SEED=$SEED
check_splash_comes_and_goes
locate_surface
check "the window is 520 x 440" '[ "$MAIN_W" -eq 520 ] && [ "$MAIN_H" -eq 440 ]'
check_empty_table

start_first_round
check_seeded_deal

place_round
wait_for_next_prompt
check_after_first_round

for round in 2 3 4 5; do
    say "round $round"
    start_next_round
    place_round
    if [ "$round" -lt 5 ]; then wait_for_next_prompt; fi
done

enter_high_score_name "$PLAYER"
wait_for_next_prompt
quit_from_menu
wait_until 15 "the program to end after Quit" program_gone
finish_program
check "the first run ends with status 0" '[ "$PROGRAM_STATUS" -eq 0 ]'

check_stored_record "$PLAYER" "$EXPECTED_TOTAL"
STORED_AFTER_FIRST_RUN=$(reg_hex_tokens "$VANTREL_MACHINE_STORE" fRegInfo | tr '\n' ,)
TODAY=$(today_day_number)
check "a first run stores the reminder state 4" \
    '[ "$(reg_dword "$VANTREL_USER_STORE" "$DONATE_SECTION" DonateStatus)" = 4 ]'
check "a first run stores today ($TODAY) as the last prompt" \
    '[ "$(reg_dword "$VANTREL_USER_STORE" "$DONATE_SECTION" DonateLastPrompt)" = "$TODAY" ]'

# --- second run: the Top 5 view, and the reminder on a later day ---------------------

say "second run, the same stores, the last prompt three days ago"
write_donate_state "$VANTREL_USER_STORE" "$EXE_NAME" 4 $((TODAY - 3))
launch_program
wait_until 15 "the main window" main_window_shown
wait_until 10 "the splash to go" no_window_sized 280 140
locate_surface
check_top5_view "$PLAYER"

quit_from_menu
wait_for_dialog '^Make a Donation$'
check "the donation dialog is 366 x 473" '[ "$WIN_W" -eq 366 ] && [ "$WIN_H" -eq 473 ]'
check "the program waits for the answer" program_running
answer_donation_dialog "$DIALOG_WIN" 2
wait_until 15 "the program to end after the reminder" program_gone
finish_program
check "the second run ends with status 0" '[ "$PROGRAM_STATUS" -eq 0 ]'

check "the answer 2 is stored" \
    '[ "$(reg_dword "$VANTREL_USER_STORE" "$DONATE_SECTION" DonateStatus)" = 2 ]'
check "showing the reminder stores today as the last prompt" \
    '[ "$(reg_dword "$VANTREL_USER_STORE" "$DONATE_SECTION" DonateLastPrompt)" = "$TODAY" ]'
check "the second run's Quit stores the record unchanged" \
    '[ "$(reg_hex_tokens "$VANTREL_MACHINE_STORE" fRegInfo | tr "\n" ,)" = "$STORED_AFTER_FIRST_RUN" ]'

say "all end-to-end checks passed"
