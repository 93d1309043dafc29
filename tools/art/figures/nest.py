"""The hero's eggs and the nest they lie in."""
import math
import random

from .. import palette as P
from ..shapes import bezier, circle, ellipse, path, stroke


def egg_shape(x, y, h, tilt=0.0):
    """An egg standing on (x, y) - its bottom point - `h` tall."""
    w = h * 0.74
    right = bezier((x, y - h), (x + w * 0.62, y - h), (x + w * 0.68, y - h * 0.3), (x, y))
    left = [(2 * x - px, py) for px, py in reversed(right)]
    shape = path(right, left)
    return shape.rotated(tilt, (x, y)) if tilt else shape


def egg(c, x, y, h, tilt=0.0, outline=None, spots=True):
    ow = outline if outline is not None else max(1.0, h / 14)
    shape = egg_shape(x, y, h, tilt)
    c.outlined(shape, P.EGG, ow)
    c.shade(shape, P.EGG_SHADE, (h * 0.09, h * 0.07))
    if spots:
        rng = random.Random(int(x * 7 + y * 13))
        for _ in range(4):
            sx = x + rng.uniform(-0.22, 0.22) * h
            sy = y - rng.uniform(0.25, 0.8) * h
            c.fill(circle(sx, sy, h * rng.uniform(0.05, 0.08)), P.EGG_SPOT, clip=shape)
    c.fill(ellipse(x - h * 0.12, y - h * 0.68, h * 0.07, h * 0.12, -20), P.WHITE, opacity=0.85)
    return shape


def nest_back(c, x, y, w, outline=None):
    """The inner back rim of a nest centred at x with its rim at y (draw eggs after it)."""
    ow = outline if outline is not None else max(1.0, w / 40)
    inner = ellipse(x, y, w * 0.45, w * 0.12)
    c.outlined(inner, P.NEST_SHADE, ow)


def nest_front(c, x, y, w, outline=None, seed=1):
    """The woven front of the nest, overlapping the eggs' lower halves."""
    ow = outline if outline is not None else max(1.0, w / 40)
    bowl = path(bezier((x - w * 0.5, y), (x - w * 0.48, y + w * 0.3), (x + w * 0.48, y + w * 0.3), (x + w * 0.5, y)),
                bezier((x + w * 0.5, y), (x, y + w * 0.1), (x - w * 0.5, y)))
    c.outlined(bowl, P.NEST, ow)
    c.shade(bowl, P.NEST_SHADE, (w * 0.02, w * 0.04))
    rng = random.Random(seed)
    for i in range(int(w / 6)):
        t = rng.uniform(-0.45, 0.45)
        yy = y + w * rng.uniform(0.06, 0.2)
        a = rng.uniform(-0.4, 0.4)
        dx, dy = math.cos(a) * w * 0.09, math.sin(a) * w * 0.09
        c.fill(stroke([(x + t * w - dx, yy - dy), (x + t * w + dx, yy + dy)], max(0.8, w / 70)),
               P.NEST_SHADE if i % 2 else (206, 150, 86), clip=bowl)
    return bowl
