"""NOSIC, the water carrier of the rescue level: a fireman with a tin water can on his back and
a hose in his hand.

The game lets each drop fall from (centre + 20, y + 18) when he faces right and from
(centre, y + 18) when he faces left, so he stands 10 px right of the frame's middle either way
and holds the nozzle's mouth 11 px in front of himself at that height; pouring (VYLIT_...)
points it down. His box is his head, which must end above the drops (box bottom <= 18 + the
drop's own box top), or they would land on him at once.
"""
from dataclasses import replace

from .. import palette as P
from ..figures import wardrobe as W
from ..figures.person import Build, Look, Pose, Skeleton, along, draw_person, light
from ..model import Box, Frame, Frameset, Sprite
from ..shapes import bezier, circle, round_box, stroke
from ._walkers import STEPS

SIZE = (48, 38)
STAND_X = SIZE[0] / 2 + 10           # where he stands, whichever way he faces
DROP_Y = 18                          # the game releases a drop at y + 18 ...
VODA_BOX_TOP = 2                     # ... whose own box starts 2 px lower (VODA's bY)
HEAD_BOX_BOTTOM = DROP_Y + VODA_BOX_TOP
MOUTH = (11.0, DROP_Y - SIZE[1])     # the nozzle's mouth from his feet point, standing
NOZZLE_LENGTH = 5.0


def water_can(c, sk):
    """The tin can strapped to his back."""
    b = sk.build
    can = sk.on_torso(round_box(-b.chest - 5.5, -b.torso + 0.5, -b.chest + 1.5, -2.0, 2.5))
    cap = sk.on_torso(round_box(-b.chest - 3.6, -b.torso - 1.5, -b.chest - 0.4, -b.torso + 1.0, 0.8))
    c.figure([(cap, P.TIN_SHADE), (can, P.TIN)])
    c.shade(can, P.TIN_SHADE, light(1.6))
    c.fill(sk.on_torso(stroke([(-b.chest - 4.2, -b.torso + 3.0), (-b.chest - 4.2, -4.0)], 0.9)), P.TIN_LIGHT)
    for y in (-b.torso * 0.72, -b.torso * 0.3):
        c.fill(sk.on_torso(stroke([(-b.chest - 5.5, y), (-b.chest + 1.5, y)], 0.7)), P.TIN_SHADE)


FIREMAN = Look(
    Build(thigh=5.0, shin=5.0, torso=11.5, chest=6.4, waist=7.4, belly=1.0, head=6.3, arm=6.0, limb=4.4),
    top=(P.FIRE_JACKET, P.FIRE_JACKET_SHADE), legs=(P.FIRE_JACKET, P.FIRE_JACKET_SHADE),
    shoes=(P.HAIR_BLACK, P.HAIR_BLACK_SHADE),
    items=(("back", water_can), W.stripes(P.REFLECTOR, count=1), W.belt(P.HAIR_BLACK, height=0.22),
           W.mustache((P.HAIR_BROWN, P.HAIR_BROWN_SHADE), size=0.8),
           W.fire_helmet((P.FIRE_HELMET, P.FIRE_HELMET_SHADE))),
)

STAND = Pose(near_leg=(4.0, 0.0), far_leg=(-4.0, 0.0), far_arm=(-10.0, 14.0), gaze=(1.0, 0.4), mood="calm")
REST_NECK = Skeleton(FIREMAN, STAND, 0, 0).neck[1]
SWING = ((30.0, 60.0), (6.0, 24.0), (-26.0, -8.0))
WALK = (STAND,) + tuple(replace(STAND, near_leg=n, far_leg=f, far_arm=fa, lean=4.0, gaze=(1.0, 0.2))
                        for (n, f), fa in zip(STEPS[1:], SWING))
ANGRY = tuple(replace(p, far_arm=(-140.0, -175.0) if i % 2 else (-125.0, -160.0), lean=6.0,
                      mood="shout" if i % 2 == 0 else "grit", gaze=(1.0, -1.0))
              for i, p in enumerate(WALK))
CARRY_AIM, POUR_AIM = 100.0, 10.0     # the nozzle forward and a little down; straight down


def carrier_frame(pose, facing, aim, pouring=False):
    def draw(c):
        x = STAND_X
        bare = Skeleton(FIREMAN, pose, x, SIZE[1], facing)
        mouth = (MOUTH[0], MOUTH[1] + bare.neck[1] - REST_NECK)
        d = along(aim, NOZZLE_LENGTH)
        grip = (mouth[0] - d[0], mouth[1] - d[1])
        held = replace(pose, reach=((grip[0] - bare.neck[0], grip[1] - bare.neck[1]), None))
        sk = draw_person(c, FIREMAN, held, x, SIZE[1], facing)
        hx, hy = sk.hands[0]
        start = sk.torso_point(-FIREMAN.build.chest - 1.0, 2.0)
        line = bezier(start, (start[0] + 1.0, start[1] + 8.0), (hx - 7.0, hy + 9.0), (hx - 1.0, hy + 0.5))
        c.figure([(sk(stroke(line, 1.6)), P.HAIR_BLACK)], 0.7)
        c.figure([(sk(stroke([grip, mouth], 2.0)), P.YELLOW)], 0.8)
        c.fill(sk(circle(*mouth, 0.9)), P.STRAW_SHADE)
        c.outlined(sk(circle(hx, hy, FIREMAN.build.hand)), FIREMAN.skin[0])
        if pouring:
            for dy, r in ((2.0, 0.9), (4.2, 0.7)):
                c.outlined(sk(circle(mouth[0], mouth[1] + dy, r)), P.WATER, 0.5)
    return Frame(draw, 90)


def framesets():
    sides = (("RIGHT", 1), ("LEFT", -1))
    out = [Frameset(side, [carrier_frame(p, facing, CARRY_AIM) for p in WALK]) for side, facing in sides]
    out += [Frameset(f"VYLIT_{side}", [carrier_frame(replace(p, gaze=(1.0, 1.0)), facing, POUR_AIM, True)
                                       for p in WALK]) for side, facing in reversed(sides)]
    out += [Frameset(f"ANGRY_{side}", [carrier_frame(p, facing, CARRY_AIM) for p in ANGRY])
            for side, facing in reversed(sides)]
    return out


SPRITES = [
    Sprite("NOSIC", "nosic.png", SIZE, framesets(),
           box=Box.part("head", margin=(1, 0, 1, 0)).limit(bottom=HEAD_BOX_BOTTOM)),
]
