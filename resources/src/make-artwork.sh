#!/bin/sh
# Regenerates every picture under resources/ from the sources in this folder.
# Needs python3 with Pillow (Debian: python3-pil), rsvg-convert (librsvg2-bin)
# and ImageMagick's convert. The generated PNGs are committed, so building the
# program never needs these tools.
set -eu

src=$(cd "$(dirname "$0")" && pwd)
res=$(dirname "$src")
pictures=$res/pictures
icon=$res/icon
# Debian's Pillow belongs to the system interpreter, which a user-level
# python3 earlier on PATH may not see.
if [ -x /usr/bin/python3 ]; then py=${PYTHON:-/usr/bin/python3}; else py=${PYTHON:-python3}; fi

mkdir -p "$pictures" "$icon"

# Suit pictures and pips: hand-drawn pixel grids.
for name in CBmp DBmp HBmp SBmp CPip DPip HPip SPip; do
    "$py" "$src/pixelart.py" "$src/pixels/$name.txt" "$pictures/$name.png"
done

# Card backs.
"$py" "$src/backs.py" regular "$pictures/RCBmp.png"
"$py" "$src/backs.py" large "$pictures/LCBmp.png"
