#!/usr/bin/env bash
# The game as a blind player meets it: Debian's screen reader, Orca, speaking through
# speech-dispatcher and espeak-ng (into ALSA's null device: nobody listens here), on a
# private D-Bus session with the accessibility bus, under a real window manager. A seeded
# game is played with the keys alone and checked by what Orca said; then the table's
# objects are read on the bus (screen_reader.py). Orca and the game run as an
# unprivileged player: nobody, when started as root.
#
# usage: screen_reader.sh PATH/TO/vantrel
set -uo pipefail

PROGRAM=$(readlink -f "${1:?usage: screen_reader.sh VANTREL}")
HERE=$(dirname "$(readlink -f "$0")")
source "$HERE/lib.sh"

require_tools
for tool in orca speech-dispatcher dbus-run-session /usr/libexec/at-spi-bus-launcher \
    /usr/bin/python3 setpriv; do
    command -v "$tool" >/dev/null || fail "'$tool' is missing (scripts/install-deps.sh installs it)"
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
    fail "python3-pyatspi is missing (scripts/install-deps.sh installs it)"
[ -x "$PROGRAM" ] || fail "no program at $PROGRAM"
start_xvfb
start_window_manager
prepare_environment

# The player's own folder: the program, the check, a home with the settings of Orca and
# speech-dispatcher, the runtime folder and the stores.
PLAYER="$E2E_TMP/player"
mkdir -p "$PLAYER/home/config/speech-dispatcher" "$PLAYER/runtime"
cp "$PROGRAM" "$HERE/screen_reader.py" "$PLAYER/"
sed -e 's/^# *AudioOutputMethod .*/AudioOutputMethod "alsa"/' \
    -e 's/^# *AudioALSADevice .*/AudioALSADevice "null"/' \
    -e 's/^# *AddModule "espeak-ng" .*/AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"/' \
    -e 's/^# *DefaultModule espeak-ng/DefaultModule espeak-ng/' \
    /etc/speech-dispatcher/speechd.conf >"$PLAYER/home/config/speech-dispatcher/speechd.conf"
chmod 700 "$PLAYER/runtime"
as_player=()
if [ "$(id -u)" -eq 0 ]; then
    chmod 711 "$E2E_TMP"
    chown -R nobody:nogroup "$PLAYER"
    as_player=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi

"${as_player[@]}" env -u DBUS_SESSION_BUS_ADDRESS HOME="$PLAYER/home" \
    XDG_RUNTIME_DIR="$PLAYER/runtime" XDG_CONFIG_HOME="$PLAYER/home/config" \
    XDG_DATA_HOME="$PLAYER/home/data" XDG_CACHE_HOME="$PLAYER/home/cache" \
    VANTREL_MACHINE_STORE="$PLAYER/machine.reg" VANTREL_USER_STORE="$PLAYER/user.reg" \
    dbus-run-session -- /usr/bin/python3 "$PLAYER/screen_reader.py" "$PLAYER/$(basename "$PROGRAM")" ||
    fail "a player who cannot see the table was not told what happened (see above)"
say "all screen reader checks passed, as $("${as_player[@]}" id -un)"
