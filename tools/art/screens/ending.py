"""outro.png: the happy ending. The hero sits in his nest with all his eggs at sunset; the
evening sky at the top stays calm for the two lines of text at (100, 20) and (100, 50)."""

from .. import palette as P
from ..canvas import radial
from ..figures import landscape as L
from ..figures.bird import draw_bird
from ..figures.nest import egg, nest_back, nest_front
from ..shapes import box, circle, heart

DUSK_TOP = (38, 40, 96)
DUSK_MID = (132, 72, 140)
DUSK_LOW = (255, 150, 96)
HILLS_FAR = (120, 70, 120)
HILLS_NEAR = (76, 110, 80)


def draw(c):
    L.sky(c, DUSK_TOP, DUSK_MID, 0, 190)
    L.sky(c, DUSK_MID, DUSK_LOW, 190, 330)
    for i in range(28):   # first stars, kept above and beside the text lines
        x = (i * 173) % 640
        y = 92 + (i * 67) % 90 if 80 < x < 540 else 8 + (i * 37) % 150
        c.fill(circle(x, y, 0.8 + (i % 3) * 0.4), (255, 246, 210), opacity=0.5 + (i % 4) * 0.12)
    c.fill(circle(320, 330, 150), radial((255, 220, 140), DUSK_LOW, (320, 330), 150), opacity=0.5)
    c.fill(circle(320, 330, 56), (255, 214, 110))
    L.hills(c, 318, 40, HILLS_FAR, (150, 90, 140), seed=11, bumps=3)
    L.hills(c, 360, 30, HILLS_NEAR, (110, 150, 96), seed=12, bumps=4)
    c.fill(box(0, 400, 640, 480), HILLS_NEAR)
    L.grass_tufts(c, 365, 480, 90, seed=13, colours=((58, 90, 66), (126, 164, 100)))
    L.tree(c, 70, 420, 2.6, seed=21)
    L.tree(c, 590, 410, 2.2, seed=22)

    nest_back(c, 320, 404, 250, outline=3)
    draw_bird(c, 322, 330, 5.6, wing="down", mood="closed")
    for dx, h, tilt in ((-78, 66, -14), (76, 64, 12), (-26, 74, -4), (30, 72, 6)):
        egg(c, 320 + dx, 428, h, tilt, outline=3)
    nest_front(c, 320, 404, 250, outline=3, seed=5)

    for i, (x, y, s) in enumerate(((214, 236, 26), (440, 214, 32), (470, 280, 20), (190, 300, 18),
                                   (380, 150, 16), (250, 170, 14))):
        hrt = heart(x, y, s).rotated((-1) ** i * 12, (x, y))
        c.outlined(hrt, (255, 96, 130), max(1.5, s / 12))
        c.shade(hrt, (210, 50, 96), (s * 0.08, s * 0.1))
        c.fill(circle(x - s * 0.2, y - s * 0.12, s * 0.08), P.WHITE, opacity=0.8)
