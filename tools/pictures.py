"""The title picture and the reward pictures, painted procedurally.

Each picture is painted at three times its final size and reduced at the
end, which gives the shapes drawn with PIL's (aliased) ImageDraw smooth
edges.  Colours are kept as float RGB in 0..1 while painting.

Every random choice comes from a numpy RandomState with a fixed seed, so
the same pixels come out on every run.
"""
import numpy as np
from PIL import Image, ImageDraw, ImageFont

W, H = 400, 299
SS = 3
SW, SH = W * SS, H * SS

FONT_GOTHIC_P = '/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf'
FONT_GOTHIC = '/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf'
FONT_MINCHO = '/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf'


# ------------------------------------------------------------ helpers

def rgb(*c):
    return np.array(c, dtype=np.float64) / 255.0


def canvas(color=(0, 0, 0)):
    img = np.empty((SH, SW, 3))
    img[:] = rgb(*color)
    return img


def grid():
    """Pixel coordinates in final-picture units (0..W, 0..H)."""
    y, x = np.mgrid[0:SH, 0:SW].astype(np.float64)
    return (x + 0.5) / SS, (y + 0.5) / SS


def ramp(t, stops):
    """Piecewise-linear colour ramp; stops are (position, (r, g, b))."""
    t = np.asarray(t, dtype=np.float64)
    pos = np.array([p for p, _ in stops])
    cols = np.array([c for _, c in stops], dtype=np.float64) / 255.0
    out = np.empty(t.shape + (3,))
    for ch in range(3):
        out[..., ch] = np.interp(t, pos, cols[:, ch])
    return out


def vertical(stops):
    _, y = grid()
    return ramp(y / H, stops)


def mix(img, color, alpha):
    """Lay colour (an RGB triple or an image) over img with coverage alpha."""
    a = np.clip(alpha, 0.0, 1.0)
    if a.ndim == 2:
        a = a[..., None]
    color = np.asarray(color, dtype=np.float64)
    img *= (1.0 - a)
    img += color * a
    return img


def add_light(img, color, amount):
    """Additive light (glows, stars), clipped later."""
    a = amount if amount.ndim == 3 else amount[..., None]
    img += np.asarray(color, dtype=np.float64) * a
    return img


def smoothstep(e0, e1, x):
    t = np.clip((x - e0) / (e1 - e0), 0.0, 1.0)
    return t * t * (3.0 - 2.0 * t)


def _value_noise(h, w, cy, cx, rng):
    gy, gx = int(np.ceil(cy)) + 2, int(np.ceil(cx)) + 2
    g = rng.random_sample((gy, gx))
    oy, ox = rng.random_sample(2)
    ys = np.linspace(0, cy, h, endpoint=False) + oy
    xs = np.linspace(0, cx, w, endpoint=False) + ox
    y0 = ys.astype(int)
    x0 = xs.astype(int)
    fy = ys - y0
    fx = xs - x0
    fy = fy * fy * (3 - 2 * fy)
    fx = fx * fx * (3 - 2 * fx)
    a = g[y0][:, x0]
    b = g[y0][:, x0 + 1]
    c = g[y0 + 1][:, x0]
    d = g[y0 + 1][:, x0 + 1]
    top = a + (b - a) * fx[None, :]
    bot = c + (d - c) * fx[None, :]
    return top + (bot - top) * fy[:, None]


def fbm(seed, cells=4.0, octaves=6, persistence=0.5, stretch=1.0,
        h=SH, w=SW):
    """Fractal value noise in 0..1.  stretch > 1 squeezes features
    vertically (long horizontal streaks for clouds and ripples)."""
    rng = np.random.RandomState(seed)
    total = np.zeros((h, w))
    amp, norm = 1.0, 0.0
    for o in range(octaves):
        cx = cells * 2 ** o
        cy = max(1.0, cx * h / w * stretch)
        total += amp * _value_noise(h, w, cy, cx, rng)
        norm += amp
        amp *= persistence
    return total / norm


def fbm1(seed, n, cells=4.0, octaves=6, persistence=0.5):
    """One-dimensional fractal noise in 0..1 (ridge lines)."""
    return fbm(seed, cells, octaves, persistence, h=1, w=n)[0]


def blur(a, radius, axes=(0, 1)):
    """Approximate Gaussian blur (three box passes) in final-pixel units."""
    r = max(1, int(round(radius * SS / 1.7)))
    out = a.astype(np.float64)
    for axis in axes:
        for _ in range(3):
            pad = [(0, 0)] * out.ndim
            pad[axis] = (r + 1, r)
            p = np.pad(out, pad, mode='edge')
            c = np.cumsum(p, axis=axis)
            n = out.shape[axis]
            hi = np.take(c, np.arange(2 * r + 1, 2 * r + 1 + n), axis=axis)
            lo = np.take(c, np.arange(0, n), axis=axis)
            out = (hi - lo) / (2 * r + 1)
    return out


def layer():
    """A blank coverage mask to draw shapes on (at supersampled size)."""
    im = Image.new('L', (SW, SH), 0)
    return im, ImageDraw.Draw(im)


def S(*v):
    """Final-picture coordinates to supersampled ones."""
    return [x * SS for x in v]


def pts(seq):
    return [(x * SS, y * SS) for x, y in seq]


def as_mask(im):
    return np.asarray(im, dtype=np.float64) / 255.0


def polygon_mask(points):
    im, d = layer()
    d.polygon(pts(points), fill=255)
    return as_mask(im)


def ridge_mask(xs_heights):
    """Mask below a ridge line given as y per supersampled column."""
    _, y = grid()
    return (y >= xs_heights[None, :]).astype(np.float64)


def glow(x, y, cx, cy, radius):
    d2 = ((x - cx) ** 2 + (y - cy) ** 2) / (radius * radius)
    return np.exp(-d2)


def stars(img, seed, count, weight=None, size=1.0):
    """Scatter stars: most faint, a few bright with a soft halo.  weight
    (0..1 per pixel) thins them out, e.g. near a glowing horizon."""
    rng = np.random.RandomState(seed)
    light = np.zeros((SH, SW, 3))
    xs = (rng.random_sample(count) * SW).astype(int)
    ys = (rng.random_sample(count) * SH).astype(int)
    mag = rng.random_sample(count) ** 5
    warm = rng.random_sample(count) < 0.35
    for ix, iy, m, wm in zip(xs, ys, mag, warm):
        b = 0.18 + 0.82 * m
        if weight is not None:
            b *= weight[iy, ix]
        c = np.array([1.0, 0.9, 0.75]) if wm else np.array([0.8, 0.88, 1.0])
        sz = max(1, int(round(SS * size * (0.6 + 0.8 * m))))
        light[iy:iy + sz, ix:ix + sz] += c * b
    halo = blur(light * (light.max(axis=2, keepdims=True) > 0.6), 1.5)
    img += light + halo * 2.5
    return img


def bloom(img, threshold=0.75, radius=4.0, amount=0.6):
    """Let bright lights bleed softly into their surroundings."""
    bright = np.clip(img - threshold, 0, None)
    img += blur(bright, radius) * amount
    return img


def finish(img):
    """Clip, reduce to the final size and return an 8-bit RGB image."""
    a = np.clip(img, 0.0, 1.0)
    a = (a * 255.0 + 0.5).astype(np.uint8)
    im = Image.fromarray(a, 'RGB')
    return im.resize((W, H), Image.LANCZOS)


def to_ppm(im):
    assert im.size == (W, H) and im.mode == 'RGB'
    return b'P6\n%d %d\n255\n' % (W, H) + im.tobytes()


def font(path, size):
    return ImageFont.truetype(path, int(size * SS))


ALL = []


def picture(number):
    """Register a painting function as JPEG<number>."""
    def register(fn):
        ALL.append((number, fn))
        ALL.sort()
        return fn
    return register


def reflect(img, horizon, wobble, seed, darken=0.8, tint=(0.1, 0.15, 0.3),
            tint_amount=0.25):
    """Mirror everything above the horizon into the water below it, with
    rippling that grows towards the viewer."""
    hz = int(horizon * SS)
    rows = np.arange(hz, SH)
    src_rows = np.clip(2 * hz - rows - 1, 0, hz - 1)
    depth = (rows - hz) / max(1, SH - hz)
    ripple = fbm(seed, cells=3, octaves=4, stretch=12.0)[hz:, :]
    dx = (ripple - 0.5) * (wobble * SS) * (0.3 + 2.0 * depth[:, None])
    cols = np.clip(np.arange(SW)[None, :] + dx, 0, SW - 1).astype(int)
    src = img[src_rows][np.arange(len(rows))[:, None], cols]
    src = src * darken
    src = src * (1 - tint_amount) + np.array(tint) * tint_amount
    img[hz:] = src
    return img


# ------------------------------------------------ Mt. Fuji at dawn

