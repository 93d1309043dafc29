"""The winter tiles: snow over frozen earth, icy ledges with a flat underside for icicles to
hang from, ice blocks, snowy rock and planks, the snow-brick wall the peeker hides behind,
snowy fences, pine shrubs, drifts, and a log cabin with a snow-laden roof."""
import random

from .. import palette as P
from ..canvas import linear
from ..shapes import arc_points, box, circle, ellipse, polygon, round_box, stroke
from ..tilesets import SIZE
from . import kit, summer, terrain
from .kit import SPAN, wrap, whole

SNOW_CAP = terrain.Cap(P.SNOW, P.SNOW_SHADE, P.WHITE, top=3.0, depth=9.0, bump=1.0, bumps=1,
                       drip=1.8, drips=2)
THIN_SNOW = terrain.Cap(P.SNOW, P.SNOW_SHADE, P.WHITE, top=0.8, depth=3.6, bump=0.5, bumps=2,
                        drip=0.8, drips=3)
STRAW = (P.HAY_SHADE, P.HAY, P.TWINE)
SNOW_BRICKS = [(11, [0, 16]), (11, [8, 24]), (10, [0, 16])]


def frozen_earth(c, clip=None):
    c.fill(whole(), P.FROZEN_EARTH, clip=clip)
    kit.specks(c, 61, 12, (P.FROZEN_EARTH_SHADE,), clip=clip, opacity=0.8)
    kit.specks(c, 62, 8, (P.SNOW_SHADE,), size=(0.5, 0.9), clip=clip, opacity=0.8)
    kit.pebbles(c, 63, 3, P.ROCK_GREY, P.ROCK_GREY_SHADE, clip=clip)


def sparkles(c, seed, region, count=3):
    rng = random.Random(seed)
    x0, y0, x1, y1 = region
    for _ in range(count):
        x, y = rng.uniform(x0, x1), rng.uniform(y0, y1)
        c.fill(stroke([(x - 1.2, y), (x + 1.2, y)], 0.5) + stroke([(x, y - 1.2), (x, y + 1.2)], 0.5),
               P.WHITE)


def snow_top(c, cap=SNOW_CAP, clip=None):
    terrain.draw_cap(c, cap, clip=clip)
    sparkles(c, 64, (2, cap.top + 1, 30, cap.top + cap.depth - 2))


GROUND = terrain.under(SNOW_CAP)


def ground_top(c):
    frozen_earth(c, clip=GROUND)
    snow_top(c)


def ground_top_b(c):
    frozen_earth(c, clip=GROUND)
    rock = polygon([(14, 13), (15, 4), (20, 1.5), (26, 3), (28, 13)])
    c.outlined(rock, P.ROCK_GREY)
    c.shade(rock, P.ROCK_GREY_SHADE, (2.0, 1.5))
    snow_top(c)
    hat = ellipse(21, 2.5, 5.5, 2.2)
    c.outlined(hat, P.SNOW, 0.8)


def ground_top_c(c):
    """Snow with footprints pressed into it and a twig sticking out."""
    frozen_earth(c, clip=GROUND)
    snow_top(c)
    for x, y in ((5, 7.0), (11, 8.5), (22, 7.0), (28, 8.5)):
        c.fill(ellipse(x, y, 2.0, 1.1), P.SNOW_SHADE)
    twig = stroke([(14, 7), (17.5, 1.2), (19, 0.2)], 1.1) + stroke([(16.2, 3.4), (14.5, 0.8)], 0.8)
    c.fill(twig, P.TIMBER)


