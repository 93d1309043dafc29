"""Winter ambushers that never walk: VYKUK, the kid who peeks out from behind a snow wall and
pelts the bird, and RAMBO, the tough guy with a snowball launcher.

VYKUK's wall is in the level's front layer; the sprite holds only the kid rising from below
the frame's bottom edge. INVISIBLE shows nothing; VYKOUKNUTI rises, HOD throws one snowball a
cycle (the game throws one per 500 ms) from the top left, where the snowballs start;
ZAKOUKNUTI ducks back. RAMBO's big snowballs leave from 10 px in and 20 px down, where the
launcher's mouth is.
"""
from dataclasses import replace

from .. import palette as P
from ..figures import wardrobe as W
from ..figures.person import Build, Look, Pose, Skeleton, along, draw_person, light
from ..model import Box, Frame, Frameset, Sprite
from ..shapes import circle, ellipse, stroke
from ._walkers import THROW

PEEK_SIZE = (36, 36)
PEEKER = Look(
    Build(thigh=4.5, shin=4.5, torso=11.0, chest=5.8, waist=6.2, head=7.2, arm=6.0, limb=4.2, hand=2.1),
    top=(P.PARKA, P.PARKA_SHADE), legs=(P.TROUSERS_GREY, P.TROUSERS_GREY_SHADE),
    gloves=(P.MITTEN_RED, P.MITTEN_RED_SHADE),
    items=(*W.scarf((P.SCARF, P.SCARF_SHADE), stripe=P.SCARF_STRIPE),
           W.short_hair((P.HAIR_BLOND, P.HAIR_BLOND_SHADE), fringe=1.0),
           W.beanie((P.MITTEN_RED, P.MITTEN_RED_SHADE))),
    eyes=1.1,
)
PEEK_X = 22.0
RISING = (28.0, 21.0, 14.0)          # how far below the frame his feet are: hat, eyes, shoulders out
UP = RISING[-1]
LOOKOUT = Pose(near_arm=(10.0, 30.0), far_arm=(-10.0, 20.0), mood="sneer", gaze=(1.0, -0.5))
THROWING = tuple(replace(p, near_leg=(0.0, 0.0), far_leg=(0.0, 0.0)) for p in THROW)


def peek_frame(pose, below, delay):
    def draw(c):
        draw_person(c, PEEKER, pose, PEEK_X, PEEK_SIZE[1] + below, facing=-1)
    return Frame(draw, delay)


def nothing(c):
    """The kid is behind his wall: not a pixel shows."""


VYKUK = Sprite("VYKUK", "vykuk.png", PEEK_SIZE, [
    Frameset("INVISIBLE", [Frame(nothing, 1000)]),
    Frameset("VYKOUKNUTI", [peek_frame(LOOKOUT, b, 150) for b in RISING], once=True),
    Frameset("HOD", [peek_frame(replace(THROWING[0], held="snowball"), UP, 180),
                     peek_frame(THROWING[1], UP, 140),
                     peek_frame(replace(THROWING[2], mood="laugh"), UP, 180)]),
    Frameset("ZAKOUKNUTI", [peek_frame(replace(LOOKOUT, mood="laugh"), b, 130) for b in reversed(RISING)],
             once=True),
], box=Box.none())

RAMBO_SIZE = (48, 48)
RAMBO_X = 31.0
MUZZLE = (10.0, 22.0)                # the launcher's mouth in the frame (balls start at x + 10, y + 20)
AIM = -55.0                          # the launcher points up and ahead: its back end is down and behind


