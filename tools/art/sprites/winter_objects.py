"""Winter hazards: snowballs, the icy cannon ball, the big rolling snowball, the icicles and the
drops they let fall.

An icicle's drop appears at a fixed point under it (RAMPOUCH1 at x + 2, y + 42; RAMPOUCH2 at
x, y + 25), so each icicle's tip is drawn right above the middle of a drop placed there.
"""
import math

from .. import palette as P
from ..model import Box, Frame, Frameset, Sprite
from ..shapes import bezier, box, circle, ellipse, path, polygon, star, stroke
from .projectiles import TUMBLE, TUMBLE_DELAY, ball, hazard_framesets, turned, turning

KAPKA_SIZE = (6, 8)
RAMPOUCH1_DROP = (2, 42)
RAMPOUCH2_DROP = (0, 25)


def _specks(c, shape, cx, cy, turn, points, r, colour):
    for x, y in points:
        c.fill(circle(*turned(cx, cy, turn, x, y), r), colour, clip=shape)


def draw_snowball(c, turn):
    shape = ball(c, 5, 5, 3.7, P.SNOWBALL, P.SNOWBALL_SHADE, P.WHITE)
    _specks(c, shape, 5, 5, turn, ((1.8, 0.4), (-1.2, 1.9), (0.6, -2.2)), 0.6, P.SNOWBALL_SPECK)


def draw_winterkoule(c, turn):
    """A ball of blue ice with frost cracks and a sparkle."""
    cx = cy = 7
    shape = ball(c, cx, cy, 5.6, P.ICICLE, P.ICICLE_SHADE, P.ICICLE_LIGHT)
    crack = [turned(cx, cy, turn, x, y) for x, y in ((-3.8, 1.0), (-1.0, 0.2), (0.6, 2.4), (2.8, 2.0))]
    branch = [turned(cx, cy, turn, x, y) for x, y in ((-1.0, 0.2), (0.2, -2.8))]
    c.fill(stroke(crack, 0.7) + stroke(branch, 0.6), P.ICICLE_LIGHT, clip=shape)
    c.fill(star(cx - 2.2, cy - 2.4, 1.9, 0.45, 4), P.WHITE)


def draw_megasnowball(c, turn):
    """A big lumpy snowball with a couple of pebbles frozen into it, rolling."""
    cx = cy = 10
    body = circle(cx, cy, 7.4)
    for x, y, r in ((4.6, -2.2, 3.2), (-2.2, 4.6, 3.1), (-4.4, -3.4, 2.8), (2.8, 4.4, 2.4)):
        body += circle(*turned(cx, cy, turn, x, y), r)
    c.outlined(body, P.SNOWBALL)
    c.shade(body, P.SNOWBALL_SHADE, (2.2, 2.2))
    c.fill(ellipse(cx - 3.2, cy - 3.6, 2.6, 1.5, -35), P.WHITE)
    for x, y in ((3.2, 1.4), (-1.6, -4.2)):
        c.fill(circle(*turned(cx, cy, turn, x, y), 0.9), P.THROWN_STONE, clip=body)
    _specks(c, body, cx, cy, turn, ((-4.6, 1.8), (3.6, -4.4), (0.6, 3.4), (-0.8, -0.6)), 0.8,
            P.SNOWBALL_SHADE)


def drop_shape(x, y, w, h):
    """A falling drop with its top point at (x + w/2, y), `w` x `h`."""
    m = x + w / 2
    return path(bezier((m, y), (m + w * 0.3, y + h * 0.35), (x + w, y + h * 0.55), (x + w * 0.9, y + h * 0.8)),
                bezier((x + w * 0.9, y + h * 0.8), (x + w * 0.7, y + h), (x + w * 0.3, y + h), (x + w * 0.1, y + h * 0.8)),
                bezier((x + w * 0.1, y + h * 0.8), (x, y + h * 0.55), (m - w * 0.3, y + h * 0.35), (m, y)))


def draw_kapka(c, stretch):
    """A drop of icy water: light, with a white glint; `stretch` lengthens it as it falls."""
    w, h = KAPKA_SIZE
    shape = drop_shape(1.0, 0.6 + (1 - stretch) * 1.2, w - 2.0, h - 1.4 - (1 - stretch) * 1.2)
    c.outlined(shape, P.ICICLE, 0.8)
    c.shade(shape, P.ICICLE_SHADE, (0.7, 0.7))
    c.fill(ellipse(w / 2 - 0.8, h - 3.2, 0.5, 0.9), P.WHITE)
    c.mark("drop", box(1, 2, w - 1, h - 1))      # the same box while the drop wobbles


