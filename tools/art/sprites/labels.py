"""Floating lettering: score figures, combo multipliers, power-up messages and combo praise.
All are drawn over the scene fading out (translucent), so none holds pure black; none has a box."""
import math

from .. import palette as P
from ..canvas import linear
from ..figures.title_lettering import title_text
from ..lettering import BOLD, CONDENSED_BOLD, Text, font, ink_size
from ..model import Frame, Frameset, Sprite

PLUS = ((236, 255, 200), (96, 214, 64))
MINUS = ((255, 226, 210), (236, 70, 60))
SPECIAL = ((255, 246, 180), (255, 150, 40))

SCORES = [  # value, fill top, fill bottom
    (10, (255, 255, 255), (200, 220, 240)),
    (50, (236, 255, 200), (120, 220, 80)),
    (150, (255, 250, 170), (255, 190, 40)),
    (250, (255, 230, 170), (255, 132, 40)),
    (1000, (255, 220, 240), (240, 80, 160)),
]
MESSAGES = [  # sprite, text, colours
    ("MSGPLUSAMMO", "+BOBKY", PLUS),
    ("MSGPLUSLIVES", "+ZIVOT", PLUS),
    ("MSGPLUSTIME", "+CAS", PLUS),
    ("MSGMINUSTIME", "-CAS", MINUS),
    ("MSGPLUSSPEED", "+RYCHLOST", PLUS),
    ("MSGMINUSSPEED", "-RYCHLOST", MINUS),
    ("MSGANIMALS", "ZVIRATKA!", SPECIAL),
    ("MSGFRIENDS", "KAMARADI!", SPECIAL),
]
PRAISE = [  # sprite, text, fill top, fill bottom, 3-D edge
    ("BONUSGOOD", "DOBRE!", (236, 255, 200), (96, 200, 60), (40, 120, 50)),
    ("BONUSGREAT", "SKVELE!", (220, 244, 255), (80, 160, 240), (40, 80, 170)),
    ("BONUSFANTASTIC", "FANTASTICKE!", (255, 226, 246), (236, 90, 190), (140, 40, 120)),
    ("BONUSEXCELLENT", "VYBORNE!", (255, 240, 200), (255, 150, 40), (180, 80, 30)),
    ("BONUSNOWAY", "NEUVERITELNE!", (240, 226, 255), (160, 100, 240), (90, 50, 160)),
    ("BONUSWOW", "PANECKU!", (255, 226, 210), (240, 70, 60), (150, 30, 40)),
    ("BONUSCHAMPION", "SAMPION!", P.GOLD_TOP, P.GOLD_BOTTOM, (196, 74, 36)),
]


def lettering_sprite(name, text, size, top, bottom, face=BOLD, outline=1.5):
    """A one-frame sprite just big enough for the outlined, shadowed text."""
    shadow = (1.0, 1.2)
    w, h = ink_size(text, size, face, grow=outline)
    width, height = math.ceil(w + shadow[0]) + 2, math.ceil(h + shadow[1]) + 2

    def draw(c):
        label = Text(text, size, 0, 0, anchor="la", face=face)
        x0, y0, _, _ = label.bounds(outline)
        label = label.moved(1 - x0, 1 - y0)
        _, ly0, _, ly1 = label.bounds()
        c.fill(label.moved(*shadow), P.OUTLINE, grow=outline, opacity=0.55)
        c.fill(label, P.OUTLINE, grow=outline)
        c.fill(label, linear(top, bottom, (0, ly0), (0, ly1)))
        c.shade(label, P.WHITE, (-0.6, -0.6), opacity=0.5)
    return Sprite(name, name.lower() + ".png", (width, height),
                  [Frameset("FRAMESET1", [Frame(draw, 1000)])])


def praise_sprite(name, text, top, bottom, edge):
    size = 27
    f = font(BOLD, size)
    width = math.ceil(f.getlength(text) + 3 * (len(text) - 1)) + 16
    height = 35

    def draw(c):
        title_text(c, text, width / 2 - 1, 1, size, bounce=1, top_colour=top,
                   bottom_colour=bottom, edge=edge, depth=3, outline=1.8, spacing=3)
    return Sprite(name, name.lower() + ".png", (width, height),
                  [Frameset("FRAMESET1", [Frame(draw, 1000)])])


SPRITES = (
    [lettering_sprite(f"BONUS{v}", f"+{v}", 14, top, bottom) for v, top, bottom in SCORES]
    + [lettering_sprite(f"NASOBITEL{n}", f"x{n}", 11.5, (220, 240, 255), (90, 170, 255),
                        face=CONDENSED_BOLD, outline=1.1) for n in range(2, 11)]
    + [lettering_sprite(name, text, 15, top, bottom, face=CONDENSED_BOLD)
       for name, text, (top, bottom) in MESSAGES]
    + [praise_sprite(*row) for row in PRAISE]
)
