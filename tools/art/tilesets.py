"""The tiles of every world: names, numbers and whether they block.

One tile sheet and one tile definitions file per context. This table is the only place where
a tile's number is written; the sheets, the definitions files and the level generator all read
it:

    from art.tilesets import TILESETS, tile
    TILESETS["summer"]["ground_top"]        # -> 1
    tile("winter", "snow_wall").solid       # -> False

Kinds say how a tile is meant to be used (the game itself only knows solid or passable):
- "surface": solid, with a top to stand on (the ground row, ledges, planks, roofs);
- "fill":    solid, below a surface or built up into walls and blocks;
- "decor":   passable, drawn behind the people (layers 0 and 1): fences, bushes, house walls;
- "front":   passable, meant for layer 2, drawn over the people: tufts over their feet, the
             snow wall the peeker hides behind.
The roles every context shares have the same names and numbers: `ground_top` (1) is the
ground row, `ground` (2) the fill under it, `ground_top_b` and `ground_top_c` (3, 4) its
variants, and `ledge_left`, `ledge`, `ledge_right` (5-7) a raised platform one row thick.
"""
from dataclasses import dataclass

SIZE = 32                      # every tile picture is 32 x 32 pixels
COLUMNS = 8                    # tiles per row of a sheet
KINDS = ("surface", "fill", "decor", "front")


@dataclass(frozen=True)
class Tile:
    name: str
    id: int
    kind: str

    @property
    def solid(self):
        return self.kind in ("surface", "fill")


def _numbered(rows):
    """[(name, kind), ...] -> [Tile, ...] numbered from 1 in order."""
    return [Tile(name, number, kind) for number, (name, kind) in enumerate(rows, start=1)]


_SHARED = [
    ("ground_top", "surface"), ("ground", "fill"), ("ground_top_b", "surface"),
    ("ground_top_c", "surface"), ("ledge_left", "surface"), ("ledge", "surface"),
    ("ledge_right", "surface"),
]

CONTEXTS = {
    "summer": _numbered(_SHARED + [
        ("stone", "fill"), ("brick", "fill"), ("brick_top", "surface"), ("hay", "fill"),
        ("crate", "fill"), ("plank_left", "surface"), ("plank", "surface"),
        ("plank_right", "surface"), ("post", "decor"),
        ("fence_left", "decor"), ("fence", "decor"), ("fence_right", "decor"),
        ("bush", "decor"), ("hedge_left", "decor"), ("hedge", "decor"), ("hedge_right", "decor"),
        ("flowers", "decor"), ("tuft", "front"), ("tall_grass", "front"),
        ("wall", "decor"), ("window", "decor"), ("door_top", "decor"), ("door", "decor"),
        ("roof_left", "surface"), ("roof", "surface"), ("roof_right", "surface"),
        ("chimney", "decor"),
        ("cloud_left", "decor"), ("cloud", "decor"), ("cloud_right", "decor"),
    ]),
    "castle": _numbered(_SHARED + [
        ("stone", "fill"), ("stone_slit", "fill"), ("battlement", "surface"),
        ("wall_back", "decor"), ("wall_back_top", "decor"),
        ("gate_arch_left", "decor"), ("gate_arch_right", "decor"),
        ("gate_left", "decor"), ("gate_right", "decor"),
        ("banner_red", "decor"), ("banner_blue", "decor"), ("torch", "decor"),
        ("window_arch", "decor"), ("bush", "decor"), ("tuft", "front"),
    ]),
    "winter": _numbered(_SHARED + [
        ("ice_block", "fill"), ("ice_block_top", "surface"), ("rock", "fill"),
        ("plank_left", "surface"), ("plank", "surface"), ("plank_right", "surface"),
        ("snow_wall_left", "front"), ("snow_wall", "front"), ("snow_wall_right", "front"),
        ("snow_wall_base", "front"),
        ("fence_left", "decor"), ("fence", "decor"), ("fence_right", "decor"),
        ("pine_shrub", "decor"), ("snowdrift", "front"), ("tuft", "front"),
        ("log_wall", "decor"), ("log_window", "decor"), ("log_door_top", "decor"),
        ("log_door", "decor"),
        ("roof_left", "surface"), ("roof", "surface"), ("roof_right", "surface"),
    ]),
    "desert": _numbered(_SHARED + [
        ("sandstone", "fill"), ("sandstone_top", "surface"), ("rock", "fill"),
        ("scorched_top", "surface"), ("scorched", "fill"),
        ("bones", "decor"), ("skull", "decor"), ("dry_tuft", "front"), ("pebbles", "front"),
        ("small_cactus", "decor"), ("adobe_wall", "decor"), ("adobe_window", "decor"),
        ("adobe_door_top", "decor"), ("adobe_door", "decor"), ("adobe_top", "surface"),
    ]),
}

TILESETS = {context: {t.name: t.id for t in tiles} for context, tiles in CONTEXTS.items()}


def tile(context, name):
    """The Tile called `name` in `context`."""
    for t in CONTEXTS[context]:
        if t.name == name:
            return t
    raise KeyError(f"no tile {name!r} in the {context} tiles")


def sheet_path(context):
    """The tile sheet as the definitions file names it (from the game's working directory)."""
    return f"data/gfx/tiles_{context}.png"


def tiledef_path(context):
    """The definitions file as a level definition's `tiledef` names it (from data/maps/)."""
    return f"tiles_{context}.xml"


def cell(t):
    """Top-left pixel of a tile's picture in its sheet: tiles in number order, row by row."""
    index = t.id - 1
    return (index % COLUMNS) * SIZE, (index // COLUMNS) * SIZE
