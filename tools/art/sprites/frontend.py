"""Front-end sprites: the menu cursor, the hint window and the three rising hearts."""
from .. import palette as P
from ..figures.bird import draw_bird
from ..figures.panel import panel
from ..lettering import BOLD, Text
from ..model import Frame, Frameset, Sprite
from ..shapes import circle, heart, polygon, stroke

TIP = (14, 31)          # the cursor's hot spot: the game puts it at the mouse position


def draw_sipka(c):
    """A chunky golden arrow pointing down, its tip on the hot spot."""
    tx, ty = TIP[0] + 0.5, TIP[1] - 0.6
    arrow = polygon([(tx, ty), (tx - 13, ty - 14), (tx - 5.5, ty - 14), (tx - 5.5, ty - 29),
                     (tx + 5.5, ty - 29), (tx + 5.5, ty - 14), (tx + 13, ty - 14)])
    c.outlined(arrow, P.GOLD_TOP, 1.3)
    c.shade(arrow, P.GOLD_BOTTOM, (1.8, 1.8))
    c.fill(stroke([(tx - 2.5, ty - 26), (tx - 2.5, ty - 16)], 1.4), P.WHITE, opacity=0.8)


def draw_tipwindow(c):
    panel(c, 2, 2, 488, 248, radius=16, opacity=0.94)
    c.fill(circle(62, 186, 44), (80, 96, 160), opacity=0.6)
    draw_bird(c, 62, 168, 2.7, wing="up", facing=1)
    sign = Text("!", 34, 60, 62, anchor="mm", face=BOLD)
    c.outlined(circle(60, 62, 19), P.PANEL_EDGE, 2)
    c.fill(sign, P.OUTLINE, grow=1.5)
    c.fill(sign, P.WHITE)


HEARTS = [  # sprite, frame size, heart width, colour, shade, tilt
    ("SRDCE1", (36, 34), 32, (240, 60, 80), (180, 30, 60), 0),
    ("SRDCE2", (28, 28), 23, (255, 120, 170), (214, 70, 130), -14),
    ("SRDCE3", (40, 38), 34, (255, 90, 110), (200, 40, 80), 10),
]


def _heart(size, width, colour, shade, tilt):
    def draw(c):
        cx, cy = size[0] / 2, size[1] / 2 + 1
        h = heart(cx, cy, width).rotated(tilt, (cx, cy))
        c.outlined(h, colour, 1.3)
        c.shade(h, shade, (width * 0.07, width * 0.08))
        c.fill(circle(cx - width * 0.22, cy - width * 0.16, width * 0.08), P.WHITE, opacity=0.9)
    return draw


SPRITES = [
    Sprite("SIPKA", "sipka.png", (29, 32), [Frameset("FRAMESET1", [Frame(draw_sipka, 1000)])]),
    Sprite("TIPWINDOW", "tipwindow.png", (490, 250), [Frameset("FRAMESET1", [Frame(draw_tipwindow, 1000)])], ss=3),
] + [Sprite(name, name.lower() + ".png", size, [Frameset("FRAMESET1", [Frame(_heart(size, *rest), 1000)])])
     for name, size, *rest in HEARTS]
