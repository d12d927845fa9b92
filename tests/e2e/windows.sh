#!/usr/bin/env bash
# The Windows version under wine in Xvfb, as a player meets it: the silent setup; the game from
# its Start-menu entry, its seeded first round's table the Linux build's pixel for pixel, F1,
# a whole game and its entry read back by `wine reg query`; the uninstaller keeping the scores.
set -uo pipefail

USAGE='usage: windows.sh SETUP LINUX_VANTREL EXPECTED_GAME'
SETUP=$(readlink -f "${1:?$USAGE}") LINUX_PROGRAM=$(readlink -f "${2:?$USAGE}")
EXPECTED_GAME=$(readlink -f "${3:?$USAGE}")
HERE=$(dirname "$(readlink -f "$0")")
PICTURES_DIR=$(readlink -f "$HERE/../../resources/pictures")
for part in lib cards store table; do source "$HERE/$part.sh"; done

PLAYER='Ada Lovelace'
INSTALLED="$E2E_TMP/wine/drive_c/Program Files/Vantrel"
START_MENU='C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Vantrel'
MACHINE_KEY='HKLM\Software\Vantrel'

require_tools
command -v wine >/dev/null || fail "wine is missing (scripts/install-deps.sh windows installs it)"
EXPECTED_TOTAL=$("$EXPECTED_GAME" 0) || fail "expected_game could not play the game"
start_xvfb
prepare_environment
# A wine prefix of the test's own, without wine's browser engine, .NET and menu entries.
export WINEPREFIX="$E2E_TMP/wine" WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml,winemenubuilder.exe=d'
wineboot -i >/dev/null 2>&1 || fail "no wine prefix could be made"

TABLE_W=500 TABLE_H=370  # from the surface's top left, as much as both builds show
table_after_first_round() {  # table_after_first_round PNG
    wait_until 30 "the main window" main_window_shown
    wait_until 10 "the splash to go" no_window_sized 280 140
    locate_surface
    start_first_round
    place_round
    wait_for_next_prompt
    sleep 0.5
    screenshot
    "$CONVERT" -size "${SCREEN_W}x$SCREEN_H" -depth 8 "rgb:$SHOT" \
        -crop "${TABLE_W}x$TABLE_H+$SURF_X+$SURF_Y" +repage "$1"
}

PROGRAM=$LINUX_PROGRAM  # the Linux build's table first, for the same seed
launch_program VANTREL_SEED=0
table_after_first_round "$E2E_TMP/linux.png"
kill "$PROGRAM_PID" && finish_program

wine "$SETUP" /S >"$E2E_TMP/setup.log" 2>&1 || fail "the silent setup failed"
check "the setup installs the game, the counter, the help and the licences, and lists its uninstaller" \
    '(cd "$INSTALLED" && ls vantrel.exe vantrel-count.exe Vantrel0.html LICENSE.txt LICENSE-LiberationSans.txt Uninstall.exe) >/dev/null &&
     wine reg query "HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantrel" /v UninstallString |
     grep -Fq "C:\Program Files\Vantrel\Uninstall.exe"'
GERMAN=$(cd "$INSTALLED" && LC_ALL=de_DE.UTF-8 wine cmd /c \
    'set LANG=&& set LC_ALL=&& set LANGUAGE=&& vantrel-count 5H 5C 5h JS 5S' 2>&1 </dev/null | tr -d '\r' | head -n 1)
check "with no locale in its environment, the counter speaks German as Windows is told to ($GERMAN)" \
    '[ "$GERMAN" = "vantrel-count: Karte '"'5h'"' doppelt angegeben (vorher als '"'5H'"')" ]'

# wine's browser opens documents with xdg-open: here one that writes down what it got.
printf '#!/bin/sh\necho "$*" >>"%s"\n' "$E2E_TMP/opened.log" | install -D /dev/stdin "$E2E_TMP/bin/xdg-open"
wine reg add 'HKCR\.html' /ve /d htmlfile /f >/dev/null
wine reg add 'HKCR\htmlfile\shell\open\command' /ve /d 'winebrowser "%1"' /f >/dev/null

(exec env -u QT_QPA_PLATFORM PATH="$E2E_TMP/bin:$PATH" VANTREL_SEED=0 wine start /wait "$START_MENU\\Vantrel.lnk") \
    >"$E2E_TMP/windows.log" 2>&1 &
START_PID=$!
wait_until 30 "the main window" main_window_shown
PROGRAM_PID=$(xdotool getwindowpid "$(main_window_id)")
table_after_first_round "$E2E_TMP/windows.png"
# Without a window manager the caption is no part of the X window: its client area
# starts below the centred top and ends where the centred 520 x 440 window does.
check "the window is 520 x 440 with Windows' own frame, centred on the screen" \
    '[ "$MAIN_X" -eq $(((SCREEN_W - 520) / 2)) ] && [ "$MAIN_W" -eq 520 ] &&
     [ "$MAIN_Y" -gt $(((SCREEN_H - 440) / 2)) ] && [ $((MAIN_Y + MAIN_H)) -eq $(((SCREEN_H + 440) / 2)) ]'
DIFFERING=$(compare -metric AE "$E2E_TMP/linux.png" "$E2E_TMP/windows.png" "$E2E_TMP/diff.png" 2>&1)
check "the table after the first round is the Linux build's ($DIFFERING pixels differ)" '[ "$DIFFERING" = 0 ]'

xdotool key --window "$MAIN_WIN" F1
wait_until 15 "the shell to open the help document" grep -qs 'Program%20Files/Vantrel/Vantrel0.html' \
    "$E2E_TMP/opened.log"

for round in 2 3 4 5; do start_next_round && place_round && [ "$round" -lt 5 ] && wait_for_next_prompt; done
enter_high_score_name "$PLAYER"
wait_for_next_prompt
quit_from_menu
wait_until 15 "the program to end after Quit" program_gone
PROGRAM_PID=$START_PID
finish_program
check "the game ends with status 0" '[ "$PROGRAM_STATUS" -eq 0 ]'
load_record() {  # the record as `wine reg query` shows it, not the Linux build's file
    mapfile -t RECORD < <(wine reg query "$MACHINE_KEY" /v fRegInfo | awk '$2 == "REG_BINARY" { print $3 }' |
        tr -d '\r' | fold -w 2 | while read -r byte; do echo $((16#$byte)); done)
}
check_stored_record "$PLAYER" "$EXPECTED_TOTAL"
check "the reminder's state is a REG_DWORD under HKCU\\Software\\vantrel\\DonateForm" \
    'wine reg query "HKCU\Software\vantrel\DonateForm" /v DonateStatus | grep -Eq "DonateStatus +REG_DWORD +0x4"'

# The uninstaller runs on from a copy of itself; wineserver -w waits for every program.
wine "$INSTALLED/Uninstall.exe" /S >>"$E2E_TMP/setup.log" 2>&1 && timeout 60 wineserver -w ||
    fail "the silent uninstall failed"
check "the uninstaller removes the program, its Start-menu entry and its listing" \
    '[ ! -e "$INSTALLED" ] && [ ! -e "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Vantrel" ] &&
     ! wine reg query "HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantrel" >/dev/null 2>&1'
check "the uninstaller keeps the players' scores" \
    'load_record; [ "${#RECORD[@]}" -eq 180 ] && [ "$(top_name 1)" = "$PLAYER" ]'

wineserver -k  # before the prefix is removed
say "all Windows checks passed"
