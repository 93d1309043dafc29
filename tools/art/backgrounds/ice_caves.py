"""Inside the ice caves: walls of blue ice frame a wide opening onto a snowy valley in pale
daylight; icicles hang from its arch, ice pillars stand at the sides."""
import random

from .. import palette as P
from ..canvas import linear
from ..figures import hud, land, sky
from ..shapes import box, polygon

OPENING = [(96, 480), (112, 300), (172, 192), (262, 134), (382, 130), (482, 172), (540, 262), (566, 480)]


def _icicles(c, pts, seed, colour, length=28):
    """Spikes hanging down from the arch of the opening."""
    rng = random.Random(seed)
    spikes = None
    for (x0, y0), (x1, y1) in zip(pts, pts[1:]):
        t = 0.0
        while t < 1.0:
            w = rng.uniform(6, 12)
            x, y = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
            spike = polygon([(x - w / 2, y - 3), (x, y + rng.uniform(0.3, 1.0) * length), (x + w / 2, y - 3)])
            spikes = spike if spikes is None else spikes + spike
            t += w * 1.1 / max(1.0, ((x1 - x0) ** 2 + (y1 - y0) ** 2) ** 0.5)
    c.fill(spikes, colour)


def draw(c):
    sky.gradient(c, P.WINTER_SKY_TOP, P.WINTER_SKY_LOW, 380)
    air = P.WINTER_SKY_LOW
    land.mountains(c, 360, 130, land.haze(P.FAR_MOUNTAIN, air, 0.35), seed=131, peaks=3, jag=5,
                   shade=land.haze(P.FAR_MOUNTAIN_SHADE, air, 0.35), snow=P.SNOW, snow_line=0.3)
    land.rolling(c, 396, 26, P.SNOW_HILL, seed=132, bumps=3, rim=P.WHITE)
    opening = polygon(OPENING)
    walls = c.mask(box(-10, -10, 650, 490)) - c.mask(opening)
    c.fill(walls, linear(P.ICE_CAVE_DEEP, P.ICE_CAVE, (0, 0), (0, 420)))
    rim = c.mask(opening, grow=10) - c.mask(opening)
    c.fill(rim, P.ICE_CAVE_LIGHT, opacity=0.5)
    c.fill(c.mask(opening, grow=3) - c.mask(opening), P.ICE_LIGHT, opacity=0.7)
    _icicles(c, OPENING[2:6], 133, P.ICE_CAVE_LIGHT)
    for x, w, h in ((30, 46, 310), (606, 52, 330)):
        pillar = polygon([(x - w / 2, 480), (x - w * 0.3, 480 - h), (x + w * 0.3, 480 - h), (x + w / 2, 480)])
        c.fill(pillar, P.ICE_CAVE)
        c.shade(pillar, P.ICE_CAVE_DEEP, (w * 0.3, 0), opacity=0.6)
        c.fill(polygon([(x - w * 0.22, 470), (x - w * 0.12, 490 - h), (x - w * 0.02, 490 - h), (x - w * 0.06, 470)]),
               P.ICE_CAVE_LIGHT, opacity=0.5)
    land.near_ground(c, 420, linear(P.ICE_CAVE_LIGHT, P.ICE_CAVE, (0, 416), (0, 480)), seed=134,
                     rim=P.WHITE, wobble=3.0)
    hud.hud_band(c, winter=True)
