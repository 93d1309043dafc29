"""A castle on a green hill under a high summer sky, its flags in the wind."""
from .. import palette as P
from ..canvas import linear
from ..figures import hud, land, landscape as L, sky, structures, trees
from ..figures.structures import Tower
from ..shapes import bezier, stroke

STONE = structures.Look(P.CASTLE_STONE, P.CASTLE_STONE_SHADE, P.BANNER_BLUE, P.BANNER_BLUE_SHADE, ow=1.0)


def draw(c):
    sky.gradient(c, P.DAY_SKY_TOP, P.DAY_SKY_LOW, 330)
    for x, y, w in ((80, 142, 80), (150, 232, 50), (600, 236, 56)):
        L.cloud(c, x, y, w)
    air = P.DAY_SKY_LOW
    land.mountains(c, 318, 90, land.haze(P.FAR_MOUNTAIN, air, 0.3), seed=31, peaks=5, jag=4,
                   shade=land.haze(P.FAR_MOUNTAIN_SHADE, air, 0.3), snow=P.SNOW)
    land.rolling(c, 352, 20, land.haze(P.HILL_FAR, air, 0.3), seed=32, bumps=4)
    hill = land.rolling(c, 372, 118, linear(P.MID_HILL, P.MEADOW_DEEP, (0, 250), (0, 420)), seed=33,
                        bumps=2, rim=P.GRASS_LIGHT)
    path = bezier((500, 420), (450, 380), (570, 350), (500, 300), (524, 280))
    c.fill(stroke(path, 7), P.FIELD_FURROW, clip=hill)
    c.fill(stroke(path, 3), P.SAND, clip=hill)
    structures.castle(c, 486, 282, [Tower(-64, 26, 84, flag=P.BANNER_RED), Tower(58, 24, 72, flag=P.BANNER_RED),
                                    Tower(-8, 32, 112, flag=P.PETAL_YELLOW),
                                    Tower(22, 18, 56, roof="battlements")],
                      [(-60, 56, 46)], STONE, flag_wave=1.0, gate=38)
    for x, h in ((290, 40), (320, 30), (96, 44), (60, 36)):
        trees.leafy_tree(c, x, 392 - h * 0.2, h, seed=x)
    land.near_ground(c, 414, linear(P.MEADOW, P.MEADOW_DEEP, (0, 410), (0, 470)), seed=34,
                     rim=P.GRASS_LIGHT)
    L.grass_tufts(c, 420, 446, 50, seed=35)
    L.flowers(c, 424, 444, 16, seed=36)
    hud.hud_band(c)
