"""A red canyon at sunset: layered cliffs on both sides, mesas against a burning sky."""
from .. import palette as P
from ..canvas import linear
from ..figures import hud, land, sky
from ..shapes import box, circle, polygon


def _wall(c, pts, bands):
    wall = polygon(pts)
    c.fill(wall, P.CANYON_RED)
    x0, y0, x1, y1 = wall.bounds()
    for k, (t, colour) in enumerate(bands):
        y = y0 + (y1 - y0) * t
        c.fill(box(x0 - 5, y, x1 + 5, y + 7 + k % 3 * 3), colour, clip=wall, opacity=0.8)
    c.shade(wall, P.CANYON_RED_SHADE, (14, 0), opacity=0.8)
    return wall


def draw(c):
    c.fill(box(0, 0, 640, 480), linear(P.SUNSET_TOP, P.SUNSET_MID, (0, 0), (0, 220)))
    c.fill(box(0, 220, 640, 480), linear(P.SUNSET_MID, P.SUNSET_LOW, (0, 220), (0, 350)))
    sky.glow(c, 330, 332, 120, P.SUNSET_LOW, 0.8)
    c.fill(circle(330, 336, 34), (255, 226, 150))
    for x, y, w in ((120, 170, 120), (520, 150, 140), (600, 236, 80)):
        sky.soft_cloud(c, x, y, w, (255, 170, 140), (200, 110, 120), opacity=0.7)
    land.mesa(c, 170, 300, 300, 352, P.CANYON_FAR, land.haze(P.CANYON_FAR, P.OUTLINE, 0.3), seed=81)
    land.mesa(c, 380, 470, 316, 352, P.CANYON_FAR, land.haze(P.CANYON_FAR, P.OUTLINE, 0.3), seed=82)
    bands = [(0.12, P.CANYON_BAND), (0.3, P.CANYON_RED_SHADE), (0.5, P.CANYON_BAND), (0.74, P.SANDSTONE)]
    _wall(c, [(-10, 170), (40, 168), (70, 200), (92, 206), (110, 250), (150, 262), (176, 330), (210, 360),
              (200, 480), (-10, 480)], bands)
    _wall(c, [(650, 150), (600, 152), (566, 186), (540, 190), (520, 240), (490, 256), (470, 320), (430, 352),
              (440, 480), (650, 480)], bands)
    land.near_ground(c, 404, linear(P.SANDSTONE, P.CANYON_RED_SHADE, (0, 400), (0, 480)), seed=83,
                     rim=P.CANYON_BAND, wobble=4.0)
    hud.hud_band(c)
