"""BOSS2, the flying boss: an armoured airship with a snarling face on its hull, two engines on
pylons and a gondola where its moustached pilot sits.

It patrols both ways, so it is drawn face-on to the player from the side, with an engine at
each end. Its bombs drop from the bay under the gondola, at (x + 90 / 105 / 120, y + 135), and
its gun fires from the turret at (x + 105, y + 130). AKTIVNI is the live look (propellers
spinning, eyes glowing), FRAMESET1 the washed-out look after a near miss, DESTROYED the wreck
that sinks when the level is won: a torn hull pouring smoke, dead eyes, a stopped engine and a
dizzy pilot. The box is the hull and gondola, the same in every frame.
"""
import math

from .. import palette as P
from ..figures import wardrobe as W
from ..figures.machinery import beam, propeller, puff, rivets
from ..figures.person import Build, Look, Pose, Skeleton, draw_person
from ..model import Box, Frame, Frameset, Sprite
from ..shapes import bezier, box, circle, ellipse, path, polygon, round_box, star, stroke
from .projectiles import ball, hazard_framesets

SIZE = (224, 136)
HULL = (112.0, 46.0, 106.0, 40.0)        # centre x, y and radii
BAY = (86.0, 138.0)                      # left and right end of the bomb bay under the gondola
TURRET = (111.0, 124.0)
ENGINES = ((34.0, 98.0, -1), (190.0, 98.0, 1))   # nacelle centre and which way it points
PHASES = (0.0, 0.25, 0.5, 0.75)
BOX = (20, 8, 204, 124)                  # the hull between its tapering ends, and the gondola

BARON = Look(
    Build(thigh=6.0, shin=6.0, torso=11.0, chest=6.2, waist=5.6, head=7.6, arm=5.6, limb=3.8,
          hand=2.0, foot=3.8),
    top=(P.BOSS_HULL_SHADE, P.OUTLINE), legs=(P.TROUSERS_GREY, P.TROUSERS_GREY_SHADE),
    items=(W.short_hair((P.HAIR_BLACK, P.HAIR_BLACK_SHADE)),
           W.cap((P.BOSS_HULL_SHADE, P.OUTLINE)),
           W.mustache((P.HAIR_BLACK, P.HAIR_BLACK_SHADE), 1.5)),
    nose=2.2, eyes=0.9,
)


def draw_hull(c, wrecked):
    cx, cy, rx, ry = HULL
    hull = ellipse(cx, cy, rx, ry)
    c.outlined(hull, P.BOSS_HULL, 1.4)
    for k in range(-3, 4):
        x = cx + k * 28.0
        half = ry * math.sqrt(max(0.0, 1 - ((x - cx) / rx) ** 2))
        band = stroke(bezier((x, cy - half), (x + k * 3.0, cy), (x, cy + half)), 3.0)
        c.fill(band, P.BOSS_PLATE, clip=hull)
        rivets(c, [(x + k * 1.5, cy + t * half * 0.8) for t in (-0.75, -0.25, 0.25, 0.75)], 0.7, P.BOSS_HULL_LIGHT)
    c.fill(stroke([(cx - rx + 6, cy + 2), (cx + rx - 6, cy + 2)], 2.0), P.BOSS_HULL_SHADE, clip=hull,
           opacity=0.7)
    c.shade(hull, P.BOSS_HULL_SHADE, (0, 9.0))
    c.fill(ellipse(cx - 40, cy - 26, 40, 6, -4), P.BOSS_HULL_LIGHT, clip=hull, opacity=0.7)
    if wrecked:
        dents = (ellipse(54, 30, 9, 6, 20), ellipse(176, 62, 8, 5, -15))
        for dent in dents:
            c.fill(dent, P.BOSS_HULL_SHADE, clip=hull)
        hole = polygon([(150, 20), (160, 14), (168, 22), (176, 16), (180, 30), (170, 36), (158, 33)])
        c.outlined(hole, P.OUTLINE, 1.2)
        for x in (158, 166, 173):
            c.fill(stroke([(x, 18), (x + 1, 33)], 1.2), P.BOSS_HULL_SHADE, clip=hole)
        patch = round_box(40, 56, 58, 68, 1.5)
        c.outlined(patch, P.GUNMETAL)
        rivets(c, [(42, 58), (56, 58), (42, 66), (56, 66)], 0.6)


