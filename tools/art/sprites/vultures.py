"""The vultures of the desert: SUP, a scruffy bald vulture that hunts the bird, and GOLDENSUP,
a golden one carrying a cannonball in its talons, which it drops from there (x + 30, y + 25).
RIGHT and LEFT beat the wings; ANGRY_... screech with the beak open. The box is the body and
head, not the wings."""
import math

from .. import palette as P
from ..figures.person import light
from ..model import Box, Frame, Frameset, Sprite
from ._twins import twin
from ..shapes import bezier, circle, ellipse, path, polygon, stroke

SIZE = (64, 40)
WINGS = (-125.0, 175.0, 130.0, 175.0)   # direction of the wing in each beat: up, back, down, back
BEAT_MS = 110


def wing_parts(root, direction, length, width):
    """(vane, fingers) of a broad wing reaching from `root` in `direction` (degrees on screen,
    0 = right, -90 = up), its leading edge towards the front of the bird."""
    lead = -1.0 if math.sin(math.radians(direction)) <= 0 else 1.0
    vane = path(bezier((0.0, 0.0), (length * 0.2, width * 0.8 * lead), (length * 0.6, width * 0.7 * lead),
                       (length * 0.8, width * 0.25 * lead)),
                bezier((length * 0.8, width * 0.25 * lead), (length * 0.7, -width * 0.45 * lead),
                       (length * 0.3, -width * 0.6 * lead), (0.0, 0.0)))
    fingers = None
    for k in range(4):
        y = width * (0.35 - k * 0.25) * lead
        finger = stroke([(length * 0.6, y * 0.6), (length * (0.97 - 0.06 * k), y)], 2.2 - k * 0.2)
        fingers = finger if fingers is None else fingers + finger
    a = math.radians(direction)
    cs, sn = math.cos(a), math.sin(a)

    def place(p):
        return (root[0] + p[0] * cs - p[1] * sn, root[1] + p[0] * sn + p[1] * cs)
    return vane.map(place), fingers.map(place)


def draw_vulture(c, beat, angry, golden):
    coat, shade, tip = ((P.GOLD_FEATHER, P.GOLD_FEATHER_SHADE, P.GOLD_TIP) if golden
                        else (P.VULTURE, P.VULTURE_SHADE, P.VULTURE_TIP))
    direction = WINGS[beat]
    bob = -math.sin(math.radians(direction)) * 1.2
    cx, cy = 32.0, 23.0 + bob
    far_vane, far_fingers = wing_parts((cx + 3.0, cy - 3.0), direction + 10.0, 20.0, 10.0)
    c.figure([(far_fingers, tip), (far_vane, shade)])
    body = ellipse(cx, cy, 12.0, 6.5, -6)
    tail = polygon([(cx - 9.0, cy - 3.0), (cx - 19.0, cy - 4.0), (cx - 20.0, cy + 1.0), (cx - 17.0, cy + 4.0),
                    (cx - 8.0, cy + 3.0)])
    neck = stroke(bezier((cx + 8.0, cy - 1.0), (cx + 12.0, cy - 4.0), (cx + 15.0, cy - 7.0)), 3.4)
    head = circle(cx + 17.0, cy - 8.0, 4.4)
    ruff = None
    for k in range(6):
        a = math.radians(100 + k * 45)
        puff = circle(cx + 9.5 + math.cos(a) * 2.6, cy - 3.0 + math.sin(a) * 2.4, 2.0)
        ruff = puff if ruff is None else ruff + puff
    gape = 2.5 if angry else 0.0
    upper = path(bezier((cx + 19.0, cy - 11.0), (cx + 24.5, cy - 10.5), (cx + 26.0, cy - 7.0), (cx + 24.0, cy - 5.0)),
                 bezier((cx + 24.0, cy - 5.0), (cx + 23.5, cy - 7.5), (cx + 21.0, cy - 7.5), (cx + 19.0, cy - 7.0)))
    lower = polygon([(cx + 19.0, cy - 6.5), (cx + 23.0, cy - 6.0 + gape), (cx + 19.5, cy - 4.5 + gape * 0.5)])
    legs = stroke([(cx + 1.0, cy + 5.0), (cx + 0.5, cy + 9.0)], 1.5) + stroke([(cx + 4.0, cy + 5.0), (cx + 4.5, cy + 9.0)], 1.5)
    c.figure([(legs, P.TALON)], 0.8)
    if golden:
        ball = circle(cx + 2.5, cy + 12.0, 4.0)
        c.outlined(ball, P.GREY_SHADE)
        c.shade(ball, P.PENGUIN_BLACK, light(1.4))
        c.fill(circle(cx + 1.2, cy + 10.6, 1.2), P.GREY, opacity=0.9)
        c.fill(stroke([(cx + 2.5, cy + 8.0), (cx + 3.5, cy + 6.0)], 1.0), P.ROPE)
    c.figure([(tail, shade), (lower, P.HOOK_SHADE), (neck, P.VULTURE_SKIN), (head, P.VULTURE_SKIN),
              (upper, P.HOOK), (body, coat)])
    c.shade(body, shade, light(2.0))
    for k in range(3):
        c.fill(stroke([(cx - 16.0 + k * 1.2, cy - 2.5 + k * 2.0), (cx - 9.0, cy - 1.5 + k * 1.5)], 0.7), tip, clip=tail)
    c.shade(head, P.VULTURE_SKIN_SHADE, light(1.0))
    c.outlined(ruff, P.RUFF)
    c.shade(ruff, P.RUFF_SHADE, light(1.2))
    eye = ellipse(cx + 17.8, cy - 9.2, 1.7, 2.0)
    c.outlined(eye, P.EYE_WHITE, 0.6)
    c.fill(circle(cx + 18.5, cy - 9.0, 1.0), P.ANGER if angry else P.PUPIL, clip=eye)
    slant = 1.4 if angry else 0.4
    c.fill(stroke([(cx + 15.8, cy - 12.0 - slant * 0.3), (cx + 19.8, cy - 11.0 + slant)], 1.0), P.OUTLINE)
    if angry:
        c.fill(ellipse(cx + 21.0, cy - 6.2 + gape * 0.3, 1.6, 0.8), P.TONGUE)
    vane, fingers = wing_parts((cx + 0.5, cy - 1.5), direction, 22.0, 11.0)
    c.figure([(fingers, tip), (vane, coat)])
    c.shade(vane, shade, light(1.4))
    c.mark("body", body + head)


def vulture(name, file, golden):
    def frames(angry, mirror):
        return [Frame(twin((b, angry, golden), lambda c, b=b: draw_vulture(c, b, angry, golden)),
                      BEAT_MS if not angry else 90, mirror=mirror) for b in range(len(WINGS))]
    return Sprite(name, file, SIZE, [
        Frameset("RIGHT", frames(False, False)),
        Frameset("LEFT", frames(False, True)),
        Frameset("ANGRY_LEFT", frames(True, True)),
        Frameset("ANGRY_RIGHT", frames(True, False)),
    ], box=Box.part("body", margin=1))


SPRITES = [
    vulture("SUP", "sup.png", golden=False),
    vulture("GOLDENSUP", "goldensup.png", golden=True),
]
