"""Ice crystals growing out of the snow: KRYSTAL1 a small cluster, KRYSTAL2 a tall one. A glint
runs up their faces. Scenery, no box."""
from .. import palette as P
from ..canvas import linear
from ..model import Frame, Frameset, Sprite
from ..shapes import ellipse, polygon, stroke

GLINT_STEPS = 4


def _prism(x, ground, w, h, lean):
    """A six-sided crystal standing on the ground, tipped by `lean` pixels."""
    top = (x + lean, ground - h)
    return polygon([(x - w / 2, ground), (x - w / 2 + lean * 0.8, ground - h * 0.78), top,
                    (x + w / 2 + lean * 0.8, ground - h * 0.78), (x + w / 2, ground)])


def _cluster(prisms, w, h, step):
    def draw(c):
        ground = h - 0.5
        for x, pw, ph, lean in prisms:
            shape = _prism(x, ground, pw, ph, lean)
            c.outlined(shape, P.ICE)
            c.fill(shape, linear(P.ICE_LIGHT, P.ICE, (x - pw, ground - ph), (x + pw, ground)))
            c.fill(polygon([(x + lean * 0.5, ground), (x + lean * 0.9, ground - ph * 0.78), (x + lean, ground - ph),
                            (x + pw / 2 + lean * 0.8, ground - ph * 0.78), (x + pw / 2, ground)]),
                   P.ICE_SHADE, opacity=0.6)
            c.fill(stroke([(x - pw * 0.2, ground - 2), (x - pw * 0.2 + lean * 0.7, ground - ph * 0.7)], 0.8),
                   P.WHITE, opacity=0.7)
            t = (step + 0.5) / GLINT_STEPS
            gy = ground - ph * 0.75 * t
            c.fill(stroke([(x - pw * 0.4 + lean * t * 0.8, gy + 2), (x + pw * 0.3 + lean * t * 0.8, gy - 2)], 1.4),
                   P.WHITE, opacity=0.8, clip=shape)
        drift = ellipse(w / 2, ground + 1, w * 0.48, 4.5)
        c.outlined(drift, P.SNOW)
        c.shade(drift, P.SNOW_SHADE, (0, 1.5))
        if step == GLINT_STEPS - 1:
            x, _, ph, lean = max(prisms, key=lambda p: p[2])
            sx, sy = x + lean, ground - ph - 1
            c.fill(stroke([(sx - 3, sy), (sx + 3, sy)], 0.8) + stroke([(sx, sy - 3), (sx, sy + 3)], 0.8), P.WHITE)
    return draw


def _crystal(name, file, size, prisms):
    w, h = size
    frames = [Frame(_cluster(prisms, w, h, k), 140 if k < GLINT_STEPS - 1 else 900) for k in range(GLINT_STEPS)]
    return Sprite(name, file, size, [Frameset("FRAMESET1", frames)])


SPRITES = [
    _crystal("KRYSTAL1", "krystal1.png", (30, 44), ((9, 8, 22, -3), (21, 8, 26, 3), (15, 10, 36, 0))),
    _crystal("KRYSTAL2", "krystal2.png", (46, 64), ((10, 9, 28, -5), (35, 10, 34, 5), (17, 11, 46, -2),
                                                    (28, 13, 56, 1))),
]
