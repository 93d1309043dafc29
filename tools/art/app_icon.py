"""The game's icon: the hero in flight, wing up, on a round patch of sky.

Drawn afresh at every size (no scaling of a big picture), so that the outline stays one or two
pixels wide at 16 px and the bird fills the square at every size. `SIZES` are the sizes of the
desktop's icon theme; the window uses the `WINDOW_SIZE` one, kept with the game's data.
"""
import os

from . import palette as P
from .canvas import Canvas, radial
from .figures.bird import draw_bird
from .shapes import circle

SIZES = (16, 32, 48, 64, 128, 256)
WINDOW_SIZE = 32
WINDOW_ICON = os.path.join("data", "gfx", "zepo_icon.png")

# The flying bird's extent in its local units (tail tip to beak, raised wing and tuft to belly).
_BIRD_LEFT, _BIRD_RIGHT, _BIRD_TOP, _BIRD_BOTTOM = -19.0, 17.5, -16.5, 11.0


def draw(size):
    """The icon as an RGBA image of size x size pixels."""
    ss = 8 if size <= 32 else 4
    canvas = Canvas(size, size, ss)
    rim = max(1.0, size / 48)
    radius = size / 2 - rim
    centre = size / 2
    canvas.outlined(circle(centre, centre, radius),
                    radial(P.SKY_BOTTOM, P.SKY_TOP, (centre * 0.8, centre * 0.7), radius * 1.3), rim)
    scale = size * 0.86 / (_BIRD_RIGHT - _BIRD_LEFT)
    cx = centre - scale * (_BIRD_LEFT + _BIRD_RIGHT) / 2
    cy = centre - scale * (_BIRD_TOP + _BIRD_BOTTOM) / 2
    draw_bird(canvas, cx, cy, scale=scale, wing="up", outline=max(1.0, size / 40))
    return canvas.image()


def theme_path(size):
    """Where the icon of one size lives in an icon theme folder."""
    return os.path.join(f"{size}x{size}", "apps", "zepo.png")


def build(out_dir, theme_dir):
    """The window icon into the game's data, every size into the icon theme folder."""
    os.makedirs(os.path.join(out_dir, os.path.dirname(WINDOW_ICON)), exist_ok=True)
    for size in SIZES:
        image = draw(size)
        target = os.path.join(theme_dir, theme_path(size))
        os.makedirs(os.path.dirname(target), exist_ok=True)
        image.save(target, optimize=False)
        if size == WINDOW_SIZE:
            image.save(os.path.join(out_dir, WINDOW_ICON), optimize=False)
