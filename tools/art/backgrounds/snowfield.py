"""A wide snowfield on a bright winter day: white mountains far away, soft drifts, a few
firs."""
from .. import palette as P
from ..canvas import linear
from ..figures import hud, land, landscape as L, sky, trees


def draw(c):
    sky.gradient(c, P.WINTER_SKY_TOP, P.WINTER_SKY_LOW, 340)
    L.sun(c, 96, 150, 20, colour=(255, 244, 200), glow=(255, 252, 236))
    for x, y, w in ((540, 140, 110), (600, 240, 60)):
        sky.soft_cloud(c, x, y, w, P.WHITE, P.SNOW_SHADE)
    air = P.WINTER_SKY_LOW
    land.mountains(c, 320, 120, land.haze(P.FAR_MOUNTAIN, air, 0.3), seed=111, peaks=4, jag=6,
                   shade=land.haze(P.FAR_MOUNTAIN_SHADE, air, 0.3), snow=P.SNOW, snow_line=0.3)
    land.rolling(c, 350, 30, P.SNOW_HILL, seed=112, bumps=3, rim=P.WHITE)
    trees.tree_row(c, 352, land.haze(P.PINE_MID, air, 0.4), seed=113, kind="pine", size=12, x0=380,
                   x1=560, gap=0.7)
    land.rolling(c, 384, 22, linear(P.SNOW, P.SNOW_HILL_SHADE, (0, 360), (0, 420)), seed=114, bumps=4,
                 rim=P.WHITE)
    for x, h in ((70, 58), (104, 44), (560, 50)):
        trees.pine(c, x, 402, h, snow=True)
    land.near_ground(c, 416, linear(P.SNOW, P.SNOW_SHADE, (0, 412), (0, 480)), seed=115, rim=P.WHITE)
    hud.hud_band(c, winter=True)
