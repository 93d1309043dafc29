"""Skies for level backgrounds: soft clouds, cloud banks, stars, the moon, aurora curtains,
falling snow, storm clouds with lightning, heat shimmer and distant birds."""
import math
import random

import numpy as np

from .. import palette as P
from ..canvas import linear, radial
from ..shapes import box, circle, ellipse, polygon, stroke


def soft_cloud(c, x, y, w, colour=P.CLOUD, shade=P.CLOUD_SHADE, opacity=1.0):
    """A cloud without an outline, for skies far away; flat bottom at y."""
    h = w * 0.3
    blobs = (circle(x - w * 0.26, y - h * 0.35, h * 0.45) + circle(x + w * 0.02, y - h * 0.6, h * 0.62)
             + circle(x + w * 0.28, y - h * 0.38, h * 0.42) + ellipse(x, y - h * 0.22, w * 0.48, h * 0.24))
    c.fill(blobs, colour, opacity=opacity)
    c.shade(blobs, shade, (0, h * 0.16), opacity=opacity)
    return blobs


def cloud_bank(c, y, colour, shade, seed, size=40.0, bottom=None, x0=-30.0, x1=None):
    """A continuous bank of puffy clouds whose tops wave around y (a sea of clouds)."""
    rng = random.Random(seed)
    x1 = c.width + 30 if x1 is None else x1
    bottom = c.height if bottom is None else bottom
    shape = box(x0, y, x1, bottom + 5)
    x = x0
    while x < x1:
        r = size * rng.uniform(0.6, 1.1)
        shape = shape + circle(x, y + rng.uniform(-0.1, 0.3) * size, r)
        x += r * rng.uniform(0.9, 1.4)
    c.fill(shape, colour)
    c.shade(shape, shade, (0, size * 0.28))
    return shape


def stars(c, count, seed, region, colour=P.WHITE, big=0.12):
    """Twinkling dots; a share `big` of them are small four-pointed sparkles."""
    rng = random.Random(seed)
    x0, y0, x1, y1 = region
    for _ in range(count):
        x, y = rng.uniform(x0, x1), rng.uniform(y0, y1)
        if rng.random() < big:
            r = rng.uniform(2.0, 3.2)
            c.fill(polygon([(x, y - r), (x + r * 0.25, y - r * 0.25), (x + r, y), (x + r * 0.25, y + r * 0.25),
                            (x, y + r), (x - r * 0.25, y + r * 0.25), (x - r, y), (x - r * 0.25, y - r * 0.25)]),
                   colour, opacity=0.9)
        else:
            c.fill(circle(x, y, rng.uniform(0.5, 1.1)), colour, opacity=rng.uniform(0.4, 0.9))


def moon(c, x, y, r, colour=(250, 244, 214), shade=(214, 206, 176), glow=(200, 210, 255)):
    c.fill(circle(x, y, r * 2.4), glow, opacity=0.12)
    c.fill(circle(x, y, r * 1.5), glow, opacity=0.15)
    disc = circle(x, y, r)
    c.fill(disc, colour)
    for dx, dy, cr in ((-0.3, -0.2, 0.22), (0.25, 0.3, 0.16), (0.35, -0.35, 0.1)):
        c.fill(circle(x + dx * r, y + dy * r, cr * r), shade, opacity=0.7)
    c.shade(disc, shade, (r * 0.2, r * 0.2), opacity=0.6)


