"""The hero: a plump red bird with a cream belly, a tuft and big eyes.

`draw_bird` draws him at any size, facing either way, turned by any angle, with the wing up,
level or down, in summer or winter gear, happy, worried or dizzy. One drawing serves the
sprites, the title screen, the story pictures and the hint window.
Local units: at scale 1 the body is about 22 x 18 pixels and the whole bird about 36 x 26.
"""
import math

from .. import palette as P
from ..shapes import bezier, circle, ellipse, path, polygon, stroke

WING_ANGLES = {"up": -128.0, "mid": 172.0, "down": 128.0}


def _leaf(base, length, width, angle_deg):
    """A wing: rounded at the shoulder, pointed at the tip, turned to `angle_deg`."""
    bx, by = base
    upper = bezier((0, 0), (length * 0.25, -width * 0.75), (length * 0.8, -width * 0.45), (length, 0))
    lower = bezier((length, 0), (length * 0.7, width * 0.55), (length * 0.2, width * 0.65), (0, 0))
    shape = path(upper, lower)
    a = math.radians(angle_deg)
    c, s = math.cos(a), math.sin(a)
    return shape.map(lambda p: (bx + p[0] * c - p[1] * s, by + p[0] * s + p[1] * c))


class _Pose:
    """Maps the bird's local units to canvas pixels."""

    def __init__(self, cx, cy, scale, facing, rotation):
        self.cx, self.cy, self.scale, self.facing = cx, cy, scale, facing
        a = math.radians(rotation)
        self.c, self.s = math.cos(a), math.sin(a)

    def point(self, p):
        x, y = p[0] * self.scale * self.facing, p[1] * self.scale
        return (self.cx + x * self.c - y * self.s, self.cy + x * self.s + y * self.c)

    def __call__(self, shape):
        placed = shape.map(self.point)
        placed.strokes = [(pts, w * self.scale) for pts, w in placed.strokes]
        return placed


def body_shape():
    return ellipse(0, 2, 11, 9) + circle(5, -4, 7.5)


def draw_bird(canvas, cx, cy, scale=1.0, facing=1, rotation=0.0, wing="mid", winter=False,
              mood="happy", outline=None, scarf_wave=0.0):
    """Draw the bird with its body centre at (cx, cy) on the canvas.

    wing: "up" | "mid" | "down"; mood: "happy" | "worried" | "dizzy" | "closed";
    facing: 1 right, -1 left; scarf_wave: 0..1 phase of the scarf's flutter (winter only).
    Marks the part "body" (the round body and head) for collision boxes.
    """
    T = _Pose(cx, cy, scale, facing, rotation)
    ow = outline if outline is not None else max(P.OUTLINE_WIDTH, 0.75 * scale)

    body = T(body_shape())
    tail = T(_leaf((-7, 1.5), 11.5, 5.0, 196.0) + _leaf((-7, 0.5), 12.0, 5.0, 213.0)
             + _leaf((-7, -0.5), 10.0, 4.6, 230.0))
    tuft = T(stroke(bezier((3, -10), (2, -15), (-3, -15)), 2.2)
             + stroke(bezier((5.5, -10.5), (6, -15), (2, -16.5)), 2.0))
    beak_upper = T(polygon([(10.5, -7), (17.5, -3.8), (11, -2)]))
    beak_lower = T(polygon([(10.5, -3), (15.5, -2.2), (10.5, -0.5)]))
    if mood == "dizzy":
        beak_upper = T(polygon([(10.5, -7.5), (17.5, -6.2), (11.5, -3.5)]))
        beak_lower = T(polygon([(10.5, -2.5), (15.5, 0.5), (10.5, 0.5)]))
    wing_shape = T(_leaf((-1.5, 1.0), 12.5, 7.5, WING_ANGLES[wing]))

    # Back wing of a flapping pose peeks out behind the body.
    if wing == "up":
        back = T(_leaf((1.0, -1.0), 10.5, 6.0, -105.0))
        canvas.outlined(back, P.BIRD_SHADE, ow)

    head_top = [] if winter else [(tuft, P.BIRD)]      # the cap hides the tuft in winter
    canvas.figure([(tail, P.BIRD_SHADE)] + head_top + [(body, P.BIRD),
                   (beak_lower, P.BEAK_SHADE), (beak_upper, P.BEAK)], ow)
    canvas.shade(tail, _darker(P.BIRD_SHADE), (1.2 * scale, 1.2 * scale))
    canvas.shade(body, P.BIRD_SHADE, _light(T, 2.2))
    canvas.shade(body, P.BIRD_LIGHT, _light(T, -1.2), opacity=0.8)
    belly = T(ellipse(3.5, 5.5, 8.0, 5.5))
    canvas.fill(belly, P.BELLY, clip=body)
    canvas.shade(belly, P.BELLY_SHADE, _light(T, 1.5), clip=body)
    canvas.shade(beak_upper, P.BEAK_SHADE, _light(T, 0.9))
    canvas.mark("body", body)

    if winter:
        _winter_gear(canvas, T, ow, scarf_wave, scale)
    _eyes(canvas, T, mood, ow)
    if mood != "dizzy":
        canvas.fill(T(ellipse(9.5, 0.3, 2.0, 1.2)), P.CHEEK, opacity=0.7)

    canvas.outlined(wing_shape, P.BIRD, ow)
    canvas.shade(wing_shape, P.BIRD_SHADE, _light(T, 1.6))
    for f in (0.45, 0.7):
        a = math.radians(WING_ANGLES[wing])
        ex, ey = -1.5 + 12.5 * f * math.cos(a), 1.0 + 12.5 * f * math.sin(a)
        nx, ny = -math.sin(a), math.cos(a)
        canvas.fill(T(stroke([(ex - nx * 2.2, ey - ny * 2.2), (ex + nx * 1.2, ey + ny * 1.2)], 0.7)),
                    P.BIRD_SHADE, opacity=0.9)
    return body


