"""The yetis of the winter levels.

YETI walks and throws: it heaves a heap of snow over its head and flings it, which the game
turns into two or three snowballs above its head. HYETI_LEFT and HYETI_RIGHT stand at the
screen's edges looking in and beat their chests (BUCH) to set off avalanches; a falling snowball
must hit their box, which stays above their feet so that they do not touch the ground.
YETILEZICI lies on a ledge and pounds it (BUCH) to shake drops down.
"""
from dataclasses import replace

from .. import palette as P
from ..figures.yeti import YetiPose, draw_lying_yeti, draw_yeti
from ..model import Box, Frame, Frameset, Sprite
from ._twins import twin
from ..shapes import circle

WALKER = (96, 116)
WALKER_SCALE = 1.45
STEP_MS = 140

WALK = (
    YetiPose(near_leg=(4.0, 0.0), far_leg=(-4.0, 0.0), near_arm=(20.0, 30.0), far_arm=(-15.0, 5.0), bob=0.5),
    YetiPose(near_leg=(25.0, 5.0), far_leg=(-20.0, -25.0), near_arm=(-10.0, 5.0), far_arm=(25.0, 45.0), lean=4.0),
    YetiPose(near_leg=(-4.0, 0.0), far_leg=(4.0, 0.0), near_arm=(5.0, 20.0), far_arm=(0.0, 15.0), bob=0.5),
    YetiPose(near_leg=(-20.0, -25.0), far_leg=(25.0, 5.0), near_arm=(35.0, 55.0), far_arm=(-20.0, -5.0), lean=4.0),
)
THROW = (
    (YetiPose(near_arm=(160.0, 200.0), far_arm=(150.0, 195.0), near_leg=(15.0, 5.0), far_leg=(-15.0, -5.0),
              lean=-6.0, snow=13.0, mouth="shut", eyes="angry"), 160),
    (YetiPose(near_arm=(175.0, 180.0), far_arm=(170.0, 175.0), near_leg=(15.0, 5.0), far_leg=(-15.0, -5.0),
              lean=-2.0, bob=2.0, mouth="roar", eyes="angry"), 120),
    (YetiPose(near_arm=(95.0, 70.0), far_arm=(80.0, 60.0), near_leg=(25.0, 10.0), far_leg=(-20.0, -20.0),
              lean=10.0, mouth="grin", eyes="angry"), 180),
)
HIT = (
    (YetiPose(near_arm=(120.0, 160.0), far_arm=(-120.0, -160.0), lean=-5.0, mouth="shock", eyes="shock",
              splat=True, open_hands=True), 150),
    (YetiPose(near_arm=(140.0, 175.0), far_arm=(-100.0, -140.0), lean=-2.0, bob=1.0, mouth="shock", eyes="dizzy",
              splat=True, open_hands=True), 150),
)
FISTS = (((150.0, 190.0), (-140.0, -180.0)), ((120.0, 160.0), (-160.0, -190.0)),
         ((155.0, 195.0), (-135.0, -175.0)), ((125.0, 165.0), (-155.0, -190.0)))
ANGRY = tuple(replace(WALK[i], near_arm=na, far_arm=fa, mouth="roar" if i % 2 == 0 else "grin", eyes="angry",
                      lean=6.0) for i, (na, fa) in enumerate(FISTS))


def yeti_frame(pose, facing, delay, size, scale, x):
    """The pose drawn facing right; facing left it is the same drawing mirrored."""
    def draw(c):
        draw_yeti(c, pose, x, size[1], scale)
    return Frame(twin((pose, size, scale, x), draw), delay, mirror=facing < 0)


def walker():
    w, h = WALKER
    x = 48.0

    def frames(items, facing):
        return [yeti_frame(p, facing, d, WALKER, WALKER_SCALE, x) for p, d in items]
    walk = [(p, STEP_MS) for p in WALK]
    angry = [(p, STEP_MS - 20) for p in ANGRY]
    framesets = [Frameset("RIGHT", frames(walk, 1)), Frameset("LEFT", frames(walk, -1))]
    framesets += [Frameset(f"THROW_{s}", frames(THROW, f), once=True) for s, f in (("LEFT", -1), ("RIGHT", 1))]
    framesets += [Frameset(f"HIT_{s}", frames(HIT, f)) for s, f in (("LEFT", -1), ("RIGHT", 1))]
    framesets += [Frameset(f"ANGRY_{s}", frames(angry, f)) for s, f in (("LEFT", -1), ("RIGHT", 1))]
    return Sprite("YETI", "yeti.png", WALKER, framesets, box=Box.part("body", margin=2).limit(bottom=h - 2))


