"""The two catapults.

CATAPULT1 is a seesaw: a boy sits on its low end, and when someone walks onto the raised end
(FIRE, once) the plank flips and flings him straight up. He reappears as the FLYINGBOY at
(x + 10, y - 30), just above the frame, so the last FIRE frame shows him leaping out of it;
EMPTY is the flipped plank without him until he falls back onto it (IDLE again).
The boy is the village boy FLYINGBOY shows. The catapult's box is the plank and trestle, the
same in every frameset, from CATAPULT1_BOX_TOP down to the ground: wide enough for the column the
boy falls back through (x + 10 onwards) and low enough to reach into the boxes of the people
walking over it. The boy appears with his box inside the 30 rows above the frame, so he never
touches it at launch.

CATAPULT2 is a wheeled stone thrower facing left: IDLE cocked with a rock in its bucket;
FRAMESET1 (once) swings the arm up against the padded crossbar. Its stone appears at
(x + 20, y), where the bucket stops at the top of the swing; the rock is gone from the bucket
from the first frame, which doubles as the neutral pose the animation rewinds to.
"""
import math
from dataclasses import replace

from .. import palette as P
from ..figures.machinery import beam, rivets, wheel, wooden
from ..figures.person import Pose, Skeleton, draw_person
from ..model import Box, Frame, Frameset, Sprite
from ..shapes import box, circle, path, round_box, stroke
from .projectiles import draw_stone
from .villagers import BOY as VILLAGE_BOY

# --- CATAPULT1 ---------------------------------------------------------------------------------

SEESAW_SIZE = (60, 56)
PIVOT = (36.0, 41.0)
LEFT_ARM, RIGHT_ARM = 26.0, 21.0
TILT = 18.0                        # degrees; positive: the boy's end down
SEAT_U = -20.0                     # where the boy sits along the plank (from the pivot)
CATAPULT1_BOX_TOP = 30
LEAP_X = 21.0                      # under the FLYINGBOY's spawn point (x + 10, about 24 wide)

BOY = replace(VILLAGE_BOY, build=VILLAGE_BOY.build.scaled(0.72))    # the same boy as FLYINGBOY


def plank_point(tilt, u, v):
    """A point `u` along the plank from the pivot (right positive) and `v` above it."""
    a = math.radians(tilt)
    d = (math.cos(a), -math.sin(a))
    n = (-math.sin(a), -math.cos(a))
    return (PIVOT[0] + d[0] * u + n[0] * v, PIVOT[1] + d[1] * u + n[1] * v)


def seesaw_frame(c):
    """The sill on the ground, the rest block and the trestle the plank pivots on."""
    w, h = SEESAW_SIZE
    sill = beam((3, h - 3), (w - 2, h - 3), 4.0)
    legs = beam((PIVOT[0] - 7, h - 4), PIVOT, 3.2) + beam((PIVOT[0] + 7, h - 4), PIVOT, 3.2)
    rest = round_box(7, h - 10, 15, h - 4, 1.0)
    wooden(c, rest)
    wooden(c, legs)
    wooden(c, sill, [[(5, h - 3.2), (w - 4, h - 3.2)]])
    rivets(c, [(6, h - 3), (w - 5, h - 3)])


def plank(c, tilt):
    left, right = plank_point(tilt, -LEFT_ARM, 0), plank_point(tilt, RIGHT_ARM, 0)
    board = beam(left, right, 3.4)
    back = beam(plank_point(tilt, -LEFT_ARM + 1.2, 0), plank_point(tilt, -LEFT_ARM + 1.2, 10), 2.2)
    handle = beam(plank_point(tilt, -12.5, 0), plank_point(tilt, -12.5, 7), 1.6)
    pad = beam(plank_point(tilt, RIGHT_ARM - 5, 1.8), plank_point(tilt, RIGHT_ARM - 0.5, 1.8), 3.0)
    wooden(c, back)
    wooden(c, handle)
    c.outlined(circle(*plank_point(tilt, -12.5, 7.4), 1.4), P.SHIRT_RED, 0.8)
    wooden(c, board, [[plank_point(tilt, -LEFT_ARM + 2, 0.3), plank_point(tilt, RIGHT_ARM - 2, 0.3)]])
    c.outlined(pad, P.SHIRT_RED)
    c.fill(stroke([plank_point(tilt, RIGHT_ARM - 4, 1.8), plank_point(tilt, RIGHT_ARM - 1.5, 1.8)], 1.0),
           P.WHITE, opacity=0.8)
    c.outlined(circle(*PIVOT, 1.6), P.CAST_IRON, 0.8)


def seated_boy(c, tilt, swing, mood):
    """The boy sitting on the plank's low end, holding the handle."""
    pose = Pose(near_leg=(90.0 + tilt, 12.0 + swing), far_leg=(90.0 + tilt, -4.0 - swing),
                near_arm=(62.0 + tilt, 88.0 + tilt), far_arm=(52.0 + tilt, 80.0 + tilt),
                lean=-6.0 + tilt * 0.3, mood=mood, gaze=(0.6, -0.4))
    hip = Skeleton(BOY, pose, 0, 0).hip
    sx, sy = plank_point(tilt, SEAT_U, 2.4)
    draw_person(c, BOY, pose, sx - hip[0], sy - hip[1])


def leaping_boy(c, feet_y):
    pose = Pose(near_leg=(6.0, -8.0), far_leg=(-10.0, -20.0), near_arm=(160.0, 175.0),
                far_arm=(-165.0, -178.0), mood="laugh", open_hands=True, gaze=(0.0, -1.0))
    draw_person(c, BOY, pose, LEAP_X, feet_y)


