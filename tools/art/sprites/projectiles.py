"""Things that fly or fall: the bird's dropping, thrown stones, iron balls, the camel's clay
ball, the scorpion's spike and the apple.

Every harmful projectile has two looks: AKTIVNI, the normal live look, and FRAMESET1, the same
animation washed out, shown for three seconds after the bird has scored a near miss with it
(the game re-selects one or the other all the time). `hazard_framesets` builds the pair for the
balloons, aircraft and the flying boss too.
"""
import math
from functools import partial

from .. import palette as P
from ..canvas import washed_out
from ..model import Box, Frame, Frameset, Sprite
from ..shapes import bezier, box, circle, ellipse, path, polygon, stroke

DROPPING = (120, 84, 52)
DROPPING_SHADE = (84, 56, 34)
DROPPING_LIGHT = (236, 226, 200)

TUMBLE = (0, 90, 180, 270)     # a stone's turn in its four frames
TUMBLE_DELAY = 70


def draw_bobek(c):
    """A small brown-and-white blob, pointed at the top like a falling drop."""
    blob = path(bezier((3.5, 0.6), (5.2, 3.0), (6.6, 5.4), (5.6, 7.2)),
                bezier((5.6, 7.2), (4.4, 8.6), (2.6, 8.6), (1.4, 7.2)),
                bezier((1.4, 7.2), (0.4, 5.4), (1.8, 3.0), (3.5, 0.6)))
    c.outlined(blob, DROPPING, 0.8)
    c.shade(blob, DROPPING_SHADE, (0.8, 0.9))
    c.fill(circle(3.0, 5.2, 1.1), DROPPING_LIGHT, opacity=0.9)


BOBEK = Sprite("BOBEK", "bobek.png", (7, 9), [
    Frameset("FRAMESET1", [Frame(draw_bobek, 1000)]),
], box=Box.opaque(margin=1))


# --- the two looks of a hazard --------------------------------------------------------------------

def _washed(draw):
    def faded(c):
        draw(c)
        washed_out(c)
    return faded


def spent(frames):
    """The same frames washed out: the look of a hazard the bird has just scored on."""
    return [Frame(_washed(f.draw), f.delay, f.box, f.mirror) for f in frames]


def hazard_framesets(frames, initial="AKTIVNI"):
    """AKTIVNI (`frames`, the live look) and FRAMESET1 (washed out), `initial` first."""
    live = Frameset("AKTIVNI", frames)
    faded = Frameset("FRAMESET1", spent(frames))
    return [live, faded] if initial == "AKTIVNI" else [faded, live]


def turning(draw, turns, delay):
    """One frame of `draw(c, turn)` for each turn (degrees)."""
    return [Frame(partial(draw, turn=t), delay) for t in turns]


# --- drawing kit ------------------------------------------------------------------------------------

def rock(cx, cy, radii, turn):
    """A lumpy stone: corners at the given distances from the centre, turned by `turn`."""
    n = len(radii)
    return polygon([(cx + r * math.cos(math.radians(turn + 360 * i / n)),
                     cy + r * math.sin(math.radians(turn + 360 * i / n))) for i, r in enumerate(radii)])


def ball(c, cx, cy, r, colour, shade, light):
    """A round ball lit from the upper left, with a glint."""
    shape = circle(cx, cy, r)
    c.outlined(shape, colour)
    c.shade(shape, shade, (r * 0.35, r * 0.35))
    c.fill(ellipse(cx - r * 0.38, cy - r * 0.4, r * 0.32, r * 0.22, -35), light)
    return shape


def turned(cx, cy, turn, x, y):
    """(x, y) relative to the centre, turned by `turn` degrees about it."""
    a = math.radians(turn)
    return (cx + x * math.cos(a) - y * math.sin(a), cy + x * math.sin(a) + y * math.cos(a))


def draw_stone(c, turn, cx, cy, radii, colour, shade, light):
    shape = rock(cx, cy, radii, turn)
    c.outlined(shape, colour)
    c.shade(shape, shade, (1.3, 1.3))
    c.shade(shape, light, (-0.7, -0.7))
    return shape


# --- stones and balls ---------------------------------------------------------------------------------

def draw_kamen(c, turn):
    """A grey pebble, chipped and lumpy."""
    shape = draw_stone(c, turn, 5, 5, (3.9, 3.1, 3.8, 3.4, 3.9, 3.0, 3.7),
                       P.THROWN_STONE, P.THROWN_STONE_SHADE, P.THROWN_STONE_LIGHT)
    c.fill(circle(*turned(5, 5, turn, 1.2, 0.8), 0.8), P.THROWN_STONE_SHADE, clip=shape)
    c.mark("stone", box(1, 1, 9, 9))            # the same box however the stone is turned


