#!/usr/bin/env bash
# Installs what is missing, builds the game twice (plain, and with AddressSanitizer
# and UndefinedBehaviorSanitizer) and runs the whole test suite on both through CTest.
# The end-to-end tests in a real X11 window run on the plain build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
jobs=$(nproc)

export QT_QPA_PLATFORMTHEME=
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

echo "== Sanitized build (AddressSanitizer, UndefinedBehaviorSanitizer)"
cmake -S "$root" -B "$root/build/asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVANTREL_SANITIZE=ON >/dev/null
cmake --build "$root/build/asan" -j "$jobs"
ctest --test-dir "$root/build/asan" --output-on-failure -LE end-to-end -j "$jobs"

echo "== Plain build"
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build/release" -j "$jobs"
ctest --test-dir "$root/build/release" --output-on-failure

echo "== Format"
"$root/scripts/check-format.sh"
