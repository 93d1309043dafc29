"""Drawing helpers for 32 x 32 tiles that join without seams.

A tile's pattern repeats every 32 pixels: anything drawn near an edge is drawn again one tile
further (`wrap`), wavy edges are periodic curves (`wave`), and shapes that must not show an
outline at the tile's border run past it (`SPAN`). Textures are seeded, so every run draws
the same specks.
"""
import math
import random

from .. import palette as P
from ..shapes import box, circle, ellipse, polygon, stroke
from ..tilesets import SIZE

SPAN = (-6.0, SIZE + 6.0)          # x (or y) range that hides the outline of a shape's ends


def wrap(shape, x=True, y=False):
    """The shape plus its copies one tile to each side (and above and below)."""
    out = shape
    xs = (-SIZE, SIZE) if x else ()
    ys = (-SIZE, SIZE) if y else ()
    for dx in xs:
        out = out + shape.moved(dx, 0)
    for dy in ys:
        out = out + shape.moved(0, dy)
        for dx in xs:
            out = out + shape.moved(dx, dy)
    return out


def roof_outline(end, top, bottom, slope):
    """A roof's cross-section on one tile: sloped at the "left" or "right" end of the roof, a
    flat band running past both edges in between."""
    if end == "left":
        return polygon([(2, bottom), (2 + slope, top), (SPAN[1], top), (SPAN[1], bottom)])
    if end == "right":
        return polygon([(SPAN[0], top), (SIZE - 2 - slope, top), (SIZE - 2, bottom), (SPAN[0], bottom)])
    return box(SPAN[0], top, SPAN[1], bottom)


def wave(y, amplitude, waves=2, phase=0.0, x0=SPAN[0], x1=SPAN[1]):
    """Points of y + amplitude * sin(...) from x0 to x1, repeating `waves` times per tile."""
    pts = []
    steps = int((x1 - x0) * 2)
    for i in range(steps + 1):
        x = x0 + (x1 - x0) * i / steps
        pts.append((x, y + amplitude * math.sin(2 * math.pi * (x / SIZE * waves + phase))))
    return pts


def band(top, bottom):
    """The region between two point lists running left to right (top over bottom)."""
    return polygon(list(top) + list(reversed(bottom)))


def below(top, depth=SIZE + 8):
    """The region from a top curve down past the tile's bottom."""
    return polygon(list(top) + [(top[-1][0], depth), (top[0][0], depth)])


def whole():
    """A box past every edge of the tile."""
    return box(SPAN[0], SPAN[0], SPAN[1], SPAN[1])


def specks(c, seed, count, colours, size=(0.8, 1.8), region=(0, 0, SIZE, SIZE), clip=None,
           opacity=1.0, wrap_y=True):
    """Small round stones or grains scattered periodically over `region`."""
    rng = random.Random(seed)
    x0, y0, x1, y1 = region
    for _ in range(count):
        x, y = rng.uniform(x0, x1), rng.uniform(y0, y1)
        rx = rng.uniform(*size)
        dot = ellipse(x, y, rx, rx * rng.uniform(0.6, 0.9))
        c.fill(wrap(dot, y=wrap_y), colours[rng.randrange(len(colours))], opacity=opacity, clip=clip)


def pebbles(c, seed, count, colour, shade, size=(1.6, 3.0), region=(0, 0, SIZE, SIZE), clip=None):
    """Outlined pebbles with their shade, repeating with the tile."""
    rng = random.Random(seed)
    x0, y0, x1, y1 = region
    for _ in range(count):
        x, y = rng.uniform(x0, x1), rng.uniform(y0, y1)
        r = rng.uniform(*size)
        stone = wrap(ellipse(x, y, r * 1.25, r * 0.85, rng.uniform(-25, 25)), y=True)
        c.fill(stone, P.OUTLINE, grow=0.7, opacity=0.7, clip=clip)
        c.fill(stone, colour, clip=clip)
        c.shade(stone, shade, (0.8, 0.9), clip=clip)


def blades(c, seed, count, base, height, colours, width=1.4, lean=1.2):
    """Grass blades standing on the curve y = base(x), repeating with the tile."""
    rng = random.Random(seed)
    for i in range(count):
        x = (i + rng.uniform(0.1, 0.9)) * SIZE / count
        h = rng.uniform(*height)
        tip = (x + rng.uniform(-lean, lean), base(x) - h)
        blade = polygon([(x - width, base(x) + 1.5), tip, (x + width, base(x) + 1.5)])
        c.fill(wrap(blade), P.OUTLINE, grow=0.6)
        c.fill(wrap(blade), colours[i % len(colours)])


def periodic(y, amplitude, waves, phase=0.0):
    """The function x -> y + amplitude * sin(...), matching `wave`."""
    return lambda x: y + amplitude * math.sin(2 * math.pi * (x / SIZE * waves + phase))


def tuft(c, x, bottom, height, colours, blades_count=5, spread=7.0, width=1.8):
    """A grass tuft of blades fanning out from (x, bottom), sharing one outline."""
    parts = []
    for i in range(blades_count):
        t = i / max(1, blades_count - 1) - 0.5
        bx = x + t * spread * 0.6
        tip = (x + t * spread * 2.2, bottom - height * (1 - abs(t) * 0.7))
        mx, my = (bx + tip[0]) / 2 + t * 1.5, (bottom + tip[1]) / 2
        blade = polygon([(bx - width, bottom), (mx - width * 0.6, my), tip,
                         (mx + width * 0.6, my), (bx + width, bottom)])
        parts.append((blade, colours[i % len(colours)]))
    c.figure(parts, 0.6)


def flower(c, x, y, r, petal, centre=P.SUN):
    """A five-petalled flower head centred on (x, y)."""
    head = circle(x, y, r * 0.5)
    for k in range(5):
        a = 2 * math.pi * k / 5 - math.pi / 2
        head = head + circle(x + math.cos(a) * r * 0.62, y + math.sin(a) * r * 0.62, r * 0.48)
    c.outlined(head, petal, 0.8)
    c.fill(circle(x, y, r * 0.38), centre)


def stem(c, x0, y0, x1, y1, colour=P.GRASS_SHADE, width=1.2):
    c.fill(stroke([(x0, y0), (x1, y1)], width), colour)