@picture(2)
def fuji_at_dawn():
    x, y = grid()
    hz = 196.0
    sun_x, sun_y = 62.0, 172.0
    img = vertical([(0.0, (24, 30, 84)), (0.22, (70, 62, 132)),
                    (0.42, (178, 110, 150)), (0.55, (246, 160, 132)),
                    (0.66, (255, 206, 140))])
    # the sky brightens towards the rising sun
    add_light(img, rgb(255, 190, 120), glow(x, y, sun_x, sun_y, 120) * 0.55)

    # long thin clouds, pink where the low sun catches them from below
    n = fbm(21, cells=2.5, octaves=6, stretch=5.0)
    dens = smoothstep(0.52, 0.72, n) * smoothstep(20, 60, y) * \
        (1 - smoothstep(150, 185, y))
    lit = ramp(y / H, [(0.0, (150, 110, 170)), (0.3, (250, 150, 160)),
                       (0.55, (255, 200, 150))])
    under = fbm(22, cells=2.5, octaves=5, stretch=5.0)
    cloud = lit * (0.75 + 0.45 * under[..., None])
    add_light(cloud, rgb(255, 220, 160), glow(x, y, sun_x, sun_y, 140) * 0.5)
    mix(img, cloud, dens * 0.85)

    # Fuji: a flat crater top and concave slopes that flatten at the base
    cx, top, half_top = 240.0, 64.0, 12.0
    xs = (np.arange(SW) + 0.5) / SS
    d = np.maximum(np.abs(xs - cx) - half_top, 0.0)
    k, reach = 95.0, 215.0
    profile = top + (hz + 6 - top) * (1 - np.exp(-d / k)) / \
        (1 - np.exp(-reach / k))
    profile += (fbm1(31, SW, cells=30, octaves=4) - 0.5) * 2.0
    profile[np.abs(xs - cx) < half_top] += \
        (fbm1(32, SW, cells=40, octaves=3)[np.abs(xs - cx) < half_top]
         - 0.5) * 2.5
    mountain = (y >= profile[None, :] * 1.0).astype(np.float64)
    side = np.clip((x - cx) / 150.0, -1, 1)          # -1 lit, +1 shaded
    # gullies radiate from the summit, so index the noise by the angle
    # seen from the crater
    ang = np.arctan2(x - cx, y - top + 8.0)
    fine = fbm1(33, 4096, cells=90, octaves=4, persistence=0.6)
    coarse = fbm1(34, 4096, cells=12, octaves=3)
    idx = np.clip((ang + 1.6) / 3.2 * 4095, 0, 4095).astype(int)
    gullies = np.clip((fine[idx] - 0.5) * 2.4 + (coarse[idx] - 0.5) * 1.2
                      + 0.5, 0, 1)
    gullies *= 0.85 + 0.3 * fbm(35, cells=6, octaves=3)
    body = ramp(0.5 + 0.5 * side, [(0.0, (150, 92, 128)), (0.5, (104, 74, 122)),
                                   (1.0, (58, 50, 100))])
    streak = 0.12 + 0.3 * (1 - smoothstep(110, 190, y))
    body *= (1.08 - streak * (1 - gullies))[..., None]
    body = mix(body, rgb(200, 140, 160), smoothstep(120, 196, y) * 0.35)
    # snow reaches further down in the gullies
    snowline = 116 + 40 * (gullies - 0.5) - 0.06 * np.abs(x - cx)
    snow = (1 - smoothstep(snowline - 1.5, snowline + 1.5, y))
    snow_col = ramp(0.5 + 0.5 * side, [(0.0, (255, 226, 224)),
                                       (0.45, (248, 200, 206)),
                                       (0.55, (196, 178, 212)),
                                       (1.0, (150, 146, 196))])
    snow_col *= (0.84 + 0.2 * gullies[..., None])
    body = mix(body, snow_col, snow)
    mix(img, body, mountain)

    # the sun just clearing the far hills, which hide its lower part
    sun = glow(x, y, sun_x, sun_y, 7.0)
    add_light(img, rgb(255, 240, 200), np.minimum(sun * 3, 1))

    # hazy wooded hills in front of the base, nearer ones darker
    for seed, base, amp, col, cells in ((41, 182, 16, (112, 84, 128), 6),
                                        (42, 190, 14, (70, 56, 96), 9),
                                        (43, 196, 9, (40, 34, 66), 14)):
        ridge = base - amp * fbm1(seed, SW, cells=cells, octaves=6)
        ridge -= 6 * np.exp(-((xs - 40) / 60) ** 2) * (seed == 41)
        m = (y >= ridge[None, :]).astype(np.float64) * (y < hz + 1)
        tex = fbm(seed + 100, cells=40, octaves=3)
        mix(img, rgb(*col) * (0.9 + 0.2 * tex[..., None]), m)


    add_light(img, rgb(255, 170, 90), glow(x, y, sun_x, sun_y, 40) * 0.45)

    reflect(img, hz, wobble=4.0, seed=51, darken=0.82,
            tint=(0.16, 0.14, 0.32), tint_amount=0.25)
    # a path of glitter from the sun across the water
    spark = fbm(52, cells=60, octaves=2, stretch=6.0)
    path = np.exp(-((x - sun_x) / (10 + (y - hz) * 0.9)) ** 2) * (y > hz)
    add_light(img, rgb(255, 210, 150),
              smoothstep(0.6, 0.8, spark) * path * 0.9)
    # faint horizontal ripple lines catch the sky colour
    lines = smoothstep(0.62, 0.8, fbm(53, cells=8, octaves=4, stretch=20.0))
    add_light(img, rgb(90, 70, 100), lines * (y > hz + 2) * 0.5)

    # dark reeds on the near shore frame the view
    rng = np.random.RandomState(54)
    shore_im, d = layer()
    d.polygon(pts([(0, 262), (60, 270), (130, 286), (170, 299), (0, 299)]),
              fill=255)
    for _ in range(140):
        bx = rng.random_sample() * 150
        by = 262 + bx * 0.22 + 10 + rng.random_sample() * 10
        hgt = 20 + rng.random_sample() * 45 * (1 - bx / 200)
        lean = (rng.random_sample() - 0.3) * 14
        d.line(pts([(bx, by), (bx + lean * 0.5, by - hgt * 0.6),
                    (bx + lean, by - hgt)]), fill=255, width=int(SS * 1.2))
    mix(img, rgb(16, 12, 30), as_mask(shore_im))
    return finish(img)


def to_pil(img):
    a = (np.clip(img, 0, 1) * 255 + 0.5).astype(np.uint8)
    return Image.fromarray(a, 'RGB')


def from_pil(im):
    return np.asarray(im, dtype=np.float64) / 255.0


def shade(color, k):
    """A colour (0..255 triple) made lighter (k > 1) or darker (k < 1)."""
    return tuple(int(max(0, min(255, c * k))) for c in color)


def soft_clouds(img, seed, top, bottom, color, amount=0.9, cells=3.0,
                stretch=1.6, lo=0.5, hi=0.75):
    """Fair-weather clouds: lit tops, slightly greyer bellies."""
    x, y = grid()
    n = fbm(seed, cells=cells, octaves=7, stretch=stretch)
    band = smoothstep(top, top + 25, y) * (1 - smoothstep(bottom - 25,
                                                          bottom, y))
    dens = smoothstep(lo, hi, n) * band
    # light from above: compare with the density a little higher up
    up = np.roll(dens, 3 * SS, axis=0)
    lit = np.clip(0.85 + (dens - up) * 0.8, 0.65, 1.0)
    col = np.asarray(color, dtype=np.float64)[None, None, :] * lit[..., None]
    mix(img, col, dens * amount)
    return img


# ---------------------------------- cherry-blossom avenue to a school

