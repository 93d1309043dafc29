"""Land for level backgrounds, far to near: mountain ranges, rolling bands, dunes, mesas,
water with reflections, and the near ground that meets the tiles. Far things are flat
silhouettes tinted towards the sky (`haze`); near things get the outline and two-tone shade
of the characters."""
import math
import random

from .. import palette as P
from ..canvas import linear
from ..shapes import bezier, box, polygon, stroke


def haze(colour, sky, amount):
    """`colour` seen through air: blended `amount` (0..1) towards the sky colour."""
    return tuple(int(round(a + (b - a) * amount)) for a, b in zip(colour, sky))


def ridge(width, base, height, seed, peaks, jag=0.0, x0=-20.0):
    """A mountain skyline from x0 to the width: `peaks` summits up to `height` above `base`,
    with `jag` adding small rocky steps between them. Returns (points, [(summit, valley)])."""
    rng = random.Random(seed)
    span = (width - 2 * x0) / peaks
    pts = [(x0, base - height * 0.2)]
    summits = []
    for i in range(peaks):
        summit = (x0 + span * (i + rng.uniform(0.35, 0.65)), base - height * rng.uniform(0.55, 1.0))
        valley = (x0 + span * (i + 1), base - height * rng.uniform(0.1, 0.35))
        summits.append((summit, valley))
        for a, b in ((pts[-1], summit), (summit, valley)):
            steps = 4 if jag else 1
            for k in range(1, steps + 1):
                t = k / steps
                x = a[0] + (b[0] - a[0]) * t
                y = a[1] + (b[1] - a[1]) * t
                if k < steps:
                    y += rng.uniform(-jag, jag)
                pts.append((x, y))
    return pts, summits


def mountains(c, base, height, colour, seed, peaks=4, jag=6.0, shade=None, snow=None,
              bottom=None, snow_line=0.45):
    """A mountain range standing on `base`: optional shaded right-hand faces and snowy tops."""
    bottom = c.height if bottom is None else bottom
    top, summits = ridge(c.width, base, height, seed, peaks, jag)
    shape = polygon(top + [(c.width + 20, bottom + 5), (-20, bottom + 5)])
    c.fill(shape, colour)
    for (sx, sy), (vx, vy) in summits:
        if shade is not None:
            c.fill(polygon([(sx, sy), (vx, vy), (vx - (vx - sx) * 0.1, base + 10),
                            (sx + (vx - sx) * 0.25, base + 10)]), shade, opacity=0.6, clip=shape)
        if snow is not None and sy < base - height * snow_line:
            d = (base - sy) * 0.3
            cap = polygon([(sx - d * 0.9, sy + d * 0.9), (sx, sy - 1), (sx + d * 0.8, sy + d * 0.85),
                           (sx + d * 0.35, sy + d * 1.1), (sx + d * 0.05, sy + d * 0.7),
                           (sx - d * 0.35, sy + d * 1.15)])
            c.fill(cap, snow, clip=shape)
    return shape


def rolling(c, base, amplitude, paint, seed, bumps=4, bottom=None, rim=None, outline=None):
    """A band of soft hills from `base` down; `paint` a colour or gradient, `rim` a lighter
    top edge, `outline` a thin line along the top."""
    rng = random.Random(seed)
    bottom = c.height if bottom is None else bottom
    xs = [-40 + (c.width + 80) * i / bumps for i in range(bumps + 1)]
    valleys = [base - amplitude * rng.uniform(0.0, 0.25) for _ in xs]
    pts = []
    for i in range(bumps):
        a, b = xs[i], xs[i + 1]
        peak = base - amplitude * rng.uniform(0.5, 1.0)
        lean = rng.uniform(0.3, 0.7)
        seg = bezier((a, valleys[i]), (a + (b - a) * lean * 0.6, peak), (b - (b - a) * (1 - lean) * 0.6, peak),
                     (b, valleys[i + 1]))
        pts += seg if not pts else seg[1:]
    shape = polygon([(-20, bottom + 5)] + pts + [(c.width + 20, bottom + 5)])
    if outline is not None:
        c.fill(stroke(pts, 2.0), outline)
    c.fill(shape, paint)
    if rim is not None:
        c.shade(shape, rim, (0, -2.0), opacity=0.8)
    return shape


