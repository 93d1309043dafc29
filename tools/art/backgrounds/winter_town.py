"""A winter town in the evening: rows of tall houses with lit windows, street lamps, falling
snow."""
import random

from .. import palette as P
from ..canvas import linear
from ..figures import hud, land, sky, structures
from ..shapes import box, polygon

FAR = structures.Look(land.haze(P.TOWN_WALL, P.EVENING_LOW, 0.55), land.haze(P.TOWN_WALL_SHADE, P.EVENING_LOW, 0.55),
                      land.haze(P.TOWN_ROOF, P.EVENING_LOW, 0.4), P.OUTLINE, P.GLASS_LIT, ow=0, snow=True)


def _town_house(c, x, ground, w, h, seed):
    rng = random.Random(seed)
    wall = box(x, ground - h, x + w, ground)
    roof = polygon([(x - 3, ground - h + 1), (x + w / 2, ground - h - w * 0.45), (x + w + 3, ground - h + 1)])
    c.figure([(wall, P.TOWN_WALL), (roof, P.TOWN_ROOF)], 1.0)
    c.fill(box(x + w * 0.6, ground - h, x + w, ground), P.TOWN_WALL_SHADE, opacity=0.6)
    c.fill(polygon([(x + w * 0.1, ground - h - w * 0.05), (x + w / 2, ground - h - w * 0.45),
                    (x + w * 0.85, ground - h - w * 0.08), (x + w / 2, ground - h - w * 0.2)]), P.SNOW)
    for row in range(int(h // 22)):
        for col in range(int(w // 18)):
            wx, wy = x + 6 + col * 18, ground - h + 8 + row * 22
            if wy + 12 > ground - 4:
                continue
            lit = rng.random() < 0.6
            pane = box(wx, wy, wx + 9, wy + 12)
            c.fill(pane, P.OUTLINE, grow=0.8)
            c.fill(pane, linear(P.GLASS_LIT, P.GLASS_LIT_SHADE, (0, wy), (0, wy + 12)) if lit else P.TOWN_ROOF)


def draw(c):
    sky.gradient(c, P.EVENING_TOP, P.EVENING_LOW, 360)
    sky.stars(c, 24, seed=171, region=(0, 90, 640, 220), big=0.1)
    sky.moon(c, 110, 160, 18)
    for x, w, h in ((0, 60, 120), (80, 50, 90), (150, 70, 140), (240, 56, 110), (320, 60, 150), (400, 50, 100),
                    (470, 66, 130), (560, 54, 110), (620, 50, 96)):
        c.fill(box(x, 380 - h, x + w, 380), FAR.wall)
        c.fill(polygon([(x - 2, 381 - h), (x + w / 2, 380 - h - w * 0.4), (x + w + 2, 381 - h)]), FAR.roof)
    c.fill(box(0, 360, 640, 380), linear(P.EVENING_LOW, P.EVENING_LOW, (0, 0), (0, 1)), opacity=0.3)
    for i, (x, w, h) in enumerate(((10, 62, 92), (90, 54, 78), (160, 70, 100), (400, 60, 86), (478, 72, 104),
                                   (566, 64, 82))):
        _town_house(c, x, 414, w, h, seed=172 + i)
    for x in (272, 350, 630):
        structures.lamp_post(c, x, 416, 60)
    land.near_ground(c, 414, linear(P.SNOW_HILL_SHADE, P.SNOW_DEEP, (0, 410), (0, 480)), seed=173,
                     rim=P.WHITE, wobble=2.0)
    sky.snowfall(c, 150, seed=174, region=(0, 90, 640, 470))
    hud.hud_band(c, winter=True)
