"""Text as a shape: DejaVu letters that can be filled, outlined and shaded like any other shape."""
import functools
import math

import numpy as np
from PIL import Image, ImageDraw, ImageFont

FONT_DIR = "/usr/share/fonts/truetype/dejavu/"
BOLD = FONT_DIR + "DejaVuSans-Bold.ttf"
CONDENSED_BOLD = FONT_DIR + "DejaVuSansCondensed-Bold.ttf"
SERIF_BOLD = FONT_DIR + "DejaVuSerif-Bold.ttf"


@functools.lru_cache(maxsize=None)
def font(path, pixel_size):
    return ImageFont.truetype(path, pixel_size)


class Text:
    """A line of text placed by `x`, `y` and `anchor`: the anchor's first letter is l/m/r
    (left, middle, right of the advance), the second a/m/s/b (ascender, middle, baseline,
    bottom of the font's line). `tracking` adds space between letters."""

    def __init__(self, text, size, x, y, anchor="la", face=BOLD, tracking=0.0):
        self.text, self.size, self.x, self.y = text, size, x, y
        self.anchor, self.face, self.tracking = anchor, face, tracking

    def _layout(self, ss):
        """Per-character pen positions (supersampled) relative to the anchor point."""
        f = font(self.face, int(round(self.size * ss)))
        pens, pen = [], 0.0
        for ch in self.text:
            pens.append(pen)
            pen += f.getlength(ch) + self.tracking * ss
        width = pen - self.tracking * ss if self.text else 0.0
        return f, pens, width

    def mask(self, ss, grow=0.0):
        f, pens, width = self._layout(ss)
        g = int(round(grow * ss))
        ascent, descent = f.getmetrics()
        pad = g + int(self.size * ss * 0.3) + 4
        w = int(math.ceil(width)) + 2 * pad
        h = ascent + descent + 2 * pad
        img = Image.new("L", (w, h), 0)
        draw = ImageDraw.Draw(img)
        for ch, pen in zip(self.text, pens):
            draw.text((pad + pen, pad), ch, font=f, fill=255, stroke_width=g, stroke_fill=255)
        ax, ay = self._anchor_offset(f, width, ascent, descent)
        x0 = int(round(self.x * ss - ax)) - pad
        y0 = int(round(self.y * ss - ay)) - pad
        return np.asarray(img, np.float32) / 255.0, x0, y0

    def _anchor_offset(self, f, width, ascent, descent):
        h, v = self.anchor[0], self.anchor[1]
        ax = {"l": 0.0, "m": width / 2, "r": width}[h]
        ay = {"a": 0.0, "t": 0.0, "m": (ascent + descent) / 2, "s": ascent,
              "b": ascent + descent, "d": ascent + descent}[v]
        return ax, ay

    def bounds(self, grow=0.0):
        """Ink bounds in output pixels (measured at 4x for precision)."""
        ss = 4
        m, x0, y0 = self.mask(ss, grow)
        ys, xs = np.nonzero(m > 0.5)
        if len(xs) == 0:
            return (self.x, self.y, self.x, self.y)
        return ((x0 + xs.min()) / ss, (y0 + ys.min()) / ss,
                (x0 + xs.max() + 1) / ss, (y0 + ys.max() + 1) / ss)

    def moved(self, dx, dy):
        return Text(self.text, self.size, self.x + dx, self.y + dy, self.anchor, self.face,
                    self.tracking)


def ink_size(text, size, face=BOLD, tracking=0.0, grow=0.0):
    """Width and height of a text's ink, outline growth included, in output pixels."""
    x0, y0, x1, y1 = Text(text, size, 0, 0, "la", face, tracking).bounds(grow)
    return x1 - x0, y1 - y0
