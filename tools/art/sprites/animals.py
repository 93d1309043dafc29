"""The animals that run across every level from the left: CAT, DOG and PIG in summer,
WINTERDOG, FOX and PENGUIN in winter. Each is 33 px tall, stands on the frame's bottom edge
(the ground line) and keeps its box at least one pixel above it, or it would be stuck."""
from .. import palette as P
from ..figures.quadruped import GALLOP, Beast, draw_beast
from ..figures.person import light
from ..model import Box, Frame, Frameset, Sprite
from ..shapes import circle, ellipse, path, bezier, stroke

HEIGHT = 33
BOX_BOTTOM = HEIGHT - 1
RUN_MS = 70


def tabby(c, parts):
    rx, ry = parts.beast.body
    body = parts.body_shape(ellipse(0, 0, rx, ry))
    for k in (-0.5, -0.15, 0.2):
        c.fill(parts.body_shape(stroke([(rx * k, -ry), (rx * k + 1.0, -ry * 0.2)], 1.4)), P.CAT_STRIPE, clip=body)


def patch(c, parts):
    rx, ry = parts.beast.body
    body = parts.body_shape(ellipse(0, 0, rx, ry))
    c.fill(parts.body_shape(ellipse(-rx * 0.3, -ry * 0.5, rx * 0.35, ry * 0.45)), P.DOG_PATCH, clip=body)


def collar(colour, tag=P.YELLOW):
    def draw(c, parts):
        hx, hy = parts.head
        r = parts.beast.head
        c.figure([(stroke([(hx - r * 0.7, hy + r * 0.4), (hx + r * 0.15, hy + r * 1.0)], 1.8), colour)], 0.7)
        c.outlined(circle(hx + r * 0.1, hy + r * 1.35, 0.9), tag, 0.5)
    return draw


def sweater(colours, stripe):
    def draw(c, parts):
        rx, ry = parts.beast.body
        body = parts.body_shape(ellipse(0, 0, rx, ry))
        knit = parts.body_shape(ellipse(rx * 0.2, -ry * 0.05, rx * 0.72, ry * 1.15))
        c.fill(knit, colours[0], clip=body)
        c.shade(body, colours[1], light(1.8), clip=knit)
        c.fill(parts.body_shape(stroke([(rx * 0.05, -ry * 1.2), (rx * 0.05, ry * 1.2)], 1.4)), stripe, clip=knit)
        c.fill(parts.body_shape(stroke([(-rx * 0.45, -ry * 1.2), (-rx * 0.45, ry * 1.2)], 1.0)), colours[1],
               clip=body)
    return draw


CAT = Beast(coat=(P.CAT_ORANGE, P.CAT_ORANGE_SHADE), body=(10.0, 5.6), head=6.6, snout=(2.0, 2.8),
            neck=(0.5, -6.2), leg=(4.6, 4.8, 2.8), belly=(P.CREAM_FUR, P.CREAM_FUR_SHADE),
            muzzle=(P.CREAM_FUR, P.CREAM_FUR_SHADE), ears="pointy", tail="thin", nose=(P.PAW_PAD, P.PAW_PAD),
            extras=(tabby,))
DOG = Beast(coat=(P.DOG_TAN, P.DOG_TAN_SHADE), body=(11.0, 6.3), head=6.8, snout=(4.5, 3.8),
            neck=(1.0, -6.5), leg=(5.0, 5.0, 3.2), belly=(P.CREAM_FUR, P.CREAM_FUR_SHADE),
            muzzle=(P.CREAM_FUR, P.CREAM_FUR_SHADE), ears="floppy", ear_colour=(P.DOG_PATCH, P.HAIR_BROWN_SHADE),
            tail="wag", tongue=True, extras=(patch, collar(P.SHIRT_RED)))
PIG = Beast(coat=(P.PIG_PINK, P.PIG_PINK_SHADE), body=(12.5, 8.0), head=6.8, snout=(2.5, 4.2),
            neck=(-0.5, -4.5), leg=(3.6, 3.6, 3.4), ears="pig", tail="curly")
WINTERDOG = Beast(coat=(P.HUSKY_GREY, P.HUSKY_GREY_SHADE), body=(11.0, 6.3), head=6.8, snout=(4.5, 3.6),
                  neck=(1.0, -6.8), leg=(5.0, 5.0, 3.2), belly=(P.CREAM_FUR, P.CREAM_FUR_SHADE),
                  muzzle=(P.CREAM_FUR, P.CREAM_FUR_SHADE), ears="pointy", tail="wag", tongue=True,
                  tail_tip=(P.CREAM_FUR, P.CREAM_FUR_SHADE),
                  extras=(sweater((P.MITTEN_RED, P.MITTEN_RED_SHADE), P.SCARF_STRIPE),))
