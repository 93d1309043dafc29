"""Balloons: the hot-air balloons with a thrower in the basket (BALON in summer, WINTERBALON in
winter), the trigger balloon carrying nets of snowballs, and the red balloon.

The balloons' volley starts at (x + 15, y + 50), where the thrower stands in the basket. The
trigger balloon wears a target, the thing to hit: its two nets hang where its falling
snowballs appear, (x, y + 50) and (x + 40, y + 50), and the snowball it lobs now and then
comes from the heap on its shoulder at (x + 30, y + 10). The red balloon "SPOT" is a grinning
hazard (AKTIVNI live, FRAMESET1 washed out after a near miss), its box only the balloon.
"""
from .. import palette as P
from ..figures import wardrobe as W
from ..figures.machinery import beam, wooden
from ..figures.person import Build, Look, Pose, draw_person
from ..model import Box, Frame, Frameset, Sprite
from ..shapes import bezier, box, circle, ellipse, path, polygon, round_box, stroke
from .projectiles import ball, hazard_framesets

HOT_AIR_SIZE = (40, 70)
TRIGGER_SIZE = (54, 60)
NET_X = 7.5                    # the nets hang over the falling snowballs' spawn points
RED_SIZE = (30, 40)

THROWER_BUILD = Build(thigh=4.6, shin=4.6, torso=9.5, chest=4.4, waist=4.0, head=5.4, arm=4.4,
                      limb=2.9, hand=1.5, foot=3.2)
BALLOONIST = Look(
    THROWER_BUILD, top=(P.DRESS_GREEN, P.DRESS_GREEN_SHADE), legs=(P.TROUSERS_BROWN, P.TROUSERS_BROWN_SHADE),
    items=(W.short_hair((P.HAIR_BLACK, P.HAIR_BLACK_SHADE)), W.cap((P.SHIRT_RED, P.SHIRT_RED_SHADE)),
           W.mustache((P.HAIR_BLACK, P.HAIR_BLACK_SHADE), 0.8)),
    nose=1.6, eyes=0.8,
)
WINTER_BALLOONIST = Look(
    THROWER_BUILD, top=(P.ENVELOPE_BLUE, P.ENVELOPE_BLUE_SHADE), legs=(P.TROUSERS_GREY, P.TROUSERS_GREY_SHADE),
    items=(W.beanie((P.SHIRT_RED, P.SHIRT_RED_SHADE)),
           *W.scarf((P.SCARF, P.SCARF_SHADE), stripe=P.SCARF_STRIPE)),
    nose=1.6, eyes=0.8,
)


# --- hot-air balloons -------------------------------------------------------------------------------

def hot_air_envelope(c, colours, shades):
    cx = HOT_AIR_SIZE[0] / 2
    left = bezier((cx - 5, 41), (cx - 10, 36), (1.5, 28), (1.5, 18.5))
    top = bezier((1.5, 18.5), (1.5, -4.5), (2 * cx - 1.5, -4.5), (2 * cx - 1.5, 18.5))
    right = bezier((2 * cx - 1.5, 18.5), (2 * cx - 1.5, 28), (cx + 10, 36), (cx + 5, 41))
    envelope = path(left, top, right)
    c.outlined(envelope, colours[0])
    middle, centre = c.mask(ellipse(cx, 20, 12.0, 26)), c.mask(ellipse(cx, 20, 4.5, 26))
    c.fill(middle, colours[1], clip=envelope)
    c.fill(centre, colours[0], clip=envelope)
    c.shade(envelope, shades[0], (3.5, 2.5), clip=(c.mask(envelope) - middle) | centre)
    c.shade(envelope, shades[1], (3.5, 2.5), clip=middle - centre)
    c.fill(ellipse(cx - 10, 11, 2.4, 5.0, 20), P.WHITE, opacity=0.5, clip=envelope)
    skirt = round_box(cx - 5.5, 39, cx + 5.5, 43, 1.2)
    c.outlined(skirt, P.BASKET_SHADE)
    return envelope


def burner_flame(c, flicker):
    cx = HOT_AIR_SIZE[0] / 2
    flame = path(bezier((cx - 2.2, 45), (cx - 2.6, 42), (cx - 0.5, 41 - flicker), (cx, 38.5 - flicker)),
                 bezier((cx, 38.5 - flicker), (cx + 0.8, 41), (cx + 2.6, 42.5), (cx + 2.2, 45)))
    c.fill(flame, P.SPARK_HOT)
    c.fill(ellipse(cx, 43.2, 1.1, 1.6), P.SPARK)


