"""Supersampled RGBA drawing surface.

Everything is drawn at `ss` times the output resolution with hard-edged coverage and then
averaged down (premultiplied box filter), which gives anti-aliased edges of even quality for
every shape, outline and letter. Coordinates are always output pixels (floats allowed).
"""
import numpy as np
from PIL import Image

from . import palette

CYAN = (0, 255, 255)


class Mask:
    """Coverage 0..1 of a region of the supersampled grid, with its top-left corner."""

    def __init__(self, array, x0, y0):
        self.a, self.x0, self.y0 = array, x0, y0

    @classmethod
    def of(cls, item, ss, grow=0.0):
        if isinstance(item, Mask):
            return item
        return cls(*item.mask(ss, grow)).trimmed()

    def trimmed(self):
        """The same coverage cut down to the rows and columns it touches."""
        rows = np.flatnonzero(self.a.any(axis=1))
        if len(rows) == 0:
            return Mask(np.zeros((1, 1), np.float32), self.x0, self.y0)
        cols = np.flatnonzero(self.a.any(axis=0))
        r0, r1, c0, c1 = rows[0], rows[-1] + 1, cols[0], cols[-1] + 1
        return Mask(self.a[r0:r1, c0:c1], self.x0 + int(c0), self.y0 + int(r0))

    @staticmethod
    def union(masks):
        masks = list(masks)
        x0 = min(m.x0 for m in masks)
        y0 = min(m.y0 for m in masks)
        x1 = max(m.x0 + m.a.shape[1] for m in masks)
        y1 = max(m.y0 + m.a.shape[0] for m in masks)
        out = np.zeros((y1 - y0, x1 - x0), np.float32)
        for m in masks:
            view = out[m.y0 - y0:m.y0 - y0 + m.a.shape[0], m.x0 - x0:m.x0 - x0 + m.a.shape[1]]
            np.maximum(view, m.a, out=view)
        return Mask(out, x0, y0)

    def _aligned(self, other):
        x0, y0 = min(self.x0, other.x0), min(self.y0, other.y0)
        x1 = max(self.x0 + self.a.shape[1], other.x0 + other.a.shape[1])
        y1 = max(self.y0 + self.a.shape[0], other.y0 + other.a.shape[0])
        out = []
        for m in (self, other):
            big = np.zeros((y1 - y0, x1 - x0), np.float32)
            big[m.y0 - y0:m.y0 - y0 + m.a.shape[0], m.x0 - x0:m.x0 - x0 + m.a.shape[1]] = m.a
            out.append(big)
        return out[0], out[1], x0, y0

    def __and__(self, other):
        a, b, x0, y0 = self._aligned(other)
        return Mask(a * b, x0, y0)

    def __or__(self, other):
        a, b, x0, y0 = self._aligned(other)
        return Mask(np.maximum(a, b), x0, y0)

    def __sub__(self, other):
        a, b, x0, y0 = self._aligned(other)
        return Mask(a * (1.0 - b), x0, y0)

    def shifted(self, dx, dy):
        """The mask moved by whole supersampled pixels."""
        return Mask(self.a, self.x0 + int(round(dx)), self.y0 + int(round(dy)))


def linear(c0, c1, p0, p1):
    """Paint: colour c0 at point p0 blending to c1 at p1 (constant beyond them)."""
    dx, dy = p1[0] - p0[0], p1[1] - p0[1]
    length2 = dx * dx + dy * dy or 1.0
    a, b = np.array(c0, np.float32) / 255, np.array(c1, np.float32) / 255

    def paint(xs, ys):
        t = np.clip(((xs - p0[0]) * dx + (ys - p0[1]) * dy) / length2, 0.0, 1.0)[..., None]
        return a + (b - a) * t
    return paint


def radial(c0, c1, centre, radius):
    """Paint: colour c0 at `centre` blending to c1 at `radius` and beyond."""
    a, b = np.array(c0, np.float32) / 255, np.array(c1, np.float32) / 255

    def paint(xs, ys):
        t = np.clip(np.hypot(xs - centre[0], ys - centre[1]) / radius, 0.0, 1.0)[..., None]
        return a + (b - a) * t
    return paint