def _light(T, depth):
    """Shade offset (canvas pixels) for light from the upper left of the screen."""
    return (depth * T.scale * 0.8, depth * T.scale)


def _darker(c, f=0.8):
    return tuple(int(v * f) for v in c)


def _eyes(canvas, T, mood, ow):
    eye = T(ellipse(7.5, -5.5, 3.3, 3.9))
    if mood == "closed":
        canvas.fill(T(stroke(bezier((5, -5), (7.5, -3), (10, -5)), 1.2)), P.OUTLINE)
        return
    canvas.outlined(eye, P.WHITE, ow * 0.8)
    if mood == "dizzy":
        spiral = [(7.6 + 0.28 * t * math.cos(t), -5.4 + 0.3 * t * math.sin(t))
                  for t in [i * 0.35 for i in range(28)]]
        canvas.fill(T(stroke(spiral, 0.8)), P.PUPIL)
        return
    if mood == "worried":
        canvas.fill(T(circle(8.0, -4.6, 1.9)), P.PUPIL)
        canvas.fill(T(stroke([(5, -10.2), (9.8, -9.0)], 1.1)), P.OUTLINE)
    else:
        canvas.fill(T(circle(8.8, -5.2, 1.9)), P.PUPIL)
    canvas.fill(T(circle(9.5, -6.2, 0.7)), P.WHITE)


def _winter_gear(canvas, T, ow, wave, scale):
    flutter = math.sin(wave * 2 * math.pi) * 2.0
    tail = T(polygon([(-1, 2), (-9, 2.5 + flutter), (-14, 4 + flutter * 1.5),
                      (-13, 7.5 + flutter * 1.5), (-8, 6.5 + flutter), (-1, 6)]))
    band = T(stroke(bezier((-0.5, 3.0), (5, 5.5), (11, 1.5)), 3.8))
    canvas.figure([(tail, P.SCARF), (band, P.SCARF)], ow)
    canvas.shade(tail, P.SCARF_SHADE, _light(T, 1.2))
    for i in (0.45, 0.8):
        x = -1 - 13 * i
        canvas.fill(T(stroke([(x, 2.6 + flutter * i * 1.2), (x + 0.6, 6.6 + flutter * i * 1.2)], 1.2)),
                    P.SCARF_STRIPE, clip=tail)
    canvas.shade(band, P.SCARF_SHADE, _light(T, 1.0))
    cap = T(path(bezier((-2.0, -8.0), (-1.5, -17.0), (10.5, -16.5), (11.0, -9.8)),
                 [(11.0, -9.8), (-2.0, -8.0)]))
    brim = T(stroke([(-2.4, -8.4), (11.4, -10.2)], 2.4))
    pompom = T(circle(-2.0, -14.6, 2.5))
    canvas.figure([(cap, P.CAP)], ow)
    canvas.shade(cap, P.CAP_SHADE, _light(T, 1.5))
    canvas.figure([(brim, P.POMPOM), (pompom, P.POMPOM)], ow)
    canvas.shade(pompom, P.POMPOM_SHADE, _light(T, 1.0))
    canvas.shade(brim, P.POMPOM_SHADE, _light(T, 0.8))