EDGE = (88, 112)
EDGE_SCALE = 1.5
IDLE = (
    (YetiPose(near_arm=(10.0, 25.0), far_arm=(-5.0, 15.0), mouth="grin"), 700),
    (YetiPose(near_arm=(12.0, 28.0), far_arm=(-3.0, 18.0), bob=0.6, mouth="grin", eyes="closed"), 160),
    (YetiPose(near_arm=(10.0, 25.0), far_arm=(-5.0, 15.0), bob=0.6, mouth="grin"), 600),
)
BEAT_IN = ((40.0, 120.0), (50.0, 125.0))     # a fist drumming on the chest ...
BEAT_OUT = ((15.0, 95.0), (20.0, 100.0))     # ... and one drawn back for the next blow
BUCH = (
    (IDLE[0][0], 100),
    (YetiPose(near_arm=BEAT_IN[0], far_arm=BEAT_OUT[1], mouth="roar", eyes="angry", lean=-4.0), 120),
    (YetiPose(near_arm=BEAT_OUT[0], far_arm=BEAT_IN[1], mouth="roar", eyes="angry", lean=-6.0, bob=1.0), 120),
    (YetiPose(near_arm=BEAT_IN[0], far_arm=BEAT_OUT[1], mouth="roar", eyes="angry", lean=-4.0), 120),
    (YetiPose(near_arm=BEAT_OUT[0], far_arm=BEAT_IN[1], mouth="roar", eyes="angry", lean=-6.0, bob=1.0), 120),
    (YetiPose(near_arm=(70.0, 140.0), far_arm=(-70.0, -140.0), mouth="roar", eyes="angry", lean=-8.0), 220),
)


def edge_yeti(name, file, facing):
    x = 40.0
    return Sprite(name, file, EDGE, [
        Frameset("FRAMESET1", [yeti_frame(p, facing, d, EDGE, EDGE_SCALE, x) for p, d in IDLE]),
        Frameset("BUCH", [yeti_frame(p, facing, d, EDGE, EDGE_SCALE, x) for p, d in BUCH], once=True),
    ], box=Box.part("body", margin=3).limit(bottom=EDGE[1] - 2))


LYING = (104, 48)
POUND_UP = (150.0, 200.0)
POUND_DOWN = (25.0, 85.0)


def lying_frame(pose, delay, dreams=0, thump=False):
    def draw(c):
        _, fist = draw_lying_yeti(c, pose, 52.0, LYING[1] - 1.0)
        for k in range(dreams):
            c.outlined(circle(82.0 + k * 5.0, 14.0 - k * 5.0, 1.3 + k * 0.5), P.POMPOM, 0.6)
        if thump:
            fx = 52.0 + fist[0]
            for dx, dy, r in ((-6.0, -2.5, 1.6), (6.5, -3.0, 1.8), (-3.0, -6.0, 1.2), (3.5, -7.0, 1.1)):
                c.outlined(circle(fx + dx, LYING[1] - 2.0 + dy, r), P.POMPOM, 0.6)
    return Frame(draw, delay)


SNOOZE = YetiPose(near_arm=(20.0, 80.0), far_arm=(30.0, 85.0), eyes="closed", mouth="shut")
RAISED = replace(SNOOZE, near_arm=POUND_UP, eyes="angry", mouth="roar")
POUNDED = replace(SNOOZE, near_arm=POUND_DOWN, eyes="angry", mouth="roar")
YETILEZICI = Sprite("YETILEZICI", "yetilezici.png", LYING, [
    Frameset("FRAMESET1", [lying_frame(SNOOZE, 900, 1), lying_frame(replace(SNOOZE, bob=0.8), 900, 2)]),
    Frameset("BUCH", [lying_frame(SNOOZE, 100), lying_frame(RAISED, 150), lying_frame(POUNDED, 150, thump=True),
                      lying_frame(RAISED, 150), lying_frame(POUNDED, 200, thump=True)], once=True),
], box=Box.none())

SPRITES = [
    walker(),
    edge_yeti("HYETI_LEFT", "hyeti_left.png", 1),
    edge_yeti("HYETI_RIGHT", "hyeti_right.png", -1),
    YETILEZICI,
]
