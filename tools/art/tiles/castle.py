"""The castle tiles: a cobbled road, stone walkways, ashlar walls with arrow slits and
battlements, the shadowed inner wall, a gate with its portcullis, banners, torches."""
import math

from .. import palette as P
from ..canvas import linear
from ..shapes import arc_points, box, circle, ellipse, polygon, round_box, star, stroke
from ..tilesets import SIZE
from . import kit, summer, terrain
from .kit import SPAN, wrap

ASHLAR = [(16, [0]), (16, [16])]
STONE = (P.CASTLE_STONE, P.CASTLE_STONE_SHADE, P.CASTLE_STONE_LIGHT, P.MORTAR)
DARK = (P.CASTLE_DARK, P.CASTLE_DARK_SHADE, P.CASTLE_STONE_SHADE, P.CASTLE_GLOOM)


def _cobbles(c):
    c.fill(box(SPAN[0], 1.5, SPAN[1], 14), P.OUTLINE, opacity=0.3)
    for row, (y, ry) in enumerate(((6.0, 4.2), (12.5, 3.0))):
        for i in range(4):
            x = i * 8 + (4 if row else 0) + 4
            sett = wrap(ellipse(x, y, 4.1, ry))
            c.outlined(sett, P.CASTLE_STONE, 0.8)
            c.shade(sett, P.CASTLE_STONE_SHADE, (1.0, 1.2))
            c.shade(sett, P.CASTLE_STONE_LIGHT, (-0.6, -0.8))


def ground_top(c):
    summer.earth(c, clip=box(SPAN[0], 4, SPAN[1], SPAN[1]))
    _cobbles(c)


def ground_top_b(c):
    ground_top(c)
    kit.tuft(c, 12, 4, 5, summer.TUFT, 4, 3.0, 1.2)


def ground_top_c(c):
    ground_top(c)
    moss = wrap(ellipse(22, 4, 6, 2.2))
    c.fill(moss, P.HEDGE, opacity=0.85)
    c.fill(ellipse(21, 3.2, 3.5, 1.0), P.HEDGE_LIGHT, opacity=0.8)


def _ledge(end):
    def draw(c):
        x0 = 1.0 if end == "left" else SPAN[0]
        x1 = SIZE - 1.0 if end == "right" else SPAN[1]
        for x in (8, 24):
            if (end == "left" and x < 6) or (end == "right" and x > 26):
                continue
            corbel = polygon([(x - 5, 11), (x + 5, 11), (x + 2, 24), (x - 2, 24)])
            c.outlined(corbel, P.CASTLE_STONE_SHADE)
            c.shade(corbel, P.CASTLE_DARK, (1.5, 0))
        slab = round_box(x0, 1.5, x1, 12, 1.5)
        c.outlined(slab, P.CASTLE_STONE)
        c.shade(slab, P.CASTLE_STONE_SHADE, (0, 2.0))
        c.shade(slab, P.CASTLE_STONE_LIGHT, (0, -1.0))
        for x in (0, 16):
            if (end != "left" or x > 2) and (end != "right" or x < 30):
                c.fill(wrap(box(x - 0.5, 1.5, x + 0.5, 12)), P.MORTAR, clip=slab)
    return draw


def stone(c):
    terrain.courses(c, ASHLAR, *STONE)


def stone_slit(c):
    stone(c)
    slit = round_box(14, 4, 18, 28, 2) + round_box(10, 14, 22, 17.5, 1.5)
    c.fill(slit, P.CASTLE_STONE_LIGHT, grow=2.0)
    c.fill(slit, P.OUTLINE, grow=0.8)
    c.fill(slit, _gloom(4, 28))


def _battlement(colours):
    def draw(c):
        wall = box(SPAN[0], 16, SPAN[1], SPAN[1])
        merlon = round_box(7, 2, 25, 18, 1.5)
        c.fill(wall + merlon, P.OUTLINE, grow=1.0)
        terrain.courses(c, ASHLAR, *colours, clip=wall + merlon)
        for x0, x1 in ((SPAN[0], 7), (25, SPAN[1])):
            cope = box(x0, 14.5, x1, 18)
            c.outlined(cope, colours[0])
            c.shade(cope, colours[1], (0, 1.2))
        cap = round_box(6, 1.5, 26, 5, 1.5)
        c.outlined(cap, colours[0])
        c.shade(cap, colours[1], (0, 1.2))
    return draw


def wall_back(c):
    terrain.courses(c, ASHLAR, *DARK)


