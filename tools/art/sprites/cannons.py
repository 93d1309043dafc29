"""Cannons that fire upwards: KANON, a bronze mortar on its own timer, and the two reloading
cannons KANON2 and WINTERKANON2, which fire a volley of ten when a dropping hits them.

The reloading cannons have a bell mouth heaped with balls and stones while loaded (FRAMESET1;
FRAMESET, the initial look, is the same) and an empty, smoking mouth while reloading (RELOAD).
Their volley starts just above the mouth (x + 10..19, y - 9..y), so the mouth is centred over
x + 20 at the top of the frame. Their box is the whole cannon: a dropping must hit it.
"""
from dataclasses import dataclass

from .. import palette as P
from ..figures.machinery import puff, rivets, spark, wheel, wooden
from ..model import Box, Frame, Frameset, Sprite
from ..shapes import bezier, ellipse, path, polygon, round_box, stroke
from .projectiles import ball, rock
from .winter_objects import icicle

KANON_SIZE = (32, 36)
KANON_MUZZLE = 16          # KOULEUP appears at x + 10: a 12-px ball centred on the muzzle
BIG_SIZE = (40, 42)
BIG_MUZZLE = 20
MOUTH_Y = 7.0             # the rim of the bell mouth; the load heaps up above it
FUSE_TURNS = (0, 20, 40)


@dataclass(frozen=True)
class Metal:
    colour: tuple
    shade: tuple
    light: tuple


BRONZE = Metal(P.BRONZE, P.BRONZE_SHADE, P.BRONZE_LIGHT)
GUNMETAL = Metal(P.GUNMETAL, P.GUNMETAL_SHADE, P.GUNMETAL_LIGHT)
STEEL = Metal(P.STEEL, P.STEEL_SHADE, P.STEEL_LIGHT)


def carriage(c, x0, x1, top, bottom, wheel_r):
    """A wooden bed from x0 to x1 with two wheels at its ends, resting on `bottom`."""
    bed = polygon([(x0, bottom - wheel_r * 0.6), (x1, bottom - wheel_r * 0.6),
                   (x1 - 3, top), (x0 + 3, top)])
    wooden(c, bed, [[(x0 + 2, top + 3.5), (x1 - 2, top + 3.5)]])
    c.fill(stroke([(x0 + 1, bottom - wheel_r * 0.6 - 1.2), (x1 - 1, bottom - wheel_r * 0.6 - 1.2)], 1.4),
           P.CAST_IRON)
    rivets(c, [(x0 + 4, top + 2), (x1 - 4, top + 2)])
    for wx in (x0 + wheel_r + 1, x1 - wheel_r - 1):
        wheel(c, wx, bottom - wheel_r - 0.3, wheel_r, turn=wx * 7)
    return bed


def barrel(c, cx, top, bottom, half, metal, bands):
    """An upright barrel: rounded breech at `bottom`, open at `top`, with raised bands."""
    body = path([(cx - half, top)], bezier((cx - half, bottom - half), (cx - half, bottom + half * 0.6),
                                           (cx + half, bottom + half * 0.6), (cx + half, bottom - half)),
                [(cx + half, top)])
    c.outlined(body, metal.colour)
    c.shade(body, metal.shade, (half * 0.55, 0))
    c.fill(stroke([(cx - half * 0.5, top + 2), (cx - half * 0.5, bottom - 2)], 1.2), metal.light,
           opacity=0.8)
    for y in bands:
        ring = round_box(cx - half - 0.8, y - 1.2, cx + half + 0.8, y + 1.2, 1.0)
        c.outlined(ring, metal.colour)
        c.shade(ring, metal.shade, (half * 0.5, 0.5))
    return body


def muzzle(c, cx, y, rx, ry, metal):
    """The rim of an upward mouth and its dark inside; returns the inside."""
    rim = ellipse(cx, y, rx, ry)
    c.outlined(rim, metal.colour)
    c.shade(rim, metal.shade, (0, ry * 0.6))
    inside = ellipse(cx, y - 0.2, rx - 1.6, ry - 1.0)
    c.fill(inside, P.OUTLINE)
    return inside


def fuse(c, x, y, lit, turn):
    c.fill(stroke(bezier((x, y), (x + 2.5, y - 1.0), (x + 3.5, y - 3.5)), 1.0), P.ROPE)
    if lit:
        spark(c, x + 3.6, y - 4.0, 2.4, turn)


# --- KANON --------------------------------------------------------------------------------------

def draw_kanon(c, turn):
    w, h = KANON_SIZE
    carriage(c, 2, w - 2, 24, h, 4.2)
    barrel(c, KANON_MUZZLE, 5, 27, 6.2, BRONZE, (12, 20))
    muzzle(c, KANON_MUZZLE, 4.2, 8.0, 2.6, BRONZE)
    fuse(c, KANON_MUZZLE + 5.5, 23.5, True, turn)


KANON = Sprite("KANON", "kanon.png", KANON_SIZE, [
    Frameset("FRAMESET", [Frame(lambda c, t=t: draw_kanon(c, t), 110) for t in FUSE_TURNS]),
])


# --- the reloading cannons -------------------------------------------------------------------------

