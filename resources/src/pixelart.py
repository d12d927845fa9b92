#!/usr/bin/env python3
"""Turns a pixel grid (one character per pixel) into a PNG.

The grids are the hand-drawn sources of the small pictures: at 9 to 32
pixels a drawing placed pixel by pixel reads far better than a scaled
vector shape. Lines starting with '#' are comments. Every character maps
to one colour of the classic sixteen-colour palette; '-' is transparent,
and a grid that uses it is written with an alpha channel (the transparent
pixels keep a light button-face grey, so a reader that drops the alpha
still sees a sensible ground). Grids without '-' give plain 24-bit RGB.

usage: pixelart.py GRID.txt OUT.png
"""
import sys

from PIL import Image

PALETTE = {
    '.': (255, 255, 255),  # white
    'K': (0, 0, 0),        # black
    'R': (255, 0, 0),      # red
    'r': (128, 0, 0),      # maroon
    'G': (0, 255, 0),      # lime
    'g': (0, 128, 0),      # green
    'B': (0, 0, 255),      # blue
    'b': (0, 0, 128),      # navy
    'Y': (255, 255, 0),    # yellow
    'y': (128, 128, 0),    # olive
    'C': (0, 255, 255),    # cyan
    'c': (0, 128, 128),    # teal
    'M': (255, 0, 255),    # magenta
    'm': (128, 0, 128),    # purple
    'S': (192, 192, 192),  # silver
    'D': (128, 128, 128),  # grey
}
TRANSPARENT = '-'
GROUND = (240, 240, 240)


def read_grid(path):
    with open(path, encoding='ascii') as f:
        rows = [line.rstrip('\n') for line in f
                if line.strip() and not line.startswith('#')]
    if not rows:
        sys.exit(f'{path}: empty grid')
    width = len(rows[0])
    for y, row in enumerate(rows):
        if len(row) != width:
            sys.exit(f'{path}: row {y} is {len(row)} wide, expected {width}')
        bad = set(row) - set(PALETTE) - {TRANSPARENT}
        if bad:
            sys.exit(f'{path}: row {y} has unknown colours {sorted(bad)}')
    return rows


def grid_to_image(rows):
    has_alpha = any(TRANSPARENT in row for row in rows)
    image = Image.new('RGBA' if has_alpha else 'RGB', (len(rows[0]), len(rows)))
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch == TRANSPARENT:
                image.putpixel((x, y), GROUND + (0,))
            elif has_alpha:
                image.putpixel((x, y), PALETTE[ch] + (255,))
            else:
                image.putpixel((x, y), PALETTE[ch])
    return image


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    grid_to_image(read_grid(sys.argv[1])).save(sys.argv[2], optimize=True)


if __name__ == '__main__':
    main()
