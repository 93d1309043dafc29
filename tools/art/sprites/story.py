"""The opening story pictures, drawn over the story backdrop as overlapping storybook cards.

INTRO1 at (0, 0): the hero leaves his eggs because he is very hungry (the text sits below it).
INTRO2 at (130, 110): someone else is making his own plans (ends above the text at y 275).
INTRO3 at (296, 223): the eggs are taken; its lower left stays clear of the story lines.
"""
from .. import palette as P
from ..canvas import linear
from ..figures import landscape as L
from ..figures import thief
from ..figures.bird import draw_bird
from ..figures.card import card
from ..figures.nest import egg, nest_back, nest_front
from ..model import Frame, Frameset, Sprite
from ..shapes import box, circle, ellipse, stroke


def _sky_and_ground(c, inner, top, bottom, ground_y, ground=P.GRASS):
    x0, y0, x1, y1 = inner.bounds()
    c.fill(inner, linear(top, bottom, (0, y0), (0, ground_y)))
    c.fill(box(x0, ground_y, x1, y1), ground, clip=inner)
    c.shade(box(x0, ground_y, x1, y1), P.GRASS_LIGHT, (0, 3), clip=inner)


def _branch_nest(c, x, y, w, eggs, inner):
    c.fill(stroke([(x - w * 1.6, y + w * 0.22), (x + w * 0.6, y + w * 0.16)], w * 0.16 + 3), P.OUTLINE, clip=inner)
    c.fill(stroke([(x - w * 1.6, y + w * 0.22), (x + w * 0.6, y + w * 0.16)], w * 0.16), P.TRUNK, clip=inner)
    nest_back(c, x, y, w, outline=2)
    for i in range(eggs):
        egg(c, x + (i - (eggs - 1) / 2) * w * 0.26, y + w * 0.12, w * 0.36, (i - 1) * 10, outline=2)
    nest_front(c, x, y, w, outline=2)


def _thought(c, x, y, rx, ry, tail, content):
    for i, (tx, ty, r) in enumerate(tail):
        c.outlined(circle(tx, ty, r), P.WHITE, 1.5)
    bubble = ellipse(x, y, rx, ry) + circle(x - rx * 0.5, y - ry * 0.5, ry * 0.7) + circle(x + rx * 0.45, y - ry * 0.45, ry * 0.75)
    c.figure([(bubble, P.WHITE)], 1.5)
    content(c, x, y)


def _apple(c, x, y):
    a = circle(x - 5, y, 11) + circle(x + 5, y, 11)
    c.outlined(a, P.RED, 1.5)
    c.shade(a, (170, 30, 40), (2.5, 2.5))
    c.fill(stroke([(x, y - 9), (x + 2, y - 16)], 2.2), P.TRUNK)
    c.outlined(ellipse(x + 7, y - 15, 6, 3, -25), P.GREEN, 1.2)
    c.fill(circle(x - 8, y - 4, 2.5), P.WHITE, opacity=0.8)


def _eggs_thought(c, x, y):
    for dx, tilt in ((-20, -10), (0, 0), (20, 10)):
        egg(c, x + dx, y + 14, 25, tilt, outline=1.5)


def draw_intro1(c):
    def scene(c, inner):
        _sky_and_ground(c, inner, (96, 160, 230), (206, 234, 255), 214)
        L.cloud(c, 300, 70, 90)
        L.cloud(c, 560, 190, 70)
        L.tree(c, 90, 240, 3.4, seed=7)
        _branch_nest(c, 130, 150, 110, 3, inner)
        draw_bird(c, 470, 112, 3.4, wing="down", mood="worried")
        _thought(c, 568, 52, 34, 24, ((516, 84, 4), (530, 72, 6)), _apple)
        for i, x in enumerate((400, 372, 346)):
            c.fill(circle(x, 128 + i * 3, 5 - i), P.WHITE, opacity=0.7)
    card(c, 14, 10, 626, 264, scene)


def draw_intro2(c):
    def scene(c, inner):
        _sky_and_ground(c, inner, (70, 90, 150), (150, 150, 196), 118, ground=(80, 130, 70))
        for x, y, r in ((40, 118, 40), (110, 126, 34), (330, 120, 44), (392, 112, 30)):
            bush = circle(x, y, r) + circle(x + r * 0.7, y + 6, r * 0.7) + circle(x - r * 0.7, y + 8, r * 0.6)
            c.figure([(bush, P.LEAVES_SHADE)], 1.5)
            c.shade(bush, (30, 80, 46), (r * 0.15, r * 0.2))
        thief.body(c, 120, 96, 26, 2)
        thief.head(c, 120, 72, 26, 2)
        thief.rubbing_hands(c, 120, 122, 26, 2)
        front = circle(76, 156, 34) + circle(170, 160, 40)
        c.figure([(front, P.LEAVES)], 1.5)
        c.shade(front, P.LEAVES_SHADE, (4, 5))
        _thought(c, 262, 54, 58, 34, ((166, 60, 5), (186, 52, 8)), _eggs_thought)
    card(c, 4, 4, 394, 160, scene)


def draw_intro3(c):
    def scene(c, inner):
        _sky_and_ground(c, inner, (120, 170, 230), (214, 236, 255), 112)
        _branch_nest(c, 112, 62, 74, 0, inner)
        draw_bird(c, 102, 38, 1.6, wing="up", mood="worried")
        for i, x in enumerate((196, 178, 160)):
            c.fill(stroke([(x, 80 + i * 8), (x - 22, 80 + i * 8)], 2.0), P.WHITE, opacity=0.8)
        thief.legs_running(c, 250, 104, 22, 1.5)
        thief.body(c, 250, 56, 22, 1.5)
        thief.head(c, 252, 36, 21, 1.5)
        thief.sack(c, 220, 82, 50, 1.5)
    card(c, 44, 2, 338, 148, scene)


def story_sprite(name, size, draw):
    return Sprite(name, name.lower() + ".png", size, [Frameset("FRAMESET1", [Frame(draw, 1000)])], ss=3)


SPRITES = [
    story_sprite("INTRO1", (640, 270), draw_intro1),
    story_sprite("INTRO2", (400, 165), draw_intro2),
    story_sprite("INTRO3", (340, 150), draw_intro3),
]
