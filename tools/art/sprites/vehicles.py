"""Aircraft crossing the sky from left to right: the biplane and the hang glider.

PLANE carries a basket of eggs under its nose; what it drops appears at (x + 130, y + 50), right
under the basket. ROGALO's pilot holds an iron ball at arm's length; the ball he lets go appears
at (x + 30, y + 50), under his hand. Both are hazards: AKTIVNI is their live look (spinning
propeller, fluttering scarf), FRAMESET1 the washed-out look after a near miss, and the glider's
EMPTY shows the pilot's hand without a ball.
"""
from .. import palette as P
from ..figures import wardrobe as W
from ..figures.machinery import beam, propeller, wheel, wooden
from ..figures.person import Build, Look, Pose, Skeleton, draw_person, light
from ..model import Box, Frame, Frameset, Sprite
from ..shapes import arc_points, bezier, box, circle, ellipse, path, polygon, round_box, stroke
from .projectiles import ball, hazard_framesets

PLANE_SIZE = (156, 56)
GLIDER_SIZE = (72, 50)
PROP_PHASES = (0.0, 0.3, 0.55, 0.8)
PROP_DELAY = 40

PILOT_BUILD = Build(thigh=5.0, shin=5.0, torso=10.5, chest=4.8, waist=4.4, head=5.8, arm=4.8,
                    limb=3.1, hand=1.6, foot=3.4)


def aviator_helmet(colours):
    """A leather flying helmet: a snug dome with an ear flap, leaving the face free."""
    def draw(c, sk):
        r = sk.build.head
        dome = sk.on_head(path(arc_points(0, 0, r + 0.7, r * 1.04 + 0.7, 172, 368),
                               [(r * 1.02, -r * 0.4), (-r * 1.05, -r * 0.2)]))
        flap = sk.on_head(round_box(-r * 0.55, -r * 0.3, -r * 0.05, r * 0.45, 1.5))
        c.figure([(flap, colours[1]), (dome, colours[0])])
        c.shade(dome, colours[1], light(1.2))
    return "head", draw


def pilot(flutter):
    return Look(
        PILOT_BUILD, top=(P.LEATHER, P.LEATHER_SHADE), legs=(P.TROUSERS_BROWN, P.TROUSERS_BROWN_SHADE),
        items=(aviator_helmet((P.LEATHER_TAN, P.LEATHER_TAN_SHADE)),
               W.goggles(P.LEATHER_SHADE, (P.AVIATOR_LENS, P.AVIATOR_LENS)),
               *W.scarf((P.SHIRT_WHITE, P.SHIRT_WHITE_SHADE), stripe=P.SHIRT_RED, flutter=flutter)),
        nose=1.6, eyes=0.85,
    )


def seat(c, look, pose, hip):
    """Draw a person whose hip is at `hip` (however the legs hang)."""
    h = Skeleton(look, pose, 0, 0).hip
    return draw_person(c, look, pose, hip[0] - h[0], hip[1] - h[1])


# --- the biplane ------------------------------------------------------------------------------------

def egg_basket(c):
    """A wicker basket slung under the nose, eggs and a ball peeping out: what the plane drops."""
    for x in (130.5, 143.5):
        c.fill(stroke([(x, 36), (x - 1 if x < 137 else x + 1, 44)], 0.7), P.ROPE)
    ball(c, 137.5, 42.5, 2.6, P.CAST_IRON, P.CAST_IRON_SHADE, P.CAST_IRON_LIGHT)
    for x, tilt in ((133.0, -15), (142.0, 12)):
        egg = ellipse(x, 42.0, 2.9, 3.8, tilt)
        c.outlined(egg, P.EGG)
        c.shade(egg, P.EGG_SHADE, (0.9, 0.9))
    basket = path(bezier((128.5, 44.0), (129, 51.5), (146, 51.5), (146.5, 44.0)))
    c.outlined(basket, P.BASKET)
    c.shade(basket, P.BASKET_SHADE, (1.0, 1.0))
    for y in (46.0, 48.5):
        c.fill(stroke([(129, y), (146, y)], 0.5), P.BASKET_SHADE, clip=basket)


