"""The desert tiles: sand over banded sandstone, sandstone ledges and blocks, boulders,
scorched rock with glowing cracks for the hot valley, bones, dry tufts, small cacti, and an
adobe house with a flat roof."""
import math

from .. import palette as P
from ..canvas import linear
from ..shapes import arc_points, box, circle, ellipse, polygon, round_box, stroke
from ..tilesets import SIZE
from . import kit, terrain
from .kit import SPAN, band, wave, wrap, whole

SAND_CAP = terrain.Cap(P.SAND, P.SAND_SHADE, P.SAND_LIGHT, top=3.0, depth=9.0, bump=0.7, bumps=1,
                       drip=1.2, drips=2)
SCORCHED_CAP = terrain.Cap(P.SCORCHED, P.SCORCHED_SHADE, P.DESERT_ROCK, top=2.5, depth=7.0,
                           bump=1.0, bumps=2, drip=1.5, drips=3)
STRATA = [(0.0, P.SANDSTONE_LIGHT), (8.0, P.SANDSTONE), (17.0, P.SANDSTONE_SHADE),
          (24.0, P.SANDSTONE)]
BLOCKS = [(16, [0, 20]), (16, [10, 26])]
DRY = (P.HAY_SHADE, P.HAY, P.SAND_SHADE)


def strata(c, clip=None):
    """Bands of sandstone with wavy borders; the pattern repeats every 32 px both ways."""
    for i, (y, colour) in enumerate(STRATA):
        nxt = STRATA[i + 1][0] if i + 1 < len(STRATA) else SIZE
        top = wave(y, 1.2, 1, i * 0.23)
        bottom = wave(nxt, 1.2, 1, (i + 1) * 0.23 if i + 1 < len(STRATA) else 0.0)
        c.fill(wrap(band(top, bottom), x=False, y=True), colour, clip=clip)
    kit.specks(c, 71, 10, (P.SANDSTONE_SHADE, P.SANDSTONE_LIGHT), size=(0.5, 1.1), clip=clip,
               opacity=0.8)


def sand_top(c, clip=None):
    terrain.draw_cap(c, SAND_CAP, clip=clip)
    for x, y in ((5, 7), (19, 8.5)):
        c.fill(wrap(stroke(kit.wave(y, 0.6, 2, 0.2, x, x + 9), 0.7)), P.SAND_SHADE, clip=clip)


def ground_top(c):
    strata(c, clip=terrain.under(SAND_CAP))
    sand_top(c)


def ground_top_b(c):
    ground_top(c)
    for x, y, r in ((9, 4.5, 2.4), (13, 5.5, 1.6), (24, 4, 2.0)):
        pebble = ellipse(x, y, r * 1.3, r * 0.9)
        c.outlined(pebble, P.DESERT_ROCK, 0.8)
        c.shade(pebble, P.DESERT_ROCK_SHADE, (0.8, 0.8))


def ground_top_c(c):
    ground_top(c)
    twig = stroke([(8, 5), (13, -0.5), (15, 1)], 1.0) + stroke([(11, 2), (9, -1)], 0.8)
    c.fill(twig, P.TIMBER)
    kit.tuft(c, 23, 5.5, 5, DRY, 4, 3.0, 1.0)


def _ledge(end):
    def draw(c):
        x0 = 1.0 if end == "left" else SPAN[0]
        x1 = SIZE - 1.0 if end == "right" else SPAN[1]
        bottom = [(x, 22 + 3 * abs(math.sin(x * 0.55)) + 2 * math.sin(x * 1.3 + 1))
                  for x in [x0 + (x1 - x0) * i / 40 for i in range(41)]]
        if end == "mid":
            bottom = wave(23, 2.0, 3, 0.1)
        top = [(x1, 3.5), (x0, 3.5)]
        pts = list(bottom) + top
        if end == "left":
            pts = [(x0 + 2, 24)] + bottom[1:] + [(x1, 3.5), (x0 + 3, 3.5), (x0, 8)]
        if end == "right":
            pts = bottom[:-1] + [(x1 - 2, 24), (x1, 8), (x1 - 3, 3.5), (x0, 3.5)]
        body = polygon(pts)
        c.fill(body, P.OUTLINE, grow=1.0)
        strata(c, clip=body)
        c.shade(body, P.SANDSTONE_SHADE, (0, 2.5))
        cap = terrain.Cap(P.SAND, P.SAND_SHADE, P.SAND_LIGHT, top=1.5, depth=5.0, bump=0.6,
                          bumps=1, drip=1.0, drips=2)
        terrain.draw_cap(c, cap, x0 - 0.5 if end == "left" else SPAN[0],
                         x1 + 0.5 if end == "right" else SPAN[1])
    return draw