def icicle(c, tip, top_y, half_width, rings, seed):
    """An icicle hanging from `top_y`, `half_width` wide at the top, pointed at `tip`."""
    tx, ty = tip
    length = ty - top_y
    left, right = [], []
    for i in range(rings + 1):
        t = i / rings
        y = top_y + length * t
        bump = 0.55 * math.sin(t * math.pi * rings + seed) * (1 - t)
        w = half_width * (1 - t) ** 0.9 + bump
        left.append((tx - w, y))
        right.append((tx + w, y))
    shape = polygon(left + [tip] + right[::-1])
    c.outlined(shape, P.ICICLE)
    c.shade(shape, P.ICICLE_SHADE, (half_width * 0.45, 0))
    c.fill(stroke([(tx - half_width * 0.45, top_y + 1), (tx - 0.4, top_y + length * 0.75)],
                  max(0.8, half_width * 0.3)), P.ICICLE_LIGHT, clip=shape)
    return shape


def snow_cap(c, x0, x1, y):
    cap = path(bezier((x0, y), (x0, y + 3.5), ((x0 + x1) / 2, y + 2.2), ((x0 + x1) / 2, y + 3.2)),
               bezier(((x0 + x1) / 2, y + 3.2), ((x0 + x1) / 2 + 1, y + 4.2), (x1, y + 3.2), (x1, y)))
    c.outlined(cap, P.SNOWBALL)
    c.shade(cap, P.SNOWBALL_SHADE, (0, 1.0))


def draw_rampouch1(c, glint=False):
    tip = (RAMPOUCH1_DROP[0] + KAPKA_SIZE[0] / 2, RAMPOUCH1_DROP[1] - 3.2)
    icicle(c, tip, 1.5, 4.0, 7, 0.3)
    snow_cap(c, 1.1, 8.9, 0.2)
    if glint:
        c.fill(star(3.4, 14, 2.4, 0.45, 4), P.WHITE)


def draw_rampouch2(c, glint=False):
    tip = (RAMPOUCH2_DROP[0] + KAPKA_SIZE[0] / 2, RAMPOUCH2_DROP[1] - 1.6)
    icicle(c, (5.6, 13.0), 1.5, 1.4, 3, 1.2)
    icicle(c, tip, 1.5, 2.0, 5, 0.2)
    snow_cap(c, 1.0, 7.0, 0.2)
    if glint:
        c.fill(star(2.0, 9, 2.0, 0.4, 4), P.WHITE)


def _sparkling(draw):
    return [Frame(draw, 1800), Frame(lambda c: draw(c, glint=True), 160)]


SNOWBALL = Sprite("SNOWBALL", "snowball.png", (10, 10),
                  hazard_framesets(turning(draw_snowball, TUMBLE, TUMBLE_DELAY)),
                  box=Box.opaque(margin=1))

# WINTERKOULE is the winter cannon's ball (AKTIVNI first) and the falling bomb
# FALLINGWINTERKOULE, which starts in FRAMESET1.
WINTERKOULE = Sprite("WINTERKOULE", "winterkoule.png", (14, 14),
                     hazard_framesets(turning(draw_winterkoule, TUMBLE, TUMBLE_DELAY)),
                     box=Box.opaque(margin=1))

MEGASNOWBALL = Sprite("MEGASNOWBALL", "megasnowball.png", (20, 20),
                      hazard_framesets(turning(draw_megasnowball, TUMBLE, 90), initial="FRAMESET1"),
                      box=Box.opaque(margin=2))

_KAPKA_FALL = [Frame(lambda c: draw_kapka(c, 0.0), 120), Frame(lambda c: draw_kapka(c, 1.0), 400)]
KAPKA = Sprite("KAPKA", "kapka.png", KAPKA_SIZE,
               [Frameset("AKTINI", _KAPKA_FALL)] + hazard_framesets(_KAPKA_FALL),
               box=Box.part("drop"))

RAMPOUCH1 = Sprite("RAMPOUCH1", "rampouch1.png", (10, 40), [
    Frameset("FRAMESET1", _sparkling(draw_rampouch1)),
])

RAMPOUCH2 = Sprite("RAMPOUCH2", "rampouch2.png", (8, 25), [
    Frameset("FRAMESET1", _sparkling(draw_rampouch2)),
])

SPRITES = [SNOWBALL, WINTERKOULE, MEGASNOWBALL, KAPKA, RAMPOUCH1, RAMPOUCH2]