def basket_front(c):
    cx = HOT_AIR_SIZE[0] / 2
    basket = round_box(cx - 9, 56, cx + 9, 68.6, 2.0)
    c.outlined(basket, P.BASKET)
    c.shade(basket, P.BASKET_SHADE, (1.6, 1.2))
    for y in (60.0, 63.5, 67.0):
        c.fill(stroke([(cx - 9, y), (cx + 9, y)], 0.5), P.BASKET_SHADE, clip=basket)
    rim = round_box(cx - 10, 54.5, cx + 10, 57.5, 1.2)
    c.outlined(rim, P.LEATHER)
    return basket + rim


def ropes(c):
    cx = HOT_AIR_SIZE[0] / 2
    for top, bottom in (((cx - 5, 42), (cx - 9, 55.5)), ((cx + 5, 42), (cx + 9, 55.5))):
        c.fill(stroke([top, bottom], 0.8), P.ROPE)


def draw_hot_air(c, colours, shades, look, held, throw):
    cx = HOT_AIR_SIZE[0] / 2
    envelope = hot_air_envelope(c, colours, shades)
    ropes(c)
    burner_flame(c, throw * 1.5)
    arm = ((150.0, 175.0), (-40.0, -10.0)) if throw else ((165.0, -160.0), (-30.0, 10.0))
    draw_person(c, look, Pose(near_arm=arm[0], far_arm=arm[1], lean=-4.0 if throw else 2.0,
                              mood="shout" if throw else "grit", held=held, gaze=(0.6, 0.6)),
                cx - 3, 68)
    basket = basket_front(c)
    c.mark("balloon", envelope + basket)


def hot_air_sprite(name, file, colours, shades, look, held):
    frames = [Frame(lambda c, t=t: draw_hot_air(c, colours, shades, look, held, t), d)
              for t, d in ((0, 520), (1, 380))]
    return Sprite(name, file, HOT_AIR_SIZE, [Frameset("FRAMESET1", frames)],
                  box=Box.part("balloon", margin=(2, 2, 2, 1)))


BALON = hot_air_sprite("BALON", "balon.png", (P.ENVELOPE_RED, P.ENVELOPE_YELLOW),
                       (P.ENVELOPE_RED_SHADE, P.ENVELOPE_YELLOW_SHADE), BALLOONIST, "stone")
WINTERBALON = hot_air_sprite("WINTERBALON", "winterbalon.png", (P.ENVELOPE_BLUE, P.ENVELOPE_WHITE),
                             (P.ENVELOPE_BLUE_SHADE, P.ENVELOPE_WHITE_SHADE), WINTER_BALLOONIST, "snowball")


# --- the trigger balloon ----------------------------------------------------------------------------

def snowball_net(c, cx, top, sway):
    """A string net bulging with three snowballs, hanging from (cx, top)."""
    for x, y in ((-2.5, 8.8), (2.5, 8.8), (0.0, 4.5)):
        ball(c, cx + x + sway, top + y, 3.2, P.SNOWBALL, P.SNOWBALL_SHADE, P.WHITE)
    for k in (-1.0, 0.0, 1.0):
        c.fill(stroke([(cx, top), (cx + k * 5.6 + sway, top + 8.6), (cx + k * 1.8 + sway, top + 12.4)], 0.6),
               P.ROPE)
    c.fill(stroke([(cx - 6.0 + sway, top + 7.2), (cx + 6.0 + sway, top + 7.2)], 0.6), P.ROPE)


