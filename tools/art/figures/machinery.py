"""Parts the machines are built from: wooden beams and wheels, iron bands and rivets, puffs of
smoke, fuse sparks and spinning propellers."""
import math

from .. import palette as P
from ..shapes import circle, ellipse, polygon, star, stroke


def beam(a, b, width):
    """A straight wooden beam from a to b with square ends, `width` thick."""
    dx, dy = b[0] - a[0], b[1] - a[1]
    n = math.hypot(dx, dy) or 1.0
    nx, ny = -dy / n * width / 2, dx / n * width / 2
    return polygon([(a[0] + nx, a[1] + ny), (b[0] + nx, b[1] + ny),
                    (b[0] - nx, b[1] - ny), (a[0] - nx, a[1] - ny)])


def wooden(c, shape, grain=None):
    """Fill a timber part with its outline, shade and optional grain lines (point lists)."""
    c.outlined(shape, P.WOOD)
    c.shade(shape, P.WOOD_SHADE, (1.0, 1.2))
    for line in grain or ():
        c.fill(stroke(line, 0.6), P.WOOD_SHADE, clip=shape, opacity=0.8)


def wheel(c, cx, cy, r, turn=0.0):
    """A wooden cart wheel with an iron rim and four spokes."""
    rim = circle(cx, cy, r)
    c.outlined(rim, P.CAST_IRON)
    c.fill(circle(cx, cy, r - 1.4), P.WOOD_SHADE)
    for k in range(4):
        a = math.radians(turn + 45 * k)
        dx, dy = math.cos(a) * (r - 1.2), math.sin(a) * (r - 1.2)
        c.fill(stroke([(cx - dx, cy - dy), (cx + dx, cy + dy)], 1.1), P.WOOD)
    c.outlined(circle(cx, cy, max(1.0, r * 0.28)), P.CAST_IRON, 0.7)
    c.fill(circle(cx - r * 0.45, cy - r * 0.5, r * 0.18), P.CAST_IRON_LIGHT, clip=rim, opacity=0.8)


def rivets(c, points, r=0.55, colour=P.CAST_IRON_LIGHT):
    for x, y in points:
        c.fill(circle(x, y, r), colour)


def puff(c, cx, cy, r, colour=P.SMOKE_PUFF, shade=P.SMOKE_PUFF_SHADE, opacity=1.0):
    """A round cloud of smoke, three blobs."""
    cloud = circle(cx, cy, r) + circle(cx - r * 0.8, cy + r * 0.3, r * 0.7) + circle(cx + r * 0.75, cy + r * 0.35, r * 0.65)
    c.fill(cloud, P.OUTLINE, grow=0.7, opacity=0.6 * opacity)
    c.fill(cloud, colour, opacity=opacity)
    c.shade(cloud, shade, (r * 0.25, r * 0.35), opacity=opacity)
    return cloud


def spark(c, cx, cy, size, turn=0.0):
    """A fizzing fuse spark: a hot star with a bright core."""
    c.fill(star(cx, cy, size, size * 0.35, 6, turn), P.SPARK_HOT)
    c.fill(star(cx, cy, size * 0.6, size * 0.22, 6, turn + 30), P.SPARK)


def propeller(c, hub, length, phase, axis="x"):
    """A propeller seen from the side: a blur disc and one blade at `phase` (0..1) of a turn.
    `axis` "x": the shaft points left-right (the blades sweep up and down)."""
    hx, hy = hub
    blur = ellipse(hx, hy, length * 0.16, length) if axis == "x" else ellipse(hx, hy, length, length * 0.16)
    c.fill(blur, P.SMOKE_PUFF, opacity=0.45)
    reach = length * math.cos(phase * 2 * math.pi)
    if axis == "x":
        blade = stroke([(hx, hy - reach), (hx, hy + reach)], 2.2)
    else:
        blade = stroke([(hx - reach, hy), (hx + reach, hy)], 2.2)
    c.outlined(blade, P.WOOD)
    c.outlined(circle(hx, hy, 1.8), P.CAST_IRON, 0.8)
