"""The three bitmap font strips: font2.png (large), fontsmall2.png (small), font1.png (HUD).

Strip format read by the game:
- one row of glyphs for the codes 33 ("!") to 127 in order, each preceded by a run of pure
  magenta (255, 0, 255) pixels in row 0, and one more run after the last glyph;
- a glyph's advance is the width between the runs around it; the advance of "!" is also the
  width of a space, so the "!" cell is padded to the wanted space width;
- rows 1 .. height-1 hold the letters; the game draws each glyph with half of each
  neighbouring run, so a letter's outline and shadow reach RUN / 2 under the runs and the
  outlines of neighbours overlap as in hand lettering;
- the bottom-left pixel gives the transparent colour: the background is that colour, fully
  transparent, and no letter pixel has it.
Letters are DejaVu (see game/FONTS-LICENSE.txt) with a gradient fill, a dark outline and a
soft drop shadow, anti-aliased with per-pixel alpha; the markers are opaque.
"""
import math
from dataclasses import dataclass

import numpy as np
from PIL import Image

from . import palette as P
from .canvas import Canvas, linear
from .lettering import BOLD, CONDENSED_BOLD, Text
from .shapes import round_box

FIRST, LAST = 33, 127
RUN = 4                       # marker run width (even: half of it is each neighbour's overhang)
BACKGROUND = (0, 255, 255)    # transparent colour (bottom-left pixel); alpha 0
SS = 4


@dataclass
class FontStyle:
    file: str
    face: str
    size: float               # DejaVu pixel size
    outline: float            # outline width, output pixels
    top: tuple                # fill colour at the top of capitals
    bottom: tuple             # fill colour at the baseline
    shadow: tuple             # drop shadow offset (dx, dy)
    shadow_opacity: float
    space: int                # advance of a space (and of "!")
    gap: int                  # pixels between the fills of neighbouring letters


STYLES = [
    FontStyle("font2.png", BOLD, 18.0, 2.0, P.GOLD_TOP, P.GOLD_BOTTOM, (1.5, 2.0), 0.6, 9, 3),
    FontStyle("fontsmall2.png", CONDENSED_BOLD, 13.0, 1.4, P.WHITE, P.CREAM_DEEP, (1.0, 1.4), 0.55, 5, 2),
    FontStyle("font1.png", BOLD, 22.0, 2.4, P.HUD_TOP, P.HUD_BOTTOM, (1.5, 2.0), 0.6, 9, 3),
]


def _glyph_shape(style, code, pen_x, baseline):
    if code == 127:   # DEL: a small rubout block
        w = style.size * 0.42
        return round_box(pen_x, baseline - style.size * 0.62, pen_x + w, baseline,
                         style.size * 0.08)
    return Text(chr(code), style.size, pen_x, baseline, anchor="ls", face=style.face)


def _vertical_metrics(style):
    """(baseline, height of the glyph rows) covering every glyph's ink with its effects."""
    top, bottom = 0.0, 0.0
    for code in range(FIRST, LAST + 1):
        x0, y0, x1, y1 = _glyph_shape(style, code, 0, 0).bounds(style.outline)
        top = min(top, y0)
        bottom = max(bottom, y1 + style.shadow[1])
    baseline = math.ceil(-top) + 1
    return baseline, baseline + math.ceil(bottom) + 1


def _render_glyph(style, code, baseline, rows):
    """The glyph as an RGBA image `rows` high and advance + RUN wide: its outline and shadow
    may reach RUN / 2 into the marker runs on either side, which the game draws with it."""
    shape = _glyph_shape(style, code, 0, baseline)
    fx0, _, fx1, _ = shape.bounds()
    fill = math.ceil(fx1 - fx0)
    advance = fill + style.gap
    if code == FIRST:
        advance = max(advance, style.space)
    pen = RUN / 2 + (advance - (fx1 - fx0)) / 2 - fx0
    shape = _glyph_shape(style, code, pen, baseline)
    c = Canvas(advance + RUN, rows, SS)
    c.fill(shape.moved(*style.shadow), P.OUTLINE, grow=style.outline, opacity=style.shadow_opacity)
    c.fill(shape, P.OUTLINE, grow=style.outline)
    cap = style.size * 0.74
    c.fill(shape, linear(style.top, style.bottom, (0, baseline - cap), (0, baseline)))
    return c.image()


def font_strip(style):
    """The finished strip as an RGBA image."""
    baseline, rows = _vertical_metrics(style)
    glyphs = [_render_glyph(style, code, baseline, rows) for code in range(FIRST, LAST + 1)]
    width = RUN + sum(g.width for g in glyphs)
    strip = np.zeros((rows + 1, width, 4), np.uint8)
    strip[..., :3] = BACKGROUND
    x = 0
    for g in glyphs:
        strip[0, x:x + RUN] = P.MAGENTA + (255,)
        strip[1:, x + RUN // 2:x + RUN // 2 + g.width] = np.asarray(g)
        x += g.width
    strip[0, x:x + RUN] = P.MAGENTA + (255,)
    letters = strip[1:][strip[1:, :, 3] > 0]
    if np.any(np.all(letters[:, :3] == BACKGROUND, axis=-1)):
        raise ValueError(f"{style.file}: a letter pixel has the transparent colour")
    return Image.fromarray(strip, "RGBA")
