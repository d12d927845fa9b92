# Helpers for driving the game in a real X11 window: a private Xvfb display, the
# program's process, waiting for windows, real pointer and key events through xdotool,
# and pixels read back from screenshots. Sourced by the end-to-end scripts.

MAIN_TITLE='^Vantrel 8\.00 - Freeware Edition - Cribbage Solitaire for Windows$'
SCREEN_W=1024
SCREEN_H=768

E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/vantrel-e2e.XXXXXX")
XVFB_PID=
WM_PID=
PROGRAM_PID=
FAILED=0

# The real ImageMagick, not a wrapper earlier in PATH that may change pixels.
if [ -x /usr/bin/convert ]; then CONVERT=/usr/bin/convert; else CONVERT=convert; fi

now_ms() { echo $(($(date +%s%N) / 1000000)); }
E2E_START=$(now_ms)
say() {
    local ms=$(($(now_ms) - E2E_START))
    printf '[e2e %3d.%03ds] %s\n' $((ms / 1000)) $((ms % 1000)) "$*"
}

# Records a failed check, keeps a screenshot of the moment, and stops the test.
fail() {
    FAILED=1
    echo "FAIL: $*" >&2
    local shot="$E2E_TMP/failure-$(date +%H%M%S%N).png"
    if [ -n "${DISPLAY:-}" ] && import -window root "$shot" 2>/dev/null; then
        echo "      screenshot: $shot" >&2
    fi
    echo "      test folder kept: $E2E_TMP" >&2
    exit 1
}

# check DESCRIPTION CONDITION: one named check; CONDITION is shell code, evaluated
# here so that a condition joined with && fails the check as a whole.
check() {
    if eval "$2"; then say "ok: $1"; else fail "$1"; fi
}

cleanup() {
    if [ -n "$PROGRAM_PID" ] && kill -0 "$PROGRAM_PID" 2>/dev/null; then
        kill "$PROGRAM_PID" 2>/dev/null
        wait "$PROGRAM_PID" 2>/dev/null
    fi
    if [ -n "$WM_PID" ]; then
        kill "$WM_PID" 2>/dev/null
        wait "$WM_PID" 2>/dev/null
    fi
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
    fi
    if [ "$FAILED" -eq 0 ]; then rm -rf "$E2E_TMP"; fi
}
trap cleanup EXIT
trap 'fail "interrupted"' INT TERM

require_tools() {
    local tool
    for tool in Xvfb xdotool import od awk "$CONVERT"; do
        command -v "$tool" >/dev/null || fail "the tool '$tool' is missing (scripts/install-deps.sh installs it)"
    done
}

# A display of our own: Xvfb picks a free number and tells it through a pipe.
# -noreset keeps the server when its last client leaves, so a starting program
# cannot lose its display between two runs.
start_xvfb() {
    local fifo="$E2E_TMP/displayfd"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 ${SCREEN_W}x${SCREEN_H}x24 -noreset -nolisten tcp \
        3>"$fifo" 2>"$E2E_TMP/xvfb.log" &
    XVFB_PID=$!
    local number
    read -r -t 20 number <"$fifo" || fail "Xvfb did not start (see $E2E_TMP/xvfb.log)"
    export DISPLAY=":$number"
    say "Xvfb on $DISPLAY"
}

# The environment every run shares: private stores and runtime folder, no platform
# theme (a theme changes the menu bar), the real X11 platform.
prepare_environment() {
    mkdir -p "$E2E_TMP/runtime" "$E2E_TMP/home"
    chmod 700 "$E2E_TMP/runtime"
    export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
    export XDG_CONFIG_HOME="$E2E_TMP/home/config"
    export XDG_DATA_HOME="$E2E_TMP/home/data"
    export XDG_CACHE_HOME="$E2E_TMP/home/cache"
    export QT_QPA_PLATFORMTHEME=
    export LANGUAGE=en  # the English desktop the checks read their texts from
    export QT_QPA_PLATFORM=xcb
    export VANTREL_MACHINE_STORE="$E2E_TMP/machine.reg"
    export VANTREL_USER_STORE="$E2E_TMP/user.reg"
    unset VANTREL_SEED
}