def sandstone(c):
    terrain.courses(c, BLOCKS, P.SANDSTONE, P.SANDSTONE_SHADE, P.SANDSTONE_LIGHT,
                    P.DESERT_ROCK_SHADE, inset=0.7, radius=2)


def sandstone_top(c):
    sandstone(c)
    terrain.draw_cap(c, terrain.Cap(P.SAND, P.SAND_SHADE, P.SAND_LIGHT, top=1.0, depth=4.0,
                                    bump=0.6, bumps=1, drip=1.5, drips=2))


def rock(c):
    boulder = polygon([(1, 12), (5, 3), (14, 0.8), (24, 1.5), (31, 8), (31.2, 24), (28, 31.2),
                       (4, 31.2), (0.8, 25)])
    c.outlined(boulder, P.DESERT_ROCK)
    c.shade(boulder, P.DESERT_ROCK_SHADE, (3.0, 2.5))
    c.shade(boulder, P.SANDSTONE_LIGHT, (-1.5, -1.5), opacity=0.7)
    c.fill(stroke([(12, 6), (15, 13), (13, 19)], 0.9) + stroke([(23, 18), (27, 25)], 0.9),
           P.DESERT_ROCK_SHADE)


def _embers(c, clip=None):
    cracks = [[(2, 17), (8, 20), (12, 18), (16, 22)], [(22, 26), (26, 29), (31, 28)]]
    for pts in cracks:
        c.fill(wrap(stroke(pts, 2.6)), P.EMBER, opacity=0.35, clip=clip)
        c.fill(wrap(stroke(pts, 1.1)), P.EMBER_GLOW, clip=clip)


def scorched(c, clip=None):
    c.fill(whole(), P.SCORCHED_SHADE, clip=clip)
    kit.pebbles(c, 72, 4, P.SCORCHED, P.OUTLINE, size=(2.0, 3.5), clip=clip)
    _embers(c, clip)


def scorched_top(c):
    scorched(c, clip=terrain.under(SCORCHED_CAP))
    terrain.draw_cap(c, SCORCHED_CAP)
    for x in (6, 22):
        c.fill(wrap(stroke([(x, 4), (x + 3, 6.5), (x + 6, 5)], 0.9)), P.EMBER_GLOW)


def bones(c):
    femur = stroke([(5, 27), (24, 23)], 3.0)
    knobs = circle(4, 25.5, 2.2) + circle(4.5, 28.5, 2.2) + circle(25, 21.5, 2.2) + circle(25.5, 24.5, 2.2)
    c.figure([(femur, P.BONE), (knobs, P.BONE)], 0.9)
    c.shade(femur, P.BONE_SHADE, (0, 1.2))
    rib = stroke(arc_points(18, 31, 9, 7, 200, 330), 1.6)
    c.outlined(rib, P.BONE, 0.8)
    c.outlined(ellipse(8, 31, 4, 1.8), P.BONE, 0.8)


def skull(c):
    horns = stroke(arc_points(16, 16, 13, 8, 190, 350), 2.2)
    c.outlined(horns, P.BONE_SHADE, 0.9)
    head = polygon([(9, 16), (23, 16), (21, 25), (18, 31), (14, 31), (11, 25)]) + ellipse(16, 18, 8, 5)
    c.outlined(head, P.BONE)
    c.shade(head, P.BONE_SHADE, (1.5, 1.5))
    for x in (12.5, 19.5):
        c.fill(ellipse(x, 19, 2.2, 2.0), P.OUTLINE)
    c.fill(ellipse(15, 28, 0.9, 1.4) + ellipse(17, 28, 0.9, 1.4), P.OUTLINE)


def dry_tuft(c):
    kit.tuft(c, 10, 32.5, 13, DRY, 5, 5.0, 1.3)
    kit.tuft(c, 24, 32.5, 9, DRY, 4, 4.0, 1.2)


def pebbles(c):
    for x, y, r in ((6, 30, 2.8), (11, 31, 2.0), (20, 30.5, 3.2), (26, 31, 1.8)):
        stone = ellipse(x, y, r * 1.3, r * 0.85)
        c.outlined(stone, P.DESERT_ROCK, 0.8)
        c.shade(stone, P.DESERT_ROCK_SHADE, (0.9, 0.9))


