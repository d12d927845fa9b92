#!/usr/bin/env python3
"""Draws the two card backs.

regular  71 x 81: an orange diagonal cross over grey and olive quarters.
large    82 x 108: white clouds on a blue sky.

Both get a one-pixel black border and a light inner frame. The shapes are
drawn four times larger and scaled down, so the slanted edges are smooth;
the frames are drawn afterwards at full size so they stay sharp.

usage: backs.py regular|large OUT.png
"""
import sys

from PIL import Image, ImageDraw

SCALE = 4

CREAM = (250, 244, 226)
BLACK = (0, 0, 0)


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def sharp_frames(image, inner_colour, inner_line=None):
    """Black outer border, a two-pixel light margin and an optional dark line inside it."""
    draw = ImageDraw.Draw(image)
    w, h = image.size
    draw.rectangle([1, 1, w - 2, h - 2], outline=inner_colour)
    draw.rectangle([2, 2, w - 3, h - 3], outline=inner_colour)
    if inner_line:
        draw.rectangle([3, 3, w - 4, h - 4], outline=inner_line)
    draw.rectangle([0, 0, w - 1, h - 1], outline=BLACK)


def woven(draw, box, base, light, dark, step):
    """Fills box with base and a fine diagonal lattice, like a woven cloth."""
    x0, y0, x1, y1 = box
    draw.rectangle(box, fill=base)
    span = (x1 - x0) + (y1 - y0)
    for k in range(-span, span, step):
        draw.line([(x0 + k, y0), (x0 + k + span, y0 + span)], fill=light, width=SCALE)
        draw.line([(x0 + k, y1), (x0 + k + span, y1 - span)], fill=dark, width=SCALE)


def regular_back():
    w, h = 71, 81
    m = 4  # pattern starts inside the border, margin and line
    W, H = w * SCALE, h * SCALE
    big = Image.new('RGB', (W, H), CREAM)
    draw = ImageDraw.Draw(big)
    x0, y0, x1, y1 = m * SCALE, m * SCALE, (w - m) * SCALE, (h - m) * SCALE
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2

    grey = Image.new('RGB', (W, H))
    woven(ImageDraw.Draw(grey), (0, 0, W, H), (146, 146, 140), (170, 170, 164), (122, 122, 116), 5 * SCALE)
    olive = Image.new('RGB', (W, H))
    woven(ImageDraw.Draw(olive), (0, 0, W, H), (120, 120, 20), (146, 146, 44), (96, 96, 8), 5 * SCALE)

    # Quarters: the diagonals split the field into top and bottom (grey)
    # and left and right (olive) triangles.
    mask = Image.new('L', (W, H), 0)
    mdraw = ImageDraw.Draw(mask)
    mdraw.polygon([(x0, y0), (x1, y0), (cx, cy)], fill=255)
    mdraw.polygon([(x0, y1), (x1, y1), (cx, cy)], fill=255)
    field = Image.composite(grey, olive, mask)
    big.paste(field.crop((x0, y0, x1, y1)), (x0, y0))

    # The orange cross along both diagonals: dark rim, orange band, light core.
    for width, colour in ((11, (150, 60, 0)), (9, (255, 140, 0)), (3, (255, 200, 90))):
        for a, b in (((x0, y0), (x1, y1)), ((x1, y0), (x0, y1))):
            draw.line([a, b], fill=colour, width=width * SCALE)
    # A medallion where the bands cross.
    r = 9 * SCALE
    diamond = [(cx, cy - r), (cx + r * 0.8, cy), (cx, cy + r), (cx - r * 0.8, cy)]
    draw.polygon(diamond, fill=(150, 60, 0))
    r2 = r - 2 * SCALE
    draw.polygon([(cx, cy - r2), (cx + r2 * 0.8, cy), (cx, cy + r2), (cx - r2 * 0.8, cy)], fill=CREAM)
    r3 = 3 * SCALE
    draw.ellipse([cx - r3, cy - r3, cx + r3, cy + r3], fill=(255, 140, 0), outline=(150, 60, 0), width=SCALE)

    small = big.resize((w, h), Image.LANCZOS)
    sharp_frames(small, CREAM, inner_line=(70, 60, 30))
    return small


def cloud(canvas, cx, base, size):
    """A cumulus: round puffs heaped on a flat base, shaded towards the base."""
    W, H = canvas.size
    mask = Image.new('L', (W, H), 0)
    draw = ImageDraw.Draw(mask)
    puffs = [(-0.95, -0.30, 0.42), (-0.45, -0.62, 0.55), (0.15, -0.80, 0.66),
             (0.70, -0.55, 0.50), (1.10, -0.28, 0.36)]
    for dx, dy, r in puffs:
        x, y, rr = cx + dx * size, base + dy * size, r * size
        draw.ellipse([x - rr, y - rr, x + rr, y + rr], fill=255)
    draw.rectangle([cx - 1.0 * size, base - 0.45 * size, cx + 1.15 * size, base], fill=255)
    draw.rectangle([0, base, W, H], fill=0)  # the flat underside
    shade = Image.new('RGB', (W, H))
    sdraw = ImageDraw.Draw(shade)
    top_y = base - 1.5 * size
    for y in range(max(0, int(top_y)), min(H, int(base) + 1)):
        t = max(0.0, (y - (base - 0.7 * size)) / (0.7 * size))
        sdraw.line([(0, y), (W, y)], fill=mix((255, 255, 255), (196, 212, 236), t))
    canvas.paste(shade, (0, 0), mask)


def large_back():
    w, h = 82, 108
    W, H = w * SCALE, h * SCALE
    big = Image.new('RGB', (W, H))
    draw = ImageDraw.Draw(big)
    top, bottom = (22, 78, 180), (120, 178, 240)
    for y in range(H):
        draw.line([(0, y), (W, y)], fill=mix(top, bottom, y / (H - 1)))

    # (centre x, base y, size) as fractions of the picture; some clouds run
    # off the edge, as clouds in a window would.
    for fx, fy, fs in ((0.28, 0.25, 0.17), (0.92, 0.40, 0.15), (0.38, 0.62, 0.21),
                       (0.95, 0.83, 0.13), (0.10, 0.95, 0.14)):
        cloud(big, fx * W, fy * H, fs * W)

    small = big.resize((w, h), Image.LANCZOS)
    sharp_frames(small, (255, 255, 255))
    return small


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in ('regular', 'large'):
        sys.exit(__doc__)
    image = regular_back() if sys.argv[1] == 'regular' else large_back()
    image.save(sys.argv[2], optimize=True)


if __name__ == '__main__':
    main()
