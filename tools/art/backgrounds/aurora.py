"""A winter night: green and violet northern lights over snowy hills, firs in silhouette,
the moon and a sky full of stars."""
from .. import palette as P
from ..canvas import linear
from ..figures import hud, land, sky, trees


def draw(c):
    sky.gradient(c, P.NIGHT_TOP, P.NIGHT_LOW, 380)
    sky.stars(c, 90, seed=181, region=(0, 84, 640, 340))
    sky.stars(c, 14, seed=182, region=(0, 0, 640, 80), big=0.0)
    sky.aurora(c, 130, 120, ((P.AURORA_GREEN, P.NIGHT_LOW), (P.AURORA_VIOLET, P.NIGHT_LOW)), seed=183,
               bands=2, opacity=0.35)
    sky.moon(c, 540, 150, 20)
    land.mountains(c, 340, 90, land.haze(P.NIGHT_SNOW_SHADE, P.NIGHT_LOW, 0.4), seed=184, peaks=4, jag=5,
                   snow=land.haze(P.NIGHT_SNOW, P.NIGHT_LOW, 0.2), snow_line=0.3)
    land.rolling(c, 366, 26, linear(P.NIGHT_SNOW, P.NIGHT_SNOW_SHADE, (0, 340), (0, 400)), seed=185, bumps=3,
                 rim=(200, 214, 246))
    trees.tree_row(c, 372, P.NIGHT_PINE, seed=186, kind="pine", size=18, x0=-10, x1=220, gap=0.6)
    trees.tree_row(c, 378, P.NIGHT_PINE, seed=187, kind="pine", size=22, x0=470, x1=660, gap=0.6)
    land.near_ground(c, 412, linear(P.NIGHT_SNOW, P.NIGHT_SNOW_SHADE, (0, 408), (0, 480)), seed=188,
                     rim=(200, 214, 246))
    hud.hud_band(c, winter=True)
