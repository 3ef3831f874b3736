#!/usr/bin/python3
"""Searches for a board on which one lock sets off the longest chain of
clears, for the WorstChain benchmark. The piece lies still at the top, its
ring at (3, 0) and its R (turn 0) at (3, 1); the board without it holds no
word, and the chain leaves the spawn cell free and stays under 30 words (the
highest clear target), so the game goes on. A random hill climb maximises
the cells the clears repaint, using the game's rules for words and clears.

    /usr/bin/python3 bench/chain_search.py [seed] [seconds]
"""
import random
import sys
import time

W, H = 12, 16
FILLER = ("F", 3)  # an F no R in the search matches
TILES = [FILLER, ("R", 0), ("O", 0), ("F", 0)]
PIECE = ((3, 0), ("O", 0)), ((3, 1), ("R", 0))


def is_word(g, x, y, dx, dy):
    c = [g[x + i * dx][y + i * dy] for i in range(4)]
    return (c[0] and c[0][0] == "R" and c[1] and c[1][0] == "O" and c[2] and c[2][0] == "F"
            and c[2][1] == c[0][1] and c[3] and c[3][0] == "O")


def clear(g, x, y, cost):
    g[x][y] = None
    cost[0] += 1
    for i in range(y, H - 1):
        if g[x][i + 1] is not None:
            g[x][i], g[x][i + 1] = g[x][i + 1], None
            cost[0] += 2


def settle(g):
    """The game's scan: four sweeps, repeated until one finds nothing."""
    words, cost = 0, [0]
    while True:
        found = 0
        for y in range(H):
            for x in range(W - 3):
                if is_word(g, x, y, 1, 0):
                    found += 1
                    for i in range(4):
                        clear(g, x + i, y, cost)
        for y in range(H):
            for x in range(W - 1, 2, -1):
                if is_word(g, x, y, -1, 0):
                    found += 1
                    for i in range(4):
                        clear(g, x - i, y, cost)
        for x in range(W):
            for y in range(H - 3):
                if is_word(g, x, y, 0, 1):
                    found += 1
                    for _ in range(4):
                        clear(g, x, y, cost)
        for x in range(W):
            for y in range(H - 1, 2, -1):
                if is_word(g, x, y, 0, -1):
                    found += 1
                    for _ in range(4):
                        clear(g, x, y - 3, cost)
        words += found
        if not found:
            return words, cost[0]


def score(g):
    without = [col[:] for col in g]
    for (x, y), _ in PIECE:
        without[x][y] = None
    if settle(without)[0]:
        return -1, 0
    after = [col[:] for col in g]
    words, cost = settle(after)
    if after[6][14] is not None or words >= 30:
        return -1, 0
    return cost, words


def main():
    random.seed(int(sys.argv[1]) if len(sys.argv) > 1 else 4)
    seconds = float(sys.argv[2]) if len(sys.argv) > 2 else 150
    g = [[FILLER] * H for _ in range(W)]
    for (x, y), tile in PIECE:
        g[x][y] = tile
    best, words = score(g)
    end = time.time() + seconds
    while time.time() < end:
        h = [col[:] for col in g]
        for _ in range(random.randint(1, 3)):
            x = random.randrange(W)
            y = random.choice([random.randrange(H), random.randrange(6)])
            if (x, y) not in [cell for cell, _ in PIECE]:
                h[x][y] = random.choice(TILES)
        cost, w = score(h)
        if cost >= best:
            g, best, words = h, cost, w
    print(f"// {words} words, {best} cells repainted")
    for y in range(H):
        print('    "' + "".join(". " if g[x][y] is None else g[x][y][0] + (" " if g[x][y][0] == "O" else str(g[x][y][1]))
                            for x in range(W)) + '",')


if __name__ == "__main__":
    main()
