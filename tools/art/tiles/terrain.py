"""Building blocks shared by the tile sets: ground caps, floating ledges, masonry, posts and
rails, and the stacked-brick walls. Every helper draws a pattern that repeats every 32 px."""
from dataclasses import dataclass

from .. import palette as P
from ..shapes import arc_points, box, polygon, round_box
from ..tilesets import SIZE
from .kit import SPAN, band, wave


@dataclass(frozen=True)
class Cap:
    """The layer on top of the ground: grass, snow, sand, cobbles."""
    colour: tuple
    shade: tuple
    light: tuple
    top: float = 3.5            # y of the surface
    depth: float = 8.0          # thickness down to the wavy lower edge
    bump: float = 0.8           # height of the surface's waves
    bumps: int = 2              # waves per tile
    drip: float = 1.6           # height of the lower edge's waves
    drips: int = 3


def cap_curves(cap, x0=SPAN[0], x1=SPAN[1]):
    top = wave(cap.top, cap.bump, cap.bumps, 0.0, x0, x1)
    bottom = wave(cap.top + cap.depth, cap.drip, cap.drips, 0.3, x0, x1)
    return top, bottom


def under(cap):
    """Everything from the cap's surface down: where the ground under it may be drawn, so
    that nothing shows above the surface."""
    top, _ = cap_curves(cap)
    return polygon(top + [(SPAN[1], SIZE + 8), (SPAN[0], SIZE + 8)])


def draw_cap(c, cap, x0=SPAN[0], x1=SPAN[1], clip=None):
    """The cap band with its outline, shade and light rim; returns its shape."""
    top, bottom = cap_curves(cap, x0, x1)
    shape = band(top, bottom)
    c.fill(band(bottom, [(x, y + 2.5) for x, y in bottom]), P.OUTLINE, opacity=0.25, clip=clip)
    c.fill(shape, P.OUTLINE, grow=1.0, clip=clip)
    c.fill(shape, cap.colour, clip=clip)
    c.shade(shape, cap.shade, (0, 2.0), clip=clip)
    c.shade(shape, cap.light, (0, -1.0), opacity=0.9, clip=clip)
    return shape


def ledge_outline(end, top_y, bottom_y, radius=9.0, bottom_wave=1.5):
    """Silhouette of a one-row platform: "left", "right" or "mid" piece. The ends round off
    inside the tile; the middle runs past both edges."""
    x0 = 1.5 if end == "left" else SPAN[0]
    x1 = SIZE - 1.5 if end == "right" else SPAN[1]
    top = wave(top_y, 0.0, 1, 0.0, x0 + (radius if end == "left" else 0),
               x1 - (radius if end == "right" else 0))
    bottom = wave(bottom_y, bottom_wave, 1, 0.15, x0 + (radius if end == "left" else 0),
                  x1 - (radius if end == "right" else 0))
    pts = list(top)
    if end == "right":
        pts += arc_points(x1 - radius, (top_y + bottom_y) / 2, radius, (bottom_y - top_y) / 2, -90, 90)
    pts += list(reversed(bottom))
    if end == "left":
        pts += arc_points(x0 + radius, (top_y + bottom_y) / 2, radius, (bottom_y - top_y) / 2, 90, 270)
    return polygon(pts)


def courses(c, rows, colour, shade, light, mortar, inset=0.6, radius=1.5, clip=None,
            size=(SIZE, SIZE)):
    """Masonry over an area of whole tiles: `rows` is [(height, [joint x, ...]), ...], one
    period of courses from the top (their heights add up to 32); each course's blocks run
    between its joints (listed inside 0..32, they repeat with the tile)."""
    w, h = size
    c.fill(box(SPAN[0], SPAN[0], w - SPAN[0], h - SPAN[0]), mortar, clip=clip)
    for oy in range(-SIZE, h + SIZE, SIZE):
        y = oy
        for height, joints in rows:
            xs = sorted(joints)
            for a, b in zip(xs, xs[1:] + [xs[0] + SIZE]):
                for ox in range(-SIZE, w + SIZE, SIZE):
                    if ox + b < -2 or ox + a > w + 2 or y + height < -2 or y > h + 2:
                        continue
                    block = round_box(ox + a + inset, y + inset, ox + b - inset, y + height - inset,
                                      radius)
                    c.fill(block, colour, clip=clip)
                    c.shade(block, shade, (1.0, 1.2), clip=clip)
                    c.shade(block, light, (-0.8, -0.8), opacity=0.8, clip=clip)
            y += height


def rails(c, ys, height, colour, shade, x0=SPAN[0], x1=SPAN[1]):
    """Horizontal rails (fence, plank) at the given tops; returns their union."""
    shape = None
    for y in ys:
        rail = box(x0, y, x1, y + height)
        shape = rail if shape is None else shape + rail
    c.fill(shape, P.OUTLINE, grow=1.0)
    c.fill(shape, colour)
    c.shade(shape, shade, (0, 1.2))
    return shape


def post(c, x, top, width, colour, shade, pointed=True, bottom=SIZE + 4):
    """An upright post from `top` down past the tile's bottom, pointed or flat-topped."""
    half = width / 2
    tip = [(x - half, top + half), (x, top - half * 0.6), (x + half, top + half)] if pointed \
        else [(x - half, top), (x + half, top)]
    shape = polygon(tip + [(x + half, bottom), (x - half, bottom)])
    c.fill(shape, P.OUTLINE, grow=1.0)
    c.fill(shape, colour)
    c.shade(shape, shade, (1.4, 0))
    return shape


def fence(c, end, colour, shade, rail_ys=(11, 21), rail_h=4.0, post_top=5.0):
    """A fence piece: a post in the middle, rails to both sides (or one side at the ends)."""
    x0 = SIZE / 2 if end == "left" else SPAN[0]
    x1 = SIZE / 2 if end == "right" else SPAN[1]
    rails(c, rail_ys, rail_h, colour, shade, x0, x1)
    post(c, SIZE / 2, post_top, 6.0, colour, shade)