def near_ground(c, top, paint, seed, rim=None, wobble=5.0):
    """The land closest to the viewer from about `top` down to the tiles' ground line and
    past it: a gently wavy edge, `paint` usually a gradient getting darker downwards."""
    rng = random.Random(seed)
    pts = []
    phases = [rng.uniform(0, 2 * math.pi) for _ in range(3)]
    for i in range(65):
        x = -10 + (c.width + 20) * i / 64
        y = top + wobble * (0.6 * math.sin(x / 97 + phases[0]) + 0.4 * math.sin(x / 41 + phases[1]))
        pts.append((x, y))
    shape = polygon(pts + [(c.width + 10, c.height + 5), (-10, c.height + 5)])
    c.fill(stroke(pts, 2.0), P.OUTLINE, opacity=0.35)
    c.fill(shape, paint)
    if rim is not None:
        c.shade(shape, rim, (0, -2.0))
    return shape


def dunes(c, base, amplitude, colour, shade, seed, count=3, bottom=None, light=None):
    """Sand dunes: smooth crests with a sharp lee side in shade."""
    rng = random.Random(seed)
    bottom = c.height if bottom is None else bottom
    span = (c.width + 160) / count
    out = None
    for i in range(count):
        x0 = -80 + span * i + rng.uniform(-20, 20)
        crest_x = x0 + span * rng.uniform(0.5, 0.7)
        crest_y = base - amplitude * rng.uniform(0.6, 1.0)
        x1 = x0 + span * 1.35
        windward = bezier((x0, base + 10), (x0 + (crest_x - x0) * 0.5, base - amplitude * 0.2),
                          (crest_x - 30, crest_y), (crest_x, crest_y))
        lee = bezier((crest_x, crest_y), (crest_x + 20, crest_y + 4), (x1 - 40, base), (x1, base + 10))
        dune = polygon(windward + lee[1:] + [(x1, bottom + 5), (x0, bottom + 5)])
        c.fill(dune, colour)
        lee_face = polygon(lee + [(x1, bottom + 5), (crest_x + 10, bottom + 5)])
        c.fill(lee_face, shade, clip=dune, opacity=0.8)
        if light is not None:
            c.fill(stroke(windward[len(windward) // 2:], 1.5), light, opacity=0.8)
        out = dune if out is None else out + dune
    return out


def mesa(c, x0, x1, top, base, colour, shade, bands=(), seed=0):
    """A flat-topped rock with steep, slightly stepped sides and coloured strata."""
    rng = random.Random(seed)
    w = x1 - x0
    left = [(x0, base), (x0 + w * 0.06, top + (base - top) * 0.45), (x0 + w * 0.1, top + 6),
            (x0 + w * 0.16, top)]
    right = [(x1 - w * 0.14, top), (x1 - w * 0.08, top + 8), (x1 - w * 0.05, top + (base - top) * 0.5),
             (x1, base)]
    shape = polygon(left + right)
    c.fill(shape, colour)
    for i, (t, band_colour) in enumerate(bands):
        y = top + (base - top) * t
        c.fill(box(x0 - 5, y, x1 + 5, y + (base - top) * rng.uniform(0.05, 0.09)), band_colour,
               clip=shape, opacity=0.85)
    c.fill(polygon([(x1 - w * 0.3, top), (x1 - w * 0.14, top), (x1 - w * 0.08, top + 8),
                    (x1 - w * 0.05, top + (base - top) * 0.5), (x1, base), (x1 - w * 0.35, base)]),
           shade, clip=shape, opacity=0.6)
    return shape


def water(c, y0, y1, top, bottom, x0=0, x1=None):
    """Still water between y0 and y1, lighter towards the far shore."""
    x1 = c.width if x1 is None else x1
    c.fill(box(x0, y0, x1, y1), linear(top, bottom, (0, y0), (0, y1)))


def glints(c, y0, y1, seed, count=40, glint=P.WHITE, x0=0, x1=None):
    """Short horizontal sparkles on water, longer towards the viewer."""
    x1 = c.width if x1 is None else x1
    rng = random.Random(seed)
    for _ in range(count):
        y = rng.uniform(y0 + 2, y1 - 2)
        x = rng.uniform(x0, x1)
        length = rng.uniform(6, 22) * (0.5 + (y - y0) / (y1 - y0))
        c.fill(stroke([(x, y), (x + length, y)], 1.0), glint, opacity=rng.uniform(0.3, 0.7))


def reflect(c, y_axis, y0, y1, opacity=0.45):
    """Mirrors the picture above `y_axis` into the water between y0 and y1, faintly."""
    ss = c.ss
    a, b = int(y0 * ss), int(y1 * ss)
    axis = int(y_axis * ss)
    rows = [min(max(2 * axis - y, 0), c.rgb.shape[0] - 1) for y in range(a, b)]
    mirrored = c.rgb[rows].copy()
    region = c.rgb[a:b]
    region *= 1.0 - opacity
    region += mirrored * opacity
