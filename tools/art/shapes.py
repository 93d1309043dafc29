"""Geometry of the drawing kit: filled outlines and strokes in output-pixel coordinates.

A `Shape` is a union of filled polygons and round-capped strokes. Every curve is turned into a
polygon, so one affine map moves, scales, mirrors or rotates any shape. `mask` rasterises it,
grown by a margin (used for outlines), at the canvas' supersampling factor.
"""
import math

import numpy as np
from PIL import Image, ImageDraw


class Shape:
    def __init__(self, polys=(), strokes=()):
        self.polys = [list(p) for p in polys]          # [[(x, y), ...], ...]
        self.strokes = [(list(p), w) for p, w in strokes]  # [([(x, y), ...], width), ...]

    def __add__(self, other):
        return Shape(self.polys + other.polys, self.strokes + other.strokes)

    def map(self, fn):
        """The shape with every point passed through fn((x, y)) -> (x, y)."""
        return Shape([[fn(p) for p in poly] for poly in self.polys],
                     [([fn(p) for p in pts], w) for pts, w in self.strokes])

    def moved(self, dx, dy):
        return self.map(lambda p: (p[0] + dx, p[1] + dy))

    def scaled(self, sx, sy=None, origin=(0.0, 0.0)):
        sy = sx if sy is None else sy
        ox, oy = origin
        shape = self.map(lambda p: (ox + (p[0] - ox) * sx, oy + (p[1] - oy) * sy))
        factor = math.sqrt(abs(sx * sy))
        shape.strokes = [(pts, w * factor) for pts, w in shape.strokes]
        return shape

    def mirrored(self, axis_x):
        return self.map(lambda p: (2 * axis_x - p[0], p[1]))

    def rotated(self, degrees, origin):
        a = math.radians(degrees)
        c, s = math.cos(a), math.sin(a)
        ox, oy = origin

        def turn(p):
            dx, dy = p[0] - ox, p[1] - oy
            return (ox + dx * c - dy * s, oy + dx * s + dy * c)
        return self.map(turn)

    def bounds(self, grow=0.0):
        """(x0, y0, x1, y1) in output pixels, including stroke widths and the growth margin."""
        xs, ys = [], []
        for poly in self.polys:
            xs += [p[0] - grow for p in poly] + [p[0] + grow for p in poly]
            ys += [p[1] - grow for p in poly] + [p[1] + grow for p in poly]
        for pts, w in self.strokes:
            r = w / 2 + grow
            xs += [p[0] - r for p in pts] + [p[0] + r for p in pts]
            ys += [p[1] - r for p in pts] + [p[1] + r for p in pts]
        if not xs:
            return (0.0, 0.0, 0.0, 0.0)
        return (min(xs), min(ys), max(xs), max(ys))

    def mask(self, ss, grow=0.0):
        """Coverage of the shape at supersampling `ss`: (float array 0..1, x0, y0) where
        (x0, y0) is the array's top-left corner in supersampled pixels."""
        bx0, by0, bx1, by1 = self.bounds(grow)
        x0 = int(math.floor(bx0 * ss)) - 2
        y0 = int(math.floor(by0 * ss)) - 2
        w = int(math.ceil(bx1 * ss)) - x0 + 3
        h = int(math.ceil(by1 * ss)) - y0 + 3
        img = Image.new("L", (max(w, 1), max(h, 1)), 0)
        draw = ImageDraw.Draw(img)

        def local(pts):
            return [(p[0] * ss - x0, p[1] * ss - y0) for p in pts]

        g = grow * ss
        for poly in self.polys:
            pts = local(poly)
            if len(pts) >= 3:
                draw.polygon(pts, fill=255)
            if g > 0.25:
                _round_polyline(draw, pts + pts[:1], 2 * g)
        for pts, width in self.strokes:
            _round_polyline(draw, local(pts), width * ss + 2 * g)
        return np.asarray(img, dtype=np.float32) / 255.0, x0, y0


def _round_polyline(draw, pts, width):
    """A polyline with round joins and caps, as Pillow's own joints leave notches."""
    width = max(1.0, width)
    r = width / 2
    if len(pts) > 1:
        draw.line(pts, fill=255, width=int(round(width)), joint="curve")
    for x, y in pts:
        draw.ellipse((x - r, y - r, x + r, y + r), fill=255)


# --- constructors -------------------------------------------------------------------------------

def _segments(length):
    return int(min(160, max(20, length * 1.2)))


def ellipse(cx, cy, rx, ry, rotation=0.0):
    n = _segments(2 * math.pi * max(rx, ry))
    pts = [(cx + rx * math.cos(2 * math.pi * i / n), cy + ry * math.sin(2 * math.pi * i / n))
           for i in range(n)]
    shape = Shape([pts])
    return shape.rotated(rotation, (cx, cy)) if rotation else shape


def circle(cx, cy, r):
    return ellipse(cx, cy, r, r)


def box(x0, y0, x1, y1):
    return Shape([[(x0, y0), (x1, y0), (x1, y1), (x0, y1)]])


def round_box(x0, y0, x1, y1, radius):
    r = min(radius, (x1 - x0) / 2, (y1 - y0) / 2)
    if r <= 0:
        return box(x0, y0, x1, y1)
    pts = []
    n = max(4, _segments(r * math.pi / 2) // 2)
    for cx, cy, start in ((x1 - r, y0 + r, -90), (x1 - r, y1 - r, 0),
                          (x0 + r, y1 - r, 90), (x0 + r, y0 + r, 180)):
        for i in range(n + 1):
            a = math.radians(start + 90 * i / n)
            pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return Shape([pts])


def polygon(points):
    return Shape([list(points)])


def stroke(points, width):
    return Shape(strokes=[(list(points), width)])


def arc_points(cx, cy, rx, ry, start_deg, end_deg):
    n = max(3, _segments(math.radians(abs(end_deg - start_deg)) * max(rx, ry)))
    return [(cx + rx * math.cos(math.radians(start_deg + (end_deg - start_deg) * i / n)),
             cy + ry * math.sin(math.radians(start_deg + (end_deg - start_deg) * i / n)))
            for i in range(n + 1)]


def bezier(*controls, steps=None):
    """Points of a Bezier curve of any degree through the given control points."""
    if steps is None:
        span = sum(math.dist(a, b) for a, b in zip(controls, controls[1:]))
        steps = max(6, int(span * 0.8))
    n = len(controls) - 1
    pts = []
    for i in range(steps + 1):
        t = i / steps
        x = y = 0.0
        for k, (px, py) in enumerate(controls):
            b = math.comb(n, k) * (1 - t) ** (n - k) * t ** k
            x += b * px
            y += b * py
        pts.append((x, y))
    return pts


def path(*segments):
    """A closed outline joined from point lists (for example several `bezier` curves)."""
    pts = []
    for seg in segments:
        pts.extend(seg if not pts or seg[0] != pts[-1] else seg[1:])
    return Shape([pts])


def star(cx, cy, r_out, r_in, points=5, rotation=-90.0):
    pts = []
    for i in range(points * 2):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(rotation + 180.0 * i / points)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return Shape([pts])


def heart(cx, cy, size):
    """A heart whose width is about `size`, centred on (cx, cy)."""
    s = size / 2
    top = cy - 0.45 * s
    left = bezier((cx, cy + 0.95 * s), (cx - 1.05 * s, cy + 0.1 * s), (cx - 1.2 * s, top - 0.65 * s),
                  (cx - 0.1 * s, top - 0.55 * s), (cx, top - 0.05 * s))
    right = [(2 * cx - x, y) for x, y in reversed(left)]
    return path(left, right)
