#!/usr/bin/python3
"""Check the game's resource files for the properties the game relies on.

usage: /usr/bin/python3 tools/check_resources.py [RESDIR]   (default: res/)

Tiles: 344-byte bitmap resources, 20x20, 4 bits per pixel, the standard
16-colour palette, exactly two colours each, the ring drawn as the board
expects it, and each R/F bitmap one clockwise quarter turn of the one
before.  Icon: one 32x32 16-colour image with its AND mask.  Pictures:
baseline JFIF 1.01, 400x299, 4:2:0, two quantisation tables, four
Huffman tables, one scan, no restart interval, no other APPn/COM.
"""
import os
import struct
import sys

PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (128, 128, 128),
    (192, 192, 192), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

# Green columns of the ring tile, per row from the top, as ranges.
RING = {2: [(6, 13)], 3: [(4, 15)], 4: [(4, 6), (13, 15)],
        5: [(3, 4), (15, 16)], 6: [(2, 4), (15, 17)]}
for _r in range(7, 13):
    RING[_r] = [(2, 3), (16, 17)]
for _r in list(RING):
    RING[19 - _r] = RING[_r]


class Failure(Exception):
    pass


def expect(cond, what):
    if not cond:
        raise Failure(what)


def read_palette(data, off):
    pal = []
    for i in range(16):
        b, g, r, z = data[off + 4 * i: off + 4 * i + 4]
        pal.append((r, g, b))
        expect(z == 0, 'palette reserved byte')
    expect(pal == PALETTE, 'palette is not the standard 16 colours')


