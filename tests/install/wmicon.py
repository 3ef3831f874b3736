"""Compares the icon a window offers the task bar (_NET_WM_ICON, as printed
by `xprop -notype 32c _NET_WM_ICON`) with a PNG of the same size.

Usage: wmicon.py XPROP_OUTPUT PNG
"""
import re
import sys

from PIL import Image


def main():
    values = [int(v) for v in re.findall(r"\d+", open(sys.argv[1]).read().partition("=")[2])]
    if len(values) < 2:
        print("the window offers no icon")
        sys.exit(1)
    width, height, argb = values[0], values[1], values[2:2 + values[0] * values[1]]
    png = Image.open(sys.argv[2]).convert("RGBA")
    if png.size != (width, height):
        print(f"window icon {width}x{height}, file {png.size[0]}x{png.size[1]}")
        sys.exit(1)
    shown = [((v >> 16) & 255, (v >> 8) & 255, v & 255, v >> 24) for v in argb]
    wrong = sum(1 for a, b in zip(shown, png.getdata()) if a != b and not (a[3] == 0 and b[3] == 0))
    print(f"window icon {width}x{height}: {wrong} pixels differ from {sys.argv[2]}")
    sys.exit(1 if wrong else 0)


main()
