"""A glacier under a deep blue sky: cliffs of old ice with blue crevasses pour down between
sharp peaks."""
from .. import palette as P
from ..canvas import linear
from ..figures import hud, land, sky
from ..shapes import polygon, stroke


def draw(c):
    sky.gradient(c, (60, 124, 214), P.WINTER_SKY_LOW, 330)
    L_cloud = ((120, 150, 90), (560, 196, 70))
    for x, y, w in L_cloud:
        sky.soft_cloud(c, x, y, w, P.WHITE, P.SNOW_SHADE)
    air = P.WINTER_SKY_LOW
    land.mountains(c, 290, 150, land.haze(P.ROCK_GREY, air, 0.3), seed=191, peaks=4, jag=10,
                   shade=land.haze(P.ROCK_GREY_SHADE, air, 0.3), snow=P.SNOW, snow_line=0.2)
    tongue = polygon([(-10, 330), (120, 290), (240, 262), (330, 250), (420, 270), (560, 300), (650, 320),
                      (650, 420), (-10, 420)])
    c.fill(tongue, linear(P.GLACIER, P.GLACIER_SHADE, (0, 250), (0, 420)))
    c.shade(tongue, P.WHITE, (0, -4), opacity=0.8)
    for x in range(30, 640, 46):
        top = 300 - 30 * (1 - abs(x - 330) / 330)
        crack = [(x, top + 6), (x + 6, top + 30), (x + 2, top + 60), (x + 10, 390)]
        c.fill(stroke(crack, 3.0), P.GLACIER_DEEP, clip=tongue, opacity=0.6)
        c.fill(stroke([(px - 2, py) for px, py in crack], 1.2), P.WHITE, clip=tongue, opacity=0.6)
    land.rolling(c, 392, 16, linear(P.SNOW, P.SNOW_HILL_SHADE, (0, 376), (0, 420)), seed=192, bumps=4,
                 rim=P.WHITE)
    land.near_ground(c, 416, linear(P.SNOW, P.SNOW_SHADE, (0, 412), (0, 480)), seed=193, rim=P.WHITE)
    hud.hud_band(c, winter=True)
