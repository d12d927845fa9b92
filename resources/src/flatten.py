#!/usr/bin/env python3
"""Finishes a rendered SVG for the program's resources.

  flatten.py IN.png OUT.png            24-bit RGB, laid on white
  flatten.py IN.png OUT.png --alpha    keeps the alpha channel; pixels that
                                       are fully transparent get a light
                                       button-face grey, so a reader that
                                       drops the alpha still sees a calm ground
"""
import sys

from PIL import Image

GROUND = (240, 240, 240)


def main():
    if len(sys.argv) not in (3, 4) or (len(sys.argv) == 4 and sys.argv[3] != '--alpha'):
        sys.exit(__doc__)
    image = Image.open(sys.argv[1]).convert('RGBA')
    if len(sys.argv) == 4:
        pixels = image.load()
        for y in range(image.height):
            for x in range(image.width):
                if pixels[x, y][3] == 0:
                    pixels[x, y] = GROUND + (0,)
        image.save(sys.argv[2], optimize=True)
    else:
        ground = Image.new('RGBA', image.size, (255, 255, 255, 255))
        Image.alpha_composite(ground, image).convert('RGB').save(sys.argv[2], optimize=True)


if __name__ == '__main__':
    main()