def small_cactus(c):
    body = round_box(12, 9, 20, 32.5, 4)
    arm = stroke([(12, 22), (7, 22), (7, 15)], 3.6) + stroke([(20, 19), (25, 19), (25, 13)], 3.2)
    c.figure([(arm, P.CACTUS), (body, P.CACTUS)], 0.9)
    c.shade(body, P.CACTUS_SHADE, (2.0, 0))
    c.fill(stroke([(16, 11), (16, 31)], 0.7), P.CACTUS_SHADE)
    for x, y in ((13, 14), (19, 17), (13, 25), (19, 28), (7, 17), (25, 15)):
        c.fill(stroke([(x - 1, y), (x + 1, y - 0.5)], 0.5), P.SPINE)
    c.outlined(circle(16, 8.5, 2.2), P.PETAL_PINK, 0.7)


def _adobe(c, y=0):
    """Sun-dried plaster over one tile whose top is at y."""
    c.fill(box(SPAN[0], y + SPAN[0], SPAN[1], y + SPAN[1]), P.ADOBE)
    kit.specks(c, 74, 10, (P.ADOBE_SHADE, P.SAND_LIGHT), size=(0.6, 1.2), opacity=0.7,
               region=(0, y, SIZE, y + SIZE))


def adobe_wall(c):
    _adobe(c)
    c.fill(stroke([(6, 8), (9, 12), (8, 16)], 0.8) + stroke([(24, 22), (27, 25)], 0.8), P.ADOBE_SHADE)


def adobe_window(c):
    _adobe(c)
    hole = round_box(9, 7, 23, 23, 3)
    c.fill(hole, P.ADOBE_SHADE, grow=1.5)
    c.fill(hole, P.OUTLINE, grow=0.6)
    c.fill(hole, linear(P.OUTLINE, P.CASTLE_GLOOM, (0, 7), (0, 23)))
    for x in (13.5, 18.5):
        c.fill(box(x - 0.8, 7, x + 0.8, 23), P.WOOD, clip=hole)
    lintel = box(6, 4, 26, 7.5)
    c.outlined(lintel, P.WOOD)
    c.shade(lintel, P.WOOD_SHADE, (0, 1.2))
    sill = box(8, 23, 24, 25.5)
    c.outlined(sill, P.ADOBE)


def _adobe_door(c):
    for y in (0, SIZE):
        _adobe(c, y)
    opening = polygon(arc_points(16, 20, 10, 10, 180, 360) + [(26, 2 * SIZE + 2), (6, 2 * SIZE + 2)])
    c.fill(opening, P.ADOBE_SHADE, grow=1.8)
    c.fill(opening, P.OUTLINE, grow=0.8)
    c.fill(opening, P.WOOD)
    for x in (11, 16, 21):
        c.fill(stroke([(x, 10), (x, 2 * SIZE)], 0.8), P.WOOD_SHADE, clip=opening)
    c.shade(opening, P.WOOD_SHADE, (2.0, 1.5))
    c.outlined(circle(22, 42, 1.4), P.IRON, 0.6)


def adobe_top(c):
    _adobe(c)
    parapet = box(SPAN[0], 0.8, SPAN[1], 12)
    c.fill(parapet, P.OUTLINE, grow=1.0)
    c.fill(parapet, P.ADOBE)
    c.shade(parapet, P.ADOBE_SHADE, (0, 2.0))
    c.fill(box(SPAN[0], 12, SPAN[1], 14), P.OUTLINE, opacity=0.3)
    for x in (8, 24):
        beam = ellipse(x, 19, 3.2, 3.0)
        c.outlined(beam, P.WOOD, 0.8)
        c.fill(circle(x - 0.3, 18.7, 1.4), P.LOG_END)
        c.fill(box(x - 3, 22, x + 3, 25), P.ADOBE_SHADE, opacity=0.4)


TILES = {
    "ground_top": ground_top, "ground": strata, "ground_top_b": ground_top_b,
    "ground_top_c": ground_top_c, "ledge_left": _ledge("left"), "ledge": _ledge("mid"),
    "ledge_right": _ledge("right"), "sandstone": sandstone, "sandstone_top": sandstone_top,
    "rock": rock, "scorched_top": scorched_top, "scorched": scorched, "bones": bones,
    "skull": skull, "dry_tuft": dry_tuft, "pebbles": pebbles, "small_cactus": small_cactus,
    "adobe_wall": adobe_wall, "adobe_window": adobe_window, "adobe_top": adobe_top,
}
PIECES = [(1, 2, ["adobe_door_top", "adobe_door"], _adobe_door)]