class Canvas:
    def __init__(self, width, height, ss=4, background=None):
        self.width, self.height, self.ss = width, height, ss
        self.rgb = np.zeros((height * ss, width * ss, 3), np.float32)   # premultiplied
        self.alpha = np.zeros((height * ss, width * ss), np.float32)
        self.parts = {}       # name -> (x0, y0, x1, y1) in output pixels, for collision boxes
        if background is not None:
            self.rgb[:] = np.array(background, np.float32) / 255
            self.alpha[:] = 1.0

    # --- compositing ---------------------------------------------------------------------------

    def mask(self, item, grow=0.0):
        return Mask.of(item, self.ss, grow)

    def _composite(self, mask, colour, opacity):
        """Paint `colour` (RGB tuple, or an (h, w, 3) array in 0..1) over the canvas where
        `mask` covers it."""
        h, w = self.alpha.shape
        x0, y0 = max(mask.x0, 0), max(mask.y0, 0)
        x1 = min(mask.x0 + mask.a.shape[1], w)
        y1 = min(mask.y0 + mask.a.shape[0], h)
        if x0 >= x1 or y0 >= y1:
            return
        cov = mask.a[y0 - mask.y0:y1 - mask.y0, x0 - mask.x0:x1 - mask.x0] * opacity
        if callable(colour):
            ys, xs = np.ogrid[y0:y1, x0:x1]
            xs = ((xs + 0.5) / self.ss).astype(np.float32)
            ys = ((ys + 0.5) / self.ss).astype(np.float32)
            src = np.broadcast_to(colour(xs, ys), (y1 - y0, x1 - x0, 3))
        elif isinstance(colour, np.ndarray):
            src = colour[y0 - mask.y0:y1 - mask.y0, x0 - mask.x0:x1 - mask.x0]
        else:
            src = np.array(colour[:3], np.float32) / 255
        cov3 = cov[..., None]
        region = self.rgb[y0:y1, x0:x1]
        region *= 1.0 - cov3
        region += src * cov3
        a = self.alpha[y0:y1, x0:x1]
        a *= 1.0 - cov
        a += cov

    def fill(self, shape, colour, grow=0.0, opacity=1.0, clip=None):
        """Fill a shape (or Mask) with a colour or a paint; `clip` limits it to another one."""
        m = self.mask(shape, grow)
        if clip is not None:
            m = m & self.mask(clip)
        self._composite(m, colour, opacity)

    def outlined(self, shape, colour, width=palette.OUTLINE_WIDTH, outline=palette.OUTLINE):
        """A filled shape inside a dark outline of `width` output pixels."""
        self.fill(shape, outline, grow=width)
        self.fill(shape, colour)

    def figure(self, parts, width=palette.OUTLINE_WIDTH, outline=palette.OUTLINE):
        """Several parts sharing one outline around their union: all outlines first, then
        all fills in order. `parts` holds (shape, colour-or-paint) pairs."""
        for shape, _ in parts:
            self.fill(shape, outline, grow=width)
        for shape, colour in parts:
            self.fill(shape, colour)

    def shade(self, shape, colour, offset=(1.5, 1.5), opacity=1.0, clip=None):
        """Two-tone shading: `colour` on the part of the shape facing away from the light,
        i.e. the shape minus itself moved by `offset` towards the light (up-left by default)."""
        m = self.mask(shape)
        lit = m.shifted(-offset[0] * self.ss, -offset[1] * self.ss)
        shadow = m - lit
        if clip is not None:
            shadow = shadow & self.mask(clip)
        self._composite(shadow, colour, opacity)

    def shaded(self, shape, colour, shadow, offset=(1.5, 1.5), highlight=None):
        """Fill, shade on the far side and optionally a rim light on the near side."""
        self.fill(shape, colour)
        self.shade(shape, shadow, offset)
        if highlight is not None:
            self.shade(shape, highlight, (-offset[0] * 0.6, -offset[1] * 0.6))

    def mark(self, name, shape):
        """Record a named part (its bounding box) for collision-box rules."""
        self.parts[name] = shape.bounds()

    def paste(self, image, x, y, opacity=1.0):
        """Composite an RGBA PIL image drawn at output resolution."""
        big = image.convert("RGBA").resize((image.width * self.ss, image.height * self.ss),
                                           Image.NEAREST)
        arr = np.asarray(big, np.float32) / 255
        m = Mask(arr[..., 3], int(round(x * self.ss)), int(round(y * self.ss)))
        self._composite(m, arr[..., :3], opacity)

    def draw_canvas(self, other, x=0, y=0, opacity=1.0):
        """Composite another canvas of the same supersampling (premultiplied 'over')."""
        assert other.ss == self.ss
        ox, oy = int(round(x * self.ss)), int(round(y * self.ss))
        h, w = self.alpha.shape
        x0, y0 = max(ox, 0), max(oy, 0)
        x1, y1 = min(ox + other.alpha.shape[1], w), min(oy + other.alpha.shape[0], h)
        if x0 >= x1 or y0 >= y1:
            return
        a = other.alpha[y0 - oy:y1 - oy, x0 - ox:x1 - ox] * opacity
        rgb = other.rgb[y0 - oy:y1 - oy, x0 - ox:x1 - ox] * opacity
        self.rgb[y0:y1, x0:x1] = rgb + self.rgb[y0:y1, x0:x1] * (1 - a)[..., None]
        self.alpha[y0:y1, x0:x1] = a + self.alpha[y0:y1, x0:x1] * (1 - a)

    # --- output --------------------------------------------------------------------------------

    def image(self, opaque=False):
        """The finished picture at output resolution as an RGBA PIL image.

        Fully transparent pixels get the cyan colour key as their colour, so colour-keyed and
        alpha-blended drawing agree; visible pixels never hold pure cyan or pure black (those
        are the transparent colours of plain and of translucent/tinted drawing).
        With `opaque` the picture must cover every pixel and is returned as RGB."""
        ss = self.ss
        h, w = self.height, self.width
        a = self.alpha.reshape(h, ss, w, ss).mean(axis=(1, 3))
        rgb = self.rgb.reshape(h, ss, w, ss, 3).mean(axis=(1, 3))
        safe = np.where(a > 0, a, 1.0)[..., None]
        colour = np.clip(np.rint(rgb / safe * 255), 0, 255).astype(np.uint8)
        alpha = np.clip(np.rint(a * 255), 0, 255).astype(np.uint8)
        visible = alpha > 0
        key = np.all(colour == CYAN, axis=-1) & visible
        colour[key] = (0, 254, 255)
        black = np.all(colour == 0, axis=-1) & visible
        colour[black] = palette.NEAR_BLACK
        colour[~visible] = CYAN
        if opaque:
            if not np.all(alpha == 255):
                raise ValueError("opaque picture has uncovered pixels")
            return Image.fromarray(colour, "RGB")
        return Image.fromarray(np.dstack([colour, alpha]), "RGBA")


def washed_out(canvas, grey=0.5, light=0.2):
    """Drain the colour of everything drawn on `canvas` so far: mix each pixel towards its own
    grey by `grey`, then towards white by `light` (a faded, already-scored look)."""
    rgb, alpha = canvas.rgb, canvas.alpha[..., None]
    lum = rgb @ np.array([0.3, 0.59, 0.11], np.float32)
    rgb += (lum[..., None] - rgb) * grey
    rgb += (alpha - rgb) * light


def keep_inside(canvas, shape):
    """Makes everything of the canvas outside `shape` transparent (a cut-out, e.g. a portrait
    in a round frame)."""
    m = canvas.mask(shape)
    cover = np.zeros_like(canvas.alpha)
    h, w = cover.shape
    x0, y0 = max(m.x0, 0), max(m.y0, 0)
    x1, y1 = min(m.x0 + m.a.shape[1], w), min(m.y0 + m.a.shape[0], h)
    if x0 < x1 and y0 < y1:
        cover[y0:y1, x0:x1] = m.a[y0 - m.y0:y1 - m.y0, x0 - m.x0:x1 - m.x0]
    canvas.rgb *= cover[..., None]
    canvas.alpha *= cover
