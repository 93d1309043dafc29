"""Packs the rendered frames of one sprite into its sheet.

Each frameset is one row, frames left to right, with a transparent gap between cells so that no
filtering can bleed a neighbour into a frame. A frame whose pixels equal an earlier frame's
reuses that rectangle.
"""
from dataclasses import dataclass

import numpy as np
from PIL import Image

from .canvas import CYAN

GAP = 2


@dataclass
class PlacedFrame:
    name: str
    x: int
    y: int
    w: int
    h: int
    delay: int
    box: tuple


def pack(rendered):
    """rendered: [(frameset, [RenderedFrame])] -> (sheet RGBA image, [(frameset, [PlacedFrame])])."""
    seen = {}          # pixel bytes -> (x, y)
    cells = []         # (image, x, y) to paste
    placed = []
    y = 0
    width = 1
    for fs, frames in rendered:
        x = 0
        row_h = 0
        row = []
        for i, rf in enumerate(frames):
            key = (rf.image.size, rf.image.tobytes())
            if key in seen:
                fx, fy = seen[key]
            else:
                fx, fy = x, y
                seen[key] = (fx, fy)
                cells.append((rf.image, fx, fy))
                x += rf.image.width + GAP
                row_h = max(row_h, rf.image.height)
            row.append(PlacedFrame(f"FRAME{i + 1}", fx, fy, rf.image.width, rf.image.height,
                                   rf.delay, rf.box))
        placed.append((fs, row))
        width = max(width, x - GAP if x else 1)
        if row_h:
            y += row_h + GAP
    height = max(1, y - GAP)
    sheet = Image.new("RGBA", (width, height), CYAN + (0,))
    for image, cx, cy in cells:
        sheet.paste(image, (cx, cy))
    return sheet, placed


def sheet_is_consistent(sheet):
    """Every fully transparent pixel of a sheet holds the cyan key colour."""
    arr = np.asarray(sheet)
    clear = arr[..., 3] == 0
    return bool(np.all(arr[clear][:, :3] == CYAN))
