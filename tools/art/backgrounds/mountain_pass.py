"""A high mountain pass at dusk: jagged peaks lit pink by the last light, the first stars."""
from .. import palette as P
from ..canvas import linear
from ..figures import hud, land, sky
from ..shapes import polygon


def draw(c):
    sky.gradient(c, P.DUSK_TOP, P.DUSK_LOW, 340)
    sky.stars(c, 30, seed=161, region=(0, 90, 640, 200), big=0.1)
    air = P.DUSK_LOW
    land.mountains(c, 330, 150, land.haze(P.PEAK_DUSK, air, 0.45), seed=162, peaks=5, jag=8,
                   shade=land.haze(P.PEAK_DUSK_SHADE, air, 0.45), snow=land.haze(P.PEAK_SNOW_PINK, air, 0.3),
                   snow_line=0.3)
    left = polygon([(-10, 480), (-10, 150), (40, 120), (70, 170), (110, 190), (150, 260), (200, 300),
                    (260, 380), (280, 480)])
    right = polygon([(650, 480), (650, 110), (600, 140), (560, 130), (520, 200), (470, 240), (430, 320),
                     (380, 380), (370, 480)])
    for side, snow_pts in ((left, [(-10, 150), (40, 120), (70, 170), (60, 190), (30, 160), (0, 180)]),
                           (right, [(650, 110), (600, 140), (560, 130), (540, 165), (575, 160), (610, 170),
                                    (650, 150)])):
        c.fill(side, P.PEAK_DUSK)
        c.shade(side, P.PEAK_DUSK_SHADE, (24, 0), opacity=0.8)
        c.fill(polygon(snow_pts), P.PEAK_SNOW_PINK, clip=side)
    land.rolling(c, 398, 16, linear(P.SNOW_HILL_SHADE, P.SNOW_DEEP, (0, 380), (0, 440)), seed=163, bumps=3,
                 rim=P.PEAK_SNOW_PINK)
    land.near_ground(c, 418, linear(P.SNOW_HILL_SHADE, P.SNOW_DEEP, (0, 414), (0, 480)), seed=164,
                     rim=P.PEAK_SNOW_PINK)
    hud.hud_band(c, winter=True)
