"""A scorching valley under a smoking volcano: red haze, glowing lava streams, dark rocks.
The hot place where the little birds faint."""
from .. import palette as P
from ..canvas import linear
from ..figures import hud, land, sky
from ..shapes import bezier, circle, polygon, stroke


def draw(c):
    sky.gradient(c, P.VOLCANO_SKY_TOP, P.VOLCANO_SKY_LOW, 360)
    sky.glow(c, 120, 170, 60, P.DESERT_SUN, 0.5)
    c.fill(circle(120, 170, 18), (255, 236, 190), opacity=0.8)
    for x, y, w in ((400, 160, 150), (330, 110, 110), (470, 100, 130), (560, 150, 110)):
        sky.soft_cloud(c, x, y, w, P.SMOKE, P.SMOKE_SHADE, opacity=0.8)
    for k in range(7):
        t = k / 6
        c.fill(circle(352 + 40 * t * t, 200 - 60 * t, 9 + 12 * t), P.SMOKE, opacity=0.85 - 0.3 * t)
    cone = polygon([(180, 360), (330, 210), (352, 206), (372, 212), (520, 360)])
    c.fill(cone, land.haze(P.ASH, P.VOLCANO_SKY_LOW, 0.25))
    c.fill(polygon([(352, 206), (372, 212), (520, 360), (390, 360)]), land.haze(P.ASH_SHADE, P.VOLCANO_SKY_LOW, 0.25),
           opacity=0.7)
    sky.glow(c, 350, 210, 40, P.LAVA, 0.8)
    for pts in (bezier((340, 212), (330, 260), (300, 300), (280, 350)),
                bezier((362, 214), (372, 270), (410, 300), (430, 352))):
        c.fill(stroke(pts, 7), P.LAVA, opacity=0.4, clip=cone)
        c.fill(stroke(pts, 2.8), P.LAVA_GLOW, clip=cone)
    land.mountains(c, 362, 60, P.ASH, seed=91, peaks=5, jag=5, shade=P.ASH_SHADE)
    land.rolling(c, 392, 20, linear(P.SCORCHED, P.SCORCHED_SHADE, (0, 370), (0, 430)), seed=92, bumps=4)
    land.near_ground(c, 418, linear(P.DESERT_ROCK_SHADE, P.SCORCHED, (0, 414), (0, 480)), seed=93,
                     rim=P.DESERT_ROCK, wobble=4.0)
    for x, w in ((40, 30), (150, 18), (330, 24), (470, 34), (600, 20)):
        boulder = polygon([(x - w / 2, 446), (x - w * 0.4, 446 - w * 0.45), (x - w * 0.1, 446 - w * 0.6),
                           (x + w * 0.3, 446 - w * 0.5), (x + w / 2, 446)])
        c.outlined(boulder, P.SCORCHED)
        c.shade(boulder, P.SCORCHED_SHADE, (w * 0.15, w * 0.1))
    hud.hud_band(c)
