"""VELBLOUD, the desert's walking thrower: a smug camel with a saddle basket full of balls.
It walks with heavy-lidded calm, bucks to toss two balls out of the basket (they leave above
its back), gapes when a dropping lands on its head and stomps along with bared teeth when
angry. LEFT framesets are the RIGHT ones mirrored. Its box is the body, neck and head, clear of
the ground under its hooves."""
from dataclasses import replace

from .. import palette as P
from ..figures.person import light
from ..figures.quadruped import WALK, Beast, draw_beast
from ..figures.splat import draw_splat
from ..model import Box, Frame, Frameset, Sprite
from ._twins import twin
from ..shapes import bezier, circle, path, round_box, stroke

SIZE = (76, 62)
X = 34.0
STEP_MS = 130


def saddle(c, parts):
    """A blanket over the hump and a basket of balls strapped behind it."""
    rx, ry = parts.beast.body
    blanket = parts.body_shape(path(bezier((-7.5, -ry - 4.5), (-9.0, -ry * 0.2), (-8.0, ry * 0.2)),
                                    [(7.0, ry * 0.2)], bezier((7.0, ry * 0.2), (8.5, -ry * 0.2), (7.0, -ry - 4.5)),
                                    bezier((7.0, -ry - 4.5), (3.0, -ry - 8.5), (-3.5, -ry - 8.5), (-7.5, -ry - 4.5))))
    c.outlined(blanket, P.SADDLE)
    c.shade(blanket, P.SADDLE_SHADE, light(1.2))
    c.fill(parts.body_shape(stroke([(-8.0, ry * 0.05), (7.0, ry * 0.05)], 1.0)), P.TASSEL, clip=blanket)
    for x in (-6.0, -1.5, 3.0):
        c.outlined(parts.body_shape(circle(x, ry * 0.2 + 1.4, 0.9)), P.TASSEL, 0.6)
    bx = -rx * 0.62
    basket = parts.body_shape(round_box(bx - 5.5, -ry - 5.0, bx + 5.0, -ry + 3.5, 2.0))
    for k, x in enumerate((bx - 3.0, bx + 0.5, bx + 3.0)):
        ball = parts.body_shape(circle(x, -ry - 5.0 + (k % 2) * 0.8, 2.3))
        c.outlined(ball, P.PENGUIN_BLACK)
        c.fill(parts.body_shape(circle(x - 0.8, -ry - 5.8 + (k % 2) * 0.8, 0.7)), P.GREY)
    c.outlined(basket, P.BASKET)
    c.shade(basket, P.BASKET_SHADE, light(1.2))
    for k in range(3):
        c.fill(parts.body_shape(stroke([(bx - 5.5, -ry - 3.0 + k * 2.2), (bx + 5.0, -ry - 3.0 + k * 2.2)], 0.5)),
               P.BASKET_SHADE, clip=basket)


CAMEL = Beast(coat=(P.CAMEL, P.CAMEL_SHADE), body=(16.0, 7.5), head=6.2, snout=(7.0, 4.6), neck=(9.0, -16.0),
              neck_width=5.5, neck_bend=7.0, leg=(9.0, 9.5, 3.6), ears="round", tail="rope", lids=True,
              humps=((1.0, 7.5, 8.5),),
              nose=(P.CAMEL_SHADE, P.CAMEL_SHADE), extras=(saddle,))

THROW = (
    (replace(WALK[0], head=(0.0, 0.0)), "happy", 140),
    (replace(WALK[0], tilt=10.0, lift=1.5, head=(2.0, 3.0), hind=((-30.0, -60.0), (-20.0, -50.0))), "spit", 130),
    (replace(WALK[2], tilt=-6.0, head=(-2.0, -2.0)), "angry", 170),
)
HIT = (
    (replace(WALK[0], head=(-2.0, -1.0), tilt=-4.0), "shock", 150),
    (replace(WALK[2], head=(-3.0, 0.0), tilt=-6.0, lift=1.0), "dizzy", 150),
)


def camel_frame(stride, mood, delay, mirror, splat=False):
    def draw(c):
        parts = draw_beast(c, CAMEL, stride, X, SIZE[1], mood)
        if splat:
            hx, hy = parts.head
            draw_splat(c, hx, hy - CAMEL.head + 1.5, 1.1)
    return Frame(twin((stride, mood, splat), draw), delay, mirror=mirror)


def framesets():
    out = []
    for side, mirror in (("RIGHT", False), ("LEFT", True)):
        out.append(Frameset(side, [camel_frame(s, "happy", STEP_MS, mirror) for s in WALK]))
    for side, mirror in (("LEFT", True), ("RIGHT", False)):
        out.append(Frameset(f"THROW_{side}", [camel_frame(s, m, d, mirror) for s, m, d in THROW], once=True))
    for side, mirror in (("LEFT", True), ("RIGHT", False)):
        out.append(Frameset(f"HIT_{side}", [camel_frame(s, m, d, mirror, splat=True) for s, m, d in HIT]))
    for side, mirror in (("LEFT", True), ("RIGHT", False)):
        out.append(Frameset(f"ANGRY_{side}", [camel_frame(replace(s, tilt=s.tilt + 3.0, head=(2.0, 2.0)), "angry",
                                                          STEP_MS - 20, mirror) for s in WALK]))
    return out


SPRITES = [
    Sprite("VELBLOUD", "velbloud.png", SIZE, framesets(),
           box=Box.part("body", margin=(1, 1, 1, 0)).limit(bottom=SIZE[1] - 2)),
]