def headband(colours, flutter):
    def draw(c, sk):
        r = sk.build.head
        c.figure([(sk.on_head(stroke([(-r * 1.02, -r * 0.55), (r * 1.02, -r * 0.62)], 2.0)), colours[0])], 0.8)
        knot = sk.head_point(-r * 0.95, -r * 0.5)
        tails = sk(stroke([knot, (knot[0] - 4.0, knot[1] + 1.0 + flutter), (knot[0] - 7.0, knot[1] + flutter * 2)], 1.4)
                   + stroke([knot, (knot[0] - 3.5, knot[1] + 3.0 + flutter), (knot[0] - 5.5, knot[1] + 5.0 + flutter)],
                            1.2))
        c.figure([(tails, colours[1])], 0.7)
    return "head", draw


def tough_guy(flutter):
    return Look(
        Build(thigh=6.0, shin=6.0, torso=16.0, chest=8.4, waist=7.2, head=7.4, arm=7.0, limb=5.4, hand=2.5),
        top=(P.KHAKI, P.KHAKI_SHADE), legs=(P.GUN_METAL, P.GUN_METAL_SHADE), short_sleeves=True,
        skin=(P.SKIN_TAN, P.SKIN_TAN_SHADE), shoes=(P.HAIR_BLACK, P.HAIR_BLACK_SHADE),
        items=(W.belt(P.HAIR_BLACK, height=0.15), W.short_hair((P.HAIR_BLACK, P.HAIR_BLACK_SHADE)),
               W.stubble(P.HAIR_BLACK), headband((P.SHIRT_RED, P.SHIRT_RED_SHADE), flutter)),
    )


def launcher(c, sk, front, back):
    tube = sk(stroke([back, front], 7.0))
    c.figure([(tube, P.GREY)])
    c.shade(tube, P.GREY_SHADE, light(1.5))
    band = (front[0] + (back[0] - front[0]) * 0.25, front[1] + (back[1] - front[1]) * 0.25)
    c.fill(sk(stroke([band, (band[0] + (back[0] - front[0]) * 0.08, band[1] + (back[1] - front[1]) * 0.08)], 7.0)),
           P.SHIRT_RED, clip=tube)
    mouth = sk(ellipse(front[0], front[1], 3.0, 3.8, -30))
    c.outlined(mouth, P.GREY_SHADE)
    c.outlined(sk(circle(front[0] + 0.3, front[1], 2.6)), P.POMPOM, 0.6)
    c.shade(sk(circle(front[0] + 0.3, front[1], 2.6)), P.POMPOM_SHADE, light(0.8))


def rambo_frame(breath, flutter, delay):
    """He faces left, so his local units run right to left: the muzzle is RAMBO_X - 10 ahead."""
    def draw(c):
        ground = RAMBO_SIZE[1]
        look = tough_guy(flutter)
        pose = Pose(near_leg=(16.0, 4.0), far_leg=(-14.0, -4.0), lean=-4.0 + breath, mood="grit",
                    gaze=(1.0, -0.6))
        neck = Skeleton(look, pose, RAMBO_X, ground, -1).neck
        front = (RAMBO_X - MUZZLE[0], MUZZLE[1] - ground + breath * 0.3)
        aim = along(AIM)
        back = (front[0] + aim[0] * 22.0, front[1] + aim[1] * 22.0)
        grips = ((front[0] + aim[0] * 7.0, front[1] + aim[1] * 7.0 + 2.5),
                 (back[0] - aim[0] * 4.0, back[1] - aim[1] * 4.0 + 2.5))
        held = replace(pose, reach=tuple((g[0] - neck[0], g[1] - neck[1]) for g in grips))
        sk = draw_person(c, look, held, RAMBO_X, ground, -1)
        launcher(c, sk, front, back)
        for hx, hy in sk.hands:
            c.outlined(sk(circle(hx, hy, look.build.hand)), look.skin[0])
    return Frame(draw, delay)


RAMBO = Sprite("RAMBO", "rambo.png", RAMBO_SIZE, [
    Frameset("FRAMESET1", [rambo_frame(0.0, 0.0, 420), rambo_frame(1.0, 1.5, 420)]),
], box=Box.none())

SPRITES = [VYKUK, RAMBO]