def _ledge(end):
    """Ice under a snow cap, cut off flat along the tile's bottom so that icicles hang well."""
    def draw(c):
        x0 = 1.0 if end == "left" else SPAN[0]
        x1 = SIZE - 1.0 if end == "right" else SPAN[1]
        left = [(x0, 31.2), (x0, 10), (x0 + 3, 4)] if end == "left" else [(x0, 31.2), (x0, 4)]
        right = [(x1 - 3, 4), (x1, 10), (x1, 31.2)] if end == "right" else [(x1, 4), (x1, 31.2)]
        pts = left + right
        body = polygon(pts)
        c.fill(body, P.OUTLINE, grow=1.0)
        c.fill(body, linear(P.ICE, P.ICE_SHADE, (0, 6), (0, 31)))
        for x in (4, 15, 25):
            c.fill(wrap(polygon([(x, 9), (x + 5, 9), (x - 1, 28), (x - 4, 28)])), P.ICE_LIGHT,
                   opacity=0.5, clip=body)
        c.fill(box(SPAN[0], 28.5, SPAN[1], 31.2), P.ICE_DEEP, clip=body, opacity=0.8)
        cap_x0 = x0 - 0.5 if end == "left" else SPAN[0]
        cap_x1 = x1 + 0.5 if end == "right" else SPAN[1]
        terrain.draw_cap(c, terrain.Cap(P.SNOW, P.SNOW_SHADE, P.WHITE, top=1.5, depth=6.0,
                                        bump=0.8, bumps=1, drip=1.2, drips=3), cap_x0, cap_x1)
    return draw


def _ice(c, block):
    c.fill(block, P.OUTLINE, grow=1.0)
    c.fill(block, linear(P.ICE_LIGHT, P.ICE, (4, 2), (22, 30)))
    for x in (6, 19):
        c.fill(polygon([(x, 30), (x + 4, 30), (x + 14, 2), (x + 10, 2)]), P.WHITE, opacity=0.35,
               clip=block)
    c.shade(block, P.ICE_SHADE, (2.0, 2.0))
    c.fill(stroke([(9, 12), (13, 16), (12, 21)], 0.8), P.ICE_DEEP, opacity=0.5)


def ice_block(c):
    _ice(c, round_box(0.6, 0.6, SIZE - 0.6, SIZE - 0.6, 3))


def ice_block_top(c):
    ice_block(c)
    terrain.draw_cap(c, terrain.Cap(P.SNOW, P.SNOW_SHADE, P.WHITE, top=0.8, depth=6.0, bump=0.8,
                                    bumps=1, drip=1.5, drips=2))


def rock(c):
    terrain.courses(c, [(16, [0, 19]), (16, [9, 25])], P.ROCK_GREY, P.ROCK_GREY_SHADE,
                    P.GREY_STONE_LIGHT, P.FROZEN_EARTH_SHADE, inset=0.8, radius=4)
    for x, y in ((6, 1.5), (22, 17.5), (13, 17.5)):
        c.outlined(ellipse(x, y, 4.5, 1.6), P.SNOW, 0.6)


def walkway(end):
    truss = summer.walkway(end, P.LOG, P.LOG_SHADE, P.LOG_END)

    def draw(c):
        truss(c)
        x0 = 1.0 if end == "left" else SPAN[0]
        x1 = SIZE - 1.0 if end == "right" else SPAN[1]
        terrain.draw_cap(c, THIN_SNOW, x0, x1)
    return draw


def _snow_wall(end):
    """A wall of snow bricks with a rounded top, as tall as the tile; `base` has no top."""
    def draw(c):
        if end == "base":
            outline = whole()
        else:
            x0 = 0.8 if end == "left" else SPAN[0]
            x1 = SIZE - 0.8 if end == "right" else SPAN[1]
            outline = round_box(x0, 4, x1, SPAN[1], 7)
            if end == "mid":
                outline = box(x0, 4, x1, SPAN[1])
            if end == "left":
                outline = outline + box(16, 4, SPAN[1], SPAN[1])
            if end == "right":
                outline = outline + box(SPAN[0], 4, 16, SPAN[1])
        c.fill(outline, P.OUTLINE, grow=1.0)
        terrain.courses(c, SNOW_BRICKS, P.SNOW, P.SNOW_SHADE, P.WHITE, P.SNOW_DEEP, inset=0.7,
                        radius=3, clip=outline)
        if end != "base":
            ridge = outline.moved(0, 0)
            c.fill(box(SPAN[0], 3, SPAN[1], 8), P.SNOW, clip=ridge)
            c.fill(box(SPAN[0], 7.5, SPAN[1], 8.8), P.SNOW_SHADE, clip=ridge)
    return draw