@picture(3)
def cherry_avenue():
    x, y = grid()
    vx, vy, f = 200.0, 146.0, 160.0

    def screen(X, Yw, Z):
        """World point (camera height 1, looking down the avenue)."""
        return vx + f * X / Z, vy + f * (1.0 - Yw) / Z

    img = vertical([(0.0, (96, 158, 226)), (0.35, (160, 204, 240)),
                    (0.5, (222, 238, 250))])
    soft_clouds(img, 61, 0, 130, rgb(255, 255, 255), amount=0.85,
                cells=2.5, stretch=1.8)

    # grass on both sides, brighter towards the distance where it is lit
    ground = y >= vy
    dist = np.clip((y - vy) / (H - vy), 0, 1)
    grass = ramp(dist, [(0.0, (150, 190, 110)), (0.4, (110, 168, 80)),
                        (1.0, (70, 130, 56))])
    grass *= (0.85 + 0.3 * fbm(62, cells=40, octaves=4, stretch=3)[..., None])
    mix(img, grass, ground.astype(float))

    # the paved path, converging on the school gate
    zx = np.where(y > vy + 0.5, f / np.maximum(y - vy, 0.5), 1e9)
    wx = (x - vx) * zx / f                 # world X on the ground plane
    path = (np.abs(wx) < 0.85) & ground
    stones = fbm(63, cells=60, octaves=3)
    paving = ramp(dist, [(0.0, (226, 214, 196)), (1.0, (196, 180, 160))])
    # joints between paving slabs, spaced evenly in world units
    joints = (np.abs(((zx * 1.6) % 1.0) - 0.5) > 0.47) | \
        (np.abs(((wx * 1.6 + 0.5) % 1.0) - 0.5) > 0.47)
    paving *= (0.93 + 0.1 * stones[..., None])
    paving = np.where(joints[..., None] & (dist[..., None] > 0.1),
                      paving * 0.86, paving)
    mix(img, paving, path.astype(float))

    # dappled shade from the canopies
    dapple = smoothstep(0.45, 0.65, fbm(64, cells=10, octaves=5, stretch=3))
    mix(img, rgb(40, 50, 70), dapple * ground * smoothstep(0, 0.4, dist)
        * 0.28)

    im = to_pil(img)
    d = ImageDraw.Draw(im)

    # the school at the far end: white walls, rows of windows, clock tower
    Zs = 15.0
    lx, ty = screen(-7.5, 6.0, Zs)
    rx, by = screen(7.5, 0.0, Zs)
    d.rectangle(S(lx, ty, rx, by), fill=(236, 232, 224))
    d.rectangle(S(lx, ty - 1.5, rx, ty + 0.5), fill=(150, 120, 110))
    floors = 4
    for fl in range(floors):
        wy0 = ty + 4 + fl * (by - ty - 6) / floors
        for i in range(14):
            wx0 = lx + 4 + i * (rx - lx - 8) / 14
            d.rectangle(S(wx0, wy0, wx0 + 3.2, wy0 + 3.6),
                        fill=(110, 150, 190))
    tl, tt = screen(-1.6, 9.5, Zs)
    tr, _ = screen(1.6, 0, Zs)
    d.rectangle(S(tl, tt, tr, ty), fill=(240, 236, 228))
    d.polygon(pts([(tl - 1.5, tt), ((tl + tr) / 2, tt - 9), (tr + 1.5, tt)]),
              fill=(160, 80, 70))
    ccx, ccy = (tl + tr) / 2, tt + 5.5
    d.ellipse(S(ccx - 3.6, ccy - 3.6, ccx + 3.6, ccy + 3.6),
              fill=(60, 60, 70))
    d.ellipse(S(ccx - 3.0, ccy - 3.0, ccx + 3.0, ccy + 3.0),
              fill=(250, 250, 245))
    d.line(S(ccx, ccy, ccx, ccy - 2.4), fill=(30, 30, 30), width=SS)
    d.line(S(ccx, ccy, ccx + 1.8, ccy), fill=(30, 30, 30), width=SS)

    # the gate: two stone pillars and the wings of an opened iron gate
    Zg = 8.0
    for side in (-1, 1):
        px0, py0 = screen(side * 1.05, 1.9, Zg)
        px1, py1 = screen(side * 1.35, 0.0, Zg)
        a, b = sorted((px0, px1))
        d.rectangle(S(a, py0, b, py1), fill=(150, 146, 140))
        d.rectangle(S(a - 0.8, py0 - 1.5, b + 0.8, py0 + 0.5),
                    fill=(120, 116, 110))
        if side < 0:
            d.rectangle(S(b - 0.3, py0 + 3, b + 0.3 - (b - a) * 0.0,
                          py0 + 7), fill=(80, 70, 60))
        # gate wing swung back against the wall
        gx0, gy0 = screen(side * 1.35, 1.3, Zg)
        gx1, gy1 = screen(side * 1.6, 1.3, Zg - 1.6)
        gx2, gy2 = screen(side * 1.6, 0.0, Zg - 1.6)
        gx3, gy3 = screen(side * 1.35, 0.0, Zg)
        for k in range(7):
            t = k / 6.0
            d.line(S(gx0 + (gx1 - gx0) * t, gy0 + (gy1 - gy0) * t,
                     gx3 + (gx2 - gx3) * t, gy3 + (gy2 - gy3) * t),
                   fill=(50, 50, 56), width=max(1, SS // 2))
        d.line(S(gx0, gy0, gx1, gy1), fill=(50, 50, 56), width=SS)
        # low wall running off to either side
        w0x, w0y = screen(side * 1.35, 1.1, Zg)
        w1x, w1y = screen(side * 9.0, 1.1, Zg)
        w2x, w2y = screen(side * 9.0, 0.0, Zg)
        w3x, w3y = screen(side * 1.35, 0.0, Zg)
        d.polygon(pts([(w0x, w0y), (w1x, w1y), (w2x, w2y), (w3x, w3y)]),
                  fill=(200, 194, 184))

    # cherry trees on both sides, painted from the far end forwards
    rng = np.random.RandomState(65)
    pinks = [(255, 214, 228), (250, 190, 210), (244, 170, 196),
             (255, 232, 240), (236, 150, 182), (255, 246, 250)]
    bark = (66, 46, 44)
    depths = [6.2, 4.9, 3.9, 3.1, 2.45, 1.9, 1.45]
    for Z in depths:
        for side in (-1, 1):
            X = side * (1.6 + rng.random_sample() * 0.15)
            scale = f / Z
            bx, byy = screen(X, 0.0, Z)
            fx, fy = screen(X - side * 0.08, 1.15, Z)
            tw = max(0.8, 0.09 * scale)
            d.polygon(pts([(bx - tw * 1.3, byy), (bx + tw * 1.3, byy),
                           (fx + tw * 0.8, fy), (fx - tw * 0.8, fy)]),
                      fill=bark)
            # the lit side of the trunk
            d.polygon(pts([(bx - tw * 1.3, byy), (bx - tw * 0.3, byy),
                           (fx - tw * 0.2, fy), (fx - tw * 0.8, fy)]),
                      fill=shade(bark, 1.5))
            # clumps of blossom at the ends of limbs that fork from the
            # top of the trunk; the canopy leans over the path
            clumps = []
            for k in range(13):
                cxw = X - side * 0.25 + rng.normal() * 0.42 - side * 0.1 * k / 13
                cyw = 2.35 + rng.normal() * 0.35
                clumps.append((cxw, cyw, 0.33 + rng.random_sample() * 0.2))
            clumps.sort(key=lambda c: -c[1])       # upper clumps behind
            for cxw, cyw, _ in clumps[::2]:
                ex, ey = screen(cxw, cyw, Z)
                mx, my = screen((X + cxw) / 2 + rng.normal() * 0.1,
                                (1.15 + cyw) / 2, Z)
                d.line(pts([(fx, fy), (mx, my), (ex, ey)]), fill=bark,
                       width=max(1, int(tw * SS * 0.8)), joint='curve')
            for cxw, cyw, rw in clumps:
                ccx, ccy = screen(cxw, cyw, Z)
                rad = rw * scale
                count = int(min(700, 12 + 1.4 * rad * rad))
                for _ in range(count):
                    a = rng.random_sample() * 2 * np.pi
                    rr = rad * np.sqrt(rng.random_sample())
                    px = ccx + np.cos(a) * rr
                    py = ccy + np.sin(a) * rr * 0.85
                    # lit from the upper left, shadowed underneath
                    lit = 0.55 - (px - ccx) / (rad * 3) - (py - ccy) / (
                        rad * 1.8) + rng.normal() * 0.12
                    lit -= max(0.0, 2.2 - cyw) * 0.4
                    c = pinks[rng.randint(len(pinks))]
                    c = shade(c, 0.8 + 0.28 * np.clip(lit, 0, 1))
                    sz = max(0.5, scale * (0.025 + rng.random_sample() * 0.03))
                    d.ellipse(S(px - sz, py - sz, px + sz, py + sz), fill=c)
    img = from_pil(im)

    # fallen petals on the path and grass, denser nearer the viewer
    im = to_pil(img)
    d = ImageDraw.Draw(im)
    for _ in range(2200):
        py = vy + 6 + (H - vy) * rng.random_sample() ** 0.7
        px = rng.random_sample() * W
        s = 0.3 + (py - vy) / (H - vy) * 1.6
        c = pinks[rng.randint(len(pinks))]
        d.ellipse(S(px - s, py - s * 0.5, px + s, py + s * 0.5), fill=c)
    # petals drifting through the air
    for _ in range(160):
        px, py = rng.random_sample() * W, rng.random_sample() * H
        s = 0.8 + rng.random_sample() * 2.0
        ang = rng.random_sample() * np.pi
        ca, sa = np.cos(ang), np.sin(ang)
        petal = [(px + ca * s * u - sa * s * 0.5 * v,
                  py + sa * s * u + ca * s * 0.5 * v)
                 for u, v in ((-1, 0), (-0.3, 1), (0.7, 0.7), (1, 0),
                              (0.7, -0.7), (-0.3, -1))]
        d.polygon(pts(petal), fill=pinks[rng.randint(len(pinks))])
    img = from_pil(im)
    # soft spring light from the upper left
    add_light(img, rgb(255, 240, 220), glow(x, y, 60, -20, 200) * 0.18)
    return finish(img)


# ------------------------------------------ night city by the water

@picture(4)
def night_city():
    x, y = grid()
    hz = 212.0
    img = vertical([(0.0, (6, 8, 30)), (0.3, (16, 22, 66)),
                    (0.5, (40, 38, 100)), (0.62, (110, 66, 124)),
                    (0.71, (220, 130, 110))])
    stars(img, 71, 1400, weight=1 - smoothstep(90, 190, y), size=0.7)
    # thin high clouds lit from below by the city
    n = fbm(72, cells=3, octaves=6, stretch=4.0)
    mix(img, rgb(90, 70, 120), smoothstep(0.58, 0.8, n) *
        smoothstep(60, 170, y) * 0.5)
    # crescent moon with a wide halo
    mx, my, mr = 330.0, 52.0, 11.0
    add_light(img, rgb(120, 130, 170), glow(x, y, mx, my, 45) * 0.35)
    disc = smoothstep(mr + 0.4, mr - 0.4, np.hypot(x - mx, y - my))
    bite = smoothstep(mr - 0.6, mr + 0.6, np.hypot(x - mx + 5.5, y - my + 3))
    mix(img, rgb(255, 246, 214), disc * bite)

    im = to_pil(img)
    d = ImageDraw.Draw(im)
    rng = np.random.RandomState(73)

    def windows(x0, x1, top, bottom, density, warm_share, dim=1.0):
        step_x, step_y = 2.6, 3.4
        cols_n = int((x1 - x0 - 1.5) / step_x)
        for r in range(int((bottom - top - 3) / step_y)):
            wy = top + 2.5 + r * step_y
            # whole floors tend to be lit or dark together
            floor_on = rng.random_sample() < 0.75
            for c in range(cols_n):
                if rng.random_sample() > density * (1.0 if floor_on else 0.3):
                    continue
                wx = x0 + 1.5 + c * step_x
                k = dim * (0.6 + 0.4 * rng.random_sample())
                col = (255, 214, 140) if rng.random_sample() < warm_share \
                    else (200, 226, 255)
                d.rectangle(S(wx, wy, wx + 1.4, wy + 1.9), fill=shade(col, k))

    # far towers, hazy
    xpos = -5.0
    while xpos < W:
        w = 8 + rng.random_sample() * 18
        h = 18 + rng.random_sample() * 50
        d.rectangle(S(xpos, hz - h, xpos + w, hz), fill=(52, 46, 96))
        windows(xpos, xpos + w, hz - h, hz, 0.25, 0.6, dim=0.5)
        xpos += w + rng.random_sample() * 3
    # the tall broadcast tower, left of centre
    tx = 118.0
    d.polygon(pts([(tx - 9, hz), (tx - 1.2, hz - 150), (tx + 1.2, hz - 150),
                   (tx + 9, hz)]), fill=(26, 22, 52))
    d.rectangle(S(tx - 5, hz - 92, tx + 5, hz - 86), fill=(40, 34, 70))
    d.line(S(tx, hz - 150, tx, hz - 172), fill=(30, 26, 60), width=SS)
    for k in range(14):
        ly = hz - 10 - k * 10
        half = 9 - 7.8 * (hz - ly) / 150
        d.rectangle(S(tx - half, ly, tx + half, ly + 0.6),
                    fill=(255, 170, 90))
    # near skyline, dark with many lit windows
    xpos = -3.0
    while xpos < W:
        w = 14 + rng.random_sample() * 26
        h = 30 + rng.random_sample() * 80 * (0.6 + 0.4 * np.sin(xpos / 60))
        if abs(xpos + w / 2 - tx) < 20:
            h = min(h, 50)
        col = shade((24, 24, 48), 0.8 + 0.4 * rng.random_sample())
        d.rectangle(S(xpos, hz - h, xpos + w, hz), fill=col)
        if rng.random_sample() < 0.3:        # stepped crown
            d.rectangle(S(xpos + w * 0.25, hz - h - 8, xpos + w * 0.75,
                          hz - h), fill=col)
            d.line(S(xpos + w / 2, hz - h - 8, xpos + w / 2, hz - h - 18),
                   fill=col, width=SS)
            d.ellipse(S(xpos + w / 2 - 0.9, hz - h - 19, xpos + w / 2 + 0.9,
                        hz - h - 17), fill=(255, 60, 60))
        windows(xpos, xpos + w, hz - h, hz, 0.42, 0.55)
        if rng.random_sample() < 0.25:       # a glowing rooftop band
            d.rectangle(S(xpos + 1, hz - h + 1, xpos + w - 1, hz - h + 2.2),
                        fill=(140, 200, 255))
        xpos += w + 1 + rng.random_sample() * 4
    # a suspension bridge crossing in front of the right-hand towers
    deck = hz - 9
    towers = (238.0, 352.0)
    for bx in towers:
        d.rectangle(S(bx - 2.2, deck - 62, bx + 2.2, hz), fill=(30, 30, 58))
        d.rectangle(S(bx - 2.2, deck - 40, bx + 2.2, deck - 38),
                    fill=(30, 30, 58))
        d.ellipse(S(bx - 1.1, deck - 65, bx + 1.1, deck - 63),
                  fill=(255, 70, 70))
    span = towers[1] - towers[0]
    cable = []
    for k in range(161):
        t = k / 160.0
        cx_ = towers[0] - span * 0.5 + t * span * 2.0
        u = (cx_ - towers[0]) / span
        if u < 0:
            cy_ = deck - 60 + (-u) * 2 * 54
        elif u > 1:
            cy_ = deck - 60 + (u - 1) * 2 * 54
        else:
            cy_ = deck - 60 + 56 * (1 - (2 * u - 1) ** 2)
        cable.append((cx_, min(cy_, deck)))
    d.line(pts(cable), fill=(200, 220, 255), width=SS)
    for cx_, cy_ in cable[::4]:
        d.line(S(cx_, cy_, cx_, deck), fill=(40, 44, 80), width=1)
        d.ellipse(S(cx_ - 0.8, cy_ - 0.8, cx_ + 0.8, cy_ + 0.8),
                  fill=(220, 235, 255))
    d.rectangle(S(towers[0] - span * 0.5, deck, W + 5, deck + 2.5),
                fill=(20, 20, 40))
    for k in range(60):
        lx_ = towers[0] - span * 0.5 + k * 3.2
        d.ellipse(S(lx_, deck - 0.4, lx_ + 1.3, deck + 0.9),
                  fill=(255, 200, 120))
    # a low embankment with a row of street lamps
    d.rectangle(S(0, hz - 3, W, hz), fill=(14, 14, 28))
    for k in range(40):
        d.ellipse(S(k * 10 + 3, hz - 5, k * 10 + 4.6, hz - 3.4),
                  fill=(255, 220, 160))
    img = from_pil(im)
    bloom(img, threshold=0.5, radius=3.0, amount=0.9)

    reflect(img, hz, wobble=3.0, seed=74, darken=0.7,
            tint=(0.03, 0.04, 0.12), tint_amount=0.3)
    # lights smear into long vertical streaks on the moving water
    water = y > hz
    streak = blur(img, 2.5, axes=(0,))
    img[water] = streak[water] * 0.9
    ripples = smoothstep(0.55, 0.8, fbm(75, cells=10, octaves=4,
                                        stretch=18.0))
    mix(img, rgb(8, 10, 30), ripples * water * 0.5)
    return finish(img)


# ----------------------------------------------------- seaside sunset

@picture(5)
def seaside_sunset():
    x, y = grid()
    hz = 168.0
    sx, sy, sr = 176.0, 160.0, 20.0
    img = vertical([(0.0, (36, 26, 84)), (0.2, (96, 46, 120)),
                    (0.38, (196, 80, 110)), (0.5, (246, 134, 84)),
                    (0.565, (255, 196, 100))])
    add_light(img, rgb(255, 170, 80), glow(x, y, sx, sy, 90) * 0.5)

    # long banks of cloud: dark violet, rimmed with fire nearest the sun
    n = fbm(81, cells=2.2, octaves=7, stretch=4.5)
    dens = smoothstep(0.44, 0.62, n) * smoothstep(10, 40, y) * \
        (1 - smoothstep(128, 156, y))
    up = np.roll(n, 4 * SS, axis=0)
    rim = np.clip((n - up) * 6, 0, 1)          # edges facing the sun below
    body = ramp(y / H, [(0.0, (60, 36, 90)), (0.3, (110, 50, 100)),
                        (0.5, (170, 70, 90))])
    near_sun = glow(x, y, sx, sy, 160)
    body = mix(body, rgb(255, 150, 90), rim * (0.4 + 0.6 * near_sun))
    mix(img, body, dens * 0.95)

    sun = smoothstep(sr + 0.5, sr - 0.5, np.hypot(x - sx, y - sy))
    core = ramp(np.hypot(x - sx, y - sy) / sr,
                [(0.0, (255, 252, 230)), (0.7, (255, 230, 150)),
                 (1.0, (255, 190, 100))])
    mix(img, core, sun * (y < hz))
    add_light(img, rgb(255, 200, 120), glow(x, y, sx, sy, 34) * 0.3)

    # the sea: darker towards the viewer, with rows of swell
    sea = y >= hz
    depth = np.clip((y - hz) / (H - hz), 0, 1)
    water = ramp(depth, [(0.0, (230, 130, 100)), (0.15, (150, 70, 100)),
                         (0.6, (64, 36, 86)), (1.0, (36, 24, 62))])
    swell = fbm(82, cells=5, octaves=5, stretch=14.0)
    water *= (0.8 + 0.4 * swell[..., None])
    mix(img, water, sea.astype(float))
    # broken glitter under the sun, widening towards the viewer
    spark = fbm(83, cells=70, octaves=2, stretch=8.0)
    path = np.exp(-((x - sx) / (sr * 0.7 + (y - hz) * 0.55)) ** 2) * sea
    add_light(img, rgb(255, 200, 120),
              smoothstep(0.5, 0.75, spark) * path * 1.1)
    add_light(img, rgb(255, 150, 80), path * 0.25 * (1 - depth))

    im = to_pil(img)
    d = ImageDraw.Draw(im)
    rng = np.random.RandomState(84)
    # a rocky headland on the right with a small lighthouse
    ridge = [(268, hz + 1)]
    xs = np.linspace(268, 400, 40)
    rough = fbm1(85, 40, cells=8, octaves=4)
    for k, xx in enumerate(xs):
        base = hz - 4 - 60 * smoothstep(268, 340, xx) + 8 * (rough[k] - 0.5)
        ridge.append((xx, base))
    ridge += [(400, hz + 3), (268, hz + 3)]
    d.polygon(pts(ridge), fill=(34, 18, 44))
    lx, ly = 352.0, hz - 64 + 2
    d.polygon(pts([(lx - 4, ly), (lx - 2.6, ly - 26), (lx + 2.6, ly - 26),
                   (lx + 4, ly)]), fill=(44, 26, 56))
    d.rectangle(S(lx - 3.4, ly - 31, lx + 3.4, ly - 26), fill=(255, 236, 170))
    d.polygon(pts([(lx - 4.2, ly - 31), (lx, ly - 36), (lx + 4.2, ly - 31)]),
              fill=(44, 26, 56))
    # a rock standing out of the water near the headland
    d.polygon(pts([(236, hz + 2), (242, hz - 12), (250, hz - 16),
                   (257, hz - 9), (262, hz + 2)]), fill=(40, 20, 48))
    # seagulls heading home
    for _ in range(9):
        gx, gy = 60 + rng.random_sample() * 200, 55 + rng.random_sample() * 70
        s = 2.0 + rng.random_sample() * 2.5
        d.line(pts([(gx - s, gy - s * 0.3), (gx - s * 0.45, gy - s * 0.45),
                    (gx, gy)]), fill=(50, 26, 56), width=SS, joint='curve')
        d.line(pts([(gx, gy), (gx + s * 0.45, gy - s * 0.45),
                    (gx + s, gy - s * 0.3)]), fill=(50, 26, 56), width=SS,
               joint='curve')
    img = from_pil(im)
    add_light(img, rgb(255, 230, 170), glow(x, y, lx, ly - 28.5, 10) * 0.6)

    # the beach: wet sand mirrors the sky, a line of foam at its edge
    shore = 262 + 6 * np.sin(x / 38.0) + 3 * (fbm(86, cells=6, octaves=3)
                                              - 0.5) * 4
    sand = y >= shore
    wet = smoothstep(shore, shore + 14, y)
    sand_col = ramp(np.clip((y - 250) / 50, 0, 1),
                    [(0.0, (120, 66, 82)), (1.0, (70, 40, 60))])
    sand_col = sand_col * (1 - 0.5 * (1 - wet[..., None])) + \
        img * 0.5 * (1 - wet[..., None])
    mix(img, sand_col, sand.astype(float))
    foam = np.exp(-((y - shore) / 1.2) ** 2) * \
        smoothstep(0.35, 0.6, fbm(87, cells=20, octaves=4, stretch=6))
    add_light(img, rgb(255, 220, 200), foam * 0.8)
    bloom(img, threshold=0.9, radius=5, amount=0.3)
    return finish(img)


def tree_crowns(img, mask, seed, palette, size, density=1.0,
                evergreen=0.0, haze=None, haze_amount=0.0, clip=None):
    """Cover a hillside (mask) with round autumn tree crowns.

    The hill first gets a dark undergrowth of the same colours, then the
    crowns are painted from the top down, so nearer trees overlap the
    ones behind; each crown has a sunlit upper-left side.  size(y) gives
    the crown radius at a height in the picture (perspective)."""
    rng = np.random.RandomState(seed)
    patch = fbm(seed, cells=5, octaves=5)
    pines = fbm(seed + 1, cells=14, octaves=4)
    tone = lambda v: np.clip((v - 0.3) / 0.4, 0, 1)
    under = ramp(tone(patch), palette) * 0.45
    if haze is not None:
        mix(under, haze, haze_amount)
    mix(img, under, mask)

    ys, xs = np.nonzero(mask[::SS, ::SS] > 0.5)
    if len(ys) == 0:
        return img
    # enough crowns to cover the hill about one and a half times over
    radius = {yy: size(yy) for yy in np.unique(ys)}
    n = int(density * sum(1.0 / (radius[yy] ** 2) for yy in ys) * 1.6)
    pick = rng.randint(0, len(ys), n)
    order = sorted(pick, key=lambda i: ys[i] + rng.random_sample())
    im = to_pil(img)
    cov = Image.new('L', (SW, SH), 0)
    d = ImageDraw.Draw(im)
    dc = ImageDraw.Draw(cov)
    pal = [(p, tuple(int(v) for v in c)) for p, c in palette]
    haze_c = None if haze is None else np.asarray(haze) * 255
    for i in order:
        cx = xs[i] + rng.random_sample()
        cy = ys[i] + rng.random_sample()
        r = size(ys[i]) * (0.75 + 0.5 * rng.random_sample())
        if pines[int(cy * SS), int(cx * SS)] > 0.64 and \
                rng.random_sample() < evergreen:
            base = np.array([40, 70, 44]) * (0.8 + 0.4 * rng.random_sample())
        else:
            v = tone(patch[int(cy * SS), int(cx * SS)] +
                     rng.normal() * 0.06)
            base = ramp(v, palette) * 255
        if haze_c is not None:
            base = base * (1 - haze_amount) + haze_c * haze_amount
        dark = tuple(int(c * 0.72) for c in base)
        light = tuple(int(min(255, c * 1.12)) for c in base)
        d.ellipse(S(cx - r, cy - r * 0.9, cx + r, cy + r * 0.9), fill=dark)
        d.ellipse(S(cx - r * 0.85, cy - r * 0.85, cx + r * 0.45,
                    cy + r * 0.4), fill=light)
        dc.ellipse(S(cx - r, cy - r * 0.9, cx + r, cy + r * 0.9), fill=255)
    painted = from_pil(im)
    c = as_mask(cov)
    if clip is not None:
        c = c * clip
    mix(img, painted, c)
    return img


def maple_leaf(cx, cy, size, angle):
    """Outline of a five-lobed maple leaf."""
    out = []
    for k in range(40):
        t = k / 40.0 * 2 * np.pi
        lobe = np.cos(2.5 * t) ** 2                 # five pointed lobes
        r = size * (0.4 + 0.6 * lobe ** 1.6)
        if abs(((t + np.pi) % (2 * np.pi)) - np.pi) > 2.7:
            r *= 0.6                                # notch at the stem
        a = t + angle
        out.append((cx + r * np.sin(a), cy - r * np.cos(a)))
    return out


# ------------------------------------------------ autumn maple valley

@picture(6)
def maple_valley():
    x, y = grid()
    xs = (np.arange(SW) + 0.5) / SS
    img = vertical([(0.0, (70, 130, 210)), (0.3, (150, 196, 236)),
                    (0.45, (214, 230, 240))])
    soft_clouds(img, 91, 0, 90, rgb(255, 255, 255), amount=0.8, cells=2.0,
                stretch=2.5, lo=0.55, hi=0.8)
    sky_haze = rgb(190, 205, 225)

    # far blue ranges
    for seed, base, amp, col in ((92, 92, 40, (130, 150, 190)),
                                 (93, 118, 36, (104, 118, 160))):
        ridge = base - amp * fbm1(seed, SW, cells=5, octaves=7)
        mix(img, rgb(*col) * (0.95 + 0.1 * fbm(seed, cells=30,
                                               octaves=3))[..., None],
            (y >= ridge[None, :]).astype(float))

    autumn = [(0.0, (150, 30, 24)), (0.3, (210, 60, 30)),
              (0.55, (236, 120, 36)), (0.8, (240, 180, 50)),
              (1.0, (200, 170, 60))]
    # left flank of the valley, falling towards the centre
    ridge = 70 + 110 * smoothstep(0, 250, xs) + \
        14 * (fbm1(94, SW, cells=8, octaves=6) - 0.5)
    m = (y >= ridge[None, :]).astype(float)
    tree_crowns(img, m, 95, autumn, lambda yy: 2.2 + yy * 0.012,
                evergreen=0.7, haze=sky_haze, haze_amount=0.22)
    # right flank, nearer, rising to the edge of the picture
    ridge = 196 - 130 * smoothstep(170, 400, xs) + \
        12 * (fbm1(96, SW, cells=8, octaves=6) - 0.5) + \
        200 * (xs < 175)
    m = (y >= ridge[None, :]).astype(float)
    tree_crowns(img, m, 97, autumn, lambda yy: 2.6 + yy * 0.014,
                evergreen=0.6, haze=sky_haze, haze_amount=0.08)

    # the river winding out of the valley towards the viewer
    t = np.clip((y - 178) / (H - 178), 0, 1)
    centre = 232 - 60 * np.sin(t * 2.6) + 30 * t
    half = 3 + 70 * t ** 1.4
    river = (np.abs(x - centre) < half) & (y > 178)
    water = ramp(t, [(0.0, (190, 215, 235)), (0.5, (110, 160, 200)),
                     (1.0, (60, 110, 150))])
    ripple = fbm(98, cells=12, octaves=4, stretch=8)
    water *= (0.85 + 0.3 * ripple[..., None])
    # reflected foliage along the banks
    edge = 1 - np.clip((half - np.abs(x - centre)) / (half * 0.45 + 1), 0, 1)
    water = mix(water, rgb(200, 90, 40) * 0.8, edge * 0.5)
    mix(img, water, river.astype(float))
    rapids = smoothstep(0.62, 0.75, fbm(99, cells=30, octaves=3,
                                        stretch=5)) * river
    add_light(img, rgb(200, 210, 220), rapids * 0.6)

    # a red bridge across the river in the middle distance
    im = to_pil(img)
    d = ImageDraw.Draw(im)
    by = 212.0
    bc = 232 - 60 * np.sin((by - 178) / (H - 178) * 2.6) + \
        30 * (by - 178) / (H - 178)
    bl, br = bc - 44, bc + 44
    arch = [(bl + (br - bl) * k / 30,
             by - 8 * np.sin(np.pi * k / 30)) for k in range(31)]
    d.line(pts(arch), fill=(200, 40, 30), width=int(SS * 3))
    d.line(pts([(px, py - 7) for px, py in arch]), fill=(220, 50, 36),
           width=int(SS * 1.4))
    for px, py in arch[::3]:
        d.line(S(px, py - 7, px, py), fill=(190, 36, 28), width=SS)
    for px, py in arch[3::6]:
        d.line(S(px, py + 1, px, py + 12 + 8 * np.sin(np.pi * (px - bl) /
                                                      (br - bl))),
               fill=(120, 30, 26), width=int(SS * 1.5))
    img = from_pil(im)

    # mist lying in the valley floor behind the bridge
    mist = np.exp(-((y - 188) / 14.0) ** 2) * \
        smoothstep(0.3, 0.7, fbm(100, cells=4, octaves=4, stretch=3))
    mix(img, rgb(235, 235, 240), mist * 0.3)
    # near banks either side of the river, with larger crowns
    bank = 250 + 16 * (fbm(101, cells=4, octaves=4) - 0.5) * 2
    m = ((y >= bank) & ~river).astype(float)
    tree_crowns(img, m, 102, autumn, lambda yy: 6.0, evergreen=0.3,
                clip=1 - river)

    # overhanging maple branches in the upper corners
    im = to_pil(img)
    d = ImageDraw.Draw(im)
    rng = np.random.RandomState(105)
    leaf_cols = [(200, 24, 20), (228, 50, 24), (240, 90, 30),
                 (180, 20, 30), (250, 130, 40)]
    for ox, oy, dx in ((-10, 10, 1), (410, 0, -1)):
        for b in range(3):
            pts_b = []
            ang = 0.15 + b * 0.25
            for k in range(12):
                t = k / 11.0
                pts_b.append((ox + dx * t * (110 - b * 20),
                              oy + t * 30 * np.sin(ang) + 18 * t * t +
                              b * 14))
            d.line(pts(pts_b), fill=(60, 34, 26),
                   width=int(SS * (3 - b * 0.7)), joint='curve')
            for px, py in pts_b[3:]:
                for _ in range(6):
                    lx = px + rng.normal() * 8
                    ly = py + rng.normal() * 6 + 4
                    sz = 5 + rng.random_sample() * 5
                    c = leaf_cols[rng.randint(len(leaf_cols))]
                    c = shade(c, 0.75 + 0.4 * rng.random_sample())
                    d.polygon(pts(maple_leaf(lx, ly, sz,
                                             rng.normal() * 0.8)), fill=c)
    # a few leaves drifting down over the valley
    for _ in range(30):
        lx, ly = rng.random_sample() * W, 40 + rng.random_sample() * 220
        c = leaf_cols[rng.randint(len(leaf_cols))]
        d.polygon(pts(maple_leaf(lx, ly, 2 + rng.random_sample() * 2.5,
                                 rng.random_sample() * 6)), fill=c)
    img = from_pil(im)
    add_light(img, rgb(255, 230, 190), glow(x, y, 80, 0, 220) * 0.12)
    return finish(img)



def snowfall(img, seed, count, near=1.0):
    """Falling flakes: many small sharp ones, a few big soft ones close
    to the viewer."""
    rng = np.random.RandomState(seed)
    sharp, _ = layer()
    soft, _ = layer()
    ds, dsoft = ImageDraw.Draw(sharp), ImageDraw.Draw(soft)
    for _ in range(count):
        px, py = rng.random_sample() * W, rng.random_sample() * H
        z = rng.random_sample() ** 3
        r = 0.4 + z * 2.6 * near
        target = dsoft if z > 0.5 else ds
        target.ellipse(S(px - r, py - r, px + r, py + r),
                       fill=int(150 + 105 * rng.random_sample()))
    flakes = as_mask(sharp) + blur(as_mask(soft), 1.2) * 0.9
    mix(img, rgb(250, 250, 255), flakes * 0.9)
    return img


# ---------------------------------------- a torii gate in the snow

@picture(7)
def torii_in_snow():
    x, y = grid()
    xs = (np.arange(SW) + 0.5) / SS
    img = vertical([(0.0, (18, 34, 84)), (0.3, (48, 78, 140)),
                    (0.52, (128, 146, 196)), (0.6, (176, 180, 214))])
    # snow-laden cedars on the hills behind
    im = to_pil(img)
    d = ImageDraw.Draw(im)
    rng = np.random.RandomState(111)
    for row, (base, hmin, hmax, col) in enumerate((
            (176, 26, 46, (76, 92, 132)), (190, 34, 60, (46, 60, 96)))):
        xpos = -10.0
        while xpos < W + 10:
            hgt = hmin + rng.random_sample() * (hmax - hmin)
            wid = hgt * (0.34 + rng.random_sample() * 0.1)
            gy = base + 6 * np.sin(xpos / 45 + row)
            d.polygon(pts([(xpos - wid / 2, gy), (xpos, gy - hgt),
                           (xpos + wid / 2, gy)]), fill=col)
            # snow lying on the tiers of branches
            for k in range(4):
                t = 0.2 + k * 0.2
                ty = gy - hgt * (1 - t)
                half = wid / 2 * t
                d.polygon(pts([(xpos - half, ty + 2), (xpos, ty - 2.5),
                               (xpos + half * 0.8, ty + 1.5),
                               (xpos, ty + 0.5)]),
                          fill=shade((220, 226, 240), 0.8 + 0.1 * row))
            xpos += wid * (0.45 + rng.random_sample() * 0.4)
    img = from_pil(im)

    # the snow field, softly undulating, with a trodden path to the gate
    ground_y = 196 + 4 * np.sin(xs / 60.0)
    ground = (y >= ground_y[None, :]).astype(float)
    drift = fbm(112, cells=3, octaves=5, stretch=2.5)
    snow = ramp(np.clip((y - 190) / 110, 0, 1),
                [(0.0, (170, 182, 220)), (1.0, (214, 222, 246))])
    snow *= (0.9 + 0.18 * drift[..., None])
    mix(img, snow, ground)
    t = np.clip((y - 205) / (H - 205), 0, 1)
    path = (np.abs(x - 200 - 10 * np.sin(t * 3)) < 4 + 64 * t ** 1.2) & \
        (y > 205)
    mix(img, rgb(140, 150, 196), path * (0.4 + 0.2 * drift))
    prints = smoothstep(0.7, 0.8, fbm(113, cells=40, octaves=2, stretch=2))
    mix(img, rgb(120, 128, 176), prints * path * 0.6)

    im = to_pil(img)
    d = ImageDraw.Draw(im)
    red, dark_red, black = (206, 46, 30), (150, 30, 24), (36, 30, 34)
    snow_c = (240, 244, 255)
    cx, base, top = 200.0, 232.0, 92.0
    # pillars lean slightly inwards
    for side in (-1, 1):
        bx, tx_ = cx + side * 52, cx + side * 47
        d.ellipse(S(bx - 14, base - 2, bx + 14, base + 4), fill=(150, 160, 200))
        d.polygon(pts([(bx - 6.5, base), (bx + 6.5, base),
                       (tx_ + 5.2, top + 18), (tx_ - 5.2, top + 18)]),
                  fill=red)
        d.polygon(pts([(bx + side * 6.5, base), (bx + side * 2.5, base),
                       (tx_ + side * 2, top + 18),
                       (tx_ + side * 5.2, top + 18)]), fill=dark_red)
        d.rectangle(S(bx - 7.5, base - 8, bx + 7.5, base + 1), fill=black)
    # nuki: the lower tie beam, and the central strut
    d.rectangle(S(cx - 66, top + 32, cx + 66, top + 39), fill=red)
    d.rectangle(S(cx - 66, top + 37, cx + 66, top + 39), fill=dark_red)
    d.rectangle(S(cx - 4, top + 17, cx + 4, top + 32), fill=red)
    d.rectangle(S(cx - 8, top + 17, cx + 8, top + 30), fill=(40, 34, 40))
    d.rectangle(S(cx - 7, top + 18, cx + 7, top + 29), fill=(200, 170, 90))
    # kasagi: the top beam sweeping up at both ends
    beam_top, beam_low = [], []
    for k in range(41):
        u = (k - 20) / 20.0
        bxp = cx + u * 86
        lift = 9 * abs(u) ** 3
        beam_top.append((bxp, top - lift))
        beam_low.append((bxp, top + 9 - lift * 0.8))
    d.polygon(pts(beam_top + beam_low[::-1]), fill=red)
    d.polygon(pts(beam_top + [(p[0], p[1] + 3.5) for p in beam_top[::-1]]),
              fill=black)
    d.rectangle(S(cx - 74, top + 10, cx + 74, top + 17), fill=red)
    d.rectangle(S(cx - 74, top + 15, cx + 74, top + 17), fill=dark_red)
    # snow caps on the beams
    cap = [(p[0], p[1] - 3.5 - 1.5 * np.cos(p[0] / 5.0) ** 2)
           for p in beam_top]
    d.polygon(pts(cap + beam_top[::-1]), fill=snow_c)
    d.rectangle(S(cx - 66, top + 30.5, cx + 66, top + 32.5), fill=snow_c)
    # stone lanterns with a warm light inside
    lanterns = ((cx - 108, 246.0), (cx + 108, 246.0))
    stone = (108, 112, 140)
    for lx, ly in lanterns:
        d.rectangle(S(lx - 6, ly - 3, lx + 6, ly + 1), fill=stone)
        d.rectangle(S(lx - 2, ly - 20, lx + 2, ly - 3), fill=stone)
        d.rectangle(S(lx - 5, ly - 24, lx + 5, ly - 20), fill=stone)
        d.rectangle(S(lx - 4.5, ly - 33, lx + 4.5, ly - 24), fill=stone)
        d.rectangle(S(lx - 2.8, ly - 31.5, lx + 2.8, ly - 25.5),
                    fill=(255, 210, 120))
        d.polygon(pts([(lx - 10, ly - 33), (lx, ly - 41), (lx + 10, ly - 33)]),
                  fill=stone)
        d.polygon(pts([(lx - 10, ly - 33.5), (lx, ly - 43),
                       (lx + 10, ly - 33.5), (lx, ly - 39)]), fill=snow_c)
        d.ellipse(S(lx - 1.5, ly - 46, lx + 1.5, ly - 42), fill=stone)
    img = from_pil(im)
    for lx, ly in lanterns:
        add_light(img, rgb(255, 170, 80), glow(x, y, lx, ly - 28, 14) * 0.5)
        # a pool of warm light on the snow below
        pool = np.exp(-(((x - lx) / 30) ** 2 + ((y - ly - 2) / 8) ** 2))
        add_light(img, rgb(255, 170, 90), pool * 0.25)
    # a faint warm glow in the sky over the shrine
    add_light(img, rgb(255, 150, 110), glow(x, y, 200, 190, 150) * 0.08)
    snowfall(img, 114, 650)
    return finish(img)


# ------------------------------------ stained-glass kaleidoscope rose

@picture(8)
def stained_glass():
    x, y = grid()
    cx, cy = 200.0, 149.5
    dx, dy = x - cx, y - cy
    r = np.hypot(dx, dy)
    a = np.arctan2(dy, dx)
    # fold every direction into one mirrored twelfth of the circle
    wedge = 2 * np.pi / 12
    af = np.abs(((a + wedge / 2) % wedge) - wedge / 2)
    u, v = r * np.cos(af), r * np.sin(af)

    rng = np.random.RandomState(121)
    seeds = []
    for ring, (r0, count) in enumerate(((12, 1), (30, 2), (52, 2), (76, 3),
                                        (100, 3), (126, 4), (152, 4),
                                        (180, 5), (210, 5), (242, 6))):
        for k in range(count):
            ang = (k + 0.5) / count * wedge / 2 + rng.normal() * 0.02
            rr = r0 + rng.normal() * 3
            seeds.append((rr * np.cos(ang), rr * np.sin(ang), ring))
    jewels = [(200, 30, 50), (30, 70, 180), (240, 170, 30), (30, 140, 90),
              (120, 40, 160), (20, 150, 190), (230, 90, 30), (180, 20, 110)]
    ring_col = [jewels[(i * 3) % len(jewels)] for i in range(10)]
    best = np.full(r.shape, 1e9, dtype=np.float32)
    second = np.full(r.shape, 1e9, dtype=np.float32)
    owner = np.zeros(r.shape, dtype=np.int32)
    uf, vf = u.astype(np.float32), v.astype(np.float32)
    for i, (su, sv, _) in enumerate(seeds):
        dd = np.hypot(uf - su, vf - sv)
        closer = dd < best
        second = np.where(closer, best, np.minimum(second, dd))
        best = np.where(closer, dd, best)
        owner = np.where(closer, i, owner)
    img = np.zeros(r.shape + (3,))
    for i, (su, sv, ring) in enumerate(seeds):
        if rng.random_sample() < 0.35:
            col = jewels[rng.randint(len(jewels))]
        else:
            col = ring_col[ring]
        sel = owner == i
        img[sel] = rgb(*col)
    # glass is brightest in the middle of each pane
    inner = np.clip(1.25 - best / 30.0, 0.55, 1.25)
    img *= inner[..., None]
    texture = fbm(122, cells=30, octaves=4)
    img *= (0.82 + 0.36 * texture[..., None])
    streaks = fbm(123, cells=6, octaves=5, stretch=0.3)
    img *= (0.9 + 0.2 * streaks[..., None])
    # the light behind the window: a warm centre, darker at the corners
    light = 0.55 + 0.75 * np.exp(-(r / 170.0) ** 2)
    img *= light[..., None]
    add_light(img, rgb(255, 240, 200), np.exp(-(r / 40.0) ** 2) * 0.35)

    # lead cames between the panes and around concentric rings
    lead = smoothstep(1.6, 0.9, second - best)
    for rr in (42, 88, 140, 196):
        lead = np.maximum(lead, smoothstep(1.5, 0.7, np.abs(r - rr)))
    spokes = smoothstep(1.4, 0.6, v) * (r > 42)
    lead = np.maximum(lead, spokes)
    mix(img, rgb(28, 24, 30), lead)
    # a thin highlight along the cames catches the light
    sheen = smoothstep(1.8, 1.2, second - best) * (1 - lead)
    add_light(img, rgb(90, 80, 70), sheen * 0.3)
    bloom(img, threshold=0.85, radius=6, amount=0.35)
    return finish(img)


def pine(d, x0, base, height, fill):
    """A spruce silhouette made of drooping tiers."""
    tiers = 7
    for k in range(tiers):
        t0 = k / tiers
        wid = height * 0.28 * (1 - t0 * 0.85)
        ty = base - height * t0
        d.polygon(pts([(x0 - wid, ty), (x0, ty - height * 0.28),
                       (x0 + wid, ty)]), fill=fill)
    d.line(S(x0, base + 1, x0, base - height), fill=fill, width=SS)


# -------------------------------- aurora and the Milky Way over a lake

@picture(9)
def aurora_night():
    x, y = grid()
    xs = (np.arange(SW) + 0.5) / SS
    hz = 206.0
    img = vertical([(0.0, (4, 6, 22)), (0.4, (10, 18, 44)),
                    (0.68, (18, 36, 62))])
    # the Milky Way crossing from lower left to upper right
    nx, ny = 0.8, 0.6                      # unit normal of the band
    dist = (x - 250) * nx + (y - 70) * ny
    band = np.exp(-(dist / 42.0) ** 2)
    clouds = fbm(131, cells=5, octaves=7)
    dust = smoothstep(0.5, 0.7, fbm(132, cells=7, octaves=6)) * \
        np.exp(-(dist / 14.0) ** 2)
    glowc = ramp(clouds, [(0.0, (40, 40, 80)), (0.5, (120, 110, 150)),
                          (1.0, (230, 210, 200))])
    add_light(img, glowc, band * smoothstep(0.3, 0.8, clouds) * 0.8)
    mix(img, rgb(6, 8, 20), dust * 0.7)
    stars(img, 133, 2200, weight=0.5 + 0.5 * band, size=0.6)
    stars(img, 134, 1800, weight=band * 0.7, size=0.4)

    # aurora: curtains of light hanging from a wavy lower edge, rising in
    # vertical rays and fading from green to violet at the top
    for seed, base, amp, height, strength in ((135, 140, 22, 30, 1.25),
                                              (136, 92, 14, 22, 0.5)):
        wave = base + amp * np.sin(xs / 28.0 + seed) + \
            70 * (fbm1(seed, SW, cells=4, octaves=3) - 0.5) - \
            0.12 * (xs - 200)
        above = wave[None, :] - y
        rays = fbm1(seed + 10, SW, cells=60, octaves=3, persistence=0.6)
        rays = smoothstep(0.3, 0.8, rays)[None, :]
        edge = smoothstep(-9, 2, above)
        fall = np.exp(-np.clip(above, 0, None) / height)
        patches = smoothstep(0.3, 0.6, fbm(seed + 20, cells=2.5, octaves=3))
        sheet = (edge * fall * (0.12 + 1.1 * rays) +
                 np.exp(-(above / 4.0) ** 2) * 0.5) * patches
        col = ramp(np.clip(above / (height * 2.2), 0, 1),
                   [(0.0, (90, 255, 160)), (0.4, (40, 220, 140)),
                    (0.75, (90, 120, 200)), (1.0, (170, 70, 190))])
        add_light(img, col, sheet[..., None] * strength)
    # the aurora lights the whole sky faintly green
    add_light(img, rgb(20, 60, 40), smoothstep(60, 200, y) * 0.5)

    # jagged snowy mountains, lit green-white by the aurora
    n = fbm1(137, SW, cells=4, octaves=7)
    ridged = 1 - np.abs(2 * n - 1)
    ridge = hz - 10 - 75 * ridged ** 1.6 * (0.5 + 0.5 * np.sin(xs / 90 + 1)
                                            ** 2)
    mtn = (y >= ridge[None, :]) & (y < hz + 1)
    # embossed ridged noise gives lit and shaded rock faces and gullies
    rock = fbm(138, cells=10, octaves=5, stretch=0.5)
    rock = 1 - np.abs(2 * rock - 1)
    faces = rock - np.roll(rock, 2 * SS, axis=1)
    lit = np.clip(0.6 + faces * 6, 0.15, 1.0)
    snowy = smoothstep(0.55, 0.75, rock + 0.35 * (1 - (y - ridge[None, :])
                                                  / 50.0))
    body = ramp(snowy * lit, [(0.0, (12, 18, 30)), (0.5, (48, 68, 84)),
                              (1.0, (150, 184, 190))])
    body = mix(body, rgb(18, 30, 44), smoothstep(hz - 30, hz, y) * 0.6)
    mix(img, body, mtn.astype(float))

    im = to_pil(img)
    d = ImageDraw.Draw(im)
    rng = np.random.RandomState(139)
    # a dark line of forest along the far shore with a lit cabin
    for k in range(90):
        px = rng.random_sample() * W
        h_ = 6 + rng.random_sample() * 12
        pine(d, px, hz + 1, h_, (6, 12, 18))
    d.rectangle(S(0, hz - 2, W, hz + 1), fill=(6, 12, 18))
    cab_x = 300.0
    d.polygon(pts([(cab_x - 10, hz), (cab_x - 10, hz - 9), (cab_x, hz - 17),
                   (cab_x + 10, hz - 9), (cab_x + 10, hz)]), fill=(12, 14, 20))
    d.polygon(pts([(cab_x - 12, hz - 8), (cab_x, hz - 18.5),
                   (cab_x + 12, hz - 8), (cab_x, hz - 16)]),
              fill=(200, 220, 230))
    d.rectangle(S(cab_x - 5, hz - 7, cab_x - 1, hz - 3), fill=(255, 200, 110))
    d.rectangle(S(cab_x + 2, hz - 7, cab_x + 6, hz - 3), fill=(255, 190, 100))
    img = from_pil(im)
    add_light(img, rgb(255, 170, 80), glow(x, y, cab_x, hz - 5, 12) * 0.35)

    reflect(img, hz, wobble=2.0, seed=140, darken=0.7,
            tint=(0.02, 0.05, 0.08), tint_amount=0.25)
    img[y > hz] = blur(img, 0.8, axes=(0,))[y > hz]
    # a few big spruces close by on the left frame the view
    im = to_pil(img)
    d = ImageDraw.Draw(im)
    d.polygon(pts([(0, 268), (70, 276), (120, 299), (0, 299)]),
              fill=(4, 8, 12))
    for px, h_ in ((8, 170), (30, 120), (52, 86), (380, 150), (396, 110)):
        pine(d, px, 285 if px < 200 else 299, h_, (4, 8, 12))
    img = from_pil(im)
    return finish(img)


def cumulus(img, seed, base, top, amount=1.0):
    """Summer cumulus: billowing tops lit by the sun, flat grey-blue
    bottoms."""
    x, y = grid()
    n = fbm(seed, cells=3, octaves=7, persistence=0.55, stretch=1.2)
    # thinner towards the top so the towers taper, cut flat at the base
    shape = n - (base - y) / (base - top) * 0.35
    dens = smoothstep(0.42, 0.5, shape) * smoothstep(base + 2, base - 6, y)
    up = np.roll(n, 4 * SS, axis=0)
    lit = np.clip(0.78 + (n - up) * 5 + (base - y) / (base - top) * 0.25,
                  0.6, 1.05)
    col = ramp(lit, [(0.6, (150, 164, 196)), (0.85, (222, 228, 240)),
                     (1.05, (255, 255, 255))])
    mix(img, col, dens * amount)
    return img


def sunflower(d, cx, cy, r, rng, tilt=0.0):
    """A sunflower head facing the viewer: two rings of petals around a
    dark seed disc."""
    petal_cols = [(255, 200, 20), (250, 180, 10), (255, 214, 50),
                  (236, 160, 10)]
    squash = 0.85 + 0.15 * np.cos(tilt)
    for ring, (count, length) in enumerate(((16, 1.0), (16, 0.85))):
        off = rng.random_sample() * np.pi
        for k in range(count):
            a = off + k * 2 * np.pi / count + ring * np.pi / count
            ca, sa = np.cos(a), np.sin(a) * squash
            tip = (cx + ca * r * length, cy + sa * r * length)
            side = 0.16 * r
            base1 = (cx + ca * r * 0.35 - sa * side,
                     cy + sa * r * 0.35 + ca * side * squash)
            base2 = (cx + ca * r * 0.35 + sa * side,
                     cy + sa * r * 0.35 - ca * side * squash)
            col = petal_cols[rng.randint(len(petal_cols))]
            if ring == 1:
                col = shade(col, 0.9)
            d.polygon(pts([base1, tip, base2]), fill=col)
    rd = r * 0.42
    d.ellipse(S(cx - rd, cy - rd * squash, cx + rd, cy + rd * squash),
              fill=(90, 50, 20))
    rd2 = r * 0.3
    d.ellipse(S(cx - rd2, cy - rd2 * squash, cx + rd2, cy + rd2 * squash),
              fill=(60, 34, 14))
    if r > 6:
        for _ in range(int(r * 2)):
            a = rng.random_sample() * 2 * np.pi
            rr = rd * np.sqrt(rng.random_sample())
            px, py = cx + np.cos(a) * rr, cy + np.sin(a) * rr * squash
            d.ellipse(S(px - 0.35, py - 0.35, px + 0.35, py + 0.35),
                      fill=(130, 80, 30))


# ------------------------------------------- sunflowers under summer sky

@picture(10)
def sunflower_field():
    x, y = grid()
    xs = (np.arange(SW) + 0.5) / SS
    hz = 158.0
    img = vertical([(0.0, (30, 96, 200)), (0.3, (70, 140, 224)),
                    (0.53, (176, 214, 244))])
    cumulus(img, 151, 128, 40)
    # distant green hills and a line of trees
    for seed, base, amp, col in ((152, 152, 22, (110, 150, 150)),
                                 (153, 160, 12, (70, 124, 70))):
        ridge = base - amp * fbm1(seed, SW, cells=4, octaves=6)
        m = (y >= ridge[None, :]).astype(float)
        mix(img, rgb(*col) * (0.9 + 0.2 * fbm(seed, cells=40, octaves=3)
                               )[..., None], m)
    im = to_pil(img)
    d = ImageDraw.Draw(im)
    rng = np.random.RandomState(154)
    # a little red-roofed farmhouse on the hill
    fx, fy = 300.0, 156.0
    d.rectangle(S(fx - 7, fy - 6, fx + 7, fy), fill=(238, 232, 220))
    d.polygon(pts([(fx - 9, fy - 6), (fx - 4, fy - 11), (fx + 6, fy - 11),
                   (fx + 9, fy - 6)]), fill=(190, 50, 40))
    d.rectangle(S(fx - 4, fy - 4, fx - 1.5, fy - 1.5), fill=(80, 100, 130))
    d.rectangle(S(fx + 2, fy - 4, fx + 4.5, fy), fill=(120, 80, 50))
    # the field: a green floor, then rows of flowers from far to near
    d.rectangle(S(0, hz, W, H), fill=(70, 110, 40))
    row_y = hz + 1.0
    while row_y < H + 60:
        size = 0.6 + (row_y - hz) * 0.16
        step = size * (2.0 + rng.random_sample() * 0.4)
        px = -rng.random_sample() * step
        while px < W + size:
            fx_ = px + rng.normal() * size * 0.3
            fy_ = row_y + rng.normal() * size * 0.15
            r = size * (0.85 + 0.3 * rng.random_sample())
            if r > 2.5:
                # stem and a pair of broad leaves
                d.line(S(fx_, fy_, fx_ + rng.normal() * r * 0.1, fy_ + r * 4),
                       fill=(50, 100, 30), width=max(1, int(r * 0.25 * SS)))
                for sgn in (-1, 1):
                    lx = fx_ + sgn * r * 0.9
                    ly = fy_ + r * (1.4 + rng.random_sample() * 0.8)
                    d.polygon(pts([(fx_, ly - r * 0.2),
                                   (lx, ly - r * 0.5),
                                   (fx_ + sgn * r * 1.6, ly + r * 0.1),
                                   (lx, ly + r * 0.35)]),
                              fill=shade((60, 130, 40),
                                         0.8 + 0.4 * rng.random_sample()))
                sunflower(d, fx_, fy_, r, rng, tilt=rng.normal() * 0.4)
            else:
                # too far away to show petals: a dab of yellow and brown
                d.ellipse(S(fx_ - r, fy_ - r * 0.7, fx_ + r, fy_ + r * 0.7),
                          fill=shade((250, 196, 30),
                                     0.85 + 0.25 * rng.random_sample()))
                d.ellipse(S(fx_ - r * 0.35, fy_ - r * 0.3, fx_ + r * 0.35,
                            fy_ + r * 0.3), fill=(100, 60, 20))
            px += step
        row_y += size * 0.62
    img = from_pil(im)
    # warm summer light and a touch of haze on the distance
    mix(img, rgb(200, 220, 240), smoothstep(175, hz - 2, y) *
        (y > hz - 4) * 0.25)
    add_light(img, rgb(255, 240, 200), glow(x, y, 330, 0, 200) * 0.15)
    return finish(img)


# ------------------------------------------------------- title picture

BOARD_NAVY = (0, 0, 70)
TILE_BLUE, TILE_MAGENTA = (0, 0, 255), (255, 0, 255)
TILE_WHITE, TILE_LIME = (255, 255, 255), (0, 255, 0)


def text_mask(text, fnt, cx, top, stroke=0):
    """Coverage of a line of text centred on cx, its top edge at top."""
    im, d = layer()
    box = d.textbbox((0, 0), text, font=fnt, stroke_width=stroke)
    w = box[2] - box[0]
    d.text((cx * SS - w / 2 - box[0], top * SS - box[1]), text, font=fnt,
           fill=255, stroke_width=stroke, stroke_fill=255)
    return as_mask(im)


def draw_tile(img, kind, x0, y0, size, angle=0):
    """A game tile drawn large: a slight bevel and a soft shadow, with the
    letter (or ring) the tile carries.  angle is in quarter turns."""
    shadow = np.zeros((SH, SW))
    xg, yg = grid()
    inside = (xg >= x0 + size * 0.06) & (xg < x0 + size * 1.06) & \
        (yg >= y0 + size * 0.08) & (yg < y0 + size * 1.08)
    shadow[inside] = 1.0
    mix(img, rgb(0, 0, 20), blur(shadow, size * 0.05) * 0.6)

    ground = {'R': TILE_BLUE, 'F': TILE_MAGENTA, 'O': TILE_WHITE}[kind]
    body = ((xg >= x0) & (xg < x0 + size) & (yg >= y0) &
            (yg < y0 + size)).astype(float)
    mix(img, rgb(*ground), body)
    # bevel: light upper-left edge, dark lower-right edge
    e = size * 0.06
    hi = body * ((xg < x0 + e) | (yg < y0 + e)) * \
        ~((xg > x0 + size - e) & (yg > y0 + e))
    lo = body * ((xg > x0 + size - e) | (yg > y0 + size - e)) * \
        ~((xg < x0 + e) & (yg < y0 + size - e))
    mix(img, rgb(255, 255, 255), hi * 0.35)
    mix(img, rgb(0, 0, 0), lo * 0.3)

    cx, cy = x0 + size / 2, y0 + size / 2
    if kind == 'O':
        r = np.hypot(xg - cx, yg - cy)
        ring = smoothstep(size * 0.38, size * 0.37, r) * \
            smoothstep(size * 0.25, size * 0.26, r)
        mix(img, rgb(*TILE_LIME), ring)
        return img
    im = Image.new('L', (int(size * SS * 2), int(size * SS * 2)), 0)
    d = ImageDraw.Draw(im)
    fnt = font(FONT_GOTHIC, size * 0.78)
    weight = int(size * SS * 0.045)        # the plain gothic made bolder
    box = d.textbbox((0, 0), kind, font=fnt, stroke_width=weight)
    w, h = box[2] - box[0], box[3] - box[1]
    d.text((im.width / 2 - w / 2 - box[0], im.height / 2 - h / 2 - box[1]),
           kind, font=fnt, fill=255, stroke_width=weight, stroke_fill=255)
    im = im.rotate(-90 * angle)
    full, _ = layer()
    full.paste(im, (int(cx * SS - im.width / 2), int(cy * SS - im.height / 2)))
    mix(img, rgb(255, 255, 255), as_mask(full))
    return img


def fancy_text(img, text, fnt_path, size, cx, top, colors, outline,
               stroke=0.1):
    """Title lettering: a soft glow, a thick outline and a vertical
    colour gradient through the letters."""
    fnt = font(fnt_path, size)
    s_px = max(1, int(size * SS * stroke))
    outer = text_mask(text, fnt, cx, top - stroke * size, stroke=s_px)
    fill = text_mask(text, fnt, cx, top - stroke * size + 0.0, stroke=0)
    # shift so the fill sits inside the outline (both share the top edge)
    fill = np.roll(fill, s_px, axis=0)
    shadow = np.roll(np.roll(outer, int(SS * size * 0.05), 0),
                     int(SS * size * 0.04), 1)
    mix(img, rgb(0, 0, 20), blur(shadow, size * 0.04) * 0.7)
    add_light(img, rgb(120, 160, 255), blur(outer, size * 0.15) * 0.45)
    mix(img, rgb(*outline), outer)
    _, y = grid()
    ys = np.nonzero(fill.max(axis=1) > 0)[0]
    t = np.clip((y * SS - ys.min()) / max(1, ys.max() - ys.min()), 0, 1)
    grad = ramp(t, colors)
    # a glossy highlight across the upper half
    gloss = (t < 0.45) * 0.18
    mix(img, grad, fill)
    add_light(img, rgb(255, 255, 255), fill * gloss)
    return img


@picture(1)
def title_screen():
    x, y = grid()
    img = vertical([(0.0, (4, 6, 50)), (0.5, BOARD_NAVY), (1.0, (10, 4, 60))])
    add_light(img, rgb(40, 60, 170), glow(x, y, 200, 120, 170) * 0.6)
    # the faint grid of the board behind everything
    cell = 29.0
    lines = (np.abs(((x - 200) / cell) % 1.0 - 0.5) > 0.47) | \
        (np.abs(((y - 12) / cell) % 1.0 - 0.5) > 0.47)
    add_light(img, rgb(60, 80, 180), lines * 0.12)
    stars(img, 161, 260, size=0.6)

    # sprays of light behind the title, the mood of good news
    ang = np.arctan2(y - 130, x - 200)
    rays = 0.5 + 0.5 * np.cos(ang * 16)
    add_light(img, rgb(80, 90, 200), smoothstep(0.7, 1.0, rays) *
              np.exp(-np.hypot(x - 200, y - 130) / 140) * 0.35)

    # a scatter of small tiles tumbling across the background
    rng = np.random.RandomState(162)
    spots = ((18, 18, 'R', 1), (352, 12, 'O', 0), (362, 70, 'F', 3),
             (14, 88, 'O', 0), (28, 232, 'F', 0), (352, 228, 'R', 2),
             (72, 252, 'O', 0), (300, 256, 'O', 0))
    for sx, sy, kind, turn in spots:
        draw_tile(img, kind, sx, sy, 24 + rng.random_sample() * 6, turn)

    fancy_text(img, '目指せ！', FONT_GOTHIC_P, 64, 200, 22,
               [(0.0, (255, 255, 255)), (0.5, (255, 240, 150)),
                (1.0, (255, 180, 40))], outline=(150, 20, 60), stroke=0.09)

    # the second half of the title spelt with the game's own tiles
    size, gap = 62.0, 8.0
    bang_w = 34.0
    total = 4 * size + 3 * gap + 6 + bang_w
    x0 = 200 - total / 2
    for k, kind in enumerate('ROFO'):
        draw_tile(img, kind, x0 + k * (size + gap), 112, size)
    fancy_text(img, '！', FONT_GOTHIC_P, 64, x0 + 4 * (size + gap) - 2 +
               bang_w / 2, 110, [(0.0, (255, 255, 255)),
                                 (0.5, (255, 240, 150)),
                                 (1.0, (255, 180, 40))],
               outline=(150, 20, 60), stroke=0.09)

    fancy_text(img, '〜 合格めざして ことばのパズル 〜', FONT_GOTHIC_P, 15,
               200, 200, [(0.0, (255, 255, 255)), (1.0, (200, 230, 255))],
               outline=(20, 20, 90), stroke=0.12)

    # cherry petals drifting past, for spring and good news
    im = to_pil(img)
    d = ImageDraw.Draw(im)
    pinks = [(255, 200, 220), (255, 170, 200), (255, 226, 236)]
    for _ in range(46):
        px, py = rng.random_sample() * W, rng.random_sample() * H
        s = 1.5 + rng.random_sample() * 2.5
        a = rng.random_sample() * np.pi
        ca, sa = np.cos(a), np.sin(a)
        petal = [(px + ca * s * u - sa * s * 0.55 * v,
                  py + sa * s * u + ca * s * 0.55 * v)
                 for u, v in ((-1, 0), (-0.3, 1), (0.7, 0.7), (1, 0.15),
                              (0.8, 0), (1, -0.15), (0.7, -0.7), (-0.3, -1))]
        d.polygon(pts(petal), fill=pinks[rng.randint(len(pinks))])
    img = from_pil(im)
    return finish(img)
