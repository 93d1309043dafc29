"""Things that fly or fall: the bird's dropping first; stones, balls and drops join it."""
from .. import palette as P
from ..model import Box, Frame, Frameset, Sprite
from ..shapes import bezier, circle, path

DROPPING = (120, 84, 52)
DROPPING_SHADE = (84, 56, 34)
DROPPING_LIGHT = (236, 226, 200)


def draw_bobek(c):
    """A small brown-and-white blob, pointed at the top like a falling drop."""
    blob = path(bezier((3.5, 0.6), (5.2, 3.0), (6.6, 5.4), (5.6, 7.2)),
                bezier((5.6, 7.2), (4.4, 8.6), (2.6, 8.6), (1.4, 7.2)),
                bezier((1.4, 7.2), (0.4, 5.4), (1.8, 3.0), (3.5, 0.6)))
    c.outlined(blob, DROPPING, 0.8)
    c.shade(blob, DROPPING_SHADE, (0.8, 0.9))
    c.fill(circle(3.0, 5.2, 1.1), DROPPING_LIGHT, opacity=0.9)


BOBEK = Sprite("BOBEK", "bobek.png", (7, 9), [
    Frameset("FRAMESET1", [Frame(draw_bobek, 1000)]),
], box=Box.opaque(margin=1))

SPRITES = [BOBEK]