def draw_face(c, glow, wrecked):
    """Two glaring eyes under riveted brows and a shark grin painted across the hull."""
    for ex, side in ((80.0, -1), (144.0, 1)):
        eye = ellipse(ex, 36, 13, 9.5)
        c.outlined(eye, P.BOSS_MAW if wrecked else P.BOSS_EYE, 1.2)
        if wrecked:
            c.fill(stroke([(ex - 6, 31), (ex + 6, 41)], 2.2) + stroke([(ex - 6, 41), (ex + 6, 31)], 2.2),
                   P.BOSS_EYE_HOT, opacity=0.8)
        else:
            c.fill(ellipse(ex, 37, 11, 7.5), P.BOSS_EYE_HOT, opacity=0.35 + 0.25 * glow, clip=eye)
            c.outlined(ellipse(ex - side * 1.5, 37, 2.4, 6.5), P.OUTLINE, 0.8)
            c.fill(circle(ex - side * 5.5, 33, 1.8), P.WHITE, opacity=0.9)
        brow = polygon([(ex - 16 * side, 22), (ex + 15 * side, 27 if not wrecked else 21),
                        (ex + 15 * side, 31 if not wrecked else 25), (ex - 16 * side, 28)])
        c.outlined(brow, P.GUNMETAL, 1.2)
        c.shade(brow, P.GUNMETAL_SHADE, (0, 1.5))
        rivets(c, [(ex - 10 * side, 26), (ex + 9 * side, 28 if not wrecked else 23)], 0.7)
    top = bezier((62, 55), (90, 62), (134, 62), (162, 55))
    bottom = bezier((162, 55), (146, 78), (78, 78), (62, 55))
    maw = path(top, bottom)
    c.outlined(maw, P.BOSS_MAW, 1.2)
    teeth = []
    for k in range(9):
        x = 68 + k * 11.0
        if wrecked and k in (2, 6):
            continue
        y_top = 58.5 + 2.6 * math.sin(math.pi * (x - 62) / 100)
        teeth.append(polygon([(x - 4.5, y_top - 2), (x + 4.5, y_top - 2), (x, y_top + 7)]))
    for k in range(7):
        x = 78 + k * 11.0
        y_bottom = 72 - 3.0 * math.sin(math.pi * (x - 62) / 100) + 3.5
        teeth.append(polygon([(x - 4, y_bottom + 2), (x + 4, y_bottom + 2), (x, y_bottom - 6)]))
    for tooth in teeth:
        c.fill(tooth, P.TOOTH, clip=maw)
        c.shade(tooth, P.SHIRT_WHITE_SHADE, (1.2, 0), clip=maw)


GONDOLA = path([(70, 84)], bezier((70, 84), (72, 110), (84, 122), (100, 124)),
               [(122, 124)], bezier((122, 124), (140, 122), (152, 110), (154, 84)))
WINDOW = round_box(90, 87, 134, 114, 5)


def draw_pilot(c, wrecked):
    pose = Pose(near_leg=(90.0, 0.0), far_leg=(90.0, 0.0), near_arm=(75.0, 100.0), far_arm=(65.0, 95.0),
                lean=4.0, mood="dizzy" if wrecked else "sneer", gaze=(-0.6, 0.4))
    hip = Skeleton(BARON, pose, 0, 0).hip
    draw_person(c, BARON, pose, 116 - hip[0], 121 - hip[1], facing=-1)


def draw_gondola(c, wrecked):
    """The armoured cabin, the pilot seen through its window, and the bomb bay under it."""
    body, window = GONDOLA, WINDOW
    for x0, x1 in ((84, 92), (132, 140)):
        c.outlined(beam((x0, 76), (x0 + 2, 88), 3.0) + beam((x1, 76), (x1 - 2, 88), 3.0), P.GUNMETAL)
    c.outlined(body, P.GUNMETAL, 1.2)
    c.fill(window, P.ICICLE_SHADE)
    draw_pilot(c, wrecked)
    frame = c.mask(body) - c.mask(window)
    c.fill(frame, P.GUNMETAL)
    c.shade(frame, P.GUNMETAL_SHADE, (4.0, 3.0))
    c.fill(c.mask(window, grow=1.2) - c.mask(window), P.OUTLINE)
    c.fill(stroke([(124, 110), (132, 94)], 2.0), P.WHITE, clip=window, opacity=0.35)
    if wrecked:
        c.fill(stroke([(94, 90), (104, 99), (98, 110)], 0.8) + stroke([(104, 99), (120, 94)], 0.8),
               P.WHITE, clip=window)
    rivets(c, [(76, 92), (148, 92), (80, 104), (144, 104), (92, 118), (132, 118)], 0.8)
    draw_bay(c, wrecked)


