"""The rescue level's props: the cauldron of water the carrier refills his can at, the
campfire, and the drops of water he pours.

KOTEL stands on the ground. The carrier (about 48 tall, his box in his top 20 rows) refills
while his box touches the cauldron's, so the cauldron's box starts at the brim, KOTEL_BOX_TOP
rows below the top of its 48-row frame: standing on y = 448 it reaches up to 412, well into
the carrier's box (400..420).
VODA's box is two rows high at bY = 2 (VODA_BOX): drops poured 5 px apart must not touch each
other, and the carrier's own box has to end above the drop's box top (y + 18 + 2), which the
carrier's drawing relies on.
"""
import math

from .. import palette as P
from ..figures.machinery import beam, wooden
from ..model import Box, Frame, Frameset, Sprite
from ..shapes import bezier, box, circle, ellipse, path
from .projectiles import rock
from .winter_objects import drop_shape

KOTEL_SIZE = (44, 48)
KOTEL_BOX_TOP = 12
VODA_SIZE = (4, 6)
VODA_BOX = (0, 2, 4, 4)          # x0, y0, x1, y1 of the box: bX 0, bY 2, bW 4, bH 2
PLAMEN_SIZE = (32, 36)


# --- the cauldron ---------------------------------------------------------------------------------

def draw_kotel(c, ripple):
    w, h = KOTEL_SIZE
    cx = w / 2
    for x in (9.0, cx, w - 9.0):
        c.outlined(beam((x, h - 10), (x + (x - cx) * 0.15, h - 1.5), 3.0), P.CAST_IRON)
    ladle = beam((cx + 4, 22), (w - 4, 3.5), 2.0)
    wooden(c, ladle)
    c.outlined(ellipse(w - 4.4, 3.4, 2.0, 1.5, -55), P.WOOD)
    body = path(bezier((3, 16), (1.4, 30), (6, 44), (cx, 44)), bezier((cx, 44), (w - 6, 44), (w - 1.4, 30), (w - 3, 16)))
    c.outlined(body, P.CAST_IRON, 1.2)
    c.shade(body, P.CAST_IRON_SHADE, (4.0, 3.0))
    c.fill(ellipse(10, 28, 2.2, 7, 12), P.CAST_IRON_LIGHT, opacity=0.6, clip=body)
    for side in (-1, 1):
        c.outlined(circle(cx + side * (cx - 4.5), 22, 2.3), P.CAST_IRON, 0.9)
        c.fill(circle(cx + side * (cx - 4.5), 22, 1.1), P.OUTLINE)
    rim = ellipse(cx, 16, cx - 2.8, 4.6)
    c.outlined(rim, P.CAST_IRON, 1.2)
    water = ellipse(cx, 16.4, cx - 5.6, 2.9)
    c.fill(water, P.WATER_DROP)
    c.shade(water, P.WATER_DROP_SHADE, (0, -1.2))
    for k, x in enumerate((12.0, 22.0, 31.0)):
        y = 16.2 + 0.5 * math.sin(ripple * 2 * math.pi + k * 2.1)
        c.fill(ellipse(x + ripple * 2.0, y, 2.6, 0.6), P.WATER_DROP_LIGHT, clip=water)
    wooden(c, beam((cx + 4, 22), (cx + 9, 12), 2.0))
    c.mark("pot", box(2, KOTEL_BOX_TOP, w - 2, h))


KOTEL = Sprite("KOTEL", "kotel.png", KOTEL_SIZE, [
    Frameset("FRAMESET1", [Frame(lambda c, r=r: draw_kotel(c, r), 300) for r in (0.0, 0.33, 0.66)]),
], box=Box.part("pot"))


# --- the water drop ---------------------------------------------------------------------------------

def draw_voda(c):
    w, h = VODA_SIZE
    shape = drop_shape(0.3, 0.1, w - 0.6, h - 0.2)
    c.outlined(shape, P.WATER_DROP, 0.7)
    c.shade(shape, P.WATER_DROP_SHADE, (0.6, 0.6))
    c.fill(circle(1.5, h - 2.3, 0.5), P.WATER_DROP_LIGHT)
    c.mark("core", box(*VODA_BOX))


VODA = Sprite("VODA", "voda.png", VODA_SIZE, [
    Frameset("FRAMESET1", [Frame(draw_voda, 1000)]),
], box=Box.part("core"))


# --- the campfire -----------------------------------------------------------------------------------

def flame(cx, base, width, height, lean):
    return path(bezier((cx - width, base), (cx - width * 1.1, base - height * 0.45),
                       (cx - width * 0.2 + lean * 0.5, base - height * 0.7), (cx + lean, base - height)),
                bezier((cx + lean, base - height), (cx + width * 0.4 + lean * 0.3, base - height * 0.6),
                       (cx + width * 1.1, base - height * 0.4), (cx + width, base)))


def draw_plamen(c, phase):
    w, h = PLAMEN_SIZE
    cx = w / 2
    for x, turn in ((4.6, 10), (11.0, 70), (21.0, 40), (27.4, 100)):
        stone = rock(x, h - 3.2, (3.0, 2.5, 2.9, 2.7, 3.0, 2.4), turn)
        c.outlined(stone, P.THROWN_STONE)
        c.shade(stone, P.THROWN_STONE_SHADE, (0.8, 0.8))
    logs = beam((6, h - 3), (26, h - 9), 4.0) + beam((26, h - 3), (6, h - 9), 4.0)
    wooden(c, logs)
    for x, y in ((6.5, h - 3), (25.5, h - 3)):
        c.outlined(circle(x, y, 2.0), P.WOOD_SHADE, 0.8)
    sway = math.sin(phase * 2 * math.pi)
    other = math.cos(phase * 2 * math.pi)
    base = h - 7
    outer = (flame(cx, base, 7.5, 24 + 3 * sway, 3 * sway)
             + flame(cx - 6, base + 1, 4.5, 14 + 3 * other, -3 + 2 * other)
             + flame(cx + 6, base + 1, 4.5, 16 - 3 * other, 3 - 2 * sway))
    middle = flame(cx + 0.5, base, 5.5, 17 - 2 * sway, -2 * sway) + flame(cx - 4.5, base, 2.8, 9 + 2 * other, -1)
    core = flame(cx + 0.5, base, 3.0, 9 + 1.5 * sway, sway)
    c.outlined(outer, P.FIRE_RED)
    c.fill(middle, P.SPARK_HOT)
    c.fill(core, P.SPARK)
    for k in range(2):
        t = (phase + k * 0.5) % 1.0
        c.fill(circle(cx + (k * 2 - 1) * (4 + 3 * t), h - 18 - t * 14, 0.9 * (1 - t) + 0.3), P.SPARK)
    c.mark("flame", flame(cx, h - 7, 6.0, 16, 0))


PLAMEN = Sprite("PLAMEN", "plamen.png", PLAMEN_SIZE, [
    Frameset("FRAMESET1", [Frame(lambda c, p=p: draw_plamen(c, p), 90) for p in (0.0, 0.25, 0.5, 0.75)]),
], box=Box.part("flame", margin=(1, 2, 1, 0)))

SPRITES = [KOTEL, VODA, PLAMEN]
