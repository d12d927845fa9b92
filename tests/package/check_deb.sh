#!/usr/bin/env bash
# The Debian package as CPack makes it from the release build: its name, lintian
# without errors or hardening tags, hardening-check on both programs, its contents
# (listed) with the install's layout under the prefix and nothing writable by others,
# the dependencies found by dpkg-shlibdeps, and the maintainer scripts, which make the
# shared store folder root:games 2775 on configure and leave it on remove, with its
# scores, until a purge. A build for another prefix makes no package.
#
# usage: check_deb.sh BUILD_DIR INSTALL_PREFIX APPLICATION_ID VERSION SHARED_STORE_FOLDER SOURCE_DIR
set -uo pipefail

BUILD=$(readlink -f "${1:?usage: check_deb.sh BUILD_DIR INSTALL_PREFIX APPLICATION_ID VERSION SHARED_STORE_FOLDER SOURCE_DIR}")
PREFIX=${2:?}
APP_ID=${3:?}
VERSION=${4:?}
STORE=${5:?}
SOURCE=$(readlink -f "${6:?}")
HERE=$(dirname "$(readlink -f "$0")")
source "$HERE/../e2e/lib.sh"
source "$HERE/layout.sh"

for tool in cpack dpkg-deb dpkg-shlibdeps lintian file hardening-check; do
    command -v "$tool" >/dev/null || fail "the tool '$tool' is missing (scripts/install-deps.sh installs it)"
done

say "cpack -G DEB"
cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$E2E_TMP/out" >"$E2E_TMP/cpack.log" 2>&1 ||
    fail "cpack failed: $(tail -n 5 "$E2E_TMP/cpack.log")"
DEB="$E2E_TMP/out/vantrel_${VERSION}_$(dpkg --print-architecture).deb"
check "the package is named vantrel_${VERSION}_<arch>.deb" '[ -f "$DEB" ]'

say "lintian:"
lintian --fail-on error --display-info "$DEB" 2>&1 | grep -v 'root privileges' | tee "$E2E_TMP/lintian.log"
lintian_status=${PIPESTATUS[0]}
check "lintian reports no errors" '[ "$lintian_status" -eq 0 ] && ! grep -q "^E:" "$E2E_TMP/lintian.log"'
check "lintian reports no hardening tag" '! grep -q " hardening-" "$E2E_TMP/lintian.log"'

say "contents:"
dpkg-deb --contents "$DEB" | tee "$E2E_TMP/contents.txt"
check "no entry is writable by others" \
    '! awk '\''substr($1, 1, 1) != "l" && substr($1, 9, 1) == "w"'\'' "$E2E_TMP/contents.txt" | grep -q .'
check "every entry belongs to root" '! awk '\''$2 != "root/root"'\'' "$E2E_TMP/contents.txt" | grep -q .'
check "nothing lies outside the prefix" \
    '! awk '\''{ print $6 }'\'' "$E2E_TMP/contents.txt" | grep -v -e "^\./$" -e "^\.${PREFIX%/}/" -e "^\.${PREFIX%/}$" | grep -q .'
dpkg-deb --extract "$DEB" "$E2E_TMP/tree"
check_layout "$E2E_TMP/tree$PREFIX" "$APP_ID"

# Control-flow marking is not asked for: Debian 12's C library start files carry none,
# so no program linked there has it, and dpkg-buildflags does not ask for it either.
# The counter calls no C library function that fortification checks: its only
# candidates, memcpy, memmove and memset, come from the C++ library's built-ins, which
# the checked wrappers never see. lintian, whose fortify check above leaves exactly
# those three out, stands for hardening-check's there.
say "hardening-check:"
bin="$E2E_TMP/tree$PREFIX/bin"
{ hardening-check --nocfprotection "$bin/vantrel" &&
    hardening-check --nocfprotection --nofortify "$bin/vantrel-count"; } | tee "$E2E_TMP/hardening.log"
hardening_status=${PIPESTATUS[0]}
check "hardening-check passes on both programs" '[ "$hardening_status" -eq 0 ]'

depends=$(dpkg-deb --field "$DEB" Depends)
say "Depends: $depends"
check "the dependencies name the Qt libraries and their translations, and the C library" \
    '[[ "$depends" == *libqt6widgets6* && "$depends" == *qt6-translations-l10n* && "$depends" == *libc6* ]]'
check "the section is games" '[ "$(dpkg-deb --field "$DEB" Section)" = games ]'

say "cpack on a hardened build for /usr/local"
OTHER="$E2E_TMP/other-prefix"
cmake -S "$SOURCE" -B "$OTHER" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_HARDEN=ON \
    -DCMAKE_INSTALL_PREFIX=/usr/local -DVANTREL_BUILD_TESTS=OFF >/dev/null ||
    fail "cannot configure for /usr/local"
refusal=$(cpack -G DEB --config "$OTHER/CPackConfig.cmake" -B "$E2E_TMP/other-out" 2>&1 | tr -s ' \n' ' ') &&
    fail "cpack succeeded on a build for /usr/local"
say "$refusal"
check "cpack stops there, naming the prefix and the release preset, and leaves no package" \
    '[[ "$refusal" == *"/usr/local, not /usr"*"release preset"* ]] &&
     ! find "$E2E_TMP/other-out" -name "*.deb" 2>/dev/null | grep -q .'

# --- maintainer scripts ----------------------------------------------------------

check "the program and its manual page name the same shared folder" \
    'grep -aq "$STORE" "$E2E_TMP/tree$PREFIX/bin/vantrel" &&
     zcat "$E2E_TMP/tree$PREFIX/share/man/man6/vantrel.6.gz" | grep -q "^\.I $STORE/machine\.reg"'

dpkg-deb --control "$DEB" "$E2E_TMP/control"
check "the scripts act on $STORE" \
    'grep -qx "store=$STORE" "$E2E_TMP/control/postinst" && grep -qx "store=$STORE" "$E2E_TMP/control/postrm"'
if [ "$(id -u)" -ne 0 ] || ! getent group games >/dev/null; then
    say "SKIPPED: running the maintainer scripts needs root and the group games"
    exit 0
fi
# The same scripts on a folder of the test's own, so that the machine's is never touched.
FAKE_STORE="$E2E_TMP/var/games/vantrel"
for script in postinst postrm; do
    sed "s|^store=.*|store=$FAKE_STORE|" "$E2E_TMP/control/$script" >"$E2E_TMP/$script"
done
sh "$E2E_TMP/postinst" configure || fail "postinst configure failed"
check "postinst makes the store folder root:games, mode 2775" \
    '[ "$(stat -c "%U:%G %a" "$FAKE_STORE")" = "root:games 2775" ]'
echo scores >"$FAKE_STORE/machine.reg"
sh "$E2E_TMP/postrm" remove || fail "postrm remove failed"
check "remove leaves the folder and its scores" '[ "$(cat "$FAKE_STORE/machine.reg")" = scores ]'
sh "$E2E_TMP/postinst" configure || fail "postinst configure failed on reinstall"
check "a reinstall keeps the scores" '[ "$(cat "$FAKE_STORE/machine.reg")" = scores ]'
sh "$E2E_TMP/postrm" purge || fail "postrm purge failed"
check "purge deletes the folder" '[ ! -e "$FAKE_STORE" ]'
say "all package checks passed"
