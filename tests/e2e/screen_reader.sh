#!/usr/bin/env bash
# The game's objects as a screen reader finds them: on a private D-Bus session with the
# AT-SPI accessibility bus, the table's objects are read, where they lie and what their
# press actions do (screen_reader.py). What a player hears is checked by orca.sh.
#
# usage: screen_reader.sh PATH/TO/vantrel
set -uo pipefail

PROGRAM=$(readlink -f "${1:?usage: screen_reader.sh VANTREL}")
HERE=$(dirname "$(readlink -f "$0")")
source "$HERE/lib.sh"

require_tools
for tool in dbus-run-session /usr/libexec/at-spi-bus-launcher /usr/bin/python3; do
    command -v "$tool" >/dev/null || fail "'$tool' is missing (scripts/install-deps.sh installs it)"
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
    fail "python3-pyatspi is missing (scripts/install-deps.sh installs it)"
[ -x "$PROGRAM" ] || fail "no program at $PROGRAM"
start_xvfb
prepare_environment
export E2E_TMP

dbus-run-session -- /usr/bin/python3 "$HERE/screen_reader.py" "$PROGRAM" ||
    fail "a screen reader's check failed (see above)"
say "all screen reader checks passed"
