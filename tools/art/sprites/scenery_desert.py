"""The desert's plants and bones: DFLOWER1-4 (a pink cushion in bloom, a yellow-flowering
bush, an agave rosette, a tall desert lily), KAKTUS1 a branched giant cactus, KAKTUS2 a round
barrel cactus with a crown of flowers, KOSTRA the bleached skeleton of a cow in the sand.
Scenery: no box, so droppings fall past them onto the walkers."""
import math

from .. import palette as P
from ..figures import trees
from ..model import Frame, Frameset, Sprite
from ..shapes import arc_points, bezier, circle, ellipse, path, polygon, stroke
from ..tiles import kit


def _sand(c, w, h, spread=0.45):
    mound = ellipse(w / 2, h + 1, w * spread, 4)
    c.outlined(mound, P.SAND, 0.9)
    c.shade(mound, P.SAND_SHADE, (0, 1.2))


def _blooms(c, spots, colour, r):
    for x, y in spots:
        kit.flower(c, x, y, r, colour, P.SUN)


def cushion(c):
    w, h = 22, 20
    body = ellipse(11, 14, 9.5, 6.5)
    c.outlined(body, P.CACTUS)
    c.shade(body, P.CACTUS_SHADE, (1.2, 1.5))
    _blooms(c, ((6, 10), (11, 7.5), (16, 10), (9, 13), (14, 13.5)), P.PETAL_PINK, 3.0)
    _sand(c, w, h, 0.5)


def yellow_bush(c):
    w, h = 32, 28
    rng_spots = ((6, 12), (11, 7), (17, 5), (23, 8), (27, 13), (14, 13), (21, 14))
    for x, y in ((8, 26), (16, 26), (24, 26)):
        c.fill(stroke([(16, 27), (x, y - 14)], 1.2), P.TIMBER)
    body = circle(9, 15, 7) + circle(16, 11, 8) + circle(23, 15, 7) + ellipse(16, 20, 13, 6)
    c.outlined(body, P.CACTUS_SHADE)
    c.shade(body, P.PINE_SHADE, (1.5, 1.5))
    for x, y in rng_spots:
        c.outlined(circle(x, y, 1.6), P.PETAL_YELLOW, 0.6)
    _sand(c, w, h)


def agave(c):
    w, h = 42, 32
    leaves = []
    for a, length in ((-160, 19), (-130, 22), (-105, 24), (-90, 26), (-75, 24), (-50, 22), (-20, 19)):
        r = math.radians(a)
        tip = (21 + math.cos(r) * length, 30 + math.sin(r) * length * 1.05)
        side = (math.sin(r) * 3.2, -math.cos(r) * 3.2)
        leaves.append(polygon([(21 - side[0], 30 - side[1]), tip, (21 + side[0], 30 + side[1])]))
    for leaf in leaves:
        c.outlined(leaf, P.CACTUS_LIGHT, 0.8)
        c.shade(leaf, P.CACTUS, (1.0, 0.5))
    _sand(c, w, h, 0.4)


def lily(c):
    w, h = 22, 46
    c.fill(stroke([(11, 44), (11.5, 14), (11, 6)], 1.6), P.CACTUS_SHADE)
    for a in (-150, -125, -55, -30):
        r = math.radians(a)
        leaf = polygon([(10, 44), (11 + math.cos(r) * 12, 44 + math.sin(r) * 12), (12, 44)])
        c.outlined(leaf, P.CACTUS, 0.8)
    for k, y in enumerate((8, 14, 20, 26)):
        side = -1 if k % 2 else 1
        bell = path(bezier((11.5, y), (11.5 + side * 3, y - 1), (11.5 + side * 6, y + 1), (11.5 + side * 6, y + 3.5)),
                    [(11.5 + side * 6, y + 3.5), (11.5 + side * 3.5, y + 2.8), (11.5, y + 2)])
        c.outlined(bell, P.PETAL_WHITE, 0.8)
        c.shade(bell, P.PETAL_PINK, (0, 1.0), opacity=0.7)
    c.outlined(ellipse(11, 5, 1.6, 2.4), P.CACTUS_LIGHT, 0.7)
    _sand(c, w, h, 0.4)


