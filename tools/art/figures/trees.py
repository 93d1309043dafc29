"""Trees and big plants, drawn standing on (x, ground) at any height `h`: the scenery sprites
draw them near and outlined, the backgrounds far and small. Also rows of flat tree
silhouettes for distant woods."""
import math
import random

from .. import palette as P
from ..shapes import box, circle, ellipse, polygon, round_box, stroke


def _outline(h):
    return max(1.0, h / 90)


def _crown(x, cy, rx, ry, seed, clumps=7):
    """A leafy crown: an ellipse with round clumps around its edge."""
    rng = random.Random(seed)
    shape = ellipse(x, cy, rx * 0.82, ry * 0.8)
    for k in range(clumps):
        a = 2 * math.pi * (k + rng.uniform(-0.25, 0.25)) / clumps
        r = min(rx, ry) * rng.uniform(0.38, 0.5)
        shape = shape + circle(x + math.cos(a) * (rx - r * 0.8), cy + math.sin(a) * (ry - r * 0.8), r)
    return shape


def trunk(c, x, ground, top, width, ow, colour=P.TRUNK, shade=P.EARTH_SHADE, branches=()):
    """A tapering trunk from the ground to `top`; `branches` are (y, dx, dy) forks."""
    stem = polygon([(x - width * 0.6, ground), (x - width * 0.35, top), (x + width * 0.35, top),
                    (x + width * 0.6, ground)])
    parts = [(stem, colour)]
    for y, dx, dy in branches:
        parts.append((stroke([(x, y), (x + dx * 0.5, y + dy * 0.6), (x + dx, y + dy)], width * 0.4),
                      colour))
    c.figure(parts, ow)
    c.shade(stem, shade, (width * 0.3, 0))
    return stem


def leafy_tree(c, x, ground, h, seed=0, leaves=(P.LEAVES, P.LEAVES_SHADE, P.HEDGE_LIGHT)):
    """A round deciduous tree, `h` tall; returns the crown's shape."""
    ow = _outline(h)
    w = h * 0.72
    trunk(c, x, ground, ground - h * 0.55, h * 0.1, ow,
          branches=((ground - h * 0.42, -w * 0.18, -h * 0.14), (ground - h * 0.47, w * 0.16, -h * 0.12)))
    crown = _crown(x, ground - h * 0.62, w / 2, h * 0.37, seed)
    colour, shade, light = leaves
    c.outlined(crown, colour, ow)
    c.shade(crown, shade, (w * 0.07, h * 0.07))
    c.shade(crown, light, (-w * 0.04, -h * 0.04), opacity=0.8)
    rng = random.Random(seed + 1)
    for _ in range(int(6 + h / 20)):
        a, d = rng.uniform(0, 2 * math.pi), rng.uniform(0.2, 0.75)
        lx = x + math.cos(a) * d * w * 0.42
        ly = ground - h * 0.62 + math.sin(a) * d * h * 0.3
        c.fill(stroke([(lx - h * 0.03, ly + h * 0.012), (lx + h * 0.03, ly - h * 0.012)], max(0.8, h / 110)),
               shade, opacity=0.6, clip=crown)
    return crown


def fruit_tree(c, x, ground, h, seed=0):
    """A wide, low apple tree with red apples in its crown."""
    crown = leafy_tree(c, x, ground, h, seed, (P.HEDGE, P.HEDGE_SHADE, P.HEDGE_LIGHT))
    rng = random.Random(seed + 2)
    x0, y0, x1, y1 = crown.bounds()
    r = max(1.2, h / 40)
    for _ in range(11):
        ax, ay = rng.uniform(x0 + r * 3, x1 - r * 3), rng.uniform(y0 + r * 3, y1 - r * 3)
        if (ax - x) ** 2 / ((x1 - x0) * 0.42) ** 2 + (ay - (y0 + y1) / 2) ** 2 / ((y1 - y0) * 0.42) ** 2 > 1:
            continue
        apple = circle(ax, ay, r)
        c.outlined(apple, P.APPLE_RED, max(0.7, _outline(h) * 0.8))
        c.fill(circle(ax - r * 0.35, ay - r * 0.35, r * 0.35), P.WHITE, opacity=0.7)
    return crown


