"""Behind the credits: a calm summer evening over the meadow, the sun going down behind the
hills, the first stars. No HUD is drawn over it; the credits line scrolls along its top."""
from .. import palette as P
from ..canvas import linear
from ..figures import land, landscape as L, sky, trees
from ..shapes import circle


def draw(c):
    sky.gradient(c, P.SUNSET_TOP, P.SUNSET_LOW, 360)
    sky.stars(c, 30, seed=211, region=(0, 50, 640, 180), big=0.1)
    sky.glow(c, 420, 330, 120, P.SUNSET_LOW, 0.7)
    c.fill(circle(420, 336, 30), (255, 226, 150))
    for x, y, w in ((140, 200, 120), (540, 170, 100)):
        sky.soft_cloud(c, x, y, w, (255, 170, 140), (200, 110, 120), opacity=0.7)
    land.rolling(c, 336, 40, land.haze(P.PEAK_DUSK, P.SUNSET_LOW, 0.3), seed=212, bumps=3)
    land.rolling(c, 372, 30, linear(P.MEADOW_DEEP, P.GRASS_SHADE, (0, 340), (0, 420)), seed=213, bumps=4,
                 rim=P.SUNSET_LOW)
    for x, h in ((80, 60), (120, 44), (580, 56)):
        trees.leafy_tree(c, x, 384, h, seed=x)
    land.near_ground(c, 414, linear(P.MEADOW_DEEP, P.GRASS_SHADE, (0, 410), (0, 480)), seed=214,
                     rim=P.SUNSET_LOW)
    L.grass_tufts(c, 418, 446, 40, seed=215)
