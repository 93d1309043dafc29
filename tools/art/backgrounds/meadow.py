"""A summer meadow on a clear morning: soft hills with woods, a wide green foreground."""
from .. import palette as P
from ..canvas import linear
from ..figures import hud, land, landscape as L, sky, trees


def draw(c):
    sky.gradient(c, P.DAY_SKY_TOP, P.DAY_SKY_LOW, 360)
    L.sun(c, 86, 138, 22)
    for x, y, w in ((560, 150, 96), (604, 252, 56), (170, 252, 52)):
        L.cloud(c, x, y, w)
    far = land.haze(P.HILL_FAR, P.DAY_SKY_LOW, 0.35)
    woods = land.haze(P.LEAVES_SHADE, P.DAY_SKY_LOW, 0.5)
    for x0, x1, y in ((230, 330, 312), (410, 480, 306), (550, 610, 312)):
        trees.tree_row(c, y, woods, seed=x0, size=13, x0=x0, x1=x1, gap=0.7)
    land.rolling(c, 318, 46, far, seed=1, bumps=3)
    land.rolling(c, 360, 34, linear(P.MID_HILL, P.MEADOW_DEEP, (0, 330), (0, 420)), seed=3, bumps=4,
                 rim=P.GRASS_LIGHT)
    for x, h, seed in ((118, 46, 4), (146, 34, 5), (520, 40, 6)):
        trees.leafy_tree(c, x, 368 + (x % 7), h, seed)
    land.near_ground(c, 404, linear(P.MEADOW, P.MEADOW_DEEP, (0, 400), (0, 470)), seed=7,
                     rim=P.GRASS_LIGHT)
    L.grass_tufts(c, 412, 446, 70, seed=8)
    L.flowers(c, 414, 444, 40, seed=9)
    hud.hud_band(c)