def draw_kamen2(c, turn):
    """A bigger brown rock with a crack: the catapult's ammunition."""
    shape = draw_stone(c, turn, 6, 6, (4.8, 3.9, 4.6, 4.2, 4.8, 3.7, 4.7, 4.0),
                       P.BOULDER, P.BOULDER_SHADE, P.BOULDER_LIGHT)
    crack = [turned(6, 6, turn, x, y) for x, y in ((-2.5, -1.5), (-0.3, 0.2), (0.4, 2.6))]
    c.fill(stroke(crack, 0.8), P.BOULDER_SHADE, clip=shape)


def draw_koule(c):
    """A heavy iron ball."""
    ball(c, 6, 6, 4.8, P.CAST_IRON, P.CAST_IRON_SHADE, P.CAST_IRON_LIGHT)


def draw_dkoule(c, turn):
    """A ball of baked desert clay, speckled."""
    shape = ball(c, 5, 5, 3.8, P.CLAY, P.CLAY_SHADE, P.WHITE)
    for x, y in ((1.6, 0.6), (-1.0, 1.8), (0.4, -1.9)):
        c.fill(circle(*turned(5, 5, turn, x, y), 0.7), P.CLAY_SPECK, clip=shape)


KAMEN = Sprite("KAMEN", "kamen.png", (10, 10),
               hazard_framesets(turning(draw_kamen, TUMBLE, TUMBLE_DELAY)),
               box=Box.part("stone"))

KAMEN2 = Sprite("KAMEN2", "kamen2.png", (12, 12),
                hazard_framesets(turning(draw_kamen2, TUMBLE, TUMBLE_DELAY)),
                box=Box.opaque(margin=1))

# The falling KOULE starts in FRAMESET1, the cannons' KOULEUP (never scored) shows AKTIVNI.
KOULE = Sprite("KOULE", "koule.png", (12, 12),
               hazard_framesets([Frame(draw_koule, 1000)], initial="FRAMESET1"),
               box=Box.opaque(margin=1))

DKOULE = Sprite("DKOULE", "dkoule.png", (10, 10),
                hazard_framesets(turning(draw_dkoule, TUMBLE, TUMBLE_DELAY), initial="FRAMESET1"),
                box=Box.opaque(margin=1))


# --- harmless things ----------------------------------------------------------------------------------

def draw_spike(c, turn):
    """The scorpion's thorn spinning end over end, so it reads at any angle of flight."""
    cx, cy = 5.5, 5.5

    def at(x, y):
        return turned(cx, cy, turn, x, y)
    thorn = path(bezier(at(-3.0, -1.5), at(-0.5, -1.5), at(2.5, -0.6), at(4.2, 0.3)),
                 bezier(at(4.2, 0.3), at(2.0, 0.9), at(-0.8, 1.6), at(-3.0, 1.5)),
                 bezier(at(-3.0, 1.5), at(-4.1, 0.9), at(-4.1, -0.9), at(-3.0, -1.5)))
    c.outlined(thorn, P.THORN)
    c.shade(thorn, P.THORN_SHADE, (0.7, 0.7))
    tip = path([at(1.6, -0.9), at(4.2, 0.3), at(1.6, 1.2)])
    c.fill(tip, P.THORN_TIP, clip=thorn)


def draw_apple(c):
    """A shiny red apple with a stem and a leaf."""
    def fit(shape):
        return shape.scaled(0.8, origin=(6.0, 7.0)).moved(0, 0.6)
    body = fit(path(bezier((6, 3.6), (8.4, 1.6), (11.6, 3.4), (11.2, 7.0)),
                    bezier((11.2, 7.0), (10.8, 10.4), (8.0, 11.8), (6, 10.8)),
                    bezier((6, 10.8), (4.0, 11.8), (1.2, 10.4), (0.8, 7.0)),
                    bezier((0.8, 7.0), (0.4, 3.4), (3.6, 1.6), (6, 3.6))))
    stem = fit(stroke(bezier((6, 4.2), (5.8, 2.2), (6.8, 0.6)), 1.3))
    leaf = fit(path(bezier((6.6, 2.2), (7.6, 0.0), (10.4, 0.0), (11.6, 0.8)),
                    bezier((11.6, 0.8), (10.0, 2.8), (8.0, 3.0), (6.6, 2.2))))
    c.figure([(stem, P.APPLE_STEM), (body, P.FRUIT_RED)])
    c.shade(body, P.FRUIT_RED_SHADE, (1.3, 1.3))
    c.fill(fit(ellipse(3.6, 5.6, 1.2, 1.8, 25)), P.WHITE, opacity=0.9)
    c.outlined(leaf, P.APPLE_LEAF)
    c.shade(leaf, P.APPLE_LEAF_SHADE, (0.5, 0.7))


SPIKE = Sprite("SPIKE", "spike.png", (11, 11), [
    Frameset("FRAMESET1", turning(draw_spike, range(0, 360, 45), 40)),
])

APPLE = Sprite("APPLE", "apple.png", (12, 12), [
    Frameset("FRAMESET1", [Frame(draw_apple, 1000)]),
], box=Box.opaque(margin=1))

SPRITES = [BOBEK, KAMEN, KAMEN2, KOULE, DKOULE, SPIKE, APPLE]
