#!/usr/bin/env bash
# The game as a blind player meets it: Debian's own screen reader, Orca, speaking through
# speech-dispatcher and espeak-ng (into ALSA's null device, as nobody listens here), on a
# private D-Bus session with the accessibility bus, under a real window manager. A seeded
# game is played with the keys alone and what Orca said is read from its own log
# (orca_game.py). Orca and the game run as an unprivileged player: nobody, when started
# as root.
#
# usage: orca.sh PATH/TO/vantrel
set -uo pipefail

PROGRAM=$(readlink -f "${1:?usage: orca.sh VANTREL}")
HERE=$(dirname "$(readlink -f "$0")")
source "$HERE/lib.sh"

require_tools
for tool in orca speech-dispatcher espeak-ng dbus-run-session /usr/libexec/at-spi-bus-launcher \
    /usr/bin/python3 setpriv; do
    command -v "$tool" >/dev/null || fail "'$tool' is missing (scripts/install-deps.sh installs it)"
done
[ -x "$PROGRAM" ] || fail "no program at $PROGRAM"
start_xvfb
start_window_manager
prepare_environment

# The player's own folder, which nobody else may enter: the program, a home, the
# runtime folder, the settings of Orca and of speech-dispatcher, the stores.
PLAYER="$E2E_TMP/player"
mkdir -p "$PLAYER/home/config/speech-dispatcher" "$PLAYER/runtime"
cp "$PROGRAM" "$PLAYER/vantrel"
cp "$HERE/orca_game.py" "$PLAYER/"
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
say "Orca and the game run as $("${as_player[@]}" id -un)"

"${as_player[@]}" env -u DBUS_SESSION_BUS_ADDRESS HOME="$PLAYER/home" \
    XDG_RUNTIME_DIR="$PLAYER/runtime" XDG_CONFIG_HOME="$PLAYER/home/config" \
    XDG_DATA_HOME="$PLAYER/home/data" XDG_CACHE_HOME="$PLAYER/home/cache" \
    VANTREL_MACHINE_STORE="$PLAYER/machine.reg" VANTREL_USER_STORE="$PLAYER/user.reg" \
    dbus-run-session -- /usr/bin/python3 "$PLAYER/orca_game.py" "$PLAYER/vantrel" ||
    fail "what Orca said was not what a player must hear (see above)"
say "all checks of what Orca said passed"
