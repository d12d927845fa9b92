#!/usr/bin/env bash
# Start-up of the game in a real X11 window, beside an empty Qt Widgets window
# measured the same way in the same run: the time from launch to the main window
# being mapped, and the resident memory one second after that. Prints the median of
# each over the runs (the two programs take turns, so drift hits both alike).
#
#   benchmarks/startup_benchmark.sh [--lock-held] BUILD/vantrel BUILD/empty_window [runs]
#
# --lock-held: another program holds the store's lock through every run, as a second
# copy of the game in the middle of a save would; start-up must not wait for it.
#
# How the map is timed: xev listens on the root window for the structure events of
# its children, and every line it prints is stamped with bash's $EPOCHREALTIME (no
# fork) as it arrives. The launch is stamped the same way just before the fork.
# The main window is then picked out by its title with xdotool, and its MapNotify
# stamp taken from the log. This measures what a window manager would see, to about
# a millisecond, without polling. Needs Xvfb, xev (x11-utils) and xdotool.
set -euo pipefail

LOCK_HELD=
if [ "${1:-}" = --lock-held ]; then
    LOCK_HELD=1
    shift
fi
if [ $# -lt 2 ] || [ $# -gt 3 ]; then
    echo "usage: $0 [--lock-held] PATH/TO/vantrel PATH/TO/empty_window [runs]" >&2
    exit 2
fi
GAME=$(readlink -f "$1")
EMPTY=$(readlink -f "$2")
RUNS=${3:-10}
case $RUNS in
    '' | *[!0-9]* | 0) echo "$0: runs must be a positive whole number, got '$RUNS'" >&2; exit 2 ;;
esac
for program in "$GAME" "$EMPTY"; do
    [ -x "$program" ] || { echo "$0: '$program' is not an executable file" >&2; exit 2; }
done
for tool in Xvfb xev xdotool stdbuf flock; do
    command -v "$tool" >/dev/null || { echo "$0: '$tool' is missing" >&2; exit 2; }
done

GAME_TITLE='^Vantrel 8\.00 - Freeware Edition - Cribbage Solitaire for Windows$'
EMPTY_TITLE='^Empty Window$'

WORK=$(mktemp -d "${TMPDIR:-/tmp}/vantrel-startup.XXXXXX")
XVFB_PID=
LOCK_PID=
XEV_PID=
STAMP_PID=
PROGRAM_PID=
cleanup() {
    for pid in $PROGRAM_PID $XEV_PID $STAMP_PID $LOCK_PID $XVFB_PID; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$WORK"
}
trap cleanup EXIT

mkfifo "$WORK/displayfd"
Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset -nolisten tcp 3>"$WORK/displayfd" 2>/dev/null &
XVFB_PID=$!
read -r -t 20 display_number <"$WORK/displayfd"
export DISPLAY=":$display_number"

mkdir -m 700 "$WORK/runtime"
export XDG_RUNTIME_DIR="$WORK/runtime"
export QT_QPA_PLATFORMTHEME=
export QT_QPA_PLATFORM=xcb
# The game's stores in the scratch folder, never in the user's or the machine's.
export VANTREL_MACHINE_STORE="$WORK/machine.reg"
export VANTREL_USER_STORE="$WORK/user.reg"
if [ -n "$LOCK_HELD" ]; then
    # The shell becomes the sleep, so the one process that holds the lock is LOCK_PID.
    (exec 9>"$WORK/machine.reg.lock" && flock 9 && exec sleep infinity) &
    LOCK_PID=$!
    sleep 0.2
fi

# Stamps every line of xev as it arrives: "seconds.micros line".
EVENTS="$WORK/events.log"
stamp_lines() {
    local line
    while IFS= read -r line; do
        printf '%s %s\n' "$EPOCHREALTIME" "$line"
    done
}
mkfifo "$WORK/events"
stdbuf -oL xev -root -event substructure >"$WORK/events" 2>/dev/null &
XEV_PID=$!
stamp_lines <"$WORK/events" >"$EVENTS" &
STAMP_PID=$!
sleep 0.5

# The microsecond stamp of the MapNotify of a window (hex id) after a given stamp.
map_stamp() {  # map_stamp WINDOW_HEX AFTER
    awk -v window="$1" -v after="$2" '
        $2 == "MapNotify" { stamp = $1; next }
        stamp != "" && / window 0x/ {
            if (index($0, "window " window ",") && stamp + 0 >= after + 0) { print stamp; exit }
            stamp = ""
        }' "$EVENTS"
}

# one_run PROGRAM TITLE -> "milliseconds_to_map rss_kib"
one_run() {
    local program=$1 title=$2 start id hex mapped deadline rss
    start=$EPOCHREALTIME
    (cd "$(dirname "$program")" && exec "$program") >/dev/null 2>&1 &
    PROGRAM_PID=$!
    deadline=$((SECONDS + 20))
    id=
    while [ -z "$id" ]; do
        [ "$SECONDS" -lt "$deadline" ] || { echo "$0: $program showed no window" >&2; exit 1; }
        sleep 0.02
        id=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1 || true)
    done
    hex=$(printf '0x%x' "$id")
    mapped=
    while [ -z "$mapped" ]; do
        [ "$SECONDS" -lt "$deadline" ] || { echo "$0: no MapNotify for $hex" >&2; exit 1; }
        mapped=$(map_stamp "$hex" "$start")
        [ -n "$mapped" ] || sleep 0.02
    done
    # Resident memory one second after the map.
    sleep "$(awk -v mapped="$mapped" -v now="$EPOCHREALTIME" 'BEGIN { d = mapped + 1 - now; print (d > 0 ? d : 0) }')"
    rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$PROGRAM_PID/status")
    kill "$PROGRAM_PID"
    wait "$PROGRAM_PID" 2>/dev/null || true
    PROGRAM_PID=
    awk -v s="$start" -v m="$mapped" -v rss="$rss" 'BEGIN { printf "%.1f %d\n", (m - s) * 1000, rss }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One run of each first, not counted: it warms the file cache and the font cache.
one_run "$GAME" "$GAME_TITLE" >/dev/null
one_run "$EMPTY" "$EMPTY_TITLE" >/dev/null

: >"$WORK/game" && : >"$WORK/empty"
for ((i = 1; i <= RUNS; ++i)); do
    one_run "$GAME" "$GAME_TITLE" >>"$WORK/game"
    one_run "$EMPTY" "$EMPTY_TITLE" >>"$WORK/empty"
done

game_ms=$(cut -d' ' -f1 "$WORK/game" | median)
empty_ms=$(cut -d' ' -f1 "$WORK/empty" | median)
game_kib=$(cut -d' ' -f2 "$WORK/game" | median)
empty_kib=$(cut -d' ' -f2 "$WORK/empty" | median)

condition=
[ -z "$LOCK_HELD" ] || condition=", the store lock held by another program"
echo "start-up to the mapped main window, medians of $RUNS runs each$condition:"
echo "  game:   every run (ms): $(cut -d' ' -f1 "$WORK/game" | tr '\n' ' ')"
echo "  empty:  every run (ms): $(cut -d' ' -f1 "$WORK/empty" | tr '\n' ' ')"
awk -v g="$game_ms" -v e="$empty_ms" -v gk="$game_kib" -v ek="$empty_kib" 'BEGIN {
    printf "  time to map:  game %.1f ms, empty window %.1f ms, ratio %.2f (target at most 1.30)\n", g, e, g / e
    printf "  resident 1 s later:  game %.1f MB, empty window %.1f MB, difference %.1f MB (target at most 10)\n",
           gk / 1024, ek / 1024, (gk - ek) / 1024
}'
