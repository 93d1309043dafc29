"""The level backgrounds: 640 x 480, fully opaque, one module per picture exporting
`draw(canvas)`.

Every background keeps the top band (y 0-80) calm behind the heads-up display, with faint
panels behind its fields and the lives icon (`figures.hud`), keeps the middle band
(y 100-280) quiet for the level title and the verdicts, and lets its own land reach the tile
ground line at y = 448 (the tiles cover rows 12-14 in front of it). The credits backdrop has
no HUD.

`BACKGROUNDS` lists (name, tile context, level): the picture is data/gfx/bg_<name>.png, the
tiles that suit it are `tilesets` context, and the level of the proposed list that shows it.
"""
import importlib
import os

from ..canvas import Canvas

WIDTH, HEIGHT, SS = 640, 480, 2
GROUND = 448

BACKGROUNDS = [
    ("meadow", "summer", "l1"),
    ("orchard", "summer", "l2"),
    ("castle_hill", "castle", "l3"),
    ("cloud_sea", "summer", "l4"),
    ("fields", "summer", "l5"),
    ("lake", "summer", "l6"),
    ("dunes", "desert", "l7"),
    ("canyon", "desert", "l8"),
    ("volcano", "desert", "l9"),
    ("arena", "castle", "l10"),
    ("snowfield", "winter", "l1b"),
    ("frozen_village", "winter", "l2b"),
    ("ice_caves", "winter", "l3b"),
    ("pine_forest", "winter", "l4b"),
    ("frozen_lake", "winter", "l5b"),
    ("mountain_pass", "winter", "l6b"),
    ("winter_town", "winter", "l7b"),
    ("aurora", "winter", "l8b"),
    ("glacier", "winter", "l9b"),
    ("storm", "winter", "l10b"),
    ("credits", "summer", "credits"),
]


def path(name):
    """The background as a map file's `background` attribute names it."""
    return f"data/gfx/bg_{name}.png"


FOR_LEVEL = {level: (path(name), context) for name, context, level in BACKGROUNDS}


def render(name):
    """The finished background as an RGB image."""
    module = importlib.import_module(f"{__name__}.{name}")
    canvas = Canvas(WIDTH, HEIGHT, SS)
    module.draw(canvas)
    return canvas.image(opaque=True)


def build(out_dir):
    os.makedirs(os.path.join(out_dir, os.path.dirname(path("x"))), exist_ok=True)
    for name, _, _ in BACKGROUNDS:
        render(name).save(os.path.join(out_dir, path(name)), optimize=False)