def _fence(end):
    def draw(c):
        terrain.fence(c, end, P.LOG, P.LOG_SHADE)
        x0 = SIZE / 2 if end == "left" else SPAN[0]
        x1 = SIZE / 2 if end == "right" else SPAN[1]
        for y in (11, 21):
            drift = round_box(x0 + 0.5, y - 2.2, x1 - 0.5, y + 0.8, 1.5)
            c.outlined(drift, P.SNOW, 0.8)
        hat = ellipse(SIZE / 2, 3.6, 4.2, 2.4)
        c.outlined(hat, P.SNOW, 0.8)
        c.shade(hat, P.SNOW_SHADE, (0, 1.0))
    return draw


def pine_shrub(c):
    c.outlined(box(14.5, 26, 17.5, 32.5), P.TRUNK)
    for i, (y, w) in enumerate(((27, 13), (19, 10), (11, 7))):
        tier = polygon([(16 - w, y), (16, y - 12), (16 + w, y)])
        c.outlined(tier, P.PINE)
        c.shade(tier, P.PINE_SHADE, (2.5, 1.0))
        snow = polygon([(16 - w * 0.55, y - 5.0), (16, y - 12), (16 + w * 0.55, y - 5.0),
                        (16 + w * 0.3, y - 4.0), (16 - w * 0.2, y - 5.5)])
        c.fill(snow, P.SNOW)
        c.fill(ellipse(16 - w * 0.4, y - 0.6, w * 0.45, 1.4), P.SNOW)


def snowdrift(c):
    mound = polygon(arc_points(16, 33, 15, 12, 180, 360))
    c.outlined(mound, P.SNOW)
    c.shade(mound, P.SNOW_SHADE, (2.5, 2.0))
    sparkles(c, 65, (6, 24, 24, 30), 2)


def tuft(c):
    kit.tuft(c, 9, 32.5, 12, STRAW, 5, 5.0, 1.3)
    kit.tuft(c, 24, 32.5, 9, STRAW, 4, 4.0, 1.2)
    c.outlined(ellipse(16, 32, 14, 2.5), P.SNOW, 0.6)


def _logs(c):
    c.fill(whole(), P.LOG_SHADE)
    h = SIZE / 3
    for k in range(-1, 4):
        log = round_box(SPAN[0], k * h + 0.4, SPAN[1], (k + 1) * h - 0.4, h / 2)
        c.fill(log, P.OUTLINE, grow=0.6)
        c.fill(log, P.LOG)
        c.shade(log, P.LOG_SHADE, (0, 2.0))
        c.shade(log, P.LOG_END, (0, -1.0), opacity=0.6)
        c.fill(wrap(stroke([(4 + k * 7 % 20, k * h + 4), (10 + k * 7 % 20, k * h + 4)], 0.6)),
               P.LOG_SHADE)


def log_wall(c):
    _logs(c)


def log_window(c):
    _logs(c)
    for x0 in (4, 22):
        shutter = box(x0, 7, x0 + 6, 24)
        c.outlined(shutter, P.BANNER_RED)
        c.fill(stroke([(x0 + 3, 8), (x0 + 3, 23)], 0.6), P.BANNER_RED_SHADE)
    frame = box(9, 6, 23, 25)
    c.outlined(frame, P.WOOD)
    pane = box(11, 8, 21, 23)
    c.fill(pane, linear(P.GLASS_LIT, P.GLASS_LIT_SHADE, (0, 8), (0, 23)))
    c.fill(box(15.4, 8, 16.6, 23) + box(11, 15, 21, 16.2), P.WOOD)
    sill = box(7, 24, 25, 27.5)
    c.outlined(sill, P.WOOD)
    c.outlined(round_box(7.5, 21.5, 24.5, 25, 1.8), P.SNOW, 0.7)


