"""Flowers for the meadows: FLOWER1 a red tulip, FLOWER2 a sunflower taller than a child's
knee, FLOWERS1 a tended flower bed, FLOWERS2 a clump of wild flowers. Scenery, no box."""
import math

from .. import palette as P
from ..model import Frame, Frameset, Sprite
from ..shapes import bezier, circle, ellipse, path, polygon, stroke
from ..tiles import kit


def _leaf(x, y, length, width, angle):
    shape = path(bezier((0, 0), (length * 0.3, -width), (length * 0.8, -width * 0.6), (length, 0)),
                 bezier((length, 0), (length * 0.7, width * 0.6), (length * 0.2, width * 0.7), (0, 0)))
    a = math.radians(angle)
    return shape.map(lambda p: (x + p[0] * math.cos(a) - p[1] * math.sin(a),
                                y + p[0] * math.sin(a) + p[1] * math.cos(a)))


def _leaves(c, pairs):
    for leaf in pairs:
        c.outlined(leaf, P.GRASS, 0.8)
        c.shade(leaf, P.GRASS_SHADE, (0.8, 1.0))


def tulip(c):
    c.fill(stroke([(8, 28), (8.5, 10)], 1.6), P.GRASS_SHADE)
    _leaves(c, [_leaf(8, 27, 13, 3.2, -110), _leaf(8.5, 26, 12, 3.0, -65)])
    cup = path(bezier((3.5, 5), (3.2, 11), (5.5, 12.5), (8.5, 12.5)),
               bezier((8.5, 12.5), (11.5, 12.5), (13.8, 11), (13.5, 5)),
               [(13.5, 5), (11.8, 7.2), (10.4, 2.0), (8.5, 5.8), (6.6, 2.0), (5.2, 7.2)])
    c.outlined(cup, P.PETAL_RED, 0.9)
    c.shade(cup, P.APPLE_RED, (1.5, 1.2))
    c.fill(polygon([(8.5, 5.8), (10.4, 2.0), (11, 7)]), P.PETAL_PINK, opacity=0.5)
    kit.tuft(c, 8.5, 28.5, 5, (P.GRASS, P.GRASS_LIGHT, P.HEDGE_LIGHT), 4, 3.0, 1.1)


def sunflower(c):
    c.fill(stroke([(14, 56), (14.5, 34), (13.5, 18)], 2.2), P.GRASS_SHADE)
    c.outlined(stroke([(14, 56), (14.5, 34), (13.5, 18)], 2.2), P.GRASS, 0.8)
    _leaves(c, [_leaf(14, 44, 12, 4.0, -160), _leaf(14.5, 36, 11, 3.6, -20)])
    petals = circle(14, 13, 6)
    for k in range(14):
        a = 2 * math.pi * k / 14
        petals = petals + ellipse(14 + math.cos(a) * 8.2, 13 + math.sin(a) * 8.2, 3.6, 1.7,
                                  math.degrees(a))
    c.outlined(petals, P.PETAL_YELLOW, 0.9)
    c.shade(petals, P.GOLD_BOTTOM, (1.0, 1.2))
    seeds = circle(14, 13, 5.4)
    c.outlined(seeds, P.TIMBER, 0.7)
    for k in range(9):
        a = 2 * math.pi * k / 9
        c.fill(circle(14 + math.cos(a) * 2.8, 13 + math.sin(a) * 2.8, 0.7), P.TIMBER_SHADE)


def flower_bed(c):
    bed = path(bezier((1.5, 28), (5, 18), (59, 18), (62.5, 28)))
    c.outlined(bed, P.EARTH)
    c.shade(bed, P.EARTH_SHADE, (0, 2))
    for x in range(6, 60, 8):
        c.fill(ellipse(x, 24, 2.5, 1.0), P.EARTH_DEEP, opacity=0.6)
    colours = (P.PETAL_RED, P.PETAL_YELLOW, P.PETAL_PINK, P.PETAL_WHITE, P.PETAL_BLUE)
    for i, x in enumerate(range(8, 60, 7)):
        top = 7 + (i % 3) * 2.5
        kit.stem(c, x, 20, x + 0.5, top + 2, P.GRASS_SHADE, 1.2)
        c.outlined(_leaf(x, 19, 5, 1.6, -140 + (i % 2) * 100), P.GRASS, 0.6)
        kit.flower(c, x + 0.5, top, 3.6, colours[i % len(colours)])


def wild_flowers(c):
    kit.tuft(c, 14, 30.5, 14, (P.GRASS, P.GRASS_LIGHT, P.HEDGE_LIGHT), 6, 6.0, 1.5)
    kit.tuft(c, 34, 30.5, 11, (P.GRASS, P.GRASS_LIGHT, P.HEDGE_LIGHT), 5, 5.0, 1.4)
    for x, top, col, r in ((8, 10, P.PETAL_BLUE, 2.8), (16, 5, P.PETAL_WHITE, 3.2), (23, 12, P.PETAL_PINK, 2.6),
                           (30, 7, P.PETAL_YELLOW, 3.0), (39, 11, P.PETAL_WHITE, 2.6)):
        kit.stem(c, x, 29, x + 0.5, top + 1, P.GRASS_SHADE, 1.0)
        kit.flower(c, x + 0.5, top, r, col)


def _still(name, file, size, draw):
    return Sprite(name, file, size, [Frameset("FRAMESET1", [Frame(draw, 1000)])])


SPRITES = [
    _still("FLOWER1", "flower1.png", (17, 28), tulip),
    _still("FLOWER2", "flower2.png", (28, 56), sunflower),
    _still("FLOWERS1", "flowers1.png", (64, 28), flower_bed),
    _still("FLOWERS2", "flowers2.png", (48, 30), wild_flowers),
]