def poplar(c, x, ground, h, seed=0):
    """A tall, narrow poplar."""
    ow = _outline(h)
    w = h * 0.3
    trunk(c, x, ground, ground - h * 0.3, h * 0.06, ow)
    rng = random.Random(seed)
    crown = ellipse(x, ground - h * 0.6, w / 2, h * 0.4)
    for k in range(6):
        y = ground - h * (0.3 + 0.11 * k)
        side = 1 if k % 2 else -1
        crown = crown + ellipse(x + side * w * 0.25, y, w * 0.3 * (1 - k * 0.08), h * 0.08)
    c.outlined(crown, P.LEAVES, ow)
    c.shade(crown, P.LEAVES_SHADE, (w * 0.16, h * 0.02))
    c.shade(crown, P.HEDGE_LIGHT, (-w * 0.08, -h * 0.01), opacity=0.7)
    for _ in range(8):
        ly = ground - h * rng.uniform(0.3, 0.9)
        lx = x + rng.uniform(-0.2, 0.2) * w
        c.fill(stroke([(lx - w * 0.1, ly), (lx + w * 0.08, ly - h * 0.015)], max(0.8, h / 120)),
               P.LEAVES_SHADE, clip=crown, opacity=0.6)
    return crown


def pine(c, x, ground, h, snow=False, tiers=4, colours=(P.PINE, P.PINE_SHADE, P.PINE_LIGHT),
         outline=True):
    """A fir tree of stacked tiers, optionally with snow on every tier."""
    ow = _outline(h)
    colour, shade, light = colours
    w = h * 0.5
    stem = box(x - h * 0.035, ground - h * 0.16, x + h * 0.035, ground)
    if outline:
        c.outlined(stem, P.TRUNK, ow)
    else:
        c.fill(stem, shade)
    body = None
    layers = []
    for i in range(tiers):
        t = i / tiers
        bottom = ground - h * (0.1 + 0.8 * t)
        half = w * 0.5 * (1 - t * 0.7)
        top = bottom - h * 0.36
        tier = polygon([(x - half, bottom), (x - half * 0.35, bottom - h * 0.03), (x, top),
                        (x + half * 0.35, bottom - h * 0.03), (x + half, bottom),
                        (x, bottom + h * 0.025)])
        layers.append((tier, bottom, half, top))
        body = tier if body is None else body + tier
    if outline:
        c.fill(body, P.OUTLINE, grow=ow)
    for tier, bottom, half, top in layers:
        c.fill(tier, colour)
        c.fill(polygon([(x, top), (x + half, bottom), (x, bottom + h * 0.025)]), shade, opacity=0.6)
        if snow:
            c.fill(polygon([(x - half * 0.75, bottom - h * 0.06), (x - half * 0.3, bottom - h * 0.1),
                            (x, top + h * 0.02), (x + half * 0.45, bottom - h * 0.11),
                            (x + half * 0.8, bottom - h * 0.05), (x + half * 0.35, bottom - h * 0.06),
                            (x, bottom - h * 0.08), (x - half * 0.4, bottom - h * 0.04)]), P.SNOW)
            c.fill(polygon([(x, top + h * 0.02), (x + half * 0.45, bottom - h * 0.11),
                            (x + half * 0.8, bottom - h * 0.05), (x + half * 0.35, bottom - h * 0.06)]),
                   P.SNOW_SHADE, opacity=0.8)
        elif outline:
            c.fill(polygon([(x - half * 0.5, bottom - h * 0.04), (x, top), (x - half * 0.1, bottom - h * 0.05)]),
                   light, opacity=0.6)
    return body


