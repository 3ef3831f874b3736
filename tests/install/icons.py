"""Checks the menu icons against MAINICON, read here by Pillow rather than by
the game's own decoder: every size must be that icon scaled by nearest
neighbour, transparent where the icon is, with no blended colours.

Usage: icons.py MAINICON.ico ICON_THEME_DIR APP_ID SIZE...
"""
import sys

from PIL import Image


def expected_pixel(source, size, x, y):
    # The pixel under the centre of the output pixel.
    w, h = source.size
    return source.getpixel(((2 * x + 1) * w // (2 * size), (2 * y + 1) * h // (2 * size)))


def same(a, b):
    # Fully transparent pixels may differ in their colour channels.
    return a == b or (a[3] == 0 and b[3] == 0)


def check(source, path, size):
    icon = Image.open(path)
    if icon.size != (size, size):
        return f"{path}: {icon.size[0]}x{icon.size[1]}, not {size}x{size}"
    icon = icon.convert("RGBA")
    wrong = [(x, y) for y in range(size) for x in range(size)
             if not same(icon.getpixel((x, y)), expected_pixel(source, size, x, y))]
    if wrong:
        return f"{path}: {len(wrong)} pixels differ from MAINICON, first at {wrong[0]}"
    return None


def main():
    ico, theme, app_id, sizes = sys.argv[1], sys.argv[2], sys.argv[3], [int(s) for s in sys.argv[4:]]
    source = Image.open(ico).convert("RGBA")
    transparent = sum(1 for p in source.getdata() if p[3] == 0)
    print(f"MAINICON {source.size[0]}x{source.size[1]}, {transparent} transparent pixels")
    errors = [e for e in (check(source, f"{theme}/{s}x{s}/apps/{app_id}.png", s) for s in sizes) if e]
    for error in errors:
        print(error)
    sys.exit(1 if errors else 0)


main()
