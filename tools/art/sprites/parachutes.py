"""The fourteen parachutes: a striped canopy carrying a crate whose badge shows the power-up.
FRAMESET1 (the box is the crate) and EMPTY (the canopy alone, no box, after the pickup)."""
from functools import partial

from .. import palette as P
from ..figures import icons
from ..model import Box, Frame, Frameset, Sprite
from ..shapes import bezier, box, circle, path, round_box, stroke

SIZE = (40, 100)
GOOD = ((96, 200, 72), (60, 150, 56))
BAD = ((232, 72, 60), (170, 40, 44))
ODD = ((160, 100, 220), (110, 64, 170))
FUN = ((255, 170, 40), (210, 120, 24))
ICE = ((110, 170, 240), (70, 120, 200))

PARACHUTES = [  # sprite, canopy colours, icon
    ("PADAKBOBKY", FUN, icons.droppings),
    ("PADAKSTIT", ICE, icons.shield),
    ("PADAKZIVOT", GOOD, icons.life),
    ("PADAKGOODTIME", GOOD, partial(icons.clock, sign="+", colour=P.GREEN)),
    ("PADAKBADTIME", BAD, partial(icons.clock, sign="-", colour=P.RED)),
    ("PADAKBAD", BAD, icons.swirl),
    ("PADAKSPEED", FUN, icons.speed),
    ("PADAKSLOW", ODD, icons.snail),
    ("PADAKSECRET", ODD, icons.mystery),
    ("PADAKLEVEL", GOOD, icons.flag),
    ("PADAKBOMB", FUN, icons.paw),
    ("PADAKWING", ICE, icons.wing),
    ("PADAKKING", ODD, icons.crown),
    ("PADAKLAVINA", ICE, icons.snowballs),
]
SWAY = (0.0, 1.0)
ROPE_TOP = (4.0, 14.0, 26.0, 36.0)


def canopy(c, colours, sway):
    colour, shade = colours
    top = bezier((2, 25), (1, 2), (39, 2), (38, 25))
    scallops = []
    for i in range(4):
        x0, x1 = 38 - i * 9, 38 - (i + 1) * 9
        scallops += bezier((x0, 25), ((x0 + x1) / 2, 21 + sway), (x1, 25))
    dome = path(top, scallops)
    c.outlined(dome, P.CANOPY_A, 1.0)
    for x0 in (2, 20):   # two coloured gores
        c.fill(box(x0 + 4.5, 0, x0 + 13.5, 30), colour, clip=dome)
    c.shade(dome, P.CANOPY_SHADE, (0, 3), opacity=0.6)
    c.shade(dome, shade, (0, 3), clip=box(6.5, 0, 15.5, 30) + box(24.5, 0, 33.5, 30))
    c.fill(stroke(bezier((8, 8), (14, 4), (22, 4)), 1.2), P.WHITE, opacity=0.7)
    for x in ROPE_TOP:
        c.fill(stroke([(x, 25), (12 if x < 20 else 28, 73)], 0.7), P.ROPE)


def crate(c, icon):
    body = round_box(8, 72, 32, 97, 2.5)
    c.outlined(body, P.CRATE, 1.0)
    for y in (80, 89):
        c.fill(stroke([(9, y), (31, y)], 0.7), P.CRATE_SHADE)
    c.shade(body, P.CRATE_SHADE, (1.2, 1.2))
    badge = circle(20, 84.5, 9)
    c.outlined(badge, (255, 246, 224), 1.0)
    icon(c, 20, 84.5, 6.8)
    c.mark("crate", body)


def _frame(colours, icon, sway):
    def draw(c):
        canopy(c, colours, sway)
        if icon is not None:
            crate(c, icon)
    return Frame(draw, 260)


def parachute(name, colours, icon):
    return Sprite(name, name.lower() + ".png", SIZE, [
        Frameset("FRAMESET1", [_frame(colours, icon, s) for s in SWAY], box=Box.part("crate", 1)),
        Frameset("EMPTY", [_frame(colours, None, s) for s in SWAY]),
    ])


SPRITES = [parachute(*row) for row in PARACHUTES]
