"""A frozen lake under a clear winter sky: the ice mirrors the mountains, cracks and
scratches of skates run across it, snowy banks all round."""
from .. import palette as P
from ..canvas import linear
from ..figures import hud, land, sky, structures, trees
from ..shapes import stroke

CABIN = structures.Look(P.LOG, P.LOG_SHADE, P.TOWN_ROOF, P.OUTLINE, P.GLASS_LIT, ow=0.8, snow=True)


def draw(c):
    sky.gradient(c, P.WINTER_SKY_TOP, P.WINTER_SKY_LOW, 320)
    for x, y, w in ((110, 160, 100), (520, 120, 120)):
        sky.soft_cloud(c, x, y, w, P.WHITE, P.SNOW_SHADE)
    air = P.WINTER_SKY_LOW
    land.mountains(c, 300, 130, land.haze(P.FAR_MOUNTAIN, air, 0.2), seed=151, peaks=3, jag=6,
                   shade=land.haze(P.FAR_MOUNTAIN_SHADE, air, 0.2), snow=P.SNOW, snow_line=0.3,
                   bottom=330)
    land.rolling(c, 322, 12, P.SNOW_HILL, seed=152, bumps=4, bottom=332, rim=P.WHITE)
    trees.tree_row(c, 328, land.haze(P.PINE_MID, air, 0.3), seed=153, kind="pine", size=13, x0=-10,
                   x1=250, gap=0.6)
    structures.house(c, 420, 328, 30, 16, CABIN)
    land.water(c, 332, 418, P.GLACIER, P.ICE_SHADE)
    land.reflect(c, 332, 332, 418, opacity=0.35)
    for pts in (((40, 360), (180, 372), (300, 366)), ((340, 392), (470, 384), (600, 398)),
                ((120, 404), (260, 396))):
        c.fill(stroke(pts, 1.2), P.WHITE, opacity=0.6)
    for pts in (((210, 350), (226, 362), (222, 378), (240, 390)), ((500, 344), (492, 356), (508, 370))):
        c.fill(stroke(pts, 1.0), P.ICE_DEEP, opacity=0.5)
    land.glints(c, 332, 418, seed=154, count=24)
    land.near_ground(c, 416, linear(P.SNOW, P.SNOW_SHADE, (0, 412), (0, 480)), seed=155, rim=P.WHITE,
                     wobble=3.0)
    hud.hud_band(c, winter=True)
