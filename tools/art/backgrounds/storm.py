"""A winter storm: heavy clouds rolling low, a flash of lightning, driving sleet over a dark
snowy plain. Where the flying giant attacks."""
import random

from .. import palette as P
from ..canvas import linear
from ..figures import hud, land, sky
from ..shapes import stroke


def _sleet(c, count, seed):
    rng = random.Random(seed)
    streaks = None
    for _ in range(count):
        x, y = rng.uniform(-40, 640), rng.uniform(90, 470)
        length = rng.uniform(6, 14)
        s = stroke([(x, y), (x + length * 0.5, y + length)], 0.9)
        streaks = s if streaks is None else streaks + s
    c.fill(streaks, P.STORM_SNOW, opacity=0.5)


def draw(c):
    sky.gradient(c, P.STORM_TOP, P.STORM_LOW, 360)
    for x, y, w in ((80, 160, 200), (320, 150, 240), (570, 160, 220)):
        sky.storm_cloud(c, x, y, w, land.haze(P.STORM_CLOUD, P.STORM_LOW, 0.3), P.STORM_CLOUD_SHADE)
    for x, y, w in ((190, 222, 200), (460, 232, 210)):
        sky.storm_cloud(c, x, y, w, P.STORM_CLOUD, P.STORM_CLOUD_SHADE, P.STORM_CLOUD_LIGHT)
    sky.lightning(c, sky.bolt(520, 268, 80, seed=201, steps=5))
    air = P.STORM_LOW
    land.mountains(c, 350, 70, land.haze(P.STORM_CLOUD_SHADE, air, 0.4), seed=202, peaks=5, jag=4,
                   snow=land.haze(P.STORM_SNOW, air, 0.3), snow_line=0.3)
    land.rolling(c, 384, 20, linear(P.STORM_SNOW, P.STORM_SNOW_SHADE, (0, 364), (0, 420)), seed=203, bumps=3,
                 rim=P.SNOW_SHADE)
    land.near_ground(c, 414, linear(P.STORM_SNOW, P.STORM_SNOW_SHADE, (0, 410), (0, 480)), seed=204,
                     rim=P.SNOW_SHADE)
    _sleet(c, 220, seed=205)
    hud.hud_band(c, winter=True)
