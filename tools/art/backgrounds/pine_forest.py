"""A pine forest on a misty winter morning: rows of firs fading into the haze, snow between
them."""
from .. import palette as P
from ..canvas import linear
from ..figures import hud, land, sky, trees
from ..shapes import box


def draw(c):
    sky.gradient(c, P.FOREST_MIST_TOP, P.FOREST_MIST_LOW, 360)
    sky.glow(c, 470, 230, 110, (255, 240, 220), 0.5)
    air = P.FOREST_MIST_LOW
    for y, size, amount, seed in ((300, 26, 0.7, 141), (330, 30, 0.5, 142), (360, 34, 0.3, 143)):
        trees.tree_row(c, y, land.haze(P.PINE_FAR, air, amount), seed=seed, kind="pine", size=size, gap=0.55)
        c.fill(box(0, y - 6, 640, y + 30), linear(air, air, (0, 0), (0, 1)), opacity=0.35)
        land.rolling(c, y + 8, 6, land.haze(P.SNOW_HILL, air, amount * 0.5), seed=seed + 10, bumps=3)
    for x, h in ((40, 120), (96, 92), (560, 130), (612, 100), (250, 70), (410, 64)):
        trees.pine(c, x, 412, h, snow=True, tiers=5)
    land.near_ground(c, 410, linear(P.SNOW, P.SNOW_SHADE, (0, 406), (0, 480)), seed=144, rim=P.WHITE)
    hud.hud_band(c, winter=True)
