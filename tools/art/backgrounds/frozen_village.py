"""A village in deep snow under a grey sky: snowy roofs, smoke from the chimneys, a church,
snow falling."""
from .. import palette as P
from ..canvas import linear
from ..figures import hud, land, sky, structures, trees
from ..shapes import circle

VILLAGE = structures.Look(P.PLASTER, P.PLASTER_SHADE, P.TOWN_ROOF, P.OUTLINE, P.GLASS_LIT, ow=0.9, snow=True)


def _smoke(c, x, y):
    for k in range(5):
        c.fill(circle(x + k * 4 + k * k * 0.8, y - k * 9, 3 + k * 1.3), P.CHIMNEY_SMOKE, opacity=0.55 - k * 0.08)


def draw(c):
    sky.gradient(c, P.OVERCAST_TOP, P.OVERCAST_LOW, 340)
    air = P.OVERCAST_LOW
    land.mountains(c, 320, 80, land.haze(P.FAR_MOUNTAIN, air, 0.45), seed=121, peaks=5, jag=4,
                   snow=land.haze(P.SNOW, air, 0.3), snow_line=0.2)
    land.rolling(c, 346, 24, P.SNOW_HILL, seed=122, bumps=3, rim=P.WHITE)
    trees.tree_row(c, 346, land.haze(P.PINE_MID, air, 0.45), seed=123, kind="pine", size=11, gap=0.75)
    structures.church(c, 470, 362, 84, VILLAGE)
    for x, w, h, gable in ((120, 44, 26, True), (184, 56, 24, False), (250, 40, 26, True),
                           (330, 52, 22, False), (560, 46, 26, True), (614, 40, 22, True)):
        structures.house(c, x, 368 + (x % 3), w, h, VILLAGE, gable=gable)
        _smoke(c, x + w * 0.24, 368 - h - h * 0.95)
    land.rolling(c, 390, 12, linear(P.SNOW, P.SNOW_HILL_SHADE, (0, 378), (0, 420)), seed=124, bumps=4,
                 rim=P.WHITE)
    land.near_ground(c, 418, linear(P.SNOW, P.SNOW_SHADE, (0, 414), (0, 480)), seed=125, rim=P.WHITE)
    sky.snowfall(c, 160, seed=126, region=(0, 90, 640, 470))
    hud.hud_band(c, winter=True)