def draw_plane(c, phase):
    fin = path(bezier((10, 21), (6, 10), (10, 2), (18, 2)), bezier((18, 2), (26, 3), (30, 12), (34, 18)),
               [(10, 21)])
    c.outlined(fin, P.PLANE_RED)
    c.shade(fin, P.PLANE_RED_SHADE, (1.5, 1.0))
    c.fill(stroke([(14, 8), (26, 9)], 1.6), P.WHITE, clip=fin)

    flutter = 1.2 if phase >= 0.5 else -0.6
    seat(c, pilot(flutter), Pose(near_arm=(70.0, 100.0), far_arm=(60.0, 95.0), lean=8.0, mood="laugh",
                                 gaze=(1.0, 0.2)), (64.0, 23.5))

    body = path(bezier((14, 20), (30, 16), (44, 14), (54, 14)),
                bezier((54, 14), (58, 19), (72, 19), (76, 13)),
                [(132, 12), (132, 36)],
                bezier((132, 36), (96, 38), (50, 36), (16, 26)))
    c.outlined(body, P.PLANE_BODY)
    c.shade(body, P.PLANE_BODY_SHADE, (0, 3.0))
    c.fill(stroke([(20, 22), (60, 25), (130, 26)], 2.2), P.PLANE_TRIM, clip=body)
    c.outlined(circle(40, 24, 4.2), P.WHITE)
    c.fill(circle(40, 24, 2.6), P.PLANE_TRIM)
    c.fill(circle(40, 24, 1.2), P.PLANE_RED)
    tail_wing = ellipse(22, 22, 14, 2.4)
    c.outlined(tail_wing, P.PLANE_RED)

    for x in (108.0, 120.0):
        c.outlined(beam((x, 35), (114, 48), 1.6), P.CAST_IRON, 0.8)
    wheel(c, 114, 48.5, 5.2, turn=phase * 90)
    egg_basket(c)

    lower = round_box(84, 32.5, 134, 38, 2.6)
    upper = round_box(80, 2.8, 138, 9, 3.0)
    for x in (92.0, 126.0):
        wooden(c, beam((x, 8), (x + 1, 33), 1.8))
    c.fill(stroke([(92, 9), (127, 32)], 0.5) + stroke([(126, 9), (93, 32)], 0.5), P.ROPE)
    for wing in (lower, upper):
        x0, y0, x1, _ = wing.bounds()
        c.outlined(wing, P.PLANE_RED)
        c.shade(wing, P.PLANE_RED_SHADE, (0, 1.8))
        c.fill(stroke([(x0 + 4, y0 + 1.6), (x1 - 5, y0 + 1.6)], 0.9), P.WHITE, opacity=0.55)

    cowl = path(bezier((128, 11), (138, 9), (146, 12), (148, 24)),
                bezier((148, 24), (146, 36), (138, 38), (128, 37)), [(128, 11)])
    c.outlined(cowl, P.PLANE_RED)
    c.shade(cowl, P.PLANE_RED_SHADE, (1.6, 1.8))
    for y in (16.0, 24.0, 32.0):
        c.fill(stroke([(131, y), (140, y)], 0.8), P.PLANE_RED_SHADE, clip=cowl)
    spinner = path(bezier((147, 19), (153, 20), (154, 24), (154, 24)), bezier((154, 24), (153, 28), (147, 29)))
    c.outlined(spinner, P.SHIRT_WHITE)
    propeller(c, (151.5, 24.0), 15.5, phase)
    c.mark("hull", body + upper + lower + cowl)


PLANE = Sprite("PLANE", "plane.png", PLANE_SIZE,
               hazard_framesets([Frame(lambda c, p=p: draw_plane(c, p), PROP_DELAY) for p in PROP_PHASES],
                                initial="FRAMESET1"),
               box=Box.part("hull", margin=(6, 2, 3, 2)))


# --- the hang glider -------------------------------------------------------------------------------

GLIDER_PILOT = Look(
    PILOT_BUILD, top=(P.PLANE_BODY, P.PLANE_BODY_SHADE),
    legs=(P.DENIM, P.DENIM_SHADE),
    items=(W.cap((P.SAIL_BLUE, P.PLANE_TRIM)), W.goggles(P.OUTLINE, (P.AVIATOR_LENS, P.AVIATOR_LENS))),
    nose=1.6, eyes=0.85,
)
NOSE = (70.0, 13.0)
HANG_POINT = (40.0, 15.0)


def sail(c, ripple):
    """The delta wing seen from below: striped panels fanning out from the nose."""
    tip_top, tip_bottom = (3.0, 1.8), (9.0, 28.0)
    trailing = bezier(tip_top, (12, 9 + ripple), (12, 20 - ripple), tip_bottom)
    shape = path([NOSE], trailing)
    c.outlined(shape, P.SAIL_YELLOW)
    stripes = ((0, 5), (10, 15))
    for (i, j), colour in zip(stripes, (P.SAIL_RED, P.SAIL_BLUE)):
        c.fill(polygon([NOSE] + trailing[i:j + 1]), colour, clip=shape)
    c.fill(polygon([NOSE] + trailing[len(trailing) // 2:]), P.OUTLINE, clip=shape, opacity=0.2)
    c.fill(stroke([NOSE, trailing[len(trailing) // 2]], 1.0), P.OUTLINE, opacity=0.7)


def control_frame(c):
    for end in ((31.0, 33.0), (49.0, 33.0)):
        c.outlined(beam(HANG_POINT, end, 1.2), P.STEEL, 0.7)
    c.outlined(beam((28.0, 33.0), (52.0, 33.0), 1.4), P.STEEL, 0.7)


def draw_glider(c, ripple, holding):
    sail(c, ripple)
    control_frame(c)
    pose = Pose(near_leg=(-30.0, -55.0), far_leg=(-18.0, -40.0), near_arm=(20.0, 8.0) if holding else (40.0, 70.0),
                far_arm=(150.0, 140.0), lean=14.0, mood="laugh" if holding else "grit", gaze=(0.4, 1.0),
                open_hands=not holding)
    sk = seat(c, GLIDER_PILOT, pose, (34.0, 34.0))
    c.fill(stroke([HANG_POINT, sk.point(sk.torso_point(0.0, 9.0))], 0.8), P.OUTLINE)
    if holding:
        hx, hy = sk.point(sk.hands[0])
        ball(c, hx + 0.5, hy + 2.5, 4.2, P.CAST_IRON, P.CAST_IRON_SHADE, P.CAST_IRON_LIGHT)
    c.mark("glider", box(16, 6, 62, 44))


def glider_frames(holding):
    return [Frame(lambda c, r=r: draw_glider(c, r, holding), 160) for r in (0.0, 1.2)]


ROGALO = Sprite("ROGALO", "rogalo.png", GLIDER_SIZE,
                hazard_framesets(glider_frames(True), initial="FRAMESET1")
                + [Frameset("EMPTY", glider_frames(False))],
                box=Box.part("glider"))

SPRITES = [PLANE, ROGALO]
