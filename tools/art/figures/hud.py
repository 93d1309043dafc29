"""What a level background holds for the heads-up display: faint panels behind the score,
the clock and the lives and droppings counters, and the lives icon (the hero's head in a round
frame) just left of the "x" + lives text at (570, 18)."""
from .. import palette as P
from ..canvas import Canvas, keep_inside
from ..shapes import circle, round_box
from .bird import draw_bird

# x0, y0, x1, y1: score and required score; level clock; lives and droppings left.
PANELS = ((66, 10, 242, 84), (283, 19, 355, 61), (524, 10, 632, 84))
LIVES_ICON = (549, 34, 15)      # centre x, centre y, radius: ends left of x = 570


def panels(c, opacity=0.24):
    """Soft dark panels with a faint light rim: the light HUD letters read on any sky."""
    for x0, y0, x1, y1 in PANELS:
        c.fill(round_box(x0, y0, x1, y1, 10), P.WHITE, opacity=opacity * 0.6)
        c.fill(round_box(x0 + 1.5, y0 + 1.5, x1 - 1.5, y1 - 1.5, 8.5), P.OUTLINE, opacity=opacity)


def lives_icon(c, winter=False, backing=P.PANEL):
    """The hero's head looking out of a round frame."""
    x, y, r = LIVES_ICON
    frame = circle(x, y, r)
    c.fill(frame, P.OUTLINE, grow=1.6)
    c.fill(frame, P.PANEL_EDGE, grow=0.6)
    c.fill(frame, backing)
    scale = 1.35
    portrait = Canvas(2 * r + 8, 2 * r + 8, c.ss)
    cx, cy = r + 4, r + 4
    draw_bird(portrait, cx - 5.5 * scale, cy + 5.5 * scale, scale, winter=winter)
    keep_inside(portrait, circle(cx, cy, r - 0.5))
    c.draw_canvas(portrait, x - cx, y - cy)


def hud_band(c, winter=False, opacity=0.24):
    panels(c, opacity)
    lives_icon(c, winter)
