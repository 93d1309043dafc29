"""Birds' things on the summer levels: NEST, where two chicks beg for food (the game scores a
dropping only while the first frame, beaks open, shows; then they doze), EGG (also what the bird
generators look like) and LITTLEBIRD, a blue tit perched in the way, whose small box is solid."""
from .. import palette as P
from ..figures.nest import egg, nest_back, nest_front
from ..figures.person import light
from ..model import Box, Frame, Frameset, Sprite
from ..shapes import arc_points, bezier, circle, ellipse, path, polygon, stroke

NEST_SIZE = (40, 31)
NEST_RIM = 18.0


def chick(c, x, y, facing, beak_open, eyes_open):
    """A fluffy chick, the hero's colours, its head at (x, y)."""
    body = ellipse(x - facing * 0.5, y + 5.0, 5.0, 4.5)
    head = circle(x, y, 4.6)
    tuft = stroke(bezier((x - facing * 0.5, y - 4.0), (x - facing * 1.0, y - 7.0), (x - facing * 3.0, y - 7.0)), 1.4)
    c.figure([(body, P.CHICK_DOWN), (tuft, P.CHICK_DOWN), (head, P.CHICK_DOWN)])
    c.shade(head, P.CHICK_DOWN_SHADE, light(1.0))
    bx = x + facing * 3.6
    if beak_open:
        upper = polygon([(bx, y - 2.8), (bx + facing * 4.6, y - 5.8), (bx + facing * 1.5, y - 0.2)])
        lower = polygon([(bx, y - 0.4), (bx + facing * 4.0, y + 1.8), (bx + facing * 0.6, y + 1.6)])
        gape = polygon([(bx - facing * 0.3, y - 2.6), (bx + facing * 2.6, y - 3.2), (bx + facing * 2.4, y + 0.8),
                        (bx - facing * 0.3, y + 1.2)])
        c.outlined(gape, P.GAPE, 0.7)
        c.outlined(upper, P.BEAK, 0.7)
        c.outlined(lower, P.BEAK_SHADE, 0.7)
    else:
        beak = polygon([(bx - facing * 0.3, y - 1.6), (bx + facing * 3.2, y), (bx - facing * 0.3, y + 1.4)])
        c.outlined(beak, P.BEAK, 0.7)
    ex = x + facing * 1.0
    if eyes_open:
        eye = ellipse(ex, y - 1.2, 1.6, 1.9)
        c.outlined(eye, P.EYE_WHITE, 0.6)
        c.fill(circle(ex + facing * 0.5, y - 1.6, 0.95), P.PUPIL)
    else:
        c.fill(stroke(arc_points(ex, y - 1.6, 1.4, 1.0, 20, 160), 0.8), P.OUTLINE)


def draw_nest(c, beaks_open, eyes_open):
    cx = NEST_SIZE[0] / 2
    nest_back(c, cx, NEST_RIM, 34.0)
    lift = 2.5 if beaks_open else 0.0
    chick(c, cx - 6.0, NEST_RIM - 5.0 - lift, -1, beaks_open, eyes_open)
    chick(c, cx + 5.5, NEST_RIM - 4.0 - lift * 1.2, 1, beaks_open, eyes_open)
    bowl = nest_front(c, cx, NEST_RIM, 34.0, seed=7)
    c.mark("nest", bowl + circle(cx, NEST_RIM - 6.0, 8.0))


NEST = Sprite("NEST", "nest.png", NEST_SIZE, [
    Frameset("FRAMESET1", [Frame(lambda c: draw_nest(c, True, True), 1600),
                           Frame(lambda c: draw_nest(c, False, False), 1000),
                           Frame(lambda c: draw_nest(c, False, True), 400)]),
], box=Box.opaque(margin=(2, 3, 2, 2)))

EGG = Sprite("EGG", "egg.png", (14, 18), [
    Frameset("FRAMESET1", [Frame(lambda c: egg(c, 7.0, 17.0, 15.5), 1000)]),
], box=Box.opaque(margin=1))

BIRD_SIZE = (24, 20)


def draw_littlebird(c, mood):
    """A blue tit on its twig, facing left: head turned (mood "look"), eyes shut ("blink") or
    singing ("chirp")."""
    feet = stroke([(10.0, 16.0), (9.5, 19.0)], 1.0) + stroke([(13.5, 16.0), (14.0, 19.0)], 1.0)
    c.figure([(feet, P.FEET)], 0.7)
    tail = polygon([(16.0, 12.0), (23.0, 16.5), (22.0, 18.0), (15.0, 15.0)])
    body = ellipse(12.5, 12.0, 6.5, 5.5, -15)
    head = circle(8.5, 6.5 + (0.5 if mood == "look" else 0.0), 4.8)
    c.figure([(tail, P.TIT_BLUE_SHADE), (body, P.TIT_YELLOW), (head, P.TIT_BLUE)])
    c.fill(ellipse(13.5, 9.5, 5.5, 3.0, -15), P.TIT_GREEN, clip=body)
    c.shade(body, P.TIT_YELLOW_SHADE, light(1.2))
    c.fill(path(arc_points(8.5, 7.5, 4.2, 3.2, 100, 330)), P.WHITE, clip=head)
    c.fill(stroke([(4.0, 6.8), (12.0, 6.8)], 1.1), P.PENGUIN_BLACK, clip=head)
    wing = path(bezier((11.0, 10.0), (17.0, 9.0), (20.0, 12.0), (18.5, 14.5)), bezier((18.5, 14.5), (15.0, 15.0),
                                                                                       (11.5, 13.5), (11.0, 10.0)))
    c.outlined(wing, P.TIT_BLUE)
    c.shade(wing, P.TIT_BLUE_SHADE, light(0.9))
    gape = 1.2 if mood == "chirp" else 0.0
    beak = polygon([(4.2, 6.6 - gape * 0.5), (1.0, 7.3 - gape), (4.2, 8.0)])
    c.outlined(beak, P.OUTLINE, 0.5)
    if gape:
        c.outlined(polygon([(4.2, 7.4), (1.6, 8.4 + gape), (4.4, 8.6)]), P.OUTLINE, 0.5)
        for k in range(2):
            c.fill(stroke(arc_points(0.5, 5.0, 1.5 + k * 1.5, 1.8 + k * 1.6, 150, 210), 0.6), P.OUTLINE, opacity=0.8)
    if mood == "blink":
        c.fill(stroke(arc_points(7.0, 6.0, 1.2, 0.8, 20, 160), 0.7), P.OUTLINE)
    else:
        eye = circle(7.0, 5.8, 1.3)
        c.fill(eye, P.PUPIL)
        c.fill(circle(6.6, 5.4, 0.45), P.WHITE)
    c.mark("body", body + head)


LITTLEBIRD = Sprite("LITTLEBIRD", "littlebird.png", BIRD_SIZE, [
    Frameset("FRAMESET1", [Frame(lambda c: draw_littlebird(c, "rest"), 1400),
                           Frame(lambda c: draw_littlebird(c, "blink"), 140),
                           Frame(lambda c: draw_littlebird(c, "rest"), 900),
                           Frame(lambda c: draw_littlebird(c, "chirp"), 300),
                           Frame(lambda c: draw_littlebird(c, "look"), 700)]),
], box=Box.part("body", margin=2))

SPRITES = [NEST, EGG, LITTLEBIRD]
