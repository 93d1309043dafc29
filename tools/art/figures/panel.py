"""Framed panels and ribbons that text is drawn over."""
from .. import palette as P
from ..canvas import linear
from ..shapes import round_box


def panel(c, x0, y0, x1, y1, radius=12, opacity=0.86, edge=P.PANEL_EDGE, fill=P.PANEL):
    """A calm dark panel with a gold frame: light text reads well on it."""
    c.fill(round_box(x0 + 3, y0 + 4, x1 + 3, y1 + 4, radius), P.OUTLINE, opacity=0.35)
    c.fill(round_box(x0, y0, x1, y1, radius), P.OUTLINE)
    c.fill(round_box(x0 + 1.5, y0 + 1.5, x1 - 1.5, y1 - 1.5, radius - 1.5), edge)
    inner = round_box(x0 + 4, y0 + 4, x1 - 4, y1 - 4, radius - 4)
    c.fill(inner, P.OUTLINE)
    c.fill(round_box(x0 + 5, y0 + 5, x1 - 5, y1 - 5, radius - 5),
           linear(P.PANEL_LIGHT, fill, (0, y0), (0, y0 + (y1 - y0) * 0.5)), opacity=opacity)
