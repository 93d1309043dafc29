"""A lake in the hills: the far shore and its woods mirrored in still water, reeds on the
near bank."""
from .. import palette as P
from ..canvas import linear
from ..figures import hud, land, landscape as L, sky, trees


def draw(c):
    sky.gradient(c, P.DAY_SKY_TOP, P.DAY_SKY_LOW, 330)
    for x, y, w in ((120, 150, 90), (560, 170, 80), (450, 100, 0)):
        if w:
            L.cloud(c, x, y, w)
    air = P.DAY_SKY_LOW
    land.mountains(c, 300, 110, land.haze(P.FAR_MOUNTAIN, air, 0.25), seed=61, peaks=4, jag=5,
                   shade=land.haze(P.FAR_MOUNTAIN_SHADE, air, 0.25), snow=P.SNOW, bottom=340)
    land.rolling(c, 318, 22, land.haze(P.MID_HILL, air, 0.35), seed=62, bumps=4, bottom=340)
    trees.tree_row(c, 334, land.haze(P.PINE_MID, air, 0.3), seed=63, kind="pine", size=14)
    land.water(c, 334, 420, P.LAKE_TOP, P.LAKE_BOTTOM)
    land.reflect(c, 334, 334, 420, opacity=0.4)
    land.glints(c, 334, 420, seed=64, count=50)
    L.tree(c, 90, 412, 0.9, seed=65)
    land.near_ground(c, 414, linear(P.MEADOW, P.MEADOW_DEEP, (0, 410), (0, 470)), seed=66,
                     rim=P.GRASS_LIGHT, wobble=3.0)
    L.grass_tufts(c, 404, 424, 40, seed=67, colours=(P.REED, P.GRASS_SHADE))
    L.grass_tufts(c, 420, 446, 40, seed=68)
    hud.hud_band(c)
