#!/usr/bin/env bash
# Builds the Windows version in build/windows: the cached Qt for Windows first, when
# this machine has none yet (scripts/windows/build-qt.sh; about half an hour on two
# cores, once), then vantrel.exe and vantrel-count.exe (self-contained: static Qt and
# runtime, no DLL beside them), the suites that run under wine, and from them the
# setup program build/windows/vantrel-VERSION-setup.exe and the portable
# build/windows/vantrel-VERSION-windows.zip.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
VANTREL_QT_WINDOWS=$("$root/scripts/windows/build-qt.sh")
export VANTREL_QT_WINDOWS
# A build folder made against another Qt (its options changed) starts afresh.
fresh=()
if ! grep -qsx "Qt6_DIR:PATH=$VANTREL_QT_WINDOWS/lib/cmake/Qt6" build/windows/CMakeCache.txt; then
  fresh=(--fresh)
fi
cmake --preset windows "${fresh[@]}" >/dev/null
cmake --build --preset windows -j "$(nproc)"
cmake --build --preset windows --target windows_packages
