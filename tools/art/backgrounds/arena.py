"""The giant's arena: a crumbling stone amphitheatre with rows of arches and banners,
a crowd on the top tier, under a late-afternoon sky."""
from .. import palette as P
from ..canvas import linear
from ..figures import hud, land, sky
from ..shapes import box, circle, polygon, round_box, stroke


def _tier(c, y0, y1, arch_w, colour, shade, x_off=0.0):
    wall = box(-10, y0, 650, y1)
    c.fill(wall, colour)
    c.fill(box(-10, y0, 650, y0 + 4), shade, opacity=0.8)
    x = -arch_w + x_off
    while x < 660:
        c.fill(round_box(x + arch_w * 0.2, y0 + (y1 - y0) * 0.25, x + arch_w * 0.8, y1 + 20, arch_w * 0.3),
               P.CASTLE_GLOOM, clip=wall)
        c.fill(box(x + arch_w * 0.9, y0 + 4, x + arch_w * 1.1, y1), shade, opacity=0.5)
        x += arch_w


def draw(c):
    sky.gradient(c, P.ARENA_SKY_TOP, P.ARENA_SKY_LOW, 330)
    for x, y, w in ((100, 150, 130), (540, 130, 150)):
        sky.soft_cloud(c, x, y, w, (255, 220, 200), (220, 170, 170), opacity=0.8)
    haze = P.ARENA_SKY_LOW
    _tier(c, 282, 320, 40, land.haze(P.ARENA_STONE, haze, 0.35), land.haze(P.ARENA_STONE_SHADE, haze, 0.35), 12)
    crowd = None
    for k in range(64):
        x = k * 10 + (k % 3) * 2
        head = circle(x, 276 - (k % 2) * 2, 3.2) + round_box(x - 4, 278 - (k % 2) * 2, x + 4, 290, 3)
        crowd = head if crowd is None else crowd + head
    c.fill(crowd, land.haze(P.CROWD, haze, 0.3))
    _tier(c, 288, 360, 58, P.ARENA_STONE, P.ARENA_STONE_SHADE)
    for x, colour in ((90, P.BANNER_RED), (320, P.BANNER_BLUE), (550, P.BANNER_RED)):
        c.outlined(stroke([(x, 360), (x, 250)], 2.2), P.WOOD)
        banner = polygon([(x, 254), (x + 26, 258), (x + 22, 266), (x + 26, 274), (x, 278)])
        c.outlined(banner, colour)
    c.fill(box(-10, 356, 650, 364), P.ARENA_STONE_SHADE)
    _tier(c, 364, 404, 46, land.haze(P.ARENA_STONE, P.ARENA_STONE_SHADE, 0.4), P.ARENA_STONE_SHADE, 20)
    land.near_ground(c, 412, linear(P.ARENA_SAND, P.SAND_SHADE, (0, 408), (0, 480)), seed=101,
                     rim=P.SAND_LIGHT, wobble=2.0)
    hud.hud_band(c)
