"""Big decorative lettering: gradient letters with a thick outline and a deep 3-D edge."""
from .. import palette as P
from ..canvas import Mask, linear
from ..lettering import BOLD, Text, font


def title_text(c, text, cx, top, size, bounce=0.0, top_colour=P.GOLD_TOP,
               bottom_colour=P.GOLD_BOTTOM, edge=(196, 74, 36), depth=None, outline=None,
               face=BOLD, spacing=0.0):
    """Draws `text` centred on cx with its line top at `top`; letters alternate up and down by
    `bounce` pixels. Returns the letters' shapes."""
    depth = size * 0.08 if depth is None else depth
    ow = size * 0.06 if outline is None else outline
    f = font(face, int(size))
    widths = [f.getlength(ch) + spacing for ch in text]
    x = cx - (sum(widths) - spacing) / 2
    letters = []
    for i, ch in enumerate(text):
        dy = bounce * (1 if i % 2 else -1)
        letters.append(Text(ch, size, x, top + dy, anchor="la", face=face))
        x += widths[i]
    steps = max(2, int(depth * c.ss))
    for grow, colour in ((ow, P.OUTLINE), (0.0, edge)):     # the extruded edge
        for L in letters:
            m = c.mask(L, grow)
            c.fill(Mask.union(m.shifted(depth * k / steps * 0.35 * c.ss, depth * k / steps * c.ss)
                              for k in range(1, steps + 1)), colour)
    for L in letters:
        c.fill(L, P.OUTLINE, grow=ow)
    for L in letters:
        _, y0, _, y1 = L.bounds()
        c.fill(L, linear(top_colour, bottom_colour, (0, y0), (0, y1)))
        c.shade(L, (255, 255, 235), (-size * 0.03, -size * 0.04), opacity=0.9)
    return letters