def _gate(c):
    """A round-arched gate two tiles wide and two tall, its portcullis half raised."""
    w = 2 * SIZE
    terrain.courses(c, ASHLAR, *DARK, size=(w, w))
    cx, spring, r = SIZE, 26.0, 21.0
    opening = polygon(arc_points(cx, spring, r, r, 180, 360) + [(cx + r, w + 4), (cx - r, w + 4)])
    ring = stroke(arc_points(cx, spring, r + 4, r + 4, 180, 360), 8.0)
    c.fill(ring, P.OUTLINE, grow=1.0)
    c.fill(ring, P.CASTLE_STONE_LIGHT)
    for k in range(1, 8):
        a = math.radians(180 + 180 * k / 8)
        c.fill(stroke([(cx + (r - 1) * math.cos(a), spring + (r - 1) * math.sin(a)),
                       (cx + (r + 9) * math.cos(a), spring + (r + 9) * math.sin(a))], 0.9), P.MORTAR)
    c.fill(opening, P.OUTLINE, grow=1.0)
    c.fill(opening, _gloom(spring, w))
    bars = box(0, 0, 0, 0)
    for k in range(6):
        x = cx - r + 4 + k * (2 * r - 8) / 5
        bars = bars + box(x - 1.2, spring - r, x + 1.2, 32) + polygon([(x - 1.5, 32), (x, 36), (x + 1.5, 32)])
    for y in (12, 22, 31):
        bars = bars + box(cx - r, y - 1.2, cx + r, y + 1.2)
    c.fill(bars, P.OUTLINE, grow=0.6, clip=opening)
    c.fill(bars, P.IRON, clip=opening)
    c.shade(bars, P.IRON_SHADE, (0.8, 0.8), clip=opening)
    c.fill(box(cx - r, w - 4, cx + r, w), P.CASTLE_DARK, clip=opening)


def _gloom(top, bottom):
    """The dark inside of an opening, a little lighter towards its foot."""
    return linear(P.OUTLINE, P.CASTLE_GLOOM, (0, top), (0, bottom))


def _banner(cloth, shade, emblem):
    def draw(c):
        body = polygon([(8, 3), (24, 3), (24, 29), (16, 23), (8, 29)])
        c.outlined(body, cloth)
        c.shade(body, shade, (2.0, 0))
        c.fill(stroke([(8, 7), (24, 7)], 1.0) + stroke([(8, 21), (24, 21)], 1.0), P.GOLD_BOTTOM,
               clip=body)
        emblem(c)
        pole = round_box(4, 1.5, 28, 4.5, 1.5)
        c.outlined(pole, P.WOOD)
        for x in (4, 28):
            c.outlined(circle(x, 3, 1.8), P.GOLD_BOTTOM, 0.8)
    return draw


def _sun_emblem(c):
    c.outlined(circle(16, 14, 3.6), P.GOLD_TOP, 0.8)
    for k in range(8):
        a = 2 * math.pi * k / 8
        c.fill(stroke([(16 + 4.8 * math.cos(a), 14 + 4.8 * math.sin(a)),
                       (16 + 6.0 * math.cos(a), 14 + 6.0 * math.sin(a))], 1.0), P.GOLD_TOP)


def _star_emblem(c):
    c.outlined(star(16, 14.5, 5.5, 2.4), P.WHITE, 0.8)


def torch(c):
    c.fill(circle(16, 10, 9), P.FLAME, opacity=0.18)
    c.fill(circle(16, 10, 6), P.FLAME_CORE, opacity=0.2)
    bracket = stroke([(16, 28), (16, 22), (12, 18)], 2.0) + box(14, 26, 18, 30)
    c.outlined(bracket, P.IRON)
    holder = polygon([(11, 14), (21, 14), (18, 22), (14, 22)])
    c.outlined(holder, P.WOOD)
    c.shade(holder, P.WOOD_SHADE, (1.5, 0))
    flame = polygon([(12, 14), (20, 14), (19.5, 10), (17, 4), (16.5, 7.5), (14, 3), (12.5, 9)])
    c.outlined(flame, P.FLAME, 0.8)
    c.fill(polygon([(14, 14), (18, 14), (17.5, 11), (16, 7.5), (14.5, 11)]), P.FLAME_CORE)


def window_arch(c):
    frame = polygon(arc_points(16, 13, 9, 9, 180, 360) + [(25, 28), (7, 28)])
    c.fill(frame, P.OUTLINE, grow=1.0)
    c.fill(frame, P.CASTLE_STONE_LIGHT)
    hole = polygon(arc_points(16, 13, 6, 6, 180, 360) + [(22, 26), (10, 26)])
    c.fill(hole, P.OUTLINE, grow=0.5)
    c.fill(hole, _gloom(7, 26))
    c.fill(box(15.4, 7, 16.6, 26), P.IRON, clip=hole)
    c.fill(box(10, 16.4, 22, 17.6), P.IRON, clip=hole)
    sill = box(6, 26, 26, 29.5)
    c.outlined(sill, P.CASTLE_STONE)
    c.shade(sill, P.CASTLE_STONE_SHADE, (0, 1.2))


TILES = {
    "ground_top": ground_top, "ground": summer.earth, "ground_top_b": ground_top_b,
    "ground_top_c": ground_top_c, "ledge_left": _ledge("left"), "ledge": _ledge("mid"),
    "ledge_right": _ledge("right"), "stone": stone, "stone_slit": stone_slit,
    "battlement": _battlement(STONE), "wall_back": wall_back, "wall_back_top": _battlement(DARK),
    "banner_red": _banner(P.BANNER_RED, P.BANNER_RED_SHADE, _sun_emblem),
    "banner_blue": _banner(P.BANNER_BLUE, P.BANNER_BLUE_SHADE, _star_emblem),
    "torch": torch, "window_arch": window_arch, "bush": summer.bush, "tuft": summer.tuft,
}
PIECES = [(2, 2, ["gate_arch_left", "gate_arch_right", "gate_left", "gate_right"], _gate)]
