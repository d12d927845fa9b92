#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it from the build folder,
# where the help document lies beside it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVANTREL_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build/release" --target vantrel
cd "$root/build/release"
exec ./vantrel
