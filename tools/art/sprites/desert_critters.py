"""Small things of the desert levels: SKORPION, which crawls right and shoots spikes from its
sting (they leave from the top middle of the frame), and EGGRUNNER, a masked weasel running off
with one of the hero's eggs. Both keep their box above the frame's bottom edge, the ground."""
import math

from .. import palette as P
from ..figures.nest import egg
from ..figures.person import light
from ..figures.quadruped import GALLOP, Beast, draw_beast
from ..model import Box, Frame, Frameset, Sprite
from ..shapes import bezier, circle, ellipse, path, stroke

SCORPION_SIZE = (54, 30)


def draw_scorpion(c, step, angry):
    w, h = SCORPION_SIZE
    ground = h - 0.5
    body_y = ground - 6.0
    sway = math.sin(step * math.pi / 2)
    # Legs: four on each side, the far ones first, stepping in turn.
    for far in (True, False):
        for k in range(4):
            phase = math.sin(step * math.pi / 2 + k * 1.6 + (math.pi if far else 0.0))
            hip = (19.0 + k * 4.0, body_y + 1.0)
            knee = (hip[0] - 2.5 + phase * 1.5, hip[1] - 3.0 if far else hip[1] - 2.0)
            foot = (hip[0] - 4.0 + phase * 2.5, ground - 0.5)
            c.figure([(stroke([hip, knee, foot], 1.3), P.SCORPION_DARK if far else P.SCORPION_SHADE)], 0.7)
    # Tail: segments curling up over the back to a sting above the middle of the frame.
    lash = (2.0 if angry else 0.8) * sway
    joints = [(14.0, body_y - 1.0), (8.5, body_y - 4.0), (6.5, body_y - 10.0 + lash * 0.5),
              (9.0, body_y - 15.5 + lash), (14.5, body_y - 18.5 + lash), (20.5, body_y - 18.0 + lash)]
    for k, (a, b) in enumerate(zip(joints, joints[1:])):
        seg = stroke([a, b], 5.0 - k * 0.5)
        c.outlined(seg, P.SCORPION)
        c.shade(seg, P.SCORPION_SHADE, light(0.8))
    tx, ty = joints[-1]
    sting = path(bezier((tx - 1.0, ty - 2.0), (tx + 3.5, ty - 2.5), (tx + 5.0, ty + 1.0), (tx + 6.5, ty + 3.5)),
                 bezier((tx + 6.5, ty + 3.5), (tx + 3.0, ty + 2.5), (tx, ty + 2.0), (tx - 1.0, ty - 2.0)))
    c.outlined(sting, P.STING)
    # Body: a row of plates and the head.
    body = ellipse(24.0, body_y - 1.0, 12.0, 4.6)
    c.outlined(body, P.SCORPION)
    c.shade(body, P.SCORPION_SHADE, light(1.2))
    for x in (16.0, 21.0, 26.0):
        c.fill(stroke([(x, body_y - 5.5), (x + 1.0, body_y + 3.0)], 0.8), P.SCORPION_SHADE, clip=body)
    # Claws: arms forward, pincers open wide when angry.
    snap = (3.0 if angry else 1.0) * (0.5 + 0.5 * math.cos(step * math.pi))
    lift = 4.0 if angry else 0.0
    for far, dy in ((True, -1.5), (False, 1.0)):
        colour = P.SCORPION_SHADE if far else P.SCORPION
        elbow = (38.0, body_y - 0.5 + dy - lift * 0.5)
        wrist = (41.5, body_y - 3.5 + dy - lift)
        arm = stroke([(33.0, body_y + dy), elbow, wrist], 2.2)
        wx, wy = wrist[0] + 2.0, wrist[1]
        upper = stroke(bezier((wx, wy - 1.0), (wx + 3.0, wy - 3.5 - snap), (wx + 7.0, wy - 2.5 - snap),
                              (wx + 8.0, wy - 0.5 - snap * 0.5)), 1.8)
        lower = stroke(bezier((wx, wy + 1.0), (wx + 2.5, wy + 2.5 + snap * 0.5), (wx + 5.0, wy + 2.0 + snap * 0.5),
                              (wx + 6.0, wy + 0.8)), 1.5)
        palm = ellipse(wx - 0.5, wy, 3.0, 2.4)
        c.figure([(arm, colour), (upper, colour), (lower, colour), (palm, colour)], 0.9)
    # Face: two big eyes on the front of the head, angry brows when cross.
    for ex in (31.0, 34.0):
        eye = ellipse(ex, body_y - 4.5, 1.5, 1.9)
        c.outlined(eye, P.EYE_WHITE, 0.6)
        c.fill(circle(ex + 0.5, body_y - 4.4, 0.9), P.ANGER if angry else P.PUPIL, clip=eye)
        if angry:
            c.fill(stroke([(ex - 1.6, body_y - 7.4), (ex + 1.4, body_y - 6.2)], 0.8), P.OUTLINE)
    c.mark("body", body)


SKORPION = Sprite("SKORPION", "skorpion.png", SCORPION_SIZE, [
    Frameset("RIGHT", [Frame(lambda c, i=i: draw_scorpion(c, i, False), 110) for i in range(4)]),
    Frameset("ANGRY_RIGHT", [Frame(lambda c, i=i: draw_scorpion(c, i, True), 90) for i in range(4)]),
], box=Box.part("body", margin=1).limit(bottom=SCORPION_SIZE[1] - 1))

RUNNER_HEIGHT = 33


def bandit_mask(c, parts):
    hx, hy = parts.head
    r = parts.beast.head
    mask = path(bezier((hx - r * 0.5, hy - r * 0.45), (hx + r * 0.3, hy - r * 0.75), (hx + r * 0.95, hy - r * 0.5)),
                bezier((hx + r * 0.95, hy - r * 0.5), (hx + r * 1.05, hy + r * 0.05), (hx + r * 0.6, hy + r * 0.1)),
                bezier((hx + r * 0.6, hy + r * 0.1), (hx, hy - r * 0.05), (hx - r * 0.6, hy + r * 0.05)))
    c.fill(mask, P.BANDIT_MASK, clip=circle(hx, hy, r + 0.4))


WEASEL = Beast(coat=(P.WEASEL, P.WEASEL_SHADE), body=(12.0, 4.8), head=6.0, snout=(3.5, 3.0),
               neck=(1.5, -5.0), leg=(3.8, 3.8, 2.8), belly=(P.CREAM_FUR, P.CREAM_FUR_SHADE),
               muzzle=(P.CREAM_FUR, P.CREAM_FUR_SHADE), ears="round", tail="thin",
               tail_tip=(P.BANDIT_MASK, P.BANDIT_MASK), extras=(bandit_mask,))


def draw_runner(c, stride):
    parts = draw_beast(c, WEASEL, stride, 22.0, RUNNER_HEIGHT)
    hx, hy = parts.head
    r = WEASEL.head
    egg(c, hx + r * 1.25, hy + r * 1.3, 8.0, tilt=70.0, outline=0.9, spots=True)


EGGRUNNER = Sprite("EGGRUNNER", "eggrunner.png", (56, RUNNER_HEIGHT), [
    Frameset("RIGHT", [Frame(lambda c, s=s: draw_runner(c, s), 65) for s in GALLOP]),
], box=Box.part("body", margin=1).limit(bottom=RUNNER_HEIGHT - 1))

SPRITES = [SKORPION, EGGRUNNER]
