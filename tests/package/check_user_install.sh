#!/usr/bin/env bash
# An install by a normal user into a prefix of their own (cmake --install --prefix):
# it needs no root and writes nowhere else. Run as root, the test installs as the
# user nobody into a folder that nobody owns.
#
# usage: check_user_install.sh BUILD_DIR SOURCE_DIR APPLICATION_ID VERSION
set -uo pipefail

BUILD=$(readlink -f "${1:?usage: check_user_install.sh BUILD_DIR SOURCE_DIR APPLICATION_ID VERSION}")
SOURCE=$(readlink -f "${2:?}")
APP_ID=${3:?}
VERSION=${4:?}
HERE=$(dirname "$(readlink -f "$0")")
source "$HERE/../e2e/lib.sh"
source "$HERE/layout.sh"

as_user=()
MANIFEST="$BUILD/install_manifest.txt"
USER_HOME="$E2E_TMP/home"
mkdir -p "$USER_HOME"
if [ "$(id -u)" -eq 0 ]; then
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
    if ! "${as_user[@]}" test -r "$BUILD/cmake_install.cmake" -a -r "$SOURCE/LICENSE"; then
        say "SKIPPED: the user nobody cannot read $BUILD and $SOURCE"
        exit 77
    fi
    chmod 755 "$E2E_TMP"
    chown nobody "$USER_HOME"
    # cmake --install writes its list of installed files into the build folder,
    # which belongs to root here; a player's own build folder is theirs.
    touch "$MANIFEST"
    chown nobody "$MANIFEST"
    trap 'chown root "$MANIFEST"; cleanup' EXIT
fi

PREFIX="$USER_HOME/x"
"${as_user[@]}" mkdir -p "$PREFIX" || fail "cannot make $PREFIX"
say "cmake --install --prefix $PREFIX as $("${as_user[@]}" id -un)"
"${as_user[@]}" cmake --install "$BUILD" --prefix "$PREFIX" >"$E2E_TMP/install.log" 2>&1
status=$?
cat "$E2E_TMP/install.log"
check "the install succeeds" '[ "$status" -eq 0 ]'
check "every installed file lies in the prefix" \
    '[ -s "$MANIFEST" ] && ! grep -v "^$PREFIX/" "$MANIFEST" | grep -q .'
check_layout "$PREFIX" "$APP_ID"
version=$("${as_user[@]}" "$PREFIX/bin/vantrel-count" --version)
check "the installed counter runs as that user" '[ "$version" = "vantrel-count $VERSION" ]'
say "the user install checks passed"