def draw_trigger(c, sway):
    w, _ = TRIGGER_SIZE
    cx, cy, r = w / 2, 22.0, 17.5
    envelope = circle(cx, cy, r) + polygon([(cx - 7, cy + 14), (cx + 7, cy + 14), (cx + 3, cy + 20), (cx - 3, cy + 20)])
    c.outlined(envelope, P.ENVELOPE_WHITE)
    c.fill(ellipse(cx, cy, 11.0, r + 4), P.ENVELOPE_BLUE, clip=envelope)
    c.fill(ellipse(cx, cy, 4.0, r + 4), P.ENVELOPE_WHITE, clip=envelope)
    c.shade(envelope, P.OUTLINE, (3.5, 3.0), opacity=0.2)
    for radius, colour in ((8.5, P.WHITE), (7.0, P.PARTY_RED), (4.8, P.WHITE), (2.6, P.PARTY_RED)):
        c.fill(circle(cx, cy + 1.5, radius), colour)
    c.fill(ellipse(cx - 10, cy - 8, 2.4, 4.6, 35), P.WHITE, opacity=0.6, clip=envelope)
    for x, y, rr in ((cx + 7.5, 6.5, 2.9), (cx + 12.0, 9.0, 2.7), (cx + 10.5, 4.2, 2.5)):
        ball(c, x, y, rr, P.SNOWBALL, P.SNOWBALL_SHADE, P.WHITE)

    bar_y = 45.0
    for top, bottom in (((cx - 3, cy + 20), (7, bar_y)), ((cx + 3, cy + 20), (w - 7, bar_y))):
        c.fill(stroke([top, bottom], 0.8), P.ROPE)
    bar = beam((3, bar_y), (w - 3, bar_y), 2.6)
    wooden(c, bar)
    snowball_net(c, NET_X, bar_y + 1, sway)
    snowball_net(c, w - NET_X, bar_y + 1, -sway)
    c.mark("balloon", envelope + bar + box(0, bar_y, w, bar_y + 14))


TRIGGERBALOON = Sprite("TRIGGERBALOON", "triggerbaloon.png", TRIGGER_SIZE, [
    Frameset("FRAMESET1", [Frame(lambda c, s=s: draw_trigger(c, s), 300) for s in (-0.4, 0.0, 0.4, 0.0)]),
], box=Box.part("balloon", margin=(1, 1, 1, 1)))


# --- the red balloon --------------------------------------------------------------------------------

def draw_red_balloon(c, wiggle):
    cx = RED_SIZE[0] / 2
    body = path(bezier((cx, 29), (cx - 10, 27), (cx - 13.2, 19), (cx - 13.2, 13)),
                bezier((cx - 13.2, 13), (cx - 13.2, 3.4), (cx - 7, 1.4), (cx, 1.4)),
                bezier((cx, 1.4), (cx + 7, 1.4), (cx + 13.2, 3.4), (cx + 13.2, 13)),
                bezier((cx + 13.2, 13), (cx + 13.2, 19), (cx + 10, 27), (cx, 29)))
    knot = polygon([(cx - 2.2, 31.5), (cx + 2.2, 31.5), (cx, 28.5)])
    string = stroke(bezier((cx, 31.5), (cx + 3 * wiggle, 34), (cx - 3 * wiggle, 37), (cx + wiggle, 39.5)), 0.8)
    c.fill(string, P.OUTLINE)
    c.figure([(knot, P.PARTY_RED_SHADE), (body, P.PARTY_RED)])
    c.shade(body, P.PARTY_RED_SHADE, (3.0, 3.0))
    c.fill(ellipse(cx - 6.2, 7.5, 3.0, 4.6, 25), P.PARTY_RED_LIGHT, clip=body)
    c.fill(ellipse(cx - 6.6, 7.0, 1.6, 2.6, 25), P.WHITE)
    for ex, slant in ((cx - 3.6, 1), (cx + 4.2, -1)):
        c.outlined(ellipse(ex, 13.5, 1.9, 2.5), P.WHITE, 0.7)
        c.fill(circle(ex + 0.5, 14.2, 1.1), P.PUPIL)
        c.fill(stroke([(ex - 2.4, 10.2 - slant * 1.2), (ex + 2.4, 10.2 + slant * 1.2)], 1.1), P.OUTLINE)
    grin = path(bezier((cx - 6, 18.5), (cx - 2, 21), (cx + 3, 21), (cx + 7, 18)),
                bezier((cx + 7, 18), (cx + 4, 25), (cx - 3, 25), (cx - 6, 18.5)))
    c.outlined(grin, P.MOUTH, 0.8)
    c.fill(stroke([(cx - 5, 19.6), (cx + 6, 19.2)], 1.2), P.TOOTH, clip=grin)
    c.mark("balloon", body)


REDBALON = Sprite("REDBALON", "redbalon.png", RED_SIZE,
                  hazard_framesets([Frame(lambda c, w=w: draw_red_balloon(c, w), 160) for w in (1.0, 0.3, -1.0, -0.3)],
                                   initial="FRAMESET1"),
                  box=Box.part("balloon", margin=2))

SPRITES = [BALON, WINTERBALON, TRIGGERBALOON, REDBALON]
