"""An orchard village: red roofs and a church on the hillside, rows of apple trees in front."""
from .. import palette as P
from ..canvas import linear
from ..figures import hud, land, landscape as L, sky, structures, trees

FAR = structures.Look(ow=0.8)


def draw(c):
    sky.gradient(c, P.DAY_SKY_TOP, P.DAY_SKY_LOW, 340)
    for x, y, w in ((96, 150, 90), (584, 132, 70), (560, 250, 50)):
        L.cloud(c, x, y, w)
    land.rolling(c, 312, 40, land.haze(P.HILL_FAR, P.DAY_SKY_LOW, 0.4), seed=11, bumps=3)
    land.rolling(c, 344, 30, linear(P.MID_HILL, P.MEADOW_DEEP, (0, 320), (0, 400)), seed=12, bumps=3,
                 rim=P.GRASS_LIGHT)
    structures.church(c, 430, 336, 78, FAR)
    for x, w, h, gable in ((250, 34, 22, True), (300, 42, 20, False), (352, 30, 20, True),
                           (520, 36, 22, True), (574, 40, 18, False)):
        structures.house(c, x, 346 - (x % 5), w, h, FAR, gable=gable, windows=1 if w < 35 else 2)
    for x in (150, 196):
        trees.poplar(c, x, 346, 60, seed=x)
    land.rolling(c, 376, 10, linear(P.MEADOW, P.MEADOW_DEEP, (0, 370), (0, 430)), seed=13, bumps=5,
                 rim=P.GRASS_LIGHT)
    for i, x in enumerate(range(20, 660, 76)):
        trees.fruit_tree(c, x, 396 + (i % 2) * 6, 50 + (i % 3) * 5, seed=20 + i)
    land.near_ground(c, 418, linear(P.MEADOW, P.MEADOW_DEEP, (0, 414), (0, 470)), seed=14,
                     rim=P.GRASS_LIGHT, wobble=3.0)
    L.grass_tufts(c, 424, 446, 50, seed=15)
    L.flowers(c, 426, 444, 20, seed=16)
    hud.hud_band(c)
