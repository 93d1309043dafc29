"""Walking throwers: the pose tables and the sprite builder shared by the villagers and the
winter folk.

Every walker has RIGHT and LEFT (walking), THROW_RIGHT and THROW_LEFT (once: wind-up, release,
follow-through), HIT_RIGHT and HIT_LEFT (a dropping on the head) and ANGRY_RIGHT and ANGRY_LEFT
(stomping along with fists up). FRAME1 of every frameset is a pose that still reads when the
game freezes it for the end-of-level hop: feet together, ANGRY's fists up. The LEFT framesets are
the RIGHT drawings mirrored.
The box is the head and torso; it ends above the feet, so the walker never touches the
ground row.
"""
from dataclasses import replace

from ..figures.person import Pose, draw_person
from ..model import Box, Frame, Frameset, Sprite
from ._twins import twin

# (near leg, far leg) for the four steps of a walk: passing, stride, passing, stride.
STEPS = (
    ((2.0, 0.0), (14.0, -28.0)),
    ((26.0, 8.0), (-22.0, -34.0)),
    ((14.0, -28.0), (2.0, 0.0)),
    ((-22.0, -34.0), (26.0, 8.0)),
)
SWING = (
    ((6.0, 24.0), (-6.0, 14.0)),
    ((-26.0, -8.0), (30.0, 60.0)),
    ((-6.0, 14.0), (6.0, 24.0)),
    ((30.0, 60.0), (-26.0, -8.0)),
)
WALK = tuple(Pose(near_leg=n, far_leg=f, near_arm=na, far_arm=fa, lean=3.0)
             for (n, f), (na, fa) in zip(STEPS, SWING))

STANCE = ((20.0, 6.0), (-16.0, -8.0))
THROW = (
    Pose(near_leg=STANCE[0], far_leg=STANCE[1], near_arm=(-150.0, -100.0), far_arm=(60.0, 90.0),
         lean=-8.0, tilt=-8.0, mood="grit", gaze=(0.8, -1.0)),
    Pose(near_leg=STANCE[0], far_leg=STANCE[1], near_arm=(100.0, 130.0), far_arm=(-30.0, 0.0),
         lean=4.0, tilt=-6.0, mood="shout", gaze=(0.8, -1.0)),
    Pose(near_leg=(24.0, 4.0), far_leg=(-20.0, -30.0), near_arm=(100.0, 70.0), far_arm=(-40.0, -20.0),
         lean=12.0, tilt=4.0, mood="sneer", gaze=(1.0, -0.6)),
)
HIT = (
    Pose(near_arm=(110.0, 150.0), far_arm=(-115.0, -150.0), near_leg=(8.0, 0.0), far_leg=(-8.0, 0.0),
         lean=-6.0, tilt=-8.0, mood="shock", splat=True, open_hands=True),
    Pose(near_arm=(125.0, 165.0), far_arm=(-100.0, -140.0), near_leg=(8.0, 0.0), far_leg=(-8.0, 0.0),
         bob=1.0, lean=-2.0, tilt=4.0, mood="squint", splat=True, open_hands=True),
)
FISTS = (                           # a fist shaken at the sky, clear of the face; the other raised behind
    ((115.0, 150.0), (-150.0, -180.0)),
    ((105.0, 135.0), (-160.0, -185.0)),
    ((120.0, 160.0), (-150.0, -175.0)),
    ((105.0, 140.0), (-160.0, -190.0)),
)
ANGRY = tuple(replace(WALK[i], near_arm=na, far_arm=fa, mood="shout" if i % 2 == 0 else "grit",
                      lean=6.0, gaze=(1.0, -1.0))
              for i, (na, fa) in enumerate(FISTS))


def _frame(look, pose, spot, delay, facing):
    """The pose drawn facing right; facing left it is the same drawing mirrored."""
    x, ground = spot

    def draw(c):
        draw_person(c, look, pose, x, ground)
    return Frame(twin((look, pose, spot), draw), delay, mirror=facing < 0)


def walker_sprite(name, file, look, size, step_ms, held="stone", x=None):
    """A walking thrower drawn from `look`; `step_ms` is the delay of each walking frame
    (faster walkers step quicker); `held` is what the throwing hand holds."""
    w, h = size
    spot = (x if x is not None else w / 2 - 1, h)
    body = Box.part("body", margin=(1, 1, 1, 0)).limit(bottom=h - 2)
    throw = tuple(replace(p, held=held) if i == 0 else p for i, p in enumerate(THROW))

    def frames(poses, delays, facing):
        return [_frame(look, p, spot, d, facing) for p, d in zip(poses, delays)]

    walk_ms = (step_ms,) * 4
    throw_ms = (140, 110, 180)
    hit_ms = (150, 150)
    framesets = []
    for side, facing in (("RIGHT", 1), ("LEFT", -1)):
        framesets.append(Frameset(side, frames(WALK, walk_ms, facing)))
    for side, facing in (("LEFT", -1), ("RIGHT", 1)):
        framesets.append(Frameset(f"THROW_{side}", frames(throw, throw_ms, facing), once=True))
    for side, facing in (("LEFT", -1), ("RIGHT", 1)):
        framesets.append(Frameset(f"HIT_{side}", frames(HIT, hit_ms, facing)))
    for side, facing in (("LEFT", -1), ("RIGHT", 1)):
        framesets.append(Frameset(f"ANGRY_{side}", frames(ANGRY, walk_ms, facing)))
    return Sprite(name, file, size, framesets, box=body)