def aurora(c, y, height, colours, seed, bands=3, opacity=0.45):
    """Curtains of northern light hanging from wavy lines around y."""
    rng = random.Random(seed)
    for i in range(bands):
        base = y + i * height * 0.25
        phase = rng.uniform(0, 2 * math.pi)
        amp = rng.uniform(14, 30)
        top = []
        for k in range(81):
            x = -20 + (c.width + 40) * k / 80
            top.append((x, base + amp * math.sin(x / 110 + phase) + amp * 0.4 * math.sin(x / 37 + phase * 2)))
        lower = [(x, yy + height * rng.uniform(0.9, 1.1)) for x, yy in reversed(top)]
        curtain = polygon(top + lower)
        colour, fade = colours[i % len(colours)]
        c.fill(curtain, linear(colour, fade, (0, base - amp), (0, base + height)), opacity=opacity)
        c.fill(stroke(top, 2.5), colour, opacity=opacity * 1.2)
        for k in range(40):
            x = rng.uniform(0, c.width)
            yy = base + amp * math.sin(x / 110 + phase) + amp * 0.4 * math.sin(x / 37 + phase * 2)
            c.fill(stroke([(x, yy), (x, yy + height * rng.uniform(0.3, 0.8))], rng.uniform(1.0, 2.5)),
                   colour, opacity=opacity * 0.5)


def snowfall(c, count, seed, region=None, colour=P.WHITE, size=(0.8, 2.2), opacity=0.85):
    rng = random.Random(seed)
    x0, y0, x1, y1 = region or (0, 0, c.width, c.height)
    for _ in range(count):
        x, y = rng.uniform(x0, x1), rng.uniform(y0, y1)
        c.fill(circle(x, y, rng.uniform(*size)), colour, opacity=opacity * rng.uniform(0.5, 1.0))


def storm_cloud(c, x, y, w, colour, shade, light=None):
    """A heavy cloud hanging down from y: lumpy underside, dark belly."""
    h = w * 0.32
    rng = random.Random(int(x * 3 + y * 7))
    shape = ellipse(x, y, w * 0.5, h * 0.55)
    for k in range(6):
        bx = x + (k - 2.5) / 2.5 * w * 0.42
        shape = shape + circle(bx, y + h * rng.uniform(0.15, 0.45), h * rng.uniform(0.35, 0.5))
    c.fill(shape, colour)
    c.shade(shape, shade, (0, h * 0.3))
    if light is not None:
        c.shade(shape, light, (0, -h * 0.15), opacity=0.6)
    return shape


def lightning(c, points, colour=(255, 250, 210), glow=(190, 200, 255)):
    c.fill(stroke(points, 9.0), glow, opacity=0.25)
    c.fill(stroke(points, 4.0), glow, opacity=0.5)
    c.fill(stroke(points, 1.8), colour)


def bolt(x, y, length, seed, steps=7):
    """Zig-zag points of a lightning bolt falling from (x, y)."""
    rng = random.Random(seed)
    pts = [(x, y)]
    for k in range(steps):
        x += rng.uniform(-14, 14)
        y += length / steps
        pts.append((x, y))
    return pts


def glow(c, x, y, r, colour, opacity=0.5):
    """A soft round glow (sun haze, lava, lamplight)."""
    c.fill(circle(x, y, r), radial(colour, colour, (x, y), r), opacity=opacity * 0.4)
    c.fill(circle(x, y, r * 0.6), colour, opacity=opacity * 0.4)
    c.fill(circle(x, y, r * 0.3), colour, opacity=opacity * 0.5)


def birds(c, flock, colour=P.OUTLINE, opacity=0.6):
    """Distant birds: (x, y, span) little curved strokes."""
    for x, y, s in flock:
        c.fill(stroke([(x - s, y - s * 0.3), (x - s * 0.4, y - s * 0.5), (x, y)], 1.1)
               + stroke([(x, y), (x + s * 0.4, y - s * 0.5), (x + s, y - s * 0.3)], 1.1), colour,
               opacity=opacity)


def gradient(c, top, low, horizon, y0=0.0):
    """The whole picture covered with a sky going from `top` at y0 to `low` at the horizon
    (and `low` below it). Written straight into the canvas: it is the first, opaque layer."""
    ys = (np.arange(c.height * c.ss, dtype=np.float32) + 0.5) / c.ss
    t = np.clip((ys - y0) / (horizon - y0), 0.0, 1.0)[:, None]
    a, b = np.array(top, np.float32) / 255, np.array(low, np.float32) / 255
    c.rgb[:] = (a + (b - a) * t)[:, None, :]
    c.alpha[:] = 1.0
