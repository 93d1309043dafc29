"""The egg thief: a sneaky fellow in a flat cap and an eye mask, with a sack."""
from .. import palette as P
from .nest import egg
from ..shapes import bezier, circle, ellipse, path, round_box, stroke

SKIN = (255, 206, 160)
SKIN_SHADE = (222, 158, 116)
COAT = (92, 110, 96)
COAT_SHADE = (62, 78, 68)
CAP = (110, 84, 70)
CAP_SHADE = (78, 58, 50)
MASK = (58, 48, 84)
SACK = (196, 160, 104)
SACK_SHADE = (150, 114, 70)


def head(c, x, y, s, ow):
    """Head centred on (x, y), `s` is the head radius."""
    face = circle(x, y, s)
    c.outlined(face, SKIN, ow)
    c.shade(face, SKIN_SHADE, (s * 0.15, s * 0.15))
    mask = path(bezier((x - s * 0.95, y - s * 0.35), (x, y - s * 0.6), (x + s * 0.98, y - s * 0.35)),
                bezier((x + s * 0.98, y - s * 0.35), (x + s, y + s * 0.1), (x + s * 0.9, y + s * 0.05)),
                bezier((x + s * 0.9, y + s * 0.05), (x, y - s * 0.1), (x - s * 0.9, y + s * 0.05)))
    c.fill(mask, MASK, clip=face)
    for ex in (-0.35, 0.38):
        c.fill(ellipse(x + ex * s, y - s * 0.15, s * 0.2, s * 0.13), P.WHITE)
        c.fill(circle(x + ex * s + s * 0.09, y - s * 0.15, s * 0.08), P.PUPIL)
    c.fill(stroke([(x - s * 0.55, y - s * 0.5), (x - s * 0.1, y - s * 0.38)], s * 0.1), P.OUTLINE)
    c.fill(stroke([(x + s * 0.15, y - s * 0.38), (x + s * 0.62, y - s * 0.52)], s * 0.1), P.OUTLINE)
    c.outlined(ellipse(x + s * 0.22, y + s * 0.18, s * 0.22, s * 0.18), (240, 150, 120), ow * 0.8)
    c.fill(stroke(bezier((x - s * 0.35, y + s * 0.45), (x + s * 0.1, y + s * 0.7), (x + s * 0.55, y + s * 0.4)),
                  s * 0.1), P.OUTLINE)
    for i in range(7):
        c.fill(circle(x - s * 0.5 + i * s * 0.16, y + s * (0.72 - (i % 2) * 0.06), s * 0.035), SKIN_SHADE)
    cap = path(bezier((x - s * 1.05, y - s * 0.3), (x - s, y - s * 1.35), (x + s * 0.9, y - s * 1.3), (x + s * 1.0, y - s * 0.45)),
               [(x + s * 1.55, y - s * 0.35), (x + s * 1.5, y - s * 0.2), (x - s * 1.05, y - s * 0.3)])
    c.outlined(cap, CAP, ow)
    c.shade(cap, CAP_SHADE, (s * 0.12, s * 0.15))


def body(c, x, top, s, ow):
    """Coat from `top` down, about 2.2 s wide and 2.6 s tall."""
    coat = path(bezier((x - s * 0.7, top), (x - s * 1.3, top + s * 1.2), (x - s * 1.2, top + s * 2.6)),
                [(x + s * 1.2, top + s * 2.6)],
                bezier((x + s * 1.2, top + s * 2.6), (x + s * 1.3, top + s * 1.2), (x + s * 0.7, top)))
    c.outlined(coat, COAT, ow)
    c.shade(coat, COAT_SHADE, (s * 0.2, s * 0.1))
    c.fill(stroke([(x, top + s * 0.3), (x, top + s * 2.5)], ow), COAT_SHADE)


def rubbing_hands(c, x, y, s, ow):
    for dx in (-0.22, 0.22):
        c.outlined(ellipse(x + dx * s, y, s * 0.3, s * 0.24, 20 if dx < 0 else -20), SKIN, ow)


def sack(c, x, y, s, ow, eggs=True):
    """A full sack whose bottom centre is at (x, y), `s` tall."""
    bag = path(bezier((x - s * 0.2, y - s * 0.8), (x - s * 0.75, y - s * 0.6), (x - s * 0.6, y), (x, y)),
               bezier((x, y), (x + s * 0.6, y), (x + s * 0.75, y - s * 0.6), (x + s * 0.2, y - s * 0.8)))
    if eggs:
        egg(c, x - s * 0.12, y - s * 0.66, s * 0.36, -18, outline=ow, spots=False)
        egg(c, x + s * 0.14, y - s * 0.7, s * 0.34, 15, outline=ow, spots=False)
    c.outlined(bag, SACK, ow)
    c.shade(bag, SACK_SHADE, (s * 0.08, s * 0.06))
    c.fill(stroke([(x - s * 0.24, y - s * 0.75), (x + s * 0.24, y - s * 0.75)], ow * 1.6), SACK_SHADE)


def legs_running(c, x, top, s, ow):
    for pts in (((x - s * 0.3, top), (x - s * 0.9, top + s * 0.7), (x - s * 1.5, top + s * 0.6)),
                ((x + s * 0.3, top), (x + s * 0.6, top + s * 0.9), (x + s * 0.5, top + s * 1.5))):
        c.fill(stroke(list(pts), s * 0.38 + 2 * ow), P.OUTLINE)
        c.fill(stroke(list(pts), s * 0.38), (70, 70, 100))
        fx, fy = pts[-1]
        c.outlined(round_box(fx - s * 0.25, fy - s * 0.12, fx + s * 0.35, fy + s * 0.18, s * 0.12), (90, 60, 50), ow)


