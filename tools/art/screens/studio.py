"""zq.png: the logo of our studio, "Hnizdo", shown first. The band at y 430-460 from x 245 stays
calm for the word " uvadi" that the game writes there."""
import math

from .. import palette as P
from ..canvas import linear, radial
from ..figures.nest import egg, nest_back, nest_front
from ..figures.title_lettering import title_text
from ..lettering import CONDENSED_BOLD, Text
from ..shapes import box, circle, polygon

NIGHT = (18, 22, 52)
GLOW = (52, 64, 130)
BADGE = (40, 52, 112)


def draw(c):
    c.fill(box(0, 0, 640, 480), radial(GLOW, NIGHT, (320, 190), 430))
    for i in range(24):   # soft rays around the badge
        a = 2 * math.pi * i / 24
        b = a + math.pi / 48
        c.fill(polygon([(320, 175), (320 + 520 * math.cos(a), 175 + 520 * math.sin(a)),
                        (320 + 520 * math.cos(b), 175 + 520 * math.sin(b))]), (70, 84, 150), opacity=0.18)
    badge = circle(320, 175, 104)
    c.fill(circle(326, 183, 106), P.OUTLINE, opacity=0.5)
    c.outlined(badge, P.PANEL_EDGE, 5)
    c.fill(circle(320, 175, 92), P.OUTLINE)
    c.fill(circle(320, 175, 89), linear((86, 150, 226), (196, 226, 255), (0, 86), (0, 264)))
    c.fill(circle(320, 175, 89), radial((255, 240, 190), (255, 240, 190), (320, 150), 60), opacity=0.35)
    nest_back(c, 320, 200, 120, outline=3)
    egg(c, 320, 214, 68, 0, outline=3)
    nest_front(c, 320, 200, 120, outline=3, seed=3)
    title_text(c, "HNIZDO", 320, 290, 62, bounce=2, depth=5, spacing=3,
               top_colour=(255, 250, 230), bottom_colour=(200, 220, 255), edge=(70, 90, 170))
    c.fill(Text("S T U D I O", 18, 320, 378, anchor="ma", face=CONDENSED_BOLD), P.PANEL_EDGE)
