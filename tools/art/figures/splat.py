"""A dropping burst: what the bird leaves on the head of whoever it hits."""
from .. import palette as P
from ..shapes import circle, ellipse, stroke


def draw_splat(c, x, y, size=1.0, place=None):
    """A burst sitting on a surface at (x, y) - its bottom middle - with a drip down one side
    and a few flying drops. `place` maps the shapes (for example onto a tilted head)."""
    place = place or (lambda shape: shape)
    s = size
    blob = (ellipse(x + 0.6, y - 1.6 * s, 4.4 * s, 2.2 * s) + circle(x - 2.8 * s, y - 0.4 * s, 1.5 * s)
            + circle(x + 3.6 * s, y - 0.2 * s, 1.4 * s) + circle(x + 0.6, y - 3.0 * s, 1.8 * s))
    drip = stroke([(x - 3.0 * s, y - 0.5 * s), (x - 3.3 * s, y + 3.0 * s)], 1.3 * max(s, 0.8))
    c.figure([(place(blob), P.SPLAT_LIGHT), (place(drip), P.SPLAT_LIGHT)], 0.8)
    c.fill(place(circle(x, y - 1.4 * s, 1.6 * s) + circle(x + 2.6 * s, y - 0.6 * s, 0.9 * s)), P.SPLAT)
    c.fill(place(circle(x - 3.3 * s, y + 3.1 * s, 0.9 * max(s, 0.8))), P.SPLAT_LIGHT)
    for dx, dy in ((-6.0, -5.0), (6.5, -4.0), (-1.0, -7.0)):
        c.outlined(place(circle(x + dx * s, y + dy * s, 0.7 * max(s, 1.0))), P.SPLAT_LIGHT, 0.6)
