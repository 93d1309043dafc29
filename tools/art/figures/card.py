"""Storybook cards: a cream paper frame with a picture clipped inside it."""
from .. import palette as P
from ..shapes import round_box


def card(c, x0, y0, x1, y1, scene, border=6, radius=8):
    """Draw a card and call scene(c, inner_shape) to paint the picture inside it."""
    c.fill(round_box(x0 + 3, y0 + 4, x1 + 3, y1 + 4, radius), P.OUTLINE, opacity=0.4)
    c.outlined(round_box(x0, y0, x1, y1, radius), P.PAPER, 1.5)
    c.shade(round_box(x0, y0, x1, y1, radius), P.PAPER_SHADE, (1.5, 2))
    inner = round_box(x0 + border, y0 + border, x1 - border, y1 - border, radius - 3)
    c.fill(inner, P.OUTLINE, grow=1.2)
    scene(c, inner)