def read_4bit(data, off, w, h):
    """Rows of indices, returned top row first."""
    stride = ((w * 4 + 31) // 32) * 4
    rows = []
    for r in range(h):
        line = data[off + r * stride: off + (r + 1) * stride]
        px = []
        for c in range(w):
            byte = line[c // 2]
            px.append(byte >> 4 if c % 2 == 0 else byte & 15)
        expect(all(b == 0 for b in line[(w + 1) // 2:]), 'row padding')
        rows.append(px)
    return rows[::-1]


def info_header(data, off, w, h, image_size):
    f = struct.unpack_from('<IiiHHIIiiII', data, off)
    expect(f == (40, w, h, 1, 4, 0, image_size, 0, 0, 0, 0),
           'BITMAPINFOHEADER %r' % (f,))


def load_tile(path):
    data = open(path, 'rb').read()
    expect(len(data) == 344, '%d bytes, not 344' % len(data))
    info_header(data, 0, 20, 20, 240)
    read_palette(data, 40)
    return read_4bit(data, 104, 20, 20)


def turn(px):
    n = len(px)
    out = [[None] * n for _ in range(n)]
    for r in range(n):
        for c in range(n):
            out[c][n - 1 - r] = px[r][c]
    return out


def check_tiles(res):
    ring = load_tile(os.path.join(res, 'BITMAPO.dib'))
    for r in range(20):
        want = set()
        for a, b in RING.get(r, []):
            want |= set(range(a, b + 1))
        for c in range(20):
            expect(ring[r][c] == (10 if c in want else 15),
                   'ring pixel row %d col %d' % (r, c))
    for letter, ground in (('R', 12), ('F', 13)):
        tiles = [load_tile(os.path.join(res, 'BITMAP%s%d.dib' % (letter, k)))
                 for k in range(1, 5)]
        up = tiles[0]
        for k, t in enumerate(tiles):
            expect({v for row in t for v in row} == {ground, 15},
                   '%s%d colours' % (letter, k + 1))
        fig = [(r, c) for r in range(20) for c in range(20)
               if up[r][c] == 15]
        expect(all(2 <= r <= 17 and 3 <= c <= 16 for r, c in fig),
               '%s1 letter leaves its box' % letter)
        # no hairlines: every letter pixel lies in a run of at least two,
        # across or down (the strokes are two pixels thick)
        def run(r, c, dr, dc):
            n = 1
            for sgn in (1, -1):
                rr, cc = r + sgn * dr, c + sgn * dc
                while 0 <= rr < 20 and 0 <= cc < 20 and up[rr][cc] == 15:
                    n += 1
                    rr, cc = rr + sgn * dr, cc + sgn * dc
            return n
        for r, c in fig:
            expect(run(r, c, 0, 1) >= 2 or run(r, c, 1, 0) >= 2,
                   '%s1 has a one-pixel stroke at row %d col %d'
                   % (letter, r, c))
        for k in range(3):
            expect(tiles[k + 1] == turn(tiles[k]),
                   '%s%d is not %s%d turned clockwise'
                   % (letter, k + 2, letter, k + 1))
        expect(len({str(t) for t in tiles}) == 4,
               '%s turns are not all different' % letter)
    return 'tiles: 9 x 344 bytes, ring exact, R/F two colours, turns ok'


def check_icon(res):
    data = open(os.path.join(res, 'MAINICON.ico'), 'rb').read()
    expect(struct.unpack_from('<HHH', data, 0) == (0, 1, 1), 'ICONDIR')
    w, h, cc, rsv, planes, bits, size, off = \
        struct.unpack_from('<BBBBHHII', data, 6)
    expect((w, h, cc, rsv, planes, bits, off) == (32, 32, 16, 0, 1, 4, 22),
           'ICONDIRENTRY')
    expect(size == 40 + 64 + 512 + 128 and len(data) == 22 + size,
           'icon image size')
    info_header(data, 22, 32, 64, 640)
    read_palette(data, 62)
    xor = read_4bit(data, 126, 32, 32)
    mask = []
    for r in range(32):
        bits_row = data[638 + r * 4: 642 + r * 4]
        mask.append([(bits_row[c // 8] >> (7 - c % 8)) & 1
                     for c in range(32)])
    mask = mask[::-1]
    for qy in (0, 16):
        for qx in (0, 16):
            for i in range(16):
                for r, c in ((qy + i, qx + 15), (qy + 15, qx + i)):
                    if i == 0:
                        expect(mask[r][c] == 1 and xor[r][c] == 0,
                               'shadow start %d,%d not transparent' % (r, c))
                    else:
                        expect(mask[r][c] == 0 and xor[r][c] == 4,
                               'shadow %d,%d' % (r, c))
    opaque = sum(1 for row in mask for m in row if m == 0)
    expect(opaque == 32 * 32 - 8, 'only the 8 shadow starts are clear')
    grounds = {(0, 0): 12, (0, 16): 15, (16, 0): 15, (16, 16): 13}
    figures = {(0, 0): 15, (0, 16): 10, (16, 0): 10, (16, 16): 15}
    for (qy, qx), g in grounds.items():
        seen = {xor[qy + r][qx + c] for r in range(15) for c in range(15)}
        expect(seen == {g, figures[(qy, qx)]}, 'icon tile colours %r' % seen)
    return 'icon: 32x32x4 + mask, R O / O F tiles, offset shadows ok'


def jpeg_segments(data):
    expect(data[:2] == b'\xff\xd8', 'SOI')
    pos, segs = 2, []
    while True:
        expect(data[pos] == 0xFF, 'marker expected at %d' % pos)
        marker = data[pos + 1]
        if marker == 0xD9:
            segs.append((marker, b''))
            expect(pos + 2 == len(data), 'data after EOI')
            return segs
        length = struct.unpack_from('>H', data, pos + 2)[0]
        body = data[pos + 4: pos + 2 + length]
        segs.append((marker, body))
        pos += 2 + length
        if marker == 0xDA:
            # skip entropy-coded data up to the next real marker
            while not (data[pos] == 0xFF and data[pos + 1] not in
                       (0x00,) + tuple(range(0xD0, 0xD8))):
                pos += 1


def check_jpeg(path, unit, dens):
    segs = jpeg_segments(open(path, 'rb').read())
    names = [m for m, _ in segs]
    expect(names[0] == 0xE0, 'APP0 first')
    app0 = segs[0][1]
    expect(app0[:5] == b'JFIF\0', 'JFIF identifier')
    ver, u, xd, yd, tx, ty = struct.unpack_from('>HBHHBB', app0, 5)
    expect(ver == 0x0101, 'JFIF version %x' % ver)
    expect((u, xd, yd) == (unit, dens, dens), 'density %r' % ((u, xd, yd),))
    expect((tx, ty) == (0, 0), 'thumbnail')
    expect(not any(0xE1 <= m <= 0xEF or m == 0xFE for m in names),
           'extra APPn/COM')
    expect(0xDD not in names, 'DRI present')
    expect(0xC0 in names and not any(m in names for m in
                                     (0xC1, 0xC2, 0xC3, 0xC9, 0xCA)),
           'not baseline sequential')
    dqt = [t for m, b in segs if m == 0xDB for t in _tables(b, 65)]
    expect(sorted(dqt) == [0, 1], 'quantisation tables %r' % dqt)
    dht = [t for m, b in segs if m == 0xC4 for t in _huffman(b)]
    expect(sorted(dht) == [0x00, 0x01, 0x10, 0x11], 'Huffman tables %r' % dht)
    expect(names.count(0xDA) == 1, 'scans: %d' % names.count(0xDA))
    sof = [b for m, b in segs if m == 0xC0][0]
    p, hh, ww, nc = struct.unpack_from('>BHHB', sof, 0)
    expect((p, ww, hh, nc) == (8, 400, 299, 3), 'SOF0 %r' % ((p, ww, hh),))
    comps = [tuple(sof[6 + 3 * i: 9 + 3 * i]) for i in range(3)]
    expect([c[1] for c in comps] == [0x22, 0x11, 0x11], 'sampling')
    expect([c[2] for c in comps] == [0, 1, 1], 'quant table choice')
    sos = [b for m, b in segs if m == 0xDA][0]
    expect(sos[0] == 3 and sos[-3:] == b'\x00\x3f\x00', 'SOS')
    expect(names[-1] == 0xD9, 'EOI')
    return len(open(path, 'rb').read())


def _tables(body, size):
    out, i = [], 0
    while i < len(body):
        expect(body[i] >> 4 == 0, '16-bit quantisation table')
        out.append(body[i] & 15)
        i += size
    return out


def _huffman(body):
    out, i = [], 0
    while i < len(body):
        out.append(body[i])
        i += 17 + sum(body[i + 1: i + 17])
    return out


def main(argv):
    res = argv[1] if len(argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), '..', 'res')
    try:
        print(check_tiles(res))
        print(check_icon(res))
        sizes = []
        for n in range(1, 11):
            unit, dens = (1, 96) if n <= 3 else (0, 1)
            sizes.append(check_jpeg(os.path.join(res, 'JPEG%d.jpg' % n),
                                    unit, dens))
        print('pictures: 10 x baseline JFIF 1.01 400x299 4:2:0, '
              'DQT x2, DHT x4, one scan, no DRI; bytes %s' % sizes)
    except (Failure, OSError) as e:
        print('FAILED: %s' % e)
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