def giant_cactus(c):
    w, h = 56, 100
    trees.saguaro(c, 28, h - 1.5, 94, arms=((0.42, -1, 0.3), (0.56, 1, 0.24)), seed=3)
    c.outlined(circle(28, 7.5, 2.6), P.PETAL_WHITE, 0.8)
    c.fill(circle(28, 7.5, 1.0), P.PETAL_YELLOW)
    _sand(c, w, h, 0.3)


def barrel_cactus(c):
    w, h = 40, 42
    body = ellipse(20, 27, 15, 14)
    c.outlined(body, P.CACTUS)
    for x in (10, 15, 20, 25, 30):
        c.fill(stroke(bezier((20, 13.5), (x + (x - 20) * 0.4, 22), (x + (x - 20) * 0.2, 36), (20 + (x - 20) * 0.6, 41)),
                      0.8), P.CACTUS_SHADE, clip=body)
    c.shade(body, P.CACTUS_SHADE, (3.0, 2.0))
    c.shade(body, P.CACTUS_LIGHT, (-1.5, -1.5), opacity=0.7)
    for k in range(14):
        a = math.radians(200 + 140 * k / 13)
        x, y = 20 + math.cos(a) * 13.5, 27 + math.sin(a) * 12.5
        c.fill(stroke([(x, y), (x + math.cos(a) * 2.5, y + math.sin(a) * 2.5)], 0.6), P.SPINE)
    _blooms(c, ((15, 13), (20, 11), (25, 13)), P.PETAL_RED, 3.2)
    _sand(c, w, h, 0.42)


def skeleton(c):
    w, h = 88, 30
    _sand(c, w, h, 0.47)
    spine = stroke(bezier((20, 18), (40, 14), (60, 15), (78, 20)), 2.0)
    c.outlined(spine, P.BONE, 0.8)
    ribs = None
    for k in range(6):
        x = 30 + k * 7
        rib = stroke(arc_points(x, 16 + 8, 3.5, 8, 200, 340), 1.6)
        ribs = rib if ribs is None else ribs + rib
    c.outlined(ribs, P.BONE, 0.8)
    c.shade(ribs, P.BONE_SHADE, (0.8, 0.8))
    leg = stroke([(70, 22), (82, 26), (86, 24)], 2.0)
    c.outlined(leg, P.BONE, 0.8)
    skull = path(bezier((4, 20), (3, 14), (9, 11), (15, 12)), bezier((15, 12), (20, 13), (21, 19), (18, 25)),
                 [(18, 25), (8, 26)])
    horns = stroke(bezier((12, 12), (8, 5), (3, 6), (1, 9)), 1.6) + stroke(bezier((16, 12), (19, 5), (24, 4), (26, 7)), 1.6)
    c.outlined(horns, P.BONE_SHADE, 0.8)
    c.outlined(skull, P.BONE)
    c.shade(skull, P.BONE_SHADE, (1.2, 1.2))
    c.fill(ellipse(12, 17, 2.0, 1.8), P.OUTLINE)
    c.fill(ellipse(6, 23, 0.8, 1.1) + ellipse(9, 23.5, 0.8, 1.1), P.OUTLINE)


def _still(name, file, size, draw):
    return Sprite(name, file, size, [Frameset("FRAMESET1", [Frame(draw, 1000)])])


SPRITES = [
    _still("DFLOWER1", "dflower1.png", (22, 20), cushion),
    _still("DFLOWER2", "dflower2.png", (32, 28), yellow_bush),
    _still("DFLOWER3", "dflower3.png", (42, 32), agave),
    _still("DFLOWER4", "dflower4.png", (22, 46), lily),
    _still("KAKTUS1", "kaktus1.png", (56, 100), giant_cactus),
    _still("KAKTUS2", "kaktus2.png", (40, 42), barrel_cactus),
    _still("KOSTRA", "kostra.png", (88, 30), skeleton),
]