# A real window manager on our display, as on a desktop: it frames, places and focuses
# the windows, and the frame arrives only after a window is first shown. openbox
# announces itself on the root window once it manages the display.
start_window_manager() {
    command -v openbox >/dev/null || fail "openbox is missing (scripts/install-deps.sh installs it)"
    openbox --sm-disable >"$E2E_TMP/openbox.log" 2>&1 &
    WM_PID=$!
    wait_until 10 "openbox to manage the display" window_manager_running
    say "openbox manages $DISPLAY"
}
window_manager_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# Loads OUTER_X, OUTER_Y, OUTER_W, OUTER_H of a framed window: its client area widened
# by the frame the window manager reports.
outer_geometry() {
    local extents left right top bottom
    window_geometry "$1" || return 1
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ' ')
    [ -n "$extents" ] || return 1
    IFS=, read -r left right top bottom <<<"$extents"
    OUTER_X=$((WIN_X - left)) OUTER_Y=$((WIN_Y - top))
    OUTER_W=$((WIN_W + left + right)) OUTER_H=$((WIN_H + top + bottom))
}
outer_size_is() { outer_geometry "$1" && [ "$OUTER_W" -eq "$2" ] && [ "$OUTER_H" -eq "$3" ]; }

# wait_until TIMEOUT_SECONDS DESCRIPTION COMMAND...: polls every 50 ms.
wait_until() {
    local limit=$1 what=$2
    shift 2
    local deadline=$(($(now_ms) + limit * 1000))
    while ! "$@"; do
        [ "$(now_ms)" -lt "$deadline" ] || fail "timed out after ${limit}s waiting for: $what"
        sleep 0.05
    done
}

program_running() { kill -0 "$PROGRAM_PID" 2>/dev/null; }
program_gone() { ! kill -0 "$PROGRAM_PID" 2>/dev/null; }

# Collects the ended program's exit status into PROGRAM_STATUS.
finish_program() {
    PROGRAM_STATUS=0
    wait "$PROGRAM_PID" || PROGRAM_STATUS=$?
    PROGRAM_PID=
}

visible_window_named() {  # prints the id of the visible window whose name matches
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1
}

has_window_named() { [ -n "$(visible_window_named "$1")" ]; }
no_window_named() { [ -z "$(visible_window_named "$1")" ]; }

# Loads WIN_X, WIN_Y, WIN_W, WIN_H of a window's client area, in root coordinates, as
# xwininfo reports them (xdotool's position of a window that a window manager has
# framed is off by the frame). A window may vanish between finding it and asking:
# then all four are 0.
window_geometry() {
    local info
    WIN_X=0 WIN_Y=0 WIN_W=0 WIN_H=0
    info=$(xwininfo -id "$1" 2>/dev/null) || return 1
    WIN_X=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
    WIN_Y=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
    WIN_W=$(sed -n 's/^ *Width: *//p' <<<"$info")
    WIN_H=$(sed -n 's/^ *Height: *//p' <<<"$info")
    [ "${WIN_W:-0}" -gt 0 ]
}

# The visible top-level window of the program with the given size, if any.
visible_window_sized() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$PROGRAM_PID" 2>/dev/null); do
        window_geometry "$id"
        if [ "$WIN_W" -eq "$1" ] && [ "$WIN_H" -eq "$2" ]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

has_window_sized() { visible_window_sized "$1" "$2" >/dev/null; }
no_window_sized() { ! visible_window_sized "$1" "$2" >/dev/null; }

# --- pixels -------------------------------------------------------------------

SHOT="$E2E_TMP/screen.rgb"

