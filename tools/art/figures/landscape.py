"""Pieces of scenery for full pictures: sky, sun, clouds, hills, trees, grass and flowers."""
import math
import random

from .. import palette as P
from ..canvas import linear, radial
from ..shapes import bezier, box, circle, ellipse, path, polygon, stroke


def sky(c, top=P.SKY_TOP, bottom=P.SKY_BOTTOM, y0=0, y1=None):
    y1 = c.height if y1 is None else y1
    c.fill(box(0, y0, c.width, y1), linear(top, bottom, (0, y0), (0, y1)))


def sun(c, x, y, r, colour=P.SUN, glow=(255, 250, 210)):
    c.fill(circle(x, y, r * 2.6), radial(glow, glow, (x, y), r * 2.6), opacity=0.25)
    c.fill(circle(x, y, r * 1.6), glow, opacity=0.35)
    c.outlined(circle(x, y, r), colour, max(1.0, r / 12))
    c.shade(circle(x, y, r), (255, 190, 60), (r / 6, r / 6))


def cloud(c, x, y, w, outline=True):
    """A fluffy cloud about `w` wide whose flat bottom is at y."""
    h = w * 0.34
    blobs = (circle(x - w * 0.28, y - h * 0.32, h * 0.42) + circle(x, y - h * 0.55, h * 0.62)
             + circle(x + w * 0.27, y - h * 0.36, h * 0.46) + ellipse(x, y - h * 0.2, w * 0.48, h * 0.24))
    if outline:
        c.figure([(blobs, P.CLOUD)], max(1.0, w / 70), outline=(140, 170, 210))
    else:
        c.fill(blobs, P.CLOUD)
    c.shade(blobs, P.CLOUD_SHADE, (0, h * 0.14))


def hills(c, base_y, amplitude, colour, rim, seed, y_bottom=None, bumps=4):
    """A rolling band of hills from x = 0 to the width, bottom at y_bottom (default: canvas)."""
    rng = random.Random(seed)
    y_bottom = c.height if y_bottom is None else y_bottom
    xs = [c.width * i / bumps for i in range(bumps + 1)]
    tops = [base_y - amplitude * (0.4 + 0.6 * rng.random()) for _ in xs]
    pts = []
    for i in range(bumps):
        x0, x1 = xs[i] - 40, xs[i + 1] + 40
        mid = (x0 + x1) / 2
        pts += bezier((x0, base_y), (x0 + (mid - x0) * 0.4, tops[i]), (mid + (x1 - mid) * 0.6, tops[i]),
                      (x1, base_y))
    shape = polygon([(-10, y_bottom + 5)] + pts + [(c.width + 10, y_bottom + 5)])
    c.fill(shape, colour)
    c.shade(shape, rim, (0, 3))
    return shape


def tree(c, x, ground, scale=1.0, seed=0, width=None):
    """A round leafy tree standing at (x, ground); `scale` 1 is about 60 px tall."""
    s = scale
    ow = width if width is not None else max(1.0, 1.2 * s)
    trunk = polygon([(x - 4 * s, ground), (x - 2.5 * s, ground - 26 * s), (x + 2.5 * s, ground - 26 * s),
                     (x + 4 * s, ground)])
    branch = stroke([(x, ground - 20 * s), (x + 9 * s, ground - 30 * s)], 2.5 * s)
    c.figure([(trunk, P.TRUNK), (branch, P.TRUNK)], ow)
    c.shade(trunk, P.EARTH_SHADE, (2 * s, 0))
    rng = random.Random(seed)
    crown = circle(x, ground - 40 * s, 19 * s)
    for _ in range(6):
        a = rng.uniform(0, 2 * math.pi)
        d = rng.uniform(9, 14) * s
        crown = crown + circle(x + math.cos(a) * d, ground - 40 * s + math.sin(a) * d * 0.8,
                               rng.uniform(9, 12) * s)
    c.figure([(crown, P.LEAVES)], ow)
    c.shade(crown, P.LEAVES_SHADE, (4 * s, 5 * s))
    c.shade(crown, (120, 200, 96), (-2.5 * s, -3 * s), opacity=0.8)
    return crown


def grass_tufts(c, y0, y1, count, seed, colours=(P.GRASS_SHADE, P.GRASS_LIGHT), x0=0, x1=None):
    rng = random.Random(seed)
    x1 = c.width if x1 is None else x1
    for _ in range(count):
        x, y = rng.uniform(x0, x1), rng.uniform(y0, y1)
        h = rng.uniform(4, 8)
        col = colours[rng.randrange(len(colours))]
        for dx in (-2.5, 0, 2.5):
            c.fill(stroke([(x + dx * 0.6, y), (x + dx * 1.3, y - h * (1.1 if dx == 0 else 0.8))], 1.3), col)


def flowers(c, y0, y1, count, seed, x0=0, x1=None, size=2.2):
    rng = random.Random(seed)
    x1 = c.width if x1 is None else x1
    petals = [(255, 255, 255), (255, 214, 64), (255, 140, 170), (190, 150, 255)]
    for _ in range(count):
        x, y = rng.uniform(x0, x1), rng.uniform(y0, y1)
        col = petals[rng.randrange(len(petals))]
        c.fill(stroke([(x, y), (x, y + size * 2.5)], 1.0), P.GRASS_SHADE)
        for k in range(5):
            a = 2 * math.pi * k / 5
            c.fill(circle(x + math.cos(a) * size * 0.8, y + math.sin(a) * size * 0.8, size * 0.65), col)
        c.fill(circle(x, y, size * 0.55), (255, 180, 40))


def meadow(c, top, seed, bottom=None):
    """Green ground from `top` down, with a soft light edge and tufts."""
    bottom = c.height if bottom is None else bottom
    ground = path(bezier((-10, top + 6), (c.width * 0.3, top - 8), (c.width * 0.7, top + 10), (c.width + 10, top)),
                  [(c.width + 10, bottom + 5), (-10, bottom + 5)])
    c.fill(ground, linear(P.GRASS, P.GRASS_SHADE, (0, top), (0, bottom)))
    return ground
