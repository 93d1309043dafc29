"""Tile sheets and tile definitions files, one of each per context of `tilesets.CONTEXTS`.

The module of each context is named after it and exports `TILES`, {tile name: draw(canvas)}
for single 32 x 32 pictures, and `PIECES`, [(columns, rows, [tile names row by row],
draw(canvas))] for pictures drawn whole and cut into tiles (a gate, a door). Every tile of the
context is drawn exactly once.
"""
import importlib
import os
from xml.sax.saxutils import quoteattr

from PIL import Image

from .. import tilesets
from ..canvas import CYAN, Canvas

SS = 4
MAPS_DIR = "data/maps"


def pictures(context):
    """{tile name: 32 x 32 RGBA image} for every tile the context module draws."""
    module = importlib.import_module(f"{__name__}.{context}")
    out = {}
    for name, draw in module.TILES.items():
        canvas = Canvas(tilesets.SIZE, tilesets.SIZE, SS)
        draw(canvas)
        out[name] = canvas.image()
    for columns, rows, names, draw in module.PIECES:
        size = tilesets.SIZE
        canvas = Canvas(columns * size, rows * size, SS)
        draw(canvas)
        whole = canvas.image()
        for i, name in enumerate(names):
            x, y = (i % columns) * size, (i // columns) * size
            if name in out:
                raise ValueError(f"{context} tile {name} is drawn twice")
            out[name] = whole.crop((x, y, x + size, y + size))
    return out


def sheet(context):
    """The tile sheet: every tile's picture at `tilesets.cell`, cyan where transparent."""
    tiles = tilesets.CONTEXTS[context]
    drawn = pictures(context)
    names = [t.name for t in tiles]
    if sorted(drawn) != sorted(names):
        missing = sorted(set(names) - set(drawn))
        extra = sorted(set(drawn) - set(names))
        raise ValueError(f"{context} tiles: not drawn {missing}, not in the table {extra}")
    rows = (len(tiles) + tilesets.COLUMNS - 1) // tilesets.COLUMNS
    image = Image.new("RGBA", (tilesets.COLUMNS * tilesets.SIZE, rows * tilesets.SIZE), CYAN + (0,))
    for t in tiles:
        image.paste(drawn[t.name], tilesets.cell(t))
    return image


def tiledef_xml(context):
    """The tile definitions file: one picture and one tile per table row (walkable="0" is
    solid, "1" passable)."""
    tiles = tilesets.CONTEXTS[context]
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             f"<tiledef src={quoteattr(tilesets.sheet_path(context))}>"]
    for t in tiles:
        x, y = tilesets.cell(t)
        lines.append(f'  <tileSprite name="{t.name}" x="{x}" y="{y}"/>')
    for t in tiles:
        walkable = 0 if t.solid else 1
        lines.append(f'  <tile name="{t.name}" id="{t.id}" walkable="{walkable}" special="0" '
                     f'tileSprite="{t.name}"/>')
    lines.append("</tiledef>")
    return "\n".join(lines) + "\n"


def build(out_dir):
    os.makedirs(os.path.join(out_dir, MAPS_DIR), exist_ok=True)
    os.makedirs(os.path.join(out_dir, os.path.dirname(tilesets.sheet_path("summer"))), exist_ok=True)
    for context in tilesets.CONTEXTS:
        sheet(context).save(os.path.join(out_dir, tilesets.sheet_path(context)), optimize=False)
        with open(os.path.join(out_dir, MAPS_DIR, tilesets.tiledef_path(context)), "w",
                  encoding="utf-8") as f:
            f.write(tiledef_xml(context))