FOX = Beast(coat=(P.FOX_RED, P.FOX_RED_SHADE), body=(10.5, 5.4), head=6.4, snout=(5.0, 3.2),
            neck=(1.0, -5.8), leg=(5.0, 5.2, 2.8), belly=(P.CREAM_FUR, P.CREAM_FUR_SHADE),
            muzzle=(P.CREAM_FUR, P.CREAM_FUR_SHADE), paws=(P.FOX_SOCK, P.FOX_SOCK), ears="pointy",
            ear_colour=(P.FOX_RED, P.FOX_RED_SHADE), tail="bushy", tail_tip=(P.CREAM_FUR, P.CREAM_FUR_SHADE))


def draw_penguin(c, step):
    """A penguin hurrying along, rocking from foot to foot with its flippers out."""
    rock = (-7.0, 0.0, 7.0, 0.0)[step]
    hop = (0.0, 1.2, 0.0, 1.2)[step]
    cx, base = 19.0, HEIGHT - 2.0 - hop
    pivot = (cx, base)
    for k, (dx, lift) in enumerate(((-3.0, 1.5 if step == 0 else 0.0), (3.0, 1.5 if step == 2 else 0.0))):
        foot = ellipse(cx + dx + 2.5, HEIGHT - 1.3 - lift, 3.4, 1.3)
        c.outlined(foot, P.BEAK if k else P.BEAK_SHADE)
    body = path(bezier((cx, base + 0.8), (cx + 10.0, base + 0.5), (cx + 9.5, base - 15.0), (cx + 5.0, base - 20.0)),
                bezier((cx + 5.0, base - 20.0), (cx + 4.0, base - 27.5), (cx - 6.0, base - 28.0), (cx - 6.5, base - 19.0)),
                bezier((cx - 6.5, base - 19.0), (cx - 11.0, base - 10.0), (cx - 9.5, base + 0.8), (cx, base + 0.8))
                ).rotated(rock, pivot)
    belly = path(bezier((cx - 1.0, base - 0.2), (cx + 8.0, base - 0.5), (cx + 8.0, base - 13.0), (cx + 4.0, base - 17.0)),
                 bezier((cx + 4.0, base - 17.0), (cx, base - 15.0), (cx - 6.5, base - 9.0), (cx - 1.0, base - 0.2))
                 ).rotated(rock, pivot)
    beak = ((stroke([(cx + 4.5, base - 22.0), (cx + 10.5, base - 21.0)], 2.4))).rotated(rock, pivot)
    flipper_back = stroke(bezier((cx - 4.0, base - 16.0), (cx - 9.0, base - 14.0), (cx - 13.0, base - 10.0 - hop * 2)),
                          2.6).rotated(rock, pivot)
    flipper = stroke(bezier((cx + 1.0, base - 15.0), (cx - 3.0, base - 11.0), (cx - 7.5, base - 8.5 + hop * 2)),
                     2.8).rotated(rock, pivot)
    c.figure([(flipper_back, P.PENGUIN_BLACK_SHADE)])
    c.figure([(beak, P.BEAK), (body, P.PENGUIN_BLACK)])
    c.fill(belly, P.CREAM_FUR)
    c.shade(belly, P.CREAM_FUR_SHADE, light(1.2))
    c.shade(body, P.PENGUIN_BLACK_SHADE, light(1.5))
    face = ellipse(cx + 2.2, base - 22.5, 3.6, 3.0).rotated(rock, pivot)
    c.fill(face, P.CREAM_FUR, clip=body)
    eye = circle(cx + 2.5, base - 23.0, 2.0).rotated(rock, pivot)
    c.outlined(eye, P.EYE_WHITE, 0.6)
    c.fill(circle(cx + 3.2, base - 23.0, 1.1).rotated(rock, pivot), P.PUPIL)
    c.fill(ellipse(cx + 2.0, base - 19.5, 1.6, 0.9).rotated(rock, pivot), P.BLUSH, opacity=0.6)
    c.outlined(flipper, P.PENGUIN_BLACK)
    c.mark("body", body)


def running(name, file, beast, width, x):
    frames = [Frame(lambda c, s=s: draw_beast(c, beast, s, x, HEIGHT), RUN_MS) for s in GALLOP]
    return Sprite(name, file, (width, HEIGHT), [Frameset("FRAMESET1", frames)],
                  box=Box.part("body", margin=1).limit(bottom=BOX_BOTTOM))


SPRITES = [
    running("CAT", "cat.png", CAT, 46, 24.0),
    running("DOG", "dog.png", DOG, 52, 25.0),
    running("PIG", "pig.png", PIG, 46, 23.0),
    running("WINTERDOG", "winterdog.png", WINTERDOG, 52, 25.0),
    running("FOX", "fox.png", FOX, 60, 31.0),
    Sprite("PENGUIN", "penguin.png", (36, HEIGHT), [
        Frameset("FRAMESET1", [Frame(lambda c, i=i: draw_penguin(c, i), 90) for i in range(4)]),
    ], box=Box.part("body", margin=1).limit(bottom=BOX_BOTTOM)),
]