def draw_bay(c, wrecked):
    x0, x1 = BAY
    bay = round_box(x0, 118, x1, 130, 3)
    c.outlined(bay, P.GUNMETAL_SHADE, 1.2)
    for x in (97.0, 112.0, 127.0):
        ball(c, x, 126.5, 4.6, P.ICICLE, P.ICICLE_SHADE, P.ICICLE_LIGHT)
    c.fill(stroke([(x0 + 2, 121), (x1 - 2, 121)], 1.4), P.GUNMETAL)
    if not wrecked:
        tx, ty = TURRET
        c.outlined(beam((tx, ty), (tx + 11, ty + 1), 3.0), P.GUNMETAL)
        c.outlined(circle(tx, ty, 4.5), P.GUNMETAL)
        c.shade(circle(tx, ty, 4.5), P.GUNMETAL_SHADE, (1.2, 1.2))


def draw_engine(c, x, y, side, phase, wrecked):
    pylon = beam((x - side * 6, y - 6), (x - side * 22, 78), 4.0)
    c.outlined(pylon, P.GUNMETAL)
    nacelle = round_box(x - 13, y - 8, x + 13, y + 8, 7)
    c.outlined(nacelle, P.BOSS_HULL, 1.2)
    c.shade(nacelle, P.BOSS_HULL_SHADE, (0, 3.0))
    for k in (-6.0, 0.0, 6.0):
        c.fill(stroke([(x + k, y - 7), (x + k, y + 7)], 1.0), P.BOSS_HULL_SHADE, clip=nacelle)
    hub = (x + side * 15.0, y)
    if wrecked:
        blade = stroke([(hub[0] + side * 2, hub[1] - 12), hub, (hub[0] - side * 3, hub[1] + 8)], 2.4)
        c.outlined(blade, P.GUNMETAL)
        c.outlined(circle(*hub, 2.2), P.CAST_IRON, 0.8)
    else:
        propeller(c, hub, 13.0, phase)


def smoke_plume(c, phase):
    """Black smoke billowing out of the torn hull, flames licking at the edges."""
    for k in range(5):
        t = (phase + k / 5.0) % 1.0
        puff(c, 164 + t * 26.0, 22 - t * 20.0, 5.0 + t * 7.0, P.SOOT, P.SOOT_SHADE, 1.0 - 0.45 * t)
    for k, (x, y) in enumerate(((156.0, 24.0), (170.0, 30.0), (178.0, 20.0))):
        flick = 1.8 * math.sin(2 * math.pi * (phase + k * 0.35))
        c.fill(star(x, y, 5.5 + flick, 2.4, 5, phase * 72 + k * 30), P.SPARK_HOT)
        c.fill(star(x, y, 3.0 + flick * 0.5, 1.3, 5, phase * 72 + k * 30 + 20), P.SPARK)


def draw_boss(c, phase, wrecked=False):
    for x, y, side in ENGINES:
        draw_engine(c, x, y, side, phase if side > 0 else (phase + 0.4) % 1.0, wrecked and side > 0)
    draw_gondola(c, wrecked)
    draw_hull(c, wrecked)
    draw_face(c, 0.5 + 0.5 * math.cos(2 * math.pi * phase), wrecked)
    if wrecked:
        smoke_plume(c, phase)
        puff(c, 198 + 4 * math.sin(2 * math.pi * phase), 88 - phase * 8, 4.5, P.SOOT, P.SOOT_SHADE, 0.8)
    c.mark("boss", box(*BOX))


BOSS2 = Sprite("BOSS2", "boss2.png", SIZE,
               hazard_framesets([Frame(lambda c, p=p: draw_boss(c, p), 60) for p in PHASES], initial="FRAMESET1")
               + [Frameset("DESTROYED", [Frame(lambda c, p=p: draw_boss(c, p, wrecked=True), 110)
                                         for p in PHASES])],
               box=Box.part("boss"))

SPRITES = [BOSS2]