def draw_seesaw(c, tilt, boy=None):
    seesaw_frame(c)
    c.mark("catapult", box(4, CATAPULT1_BOX_TOP, SEESAW_SIZE[0] - 2, SEESAW_SIZE[1]))
    if boy is None:
        plank(c, tilt)
    elif boy[0] == "seated":
        plank(c, tilt)
        seated_boy(c, tilt, *boy[1:])
    else:
        leaping_boy(c, boy[1])
        plank(c, tilt)


def seesaw_frame_of(tilt, boy, delay):
    return Frame(lambda c: draw_seesaw(c, tilt, boy), delay)


CATAPULT1 = Sprite("CATAPULT1", "catapult1.png", SEESAW_SIZE, [
    Frameset("IDLE", [seesaw_frame_of(TILT, ("seated", 0.0, "calm"), 1400),
                      seesaw_frame_of(TILT, ("seated", 14.0, "calm"), 260)]),
    Frameset("FIRE", [seesaw_frame_of(TILT, ("seated", 0.0, "calm"), 80),
                      seesaw_frame_of(0.0, ("seated", -10.0, "shock"), 90),
                      seesaw_frame_of(-TILT, ("leaping", 44.0), 120),
                      seesaw_frame_of(-TILT, ("leaping", 32.0), 170)], once=True),
    Frameset("EMPTY", [seesaw_frame_of(-TILT, None, 1000)]),
], box=Box.part("catapult"))


# --- CATAPULT2 -------------------------------------------------------------------------------------

THROWER_SIZE = (60, 48)
AXLE = (29.0, 28.0)
ARM = 21.0
COCKED, RELEASED = 28.0, -100.0      # arm angles, degrees (0 points right, positive down)


def arm_point(angle, along, across=0.0):
    """A point `along` the arm from the axle and `across` it, towards the bucket's open side."""
    a = math.radians(angle)
    d = (math.cos(a), math.sin(a))
    n = (d[1], -d[0])
    return (AXLE[0] + d[0] * along + n[0] * across, AXLE[1] + d[1] * along + n[1] * across)


def thrower_frame(c):
    w, h = THROWER_SIZE
    post = beam((17, 40), (22.5, 14.5), 3.0)
    trestle = beam((AXLE[0] - 6, 40), AXLE, 3.2) + beam((AXLE[0] + 6, 40), AXLE, 3.2)
    chassis = beam((3, 40), (w - 3, 40), 5.0)
    wooden(c, post)
    wooden(c, trestle)
    wooden(c, chassis, [[(5, 40), (w - 5, 40)]])
    c.fill(stroke([(4, 42.2), (w - 4, 42.2)], 1.2), P.CAST_IRON)
    for x in (14, w - 14):
        wheel(c, x, h - 6.5, 6.0, turn=x * 5)
    cushion = round_box(18.5, 9.5, 26.2, 15.5, 2.5)
    c.outlined(cushion, P.LEATHER)
    c.shade(cushion, P.LEATHER_SHADE, (1.0, 1.0))
    c.fill(stroke([(19.5, 12.5), (25.2, 12.5)], 0.6), P.LEATHER_SHADE)


def thrower_arm(c, angle, loaded):
    tip = arm_point(angle, ARM)
    arm = beam(arm_point(angle, -4), tip, 3.0)
    cup = _turned_cup(tip, angle)
    wooden(c, arm)
    c.outlined(cup, P.WOOD_SHADE)
    if loaded:
        draw_stone(c, 15, *arm_point(angle, ARM, 4.4), (4.4, 3.6, 4.2, 3.8, 4.5, 3.5, 4.3, 3.7),
                   P.BOULDER, P.BOULDER_SHADE, P.BOULDER_LIGHT)
    c.outlined(circle(*AXLE, 1.7), P.CAST_IRON, 0.8)


def _turned_cup(tip, angle):
    """The bucket: a half bowl at the arm's tip, open across the arm."""
    a = math.radians(angle)
    d = (math.cos(a), math.sin(a))
    n = (d[1], -d[0])
    pts = []
    for k in range(13):
        t = math.pi * k / 12
        u, v = 4.8 * math.cos(t), -3.6 * math.sin(t)
        pts.append((tip[0] + d[0] * u + n[0] * v, tip[1] + d[1] * u + n[1] * v))
    inner = pts[::-1]
    inner = [(tip[0] + (x - tip[0]) * 0.62 + n[0] * 0.8, tip[1] + (y - tip[1]) * 0.62 + n[1] * 0.8)
             for x, y in inner]
    return path(pts, inner)


def draw_thrower(c, angle, loaded):
    thrower_frame(c)
    thrower_arm(c, angle, loaded)


def thrower_frame_of(angle, loaded, delay):
    return Frame(lambda c: draw_thrower(c, angle, loaded), delay)


CATAPULT2 = Sprite("CATAPULT2", "catapult2.png", THROWER_SIZE, [
    Frameset("IDLE", [thrower_frame_of(COCKED, True, 1000)]),
    Frameset("FRAMESET1", [thrower_frame_of(COCKED, False, 40),
                           thrower_frame_of(-20.0, False, 50),
                           thrower_frame_of(RELEASED, False, 160),
                           thrower_frame_of(-60.0, False, 110),
                           thrower_frame_of(COCKED, False, 140)], once=True),
])

SPRITES = [CATAPULT1, CATAPULT2]