# One capture of the whole screen, kept as raw RGB bytes for fast lookups.
screenshot() {
    import -window root -depth 8 "rgb:$SHOT" 2>/dev/null || fail "cannot capture the screen"
}

# pixel X Y (root coordinates) -> rrggbb, from the last screenshot.
pixel() {
    local offset=$((($2 * SCREEN_W + $1) * 3))
    od -An -v -tx1 -j "$offset" -N 3 "$SHOT" | tr -d ' \n'
}

# Counts the pixels of a root rectangle [x0,x1) x [y0,y1) in the last screenshot
# whose colour falls in a class: red, black, white, yellow, green, or
# "none-of:rrggbb,rrggbb,...".
count_pixels() {
    local x0=$1 y0=$2 x1=$3 y1=$4 class=$5 row=$((SCREEN_W * 3))
    # One read of the rows concerned, a screen row a line.
    od -An -v -tu1 -w"$row" -j $((y0 * row)) -N $(((y1 - y0) * row)) "$SHOT" |
        awk -v x0="$x0" -v x1="$x1" -v class="$class" '
            function is(c, r, g, b) {
                if (c == "red") return r > 200 && g < 80 && b < 80
                if (c == "black") return r < 60 && g < 60 && b < 60
                if (c == "white") return r == 255 && g == 255 && b == 255
                if (c == "yellow") return r == 255 && g == 255 && b == 0
                if (c == "green") return r == 0 && g == 128 && b == 0
                if (c ~ /^none-of:/) return index(substr(c, 9), sprintf("%02x%02x%02x", r, g, b)) == 0
                return 0
            }
            { for (x = x0; x < x1; ++x) { i = 3 * x + 1; if (is(class, $i, $(i + 1), $(i + 2))) n++ } }
            END { print n + 0 }'
}

# --- the table ----------------------------------------------------------------
# Surface coordinates: the drawing surface fills the client area below the menu bar.

MAIN_WIN=
SURF_X=
SURF_Y=

# Finds the main window and where its drawing surface starts: the first felt-green
# pixel down the window's left column, so no menu bar height is assumed.
locate_surface() {
    MAIN_WIN=$(main_window_id)
    [ -n "$MAIN_WIN" ] || fail "no main window"
    window_geometry "$MAIN_WIN"
    MAIN_X=$WIN_X MAIN_Y=$WIN_Y MAIN_W=$WIN_W MAIN_H=$WIN_H
    screenshot
    local y x=$((MAIN_X + 2))
    for ((y = MAIN_Y; y < MAIN_Y + MAIN_H; ++y)); do
        if [ "$(pixel "$x" "$y")" = 008000 ]; then
            SURF_X=$MAIN_X
            SURF_Y=$y
            say "main window $MAIN_WIN at $MAIN_X,$MAIN_Y ${MAIN_W}x$MAIN_H; table from y $SURF_Y (menu bar $((SURF_Y - MAIN_Y)) px)"
            return 0
        fi
    done
    fail "no felt-green pixel in the main window's left column"
}

# Surface pixel -> colour, from the last screenshot.
table_pixel() { pixel $((SURF_X + $1)) $((SURF_Y + $2)); }

table_pixel_is() {  # table_pixel_is X Y rrggbb
    local got
    got=$(table_pixel "$1" "$2")
    [ "$got" = "$3" ] || { echo "      pixel ($1,$2) of the table is $got, expected $3" >&2; return 1; }
}

table_count() {  # table_count X0 Y0 X1 Y1 CLASS (surface coordinates)
    count_pixels $((SURF_X + $1)) $((SURF_Y + $2)) $((SURF_X + $3)) $((SURF_Y + $4)) "$5"
}

# Real pointer events at surface coordinates.
table_move() { xdotool mousemove $((SURF_X + $1)) $((SURF_Y + $2)); }
table_press() { table_move "$1" "$2" && xdotool mousedown 1 && sleep 0.05 && xdotool mouseup 1; }
table_click() { table_move "$1" "$2" && xdotool click 1; }