def bell(c, cx, metal):
    """The flared bell mouth over the barrel's neck; returns the whole cannon's outline."""
    m = MOUTH_Y
    neck = barrel(c, cx, m + 4, BIG_SIZE[1] - 10, 6.5, metal, (BIG_SIZE[1] - 18,))
    flare = path(bezier((cx - 12, m), (cx - 9, m + 4), (cx - 7, m + 6), (cx - 6, m + 9)),
                 [(cx + 6, m + 9)],
                 bezier((cx + 6, m + 9), (cx + 7, m + 6), (cx + 9, m + 4), (cx + 12, m)))
    c.outlined(flare, metal.colour)
    c.shade(flare, metal.shade, (3.0, 0))
    c.fill(stroke(bezier((cx - 10, m + 1.5), (cx - 7.5, m + 4.5), (cx - 5, m + 7.5)), 1.0), metal.light,
           opacity=0.8)
    return neck + flare


def heap(c, cx, winter):
    """The mouth's load: balls and stones (or snowballs and ice balls) piled above the rim."""
    m = MOUTH_Y
    if winter:
        for x, y, r, colours in ((-6.5, -1.4, 3.0, (P.SNOWBALL, P.SNOWBALL_SHADE)),
                                 (5.5, -1.6, 3.1, (P.ICICLE, P.ICICLE_SHADE)),
                                 (-1.0, -2.6, 3.2, (P.SNOWBALL, P.SNOWBALL_SHADE)),
                                 (2.5, -0.6, 2.6, (P.SNOWBALL, P.SNOWBALL_SHADE))):
            ball(c, cx + x, m + y, r, colours[0], colours[1], P.WHITE)
        return
    for x, y, r in ((-6.5, -1.4, 3.0), (3.0, -2.6, 3.2)):
        ball(c, cx + x, m + y, r, P.CAST_IRON, P.CAST_IRON_SHADE, P.CAST_IRON_LIGHT)
    for x, y, turn in ((7.0, -1.0, 20), (-1.8, -1.6, 70)):
        stone = rock(cx + x, m + y, (3.4, 2.7, 3.3, 2.9, 3.5, 2.6), turn)
        c.outlined(stone, P.THROWN_STONE)
        c.shade(stone, P.THROWN_STONE_SHADE, (1.0, 1.0))


def snow_on(c, x0, x1, y, depth=2.6):
    drift = path(bezier((x0, y + 0.8), (x0 + 1, y - depth), (x1 - 1, y - depth), (x1, y + 0.8)))
    c.outlined(drift, P.SNOWBALL)
    c.shade(drift, P.SNOWBALL_SHADE, (0, 0.9))


def draw_big_cannon(c, metal, winter, loaded, phase):
    w, h = BIG_SIZE
    cx, m = BIG_MUZZLE, MOUTH_Y
    bed = carriage(c, 3, w - 3, h - 12, h, 5.0)
    if winter:
        snow_on(c, 6, w - 6, h - 11.5)
        for x, length in ((12, 5.0), (27, 3.5)):
            icicle(c, (x, h - 7 + length), h - 7, 1.2, 2, x)
    body = bell(c, cx, metal)
    c.mark("cannon", body + bed)
    if loaded:
        c.fill(ellipse(cx, m + 0.4, 10.4, 2.4), P.OUTLINE)
        heap(c, cx, winter)
        front = path(bezier((cx - 12, m), (cx - 6, m + 3.6), (cx + 6, m + 3.6), (cx + 12, m)),
                     bezier((cx + 12, m), (cx + 6, m + 2.2), (cx - 6, m + 2.2), (cx - 12, m)))
        c.fill(front, metal.colour, grow=0.6)
        fuse(c, cx + 6.2, h - 14, True, phase * 40)
    else:
        muzzle(c, cx, m + 0.2, 12.0, 3.0, metal)
        for k, (dx, r) in enumerate(((-3.0, 3.4), (2.5, 2.8), (-0.5, 2.2))):
            rise = (phase + k / 3.0) % 1.0
            puff(c, cx + dx + rise * 3.0, m - 1.0 - rise * 3.5, r * (0.7 + 0.5 * rise),
                 colour=P.SMOKE_PUFF, shade=P.SMOKE_PUFF_SHADE, opacity=1.0 - 0.55 * rise)
        fuse(c, cx + 6.2, h - 14, False, 0)
    if winter:
        snow_on(c, cx - 12.5, cx - 4, m + 0.4, 2.0)


def reloading_cannon(name, file, metal, winter):
    loaded = [Frame(lambda c, p=p: draw_big_cannon(c, metal, winter, True, p), 100) for p in (0, 1, 2)]
    smoking = [Frame(lambda c, p=p: draw_big_cannon(c, metal, winter, False, p / 3), 160)
               for p in (0, 1, 2)]
    return Sprite(name, file, BIG_SIZE, [
        Frameset("FRAMESET", loaded),
        Frameset("FRAMESET1", loaded),
        Frameset("RELOAD", smoking),
    ], box=Box.part("cannon", margin=(2, 1, 2, 1)))


KANON2 = reloading_cannon("KANON2", "kanon2.png", GUNMETAL, winter=False)
WINTERKANON2 = reloading_cannon("WINTERKANON2", "winterkanon2.png", STEEL, winter=True)

SPRITES = [KANON, KANON2, WINTERKANON2]
