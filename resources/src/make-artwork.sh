#!/bin/sh
# Regenerates every picture under resources/ from the sources in this folder.
# Needs python3 with Pillow (Debian: python3-pil), rsvg-convert (librsvg2-bin),
# ImageMagick's identify and the Liberation fonts (fonts-liberation2).
# The generated PNGs are committed, so building the program never needs
# these tools.
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

# Program icon: a pixel grid with a transparent ground.
"$py" "$src/pixelart.py" "$src/pixels/icon.txt" "$icon/vantrel.png"

# Pictures of the splash/About window and of the donation dialog.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
render() { # svg width height
    rsvg-convert -w "$2" -h "$3" "$src/$1.svg" -o "$tmp/$1.png"
}
render splash 280 140
"$py" "$src/flatten.py" "$tmp/splash.png" "$pictures/splash.png"
render donate 350 135
"$py" "$src/flatten.py" "$tmp/donate.png" "$pictures/donate.png"
# The button picture keeps its transparent ground.
render proceed 48 24
"$py" "$src/flatten.py" "$tmp/proceed.png" "$pictures/proceed.png" --alpha

# The desktop's icon in the sizes of the hicolor theme, from its vector drawing
# (installed as it is for the scalable size).
icon_sizes="16 22 24 32 48 64 128 256"
for size in $icon_sizes; do
    mkdir -p "$icon/hicolor/$size"
    rsvg-convert -w "$size" -h "$size" "$src/icon.svg" -o "$tmp/icon.png"
    "$py" "$src/flatten.py" "$tmp/icon.png" "$icon/hicolor/$size/vantrel.png" --alpha
done

# Check every size, so a slip in a source cannot change what the program expects.
check() { # file width height
    size=$(identify -format '%wx%h' "$1")
    [ "$size" = "$2x$3" ] || { echo "$1 is $size, expected $2x$3" >&2; exit 1; }
}
check "$pictures/CBmp.png" 23 23
check "$pictures/DBmp.png" 19 23
check "$pictures/HBmp.png" 21 23
check "$pictures/SBmp.png" 21 23
check "$pictures/CPip.png" 9 10
check "$pictures/DPip.png" 9 9
check "$pictures/HPip.png" 9 9
check "$pictures/SPip.png" 9 9
check "$pictures/RCBmp.png" 71 81
check "$pictures/LCBmp.png" 82 108
check "$pictures/splash.png" 280 140
check "$pictures/donate.png" 350 135
check "$pictures/proceed.png" 48 24
check "$icon/vantrel.png" 32 32
for size in $icon_sizes; do
    check "$icon/hicolor/$size/vantrel.png" "$size" "$size"
done
echo "artwork written to $res"
