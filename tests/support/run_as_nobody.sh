#!/usr/bin/env bash
# Runs a test program as the unprivileged user "nobody" when started as root (as CI
# runs), so that the cases about files another user planted meet the permissions a
# player has instead of root's. Started as any other user, it runs the program as is.
#
#   run_as_nobody.sh PROGRAM [ARGUMENTS...]
#
# The program and the leak checker's suppressions are copied into a private folder
# that nobody may read, since the build folder may lie under a home nobody can enter.
set -euo pipefail
program=$1
shift
if [ "$(id -u)" -ne 0 ]; then
  exec "$program" "$@"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$program" "$work/"
if [[ "${LSAN_OPTIONS:-}" =~ suppressions=([^:]+) ]]; then
  cp "${BASH_REMATCH[1]}" "$work/lsan.supp"
  LSAN_OPTIONS=${LSAN_OPTIONS/${BASH_REMATCH[1]}/$work/lsan.supp}
  export LSAN_OPTIONS
fi
mkdir "$work/home"
chown -R nobody:nogroup "$work"
chmod 700 "$work"
cd "$work"
HOME=$work/home TMPDIR=$work/home XDG_RUNTIME_DIR=$work/home \
  setpriv --reuid=nobody --regid=nogroup --clear-groups -- "$work/$(basename "$program")" "$@"
