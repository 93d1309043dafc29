"""BOSS1, the giant of the summer boss level: a bearded brute in a horned helmet and a fur vest,
twice a villager's height. He walks, hurls boulders (the game throws four stones and a ball
from above him), bellows when hit and sits down dazed with stars round his head once beaten
(DESTROYED). His box is his head and body, above his boots."""
import math

from .. import palette as P
from ..figures import wardrobe as W
from ..figures.person import Build, Look, Pose, draw_person
from ..model import Frame, Frameset
from ..shapes import star
from ._walkers import walker_sprite

SIZE = (130, 118)
X = 62.0

GIANT = Look(
    Build(thigh=12.0, shin=12.0, torso=38.0, chest=23.0, waist=25.0, belly=9.0, head=15.0, arm=21.0, limb=15.0,
          hand=7.0, foot=15.0),
    top=(P.SKIN_TAN, P.SKIN_TAN_SHADE), legs=(P.KILT, P.KILT_SHADE), skin=(P.SKIN_TAN, P.SKIN_TAN_SHADE),
    shoes=(P.SHOE, P.SHOE_SHADE),
    items=(W.fur_vest((P.VEST_FUR, P.VEST_FUR_SHADE)), W.belt(P.SHOE_SHADE, height=0.2),
           W.skirt((P.KILT, P.KILT_SHADE), hem=10.0, flare=3.0),
           W.beard((P.HAIR_BLACK, P.HAIR_BLACK_SHADE)), W.mustache((P.HAIR_BLACK, P.HAIR_BLACK_SHADE), size=1.0),
           W.horned_helmet((P.HELMET, P.HELMET_SHADE), (P.HORN, P.HORN_SHADE))),
    nose=4.0,
)
DAZED = Pose(near_leg=(80.0, 100.0), far_leg=(70.0, 95.0), near_arm=(-20.0, 30.0), far_arm=(20.0, 60.0),
             lean=-6.0, tilt=10.0, mood="dizzy", splat=True, open_hands=True)


def dazed(turn):
    def draw(c):
        sk = draw_person(c, GIANT, DAZED, X, SIZE[1] - 6.0)
        hx, hy = sk.point(sk.head_point(0.0, -GIANT.build.head * 1.5))
        for k in range(3):
            a = math.radians(turn + k * 120)
            c.outlined(star(hx + math.cos(a) * 18.0, hy + math.sin(a) * 5.0, 4.0, 1.8), P.STAR, 0.8)
    return Frame(draw, 160)


def giant_sprite():
    sprite = walker_sprite("BOSS1", "boss1.png", GIANT, SIZE, step_ms=150, x=X)
    sprite.framesets.append(Frameset("DESTROYED", [dazed(t) for t in (0.0, 40.0, 80.0)]))
    return sprite


SPRITES = [giant_sprite()]
