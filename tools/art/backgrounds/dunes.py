"""Desert dunes at midday: a white-hot sun, hazy mesas far away, waves of sand."""
from .. import palette as P
from ..canvas import linear
from ..figures import hud, land, sky, trees
from ..shapes import circle


def draw(c):
    sky.gradient(c, P.HOT_SKY_TOP, P.HOT_SKY_LOW, 360)
    sky.glow(c, 556, 178, 72, P.DESERT_SUN, 0.6)
    c.fill(circle(556, 178, 24), P.DESERT_SUN)
    haze = P.HOT_SKY_LOW
    land.mesa(c, 40, 170, 286, 340, land.haze(P.SANDSTONE, haze, 0.55), land.haze(P.SANDSTONE_SHADE, haze, 0.55),
              seed=71)
    land.mesa(c, 420, 500, 300, 340, land.haze(P.SANDSTONE, haze, 0.6), land.haze(P.SANDSTONE_SHADE, haze, 0.6),
              seed=72)
    land.dunes(c, 352, 30, land.haze(P.SAND, haze, 0.3), land.haze(P.SAND_SHADE, haze, 0.3), seed=73, count=3)
    land.dunes(c, 384, 34, P.SAND_LIGHT, P.SAND_SHADE, seed=74, count=3, light=P.WHITE)
    trees.saguaro(c, 560, 386, 46)
    trees.saguaro(c, 96, 396, 34, arms=((0.55, 1, 0.25),))
    land.near_ground(c, 414, linear(P.SAND, P.SAND_SHADE, (0, 410), (0, 480)), seed=75,
                     rim=P.SAND_LIGHT, wobble=6.0)
    hud.hud_band(c)
