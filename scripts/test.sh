#!/usr/bin/env bash
# Installs what is missing, builds the game twice (with AddressSanitizer and
# UndefinedBehaviorSanitizer, and as released) in folders of their own, and runs the
# whole test suite on both through CTest. The end-to-end tests in a real X11 window
# and the checks of the install and the Debian package run on the release build.
# --no-tests=error stops a run that finds no test at all, as when the suites were
# not built; it cannot notice one suite missing among the others. A suite whose
# folder or source vanished fails earlier, at the configure step, since every suite
# is named in the build files. Last, the store reader is fuzzed for a minute.
# After the format check the Windows version is cross-built and tested under wine
# (scripts/test-windows.sh); a machine's first run builds Qt for Windows for it, which
# takes about half an hour on two cores.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cd "$root"
jobs=$(nproc)

export QT_QPA_PLATFORMTHEME=
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

echo "== Sanitized build (AddressSanitizer, UndefinedBehaviorSanitizer)"
cmake --preset asan -DVANTREL_BUILD_TESTS=ON >/dev/null
cmake --build --preset asan -j "$jobs"
ctest --preset asan --no-tests=error -LE end-to-end -j "$jobs"

echo "== Release build"
cmake --preset release -DVANTREL_BUILD_TESTS=ON >/dev/null
cmake --build --preset release -j "$jobs"
ctest --preset release --no-tests=error -j "$jobs"

echo "== Fuzzing the store reader"
"$root/tests/fuzz/run.sh" 60

echo "== Format"
"$root/scripts/check-format.sh"

echo "== Windows version under wine"
"$root/scripts/test-windows.sh"
