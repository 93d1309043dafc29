"""FLYINGBOY: the village boy (CLOVEK3's look) flung high by the catapult, tumbling head over
heels. AKTIVNI, the look the game keeps him in, whoops with joy; FRAMESET1, shown for a while
after the bird dodged him, is wide-eyed.

He appears 30 px above the catapult's top and falls back onto it; his box must not reach the
catapult's box at that moment (box bottom <= 30 + the catapult's EMPTY box top). His box ends
inside his 30 px frame, so this holds for any catapult box (we assume EMPTY's bY = 8). The box
is his middle and keeps still while he spins: the game measures near misses from its centre.
"""
from dataclasses import replace

from ..figures.person import Pose, Skeleton, draw_person
from ..model import Box, Frame, Frameset, Sprite
from ..shapes import circle
from .villagers import BOY

SIZE = (28, 30)
SCALE = 0.68
SMALL_BOY = replace(BOY, build=BOY.build.scaled(SCALE))
SPREAD = (
    Pose(near_leg=(45.0, 25.0), far_leg=(-40.0, -30.0), near_arm=(95.0, 120.0), far_arm=(-105.0, -135.0)),
    Pose(near_leg=(30.0, 5.0), far_leg=(-50.0, -45.0), near_arm=(80.0, 95.0), far_arm=(-120.0, -150.0)),
)
TURNS = (0.0, 90.0, 180.0, 270.0)


CENTRE = (SIZE[0] / 2, SIZE[1] / 2)
CORE = 7.5                           # radius of his rolled-up middle: the box, the same every frame


def tumble(mood, turn, spread):
    pose = replace(SPREAD[spread], mood=mood, gaze=(0.0, -0.5))
    still = Skeleton(SMALL_BOY, pose, 0.0, 0.0)
    pivot = still.hip[1] - SMALL_BOY.build.torso * 0.4

    def draw(c):
        draw_person(c, SMALL_BOY, pose, CENTRE[0], CENTRE[1] - pivot, spin=turn)
        c.mark("core", circle(*CENTRE, CORE))
    return Frame(draw, 90)


def flights(mood):
    return [tumble(mood, t, i % 2) for i, t in enumerate(TURNS)]


SPRITES = [
    Sprite("FLYINGBOY", "flyingboy.png", SIZE, [
        Frameset("FRAMESET1", flights("shock")),
        Frameset("AKTIVNI", flights("laugh")),
    ], box=Box.part("core")),
]
