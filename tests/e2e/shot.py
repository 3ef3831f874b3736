"""Reads the game's screenshots for the end-to-end tests.

Usage: shot.py COMMAND SCREENSHOT ORIGIN_X ORIGIN_Y [ARGS]
  title RES_DIR        the picture area shows the title picture
  instructions         the board is the navy instruction screen
  board                prints the board's cells, one row per line
  labels               prints which label shows over the board: none, over
                       (ＧＡＭＥ　ＯＶＥＲ) or won (the congratulation)
"""
import sys

from PIL import Image

NAVY = (0, 0, 70)
BOARD = (25, 24)
PICTURE = (408, 125)


def crop(image, ox, oy, at, size):
    x, y = ox + at[0], oy + at[1]
    return image.crop((x, y, x + size[0], y + size[1])).convert("RGB")


def title(image, ox, oy, res):
    shown = crop(image, ox, oy, PICTURE, (400, 299))
    expected = Image.open(f"{res}/JPEG1.jpg").convert("RGB")
    total = sum(abs(a - b) for p, q in zip(shown.getdata(), expected.getdata()) for a, b in zip(p, q))
    mean = total / (400 * 299 * 3)
    print(f"title picture mean difference {mean:.2f}")
    return mean < 2.0


def instructions(image, ox, oy):
    board = crop(image, ox, oy, BOARD, (360, 480))
    pixels = list(board.getdata())
    other = sum(1 for p in pixels if p not in (NAVY, (255, 255, 255)))
    white_rows = {i // 360 for i, p in enumerate(pixels) if p == (255, 255, 255)}
    lines = [90, 150, 175, 220, 265, 290, 315, 340]
    lit = [any(y in white_rows for y in range(top, top + 14)) for top in lines]
    print(f"board: {other} pixels neither navy nor white; lines with text {sum(lit)}/8")
    return other == 0 and all(lit) and min(white_rows) >= 90


def cell_kind(board, cx, cy):
    """'.' empty, 'O' ring, 'R' or 'F' letter, '?' anything else."""
    colours = {board.getpixel((30 * cx + dx, 30 * cy + dy)) for dx in (1, 14, 27) for dy in (1, 27)}
    if colours == {NAVY}:
        return "."
    if (0, 0, 255) in colours:
        return "R"
    if (255, 0, 255) in colours:
        return "F"
    if (255, 255, 255) in colours:
        return "O"
    return "?"


def board_cells(image, ox, oy):
    board = crop(image, ox, oy, BOARD, (360, 480))
    for cy in range(16):
        print("".join(cell_kind(board, cx, cy) for cx in range(12)))
    return True


def labels(image, ox, oy):
    # The labels paint an opaque grey background that no tile has; the
    # game-over text is red, which no tile has either.
    area = list(crop(image, ox, oy, (40, 140), (345, 80)).getdata())
    grey = sum(1 for p in area if p[0] == p[1] == p[2] and 180 <= p[0] < 255)
    red = sum(1 for p in area if p[0] > 200 and p[1] < 60 and p[2] < 60)
    print("none" if grey < 500 else "over" if red > 100 else "won")
    return True


def main():
    command, path, ox, oy = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
    image = Image.open(path)
    handlers = {"title": title, "instructions": instructions, "board": board_cells, "labels": labels}
    ok = handlers[command](image, ox, oy, *sys.argv[5:])
    sys.exit(0 if ok else 1)


if __name__ == "__main__":
    main()
