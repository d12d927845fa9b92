#!/usr/bin/env bash
# Installs what is missing, builds the game and the counter in a folder of their own
# (build/play, never the test command's) and starts the game from there, where the
# help document lies beside it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cd "$root"
cmake --preset play >/dev/null
cmake --build --preset play
cd "$root/build/play"
exec ./vantrel
