"""Fields on a summer afternoon: a patchwork of wheat, furrows and meadow over rolling land,
haystacks, and a signpost at the crossroads."""
from .. import palette as P
from ..canvas import linear
from ..figures import hud, land, landscape as L, sky, structures, trees
from ..shapes import ellipse, polygon, stroke


def _stripes(c, shape, y0, y1, colour, step, tilt):
    """Rows of crops or furrows running across a field."""
    rows = None
    for k in range(-20, 80):
        x = k * step
        row = polygon([(x, y0), (x + 2.2, y0), (x + 2.2 + tilt, y1), (x + tilt, y1)])
        rows = row if rows is None else rows + row
    c.fill(rows, colour, clip=shape, opacity=0.55)


def _haystack(c, x, ground, w):
    stack = polygon([(x - w / 2, ground), (x - w * 0.42, ground - w * 0.55), (x, ground - w * 0.85),
                     (x + w * 0.42, ground - w * 0.55), (x + w / 2, ground)])
    c.outlined(stack, P.HAY, 0.8)
    c.shade(stack, P.HAY_SHADE, (w * 0.12, 0))
    c.fill(stroke([(x - w * 0.35, ground - w * 0.4), (x + w * 0.38, ground - w * 0.45)], 0.8), P.HAY_SHADE)


def draw(c):
    sky.gradient(c, P.DAY_SKY_TOP, P.DAY_SKY_LOW, 330)
    for x, y, w in ((540, 140, 100), (92, 170, 70), (620, 240, 44)):
        L.cloud(c, x, y, w)
    trees.tree_row(c, 302, land.haze(P.LEAVES_SHADE, P.DAY_SKY_LOW, 0.5), seed=52, size=14, x0=60, x1=210)
    land.rolling(c, 318, 36, land.haze(P.HILL_FAR, P.DAY_SKY_LOW, 0.4), seed=51, bumps=3)
    wheat = land.rolling(c, 338, 24, P.FIELD_WHEAT, seed=53, bumps=3)
    _stripes(c, wheat, 320, 372, P.FIELD_WHEAT_SHADE, 9, 30)
    furrow = land.rolling(c, 362, 16, P.FIELD_FURROW, seed=54, bumps=4)
    _stripes(c, furrow, 340, 392, P.FIELD_FURROW_SHADE, 7, -24)
    green = land.rolling(c, 384, 12, P.FIELD_GREEN, seed=55, bumps=5)
    _stripes(c, green, 366, 408, P.MEADOW_DEEP, 8, 16)
    for x, g, w in ((120, 352, 22), (160, 356, 18), (470, 346, 20)):
        _haystack(c, x, g, w)
    trees.poplar(c, 560, 388, 70, seed=56)
    trees.poplar(c, 590, 392, 56, seed=57)
    land.near_ground(c, 412, linear(P.MEADOW, P.MEADOW_DEEP, (0, 408), (0, 470)), seed=58,
                     rim=P.GRASS_LIGHT)
    road = polygon([(300, 412), (340, 412), (420, 480), (250, 480)])
    c.fill(road, P.FIELD_FURROW, opacity=0.7)
    c.fill(ellipse(330, 440, 30, 4), P.FIELD_FURROW_SHADE, opacity=0.3)
    structures.signpost(c, 384, 424, 44, ((0.82, 1, 26, P.WOOD), (0.6, -1, 22, P.WOOD)))
    L.grass_tufts(c, 418, 446, 50, seed=59)
    L.flowers(c, 420, 444, 12, seed=60)
    hud.hud_band(c)