def _log_door(c):
    for y in (0, SIZE):
        c.fill(box(0, y, SIZE, y + SIZE), P.LOG_SHADE)
    h = SIZE / 3
    for k in range(6):
        log = round_box(SPAN[0], k * h + 0.4, SPAN[1], (k + 1) * h - 0.4, h / 2)
        c.fill(log, P.OUTLINE, grow=0.6)
        c.fill(log, P.LOG)
        c.shade(log, P.LOG_SHADE, (0, 2.0))
    door = box(6, 12, 26, 2 * SIZE + 2)
    c.fill(door, P.OUTLINE, grow=1.5)
    c.fill(door, P.WOOD)
    for x in (11, 16, 21):
        c.fill(stroke([(x, 12), (x, 2 * SIZE)], 0.8), P.WOOD_SHADE)
    c.fill(stroke([(7, 52), (25, 20)], 2.2), P.WOOD_SHADE)
    for y in (17, 53):
        c.fill(box(6, y, 26, y + 2.5), P.WOOD_SHADE)
    c.outlined(circle(22, 38, 1.5), P.SUN, 0.7)
    lintel = box(3, 8, 29, 12.5)
    c.outlined(lintel, P.LOG)
    c.outlined(round_box(3, 6, 29, 10, 2), P.SNOW, 0.7)
    c.outlined(ellipse(16, 2 * SIZE - 1, 15, 2.5), P.SNOW, 0.7)


ROOF_TOP, ROOF_BOTTOM = 8.0, 27.0


def _roof(end):
    """Wooden shingles under a thick layer of snow, small icicles along the eave."""
    def draw(c):
        slope = 10.0
        outline = kit.roof_outline(end, ROOF_TOP, ROOF_BOTTOM, slope)
        c.fill(outline, P.OUTLINE, grow=1.0)
        c.fill(outline, P.LOG_SHADE)
        for row, y in enumerate((ROOF_TOP + 4, ROOF_TOP + 11, ROOF_TOP + 18)):
            for x in range(-8, 40, 6):
                c.fill(stroke([(x + 3 * (row % 2), y), (x + 3 * (row % 2), y + 6)], 0.7),
                       P.TIMBER_SHADE, clip=outline)
            c.fill(box(SPAN[0], y + 5.5, SPAN[1], y + 6.5), P.TIMBER_SHADE, clip=outline)
        lo = 0.5 if end == "left" else SPAN[0]
        hi = SIZE - 0.5 if end == "right" else SPAN[1]
        blanket = polygon(kit.wave(2.5, 1.0, 1, 0.1, lo + (slope - 4 if end == "left" else 0),
                                   hi - (slope - 4 if end == "right" else 0))
                          + list(reversed(kit.wave(12, 2.0, 2, 0.4, lo, hi))))
        if end == "left":
            blanket = blanket + polygon([(lo, 14), (lo + slope, 2.5), (lo + slope + 4, 12)])
        if end == "right":
            blanket = blanket + polygon([(hi, 14), (hi - slope, 2.5), (hi - slope - 4, 12)])
        c.fill(blanket, P.OUTLINE, grow=1.0)
        c.fill(blanket, P.SNOW)
        c.shade(blanket, P.SNOW_SHADE, (0, 2.0))
        sparkles(c, 66, (6, 4, 26, 9), 2)
        for x, length in ((5, 4), (13, 2.5), (21, 4.5), (28, 3)):
            if (end == "left" and x < 6) or (end == "right" and x > 26):
                continue
            icicle = polygon([(x - 1.6, ROOF_BOTTOM), (x, ROOF_BOTTOM + length), (x + 1.6, ROOF_BOTTOM)])
            c.outlined(icicle, P.ICE_LIGHT, 0.6)
    return draw


TILES = {
    "ground_top": ground_top, "ground": frozen_earth, "ground_top_b": ground_top_b,
    "ground_top_c": ground_top_c, "ledge_left": _ledge("left"), "ledge": _ledge("mid"),
    "ledge_right": _ledge("right"), "ice_block": ice_block, "ice_block_top": ice_block_top,
    "rock": rock, "plank_left": walkway("left"), "plank": walkway("mid"),
    "plank_right": walkway("right"), "snow_wall_left": _snow_wall("left"),
    "snow_wall": _snow_wall("mid"), "snow_wall_right": _snow_wall("right"),
    "snow_wall_base": _snow_wall("base"), "fence_left": _fence("left"), "fence": _fence("mid"),
    "fence_right": _fence("right"), "pine_shrub": pine_shrub, "snowdrift": snowdrift,
    "tuft": tuft, "log_wall": log_wall, "log_window": log_window, "roof_left": _roof("left"),
    "roof": _roof("mid"), "roof_right": _roof("right"),
}
PIECES = [(1, 2, ["log_door_top", "log_door"], _log_door)]