def bare_tree(c, x, ground, h, seed=0, snow=True, bark=P.TRUNK, bark_shade=P.EARTH_SHADE):
    """A leafless winter tree: a trunk that forks into branches and twigs, snow along their
    tops."""
    rng = random.Random(seed)
    ow = _outline(h)
    limbs = []

    def grow(x0, y0, angle, length, width, depth):
        x1 = x0 + math.cos(math.radians(angle)) * length
        y1 = y0 - math.sin(math.radians(angle)) * length
        limbs.append(((x0, y0), (x1, y1), width))
        if depth == 0:
            return
        for turn in (rng.uniform(18, 34), -rng.uniform(18, 34)):
            grow(x1, y1, angle + turn, length * rng.uniform(0.62, 0.75), width * 0.62, depth - 1)

    grow(x, ground, 90, h * 0.36, h * 0.075, 4)
    parts = [(polygon([(a[0] - w / 2, a[1]), (b[0] - w * 0.32, b[1]), (b[0] + w * 0.32, b[1]),
                       (a[0] + w / 2, a[1])]) + circle(b[0], b[1], w * 0.32), bark)
             for a, b, w in limbs]
    c.figure(parts, ow)
    for shape, _ in parts[:3]:
        c.shade(shape, bark_shade, (h * 0.02, 0))
    if snow:
        for a, b, w in limbs:
            if b[1] < a[1] - 2 and abs(b[0] - a[0]) > 2:
                c.fill(stroke([(a[0], a[1] - w * 0.45), (b[0], b[1] - w * 0.35)], max(0.9, w * 0.55)),
                       P.SNOW)
    return limbs


def saguaro(c, x, ground, h, arms=((0.45, -1, 0.28), (0.6, 1, 0.22)), seed=0):
    """A tall cactus with upturned arms: `arms` are (height up the trunk, side, arm length)."""
    ow = _outline(h) * 1.2
    w = h * 0.17
    body = round_box(x - w / 2, ground - h, x + w / 2, ground + 2, w / 2)
    parts = []
    for at, side, length in arms:
        y = ground - h * at
        aw = w * 0.72
        reach = x + side * (w / 2 + h * 0.1)
        arm = (stroke([(x, y), (reach, y)], aw)
               + round_box(reach - aw / 2, y - h * length, reach + aw / 2, y + aw / 2, aw / 2))
        parts.append((arm, P.CACTUS))
    c.figure(parts + [(body, P.CACTUS)], ow)
    for shape, _ in parts:
        c.shade(shape, P.CACTUS_SHADE, (w * 0.22, w * 0.1))
    c.fill(body, P.CACTUS)
    c.shade(body, P.CACTUS_SHADE, (w * 0.22, 0))
    c.shade(body, P.CACTUS_LIGHT, (-w * 0.12, 0), opacity=0.7)
    for k in (-0.18, 0.18):
        c.fill(stroke([(x + k * w, ground - h + w * 0.4), (x + k * w, ground)], max(0.7, w * 0.06)),
               P.CACTUS_SHADE, opacity=0.8)
    rng = random.Random(seed)
    for _ in range(int(h / 5)):
        sx, sy = rng.uniform(x - w * 0.45, x + w * 0.45), rng.uniform(ground - h + 3, ground - 3)
        c.fill(stroke([(sx - 0.9, sy), (sx + 0.9, sy - 0.6)], 0.5), P.SPINE, clip=body)
    return body


def tree_row(c, y, colour, seed, kind="round", size=16.0, x0=-20.0, x1=None, gap=1.1):
    """A row of flat tree silhouettes standing on y: far woods. `gap` is the spacing in
    tree widths (below 1 the crowns merge into a wood)."""
    rng = random.Random(seed)
    x1 = c.width + 20 if x1 is None else x1
    x = x0
    shape = None
    while x < x1:
        s = size * rng.uniform(0.6, 1.4) if kind == "pine" else size * rng.uniform(0.75, 1.25)
        if kind == "pine":
            t = polygon([(x - s * 0.32, y + 1), (x, y - s * 1.6), (x + s * 0.32, y + 1)])
            width = s * 0.64
        else:
            t = (ellipse(x, y - s * 0.75, s * 0.5, s * 0.55)
                 + box(x - s * 0.07, y - s * 0.4, x + s * 0.07, y + 1))
            width = s
        shape = t if shape is None else shape + t
        x += width * gap * rng.uniform(0.8, 1.3)
    c.fill(shape, colour)
    return shape
