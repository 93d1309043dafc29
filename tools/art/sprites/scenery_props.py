"""Things standing about: CEDULE1 a signpost with painted boards, CAR1 a little old car
idling with a puff of exhaust, KUL a sharpened stake driven into the ground. The signpost and
the car are scenery (no box); the stake is a hostile body: it stops droppings and fells the
bird, so its box is the stake itself."""
from .. import palette as P
from ..canvas import Canvas
from ..figures import structures
from ..lettering import CONDENSED_BOLD, Text
from ..model import Box, Frame, Frameset, Sprite
from ..shapes import bezier, box, circle, path, polygon, round_box, stroke
from ..tiles import kit

SIGN = (48, 64)
CAR = (108, 56)
CAR_BODY_X = 12             # the car is drawn from here; the exhaust puffs to its left
STAKE = (20, 64)


def signpost(c):
    w, h = SIGN
    boards = structures.signpost(c, 22, h - 1, 56, ((0.85, 1, 24, P.WOOD), (0.62, -1, 20, P.PAPER)))
    for (board, y, bh), word, x, colour in zip(boards, ("HRAD", "POLE"), (32, 13), (P.PAPER, P.TIMBER)):
        c.fill(Text(word, 6.4, x, y + 0.3, anchor="mm", face=CONDENSED_BOLD), colour, clip=board)
    kit.tuft(c, 22, h + 0.5, 7, (P.GRASS, P.GRASS_LIGHT, P.HEDGE_LIGHT), 5, 5.0, 1.3)


def _car(c, bounce, puff):
    body_canvas = Canvas(CAR[0] - CAR_BODY_X, CAR[1], c.ss)
    _car_body(body_canvas, bounce)
    c.draw_canvas(body_canvas, CAR_BODY_X, 0)
    for k, (x, y, r) in enumerate(((12, 43, 2.4), (7, 40, 3.2), (2.5, 36, 3.8))[:puff]):
        c.fill(circle(x, y, r), P.CHIMNEY_SMOKE, opacity=0.8 - k * 0.15)


def _car_body(c, bounce):
    h = CAR[1]
    ground = h - 0.5
    y = -bounce
    for x in (22, 74):
        tyre = circle(x, ground - 8, 8)
        c.outlined(tyre, P.IRON_SHADE)
        c.fill(circle(x, ground - 8, 4), P.GREY)
        c.fill(circle(x, ground - 8, 1.6), P.IRON_SHADE)
    body = path(bezier((6, 40 + y), (4, 30 + y), (10, 27 + y), (20, 26 + y)),
                [(20, 26 + y), (30, 25 + y)],
                bezier((30, 25 + y), (34, 8 + y), (44, 6 + y), (58, 6 + y)),
                bezier((58, 6 + y), (70, 6 + y), (74, 14 + y), (76, 24 + y)),
                bezier((76, 24 + y), (88, 25 + y), (92, 30 + y), (91, 40 + y)),
                [(91, 40 + y), (86, 44 + y), (84, 40 + y), (80, 36 + y), (68, 36 + y), (64, 40 + y),
                 (62, 44 + y), (34, 44 + y), (32, 40 + y), (28, 36 + y), (16, 36 + y), (12, 40 + y),
                 (10, 44 + y), (6, 42 + y)])
    c.outlined(body, P.BANNER_RED)
    c.shade(body, P.BANNER_RED_SHADE, (2.5, 3.0))
    c.shade(body, P.PETAL_PINK, (-1.0, -1.2), opacity=0.6)
    for pane in (polygon([(36, 24 + y), (39, 12 + y), (50, 10 + y), (50, 24 + y)]),
                 polygon([(54, 24 + y), (54, 10 + y), (64, 11 + y), (70, 24 + y)])):
        c.outlined(pane, P.GLASS, 0.8)
        c.fill(polygon([(41, 22 + y), (43, 12 + y), (46, 12 + y), (44, 22 + y)]), P.WHITE, opacity=0.5, clip=pane)
    c.fill(stroke([(52, 26 + y), (52, 40 + y)], 0.8), P.BANNER_RED_SHADE)
    c.fill(round_box(56, 29 + y, 61, 31 + y, 1), P.IRON)
    c.outlined(round_box(3, 37 + y, 11, 41 + y, 1.5), P.GREY, 0.8)
    c.outlined(round_box(86, 37 + y, 94, 41 + y, 1.5), P.GREY, 0.8)
    lamp = circle(88, 29 + y, 3.2)
    c.outlined(lamp, P.GLASS_LIT, 0.8)
    c.fill(circle(7, 32 + y, 1.8), P.PETAL_RED)
    c.outlined(stroke([(1, 43.5 + y), (6, 43.5 + y)], 1.6), P.IRON, 0.6)


def stake(c):
    w, h = STAKE
    body = polygon([(6, h + 1), (5.5, 10), (10, 1), (14.5, 10), (14, h + 1)])
    c.outlined(body, P.POST)
    c.shade(body, P.POST_SHADE, (2.2, 0))
    c.fill(polygon([(7, 12), (10, 1.5), (10, 12)]), P.POST_END, opacity=0.8)
    for x, y0, y1 in ((8, 18, 30), (11.5, 26, 40), (9, 44, 56)):
        c.fill(stroke([(x, y0), (x + 0.4, y1)], 0.6), P.POST_SHADE)
    rope = round_box(4.5, 22, 15.5, 27, 1.5)
    c.outlined(rope, P.HAY, 0.8)
    c.fill(stroke([(5, 24.5), (15, 24.5)], 0.6), P.HAY_SHADE)
    kit.tuft(c, 10, h + 0.5, 8, (P.GRASS, P.GRASS_LIGHT, P.HEDGE_LIGHT), 5, 6.0, 1.3)
    c.mark("stake", box(6, 3, 14, h - 6))


SPRITES = [
    Sprite("CEDULE1", "cedule1.png", SIGN, [Frameset("FRAMESET", [Frame(signpost, 1000)])]),
    Sprite("CAR1", "car1.png", CAR, [Frameset("FRAMESET", [
        Frame(lambda c: _car(c, 0.0, 1), 160), Frame(lambda c: _car(c, 0.8, 2), 160),
        Frame(lambda c: _car(c, 0.0, 3), 160), Frame(lambda c: _car(c, 0.8, 0), 160)])]),
    Sprite("KUL", "kul.png", STAKE, [Frameset("FRAMESET1", [Frame(stake, 1000)])],
           box=Box.part("stake")),
]
