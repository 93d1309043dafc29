"""The stake throwers: villagers standing on sawn-off posts, throwing stones without end.
KUL_CLOVEK1 (a boy in a green cap) and KUL_CLOVEK3 (a girl with plaits) throw to the right,
KUL_CLOVEK2 (an old man with a white beard) to the left. The stone leaves from the top middle
of the frame, where the throwing hand comes over."""
from dataclasses import replace

from .. import palette as P
from ..figures import wardrobe as W
from ..figures.person import Build, Look, Pose, draw_person, light
from ..model import Box, Frame, Frameset, Sprite
from ..shapes import ellipse, round_box, stroke
from ._walkers import THROW

SIZE = (40, 60)
POST_TOP = 42.0
CHILD = Build(thigh=4.5, shin=4.5, torso=11.5, chest=5.6, waist=6.0, head=7.0, arm=6.0, limb=4.0, hand=2.0,
              foot=4.0)

BOY = Look(CHILD, top=(P.SHIRT_YELLOW, P.SHIRT_YELLOW_SHADE), legs=(P.SHORTS, P.SHORTS_SHADE),
           skin=(P.SKIN_DARK, P.SKIN_DARK_SHADE), short_sleeves=True, bare_shins=True,
           items=(W.short_hair((P.HAIR_BLACK, P.HAIR_BLACK_SHADE), fringe=1.0),
                  W.cap((P.CAP_GREEN, P.CAP_GREEN_SHADE))))
GIRL = Look(CHILD, top=(P.DRESS_RED, P.DRESS_RED_SHADE), legs=(P.DRESS_RED, P.DRESS_RED_SHADE),
            short_sleeves=True, bare_shins=True, shoes=(P.HAIR_BLACK, P.HAIR_BLACK_SHADE),
            items=(W.braid((P.HAIR_BROWN, P.HAIR_BROWN_SHADE)), W.skirt((P.DRESS_RED, P.DRESS_RED_SHADE), hem=4.0),
                   W.short_hair((P.HAIR_BROWN, P.HAIR_BROWN_SHADE), fringe=1.0), W.freckles()), eyes=1.1)
GRANDPA = Look(replace(CHILD, torso=12.0, chest=6.0, waist=6.4, belly=1.0, head=7.2),
               top=(P.WAISTCOAT, P.WAISTCOAT_SHADE), legs=(P.TROUSERS_GREY, P.TROUSERS_GREY_SHADE),
               sleeves=(P.SHIRT_WHITE, P.SHIRT_WHITE_SHADE),
               items=(W.buttons(P.YELLOW), W.beard((P.HAIR_GREY, P.HAIR_GREY_SHADE)),
                      W.cap((P.TROUSERS_GREY, P.TROUSERS_GREY_SHADE))), nose=2.4)

HOLD = Pose(near_leg=(6.0, 0.0), far_leg=(-6.0, 0.0), near_arm=(40.0, 110.0), far_arm=(-10.0, 10.0),
            mood="sneer", held="stone")
CYCLE = ((HOLD, 320), (replace(THROW[0], near_leg=HOLD.near_leg, far_leg=HOLD.far_leg), 160),
         (replace(THROW[1], near_leg=HOLD.near_leg, far_leg=HOLD.far_leg), 120),
         (replace(THROW[2], near_leg=HOLD.near_leg, far_leg=HOLD.far_leg, mood="laugh"), 180))


def draw_post(c):
    x0, x1 = 13.0, 27.0
    post = round_box(x0, POST_TOP - 1.0, x1, SIZE[1] + 2.0, 1.5)
    top = ellipse((x0 + x1) / 2, POST_TOP - 0.5, (x1 - x0) / 2, 2.0)
    c.figure([(post, P.POST), (top, P.POST_END)])
    c.shade(post, P.POST_SHADE, light(2.0))
    for k, x in enumerate((16.0, 20.5, 24.5)):
        c.fill(stroke([(x, POST_TOP + 3.0 + k * 2), (x + 0.4, POST_TOP + 9.0 + k * 3)], 0.6), P.POST_SHADE)
    c.fill(ellipse(20.0, POST_TOP - 0.5, 3.5, 0.9), P.POST, opacity=0.8)


def stake_frame(look, pose, facing, delay):
    def draw(c):
        draw_post(c)
        draw_person(c, look, pose, 20.0 - 1.5 * facing, POST_TOP + 0.5, facing)
    return Frame(draw, delay)


def stake_thrower(name, file, look, facing):
    return Sprite(name, file, SIZE, [
        Frameset("FRAMESET1", [stake_frame(look, p, facing, d) for p, d in CYCLE]),
    ], box=Box.part("body", margin=1))


SPRITES = [
    stake_thrower("KUL_CLOVEK1", "kul_clovek1.png", BOY, 1),
    stake_thrower("KUL_CLOVEK2", "kul_clovek2.png", GRANDPA, -1),
    stake_thrower("KUL_CLOVEK3", "kul_clovek3.png", GIRL, 1),
]
