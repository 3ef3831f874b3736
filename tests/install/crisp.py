"""Reads a screenshot of the game's window taken at an integer scale factor.

Usage: crisp.py SCREENSHOT ORIGIN_X ORIGIN_Y WIDTH HEIGHT SCALE OUT_1X [REFERENCE REF_X REF_Y]
  checks that the board and the picture area are drawn as uniform
  SCALE x SCALE blocks (pixel art enlarged without smoothing), and writes
  the window at the game's own scale to OUT_1X, one pixel a block, for the
  end-to-end checks of shot.py (with origin 0 0). Given a screenshot of the
  window at scale 1, the picture area must match it pixel for pixel.
"""
import sys

from PIL import Image

AREAS = {"board": (25, 24, 360, 480), "picture": (408, 125, 400, 299)}
# Only pictures are compared exactly: with a scale factor Qt lays text out
# without hinting, so a glyph on the instruction screen may sit a pixel off.
SAME_AS_SCALE_1 = ("picture",)


def blurred_blocks(window, scale, area):
    left, top, width, height = area
    blurred = 0
    for y in range(top, top + height):
        for x in range(left, left + width):
            box = (x * scale, y * scale, (x + 1) * scale, (y + 1) * scale)
            lo, hi = zip(*window.crop(box).getextrema())
            blurred += lo != hi
    return blurred


def main():
    path, ox, oy, width, height, scale = sys.argv[1], *map(int, sys.argv[2:7])
    window = Image.open(path).convert("RGB").crop((ox, oy, ox + width * scale, oy + height * scale))
    ok = True
    for name, area in AREAS.items():
        blurred = blurred_blocks(window, scale, area)
        print(f"{name}: {blurred} of {area[2] * area[3]} pixels not a uniform {scale}x{scale} block")
        ok = ok and blurred == 0
    small = window.resize((width, height), Image.NEAREST, box=(0, 0, width * scale, height * scale))
    small.save(sys.argv[7])
    if len(sys.argv) > 8:
        reference, rx, ry = Image.open(sys.argv[8]).convert("RGB"), int(sys.argv[9]), int(sys.argv[10])
        for name in SAME_AS_SCALE_1:
            left, top, w, h = AREAS[name]
            ours = small.crop((left, top, left + w, top + h))
            theirs = reference.crop((rx + left, ry + top, rx + left + w, ry + top + h))
            differ = sum(1 for a, b in zip(ours.getdata(), theirs.getdata()) if a != b)
            print(f"{name}: {differ} pixels differ from the window at scale 1")
            ok = ok and differ == 0
    sys.exit(0 if ok else 1)


main()
