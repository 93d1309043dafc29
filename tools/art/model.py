"""Sprite descriptions: what a family module declares and what the build renders.

A `Sprite` has a name, a sheet file and framesets; a `Frameset` has a name, a play-once flag and
frames; a `Frame` is drawn by a function of a `Canvas` and gets its collision box from a `Box`
rule evaluated on the drawn pixels. Nothing about a frame's rectangle or box is typed by hand.
"""
from dataclasses import dataclass, field
from typing import Callable, List, Optional

import numpy as np
from PIL import Image

from .canvas import Canvas


class Box:
    """How a frame's collision box is found from the drawn frame.

    - `Box.none()`: no box (0, 0, 0, 0): the frame never touches other entities.
    - `Box.opaque(margin)`: the bounding box of the clearly opaque pixels, shrunk by `margin`.
    - `Box.part(name, margin)`: the bounding box of a part the drawing marked with
      `canvas.mark(name, shape)`, shrunk by `margin`.
    `margin` is one number or (left, top, right, bottom). `.limit(bottom=b)` then keeps
    bY + bH <= b, for boxes that must stay clear of a spawn point.
    """

    def __init__(self, kind, name=None, margin=0, bottom=None):
        self.kind, self.name, self.bottom = kind, name, bottom
        self.margin = (margin,) * 4 if isinstance(margin, (int, float)) else tuple(margin)

    @classmethod
    def none(cls):
        return cls("none")

    @classmethod
    def opaque(cls, margin=0):
        return cls("opaque", margin=margin)

    @classmethod
    def part(cls, name, margin=0):
        return cls("part", name=name, margin=margin)

    def limit(self, bottom):
        return Box(self.kind, self.name, self.margin, bottom)

    def evaluate(self, image, parts):
        """(bX, bY, bW, bH) for a drawn frame (RGBA PIL image) and its marked parts."""
        if self.kind == "none":
            return (0, 0, 0, 0)
        if self.kind == "opaque":
            alpha = np.asarray(image)[..., 3]
            ys, xs = np.nonzero(alpha >= 128)
            if len(xs) == 0:
                raise ValueError("opaque box of an empty frame")
            x0, y0, x1, y1 = xs.min(), ys.min(), xs.max() + 1, ys.max() + 1
        else:
            if self.name not in parts:
                raise ValueError(f"box part {self.name!r} was not marked by the drawing")
            bx0, by0, bx1, by1 = parts[self.name]
            x0, y0 = int(np.ceil(bx0 - 1e-6)), int(np.ceil(by0 - 1e-6))
            x1, y1 = int(np.floor(bx1 + 1e-6)), int(np.floor(by1 + 1e-6))
        left, top, right, bottom = self.margin
        x0, y0 = int(round(x0 + left)), int(round(y0 + top))
        x1, y1 = int(round(x1 - right)), int(round(y1 - bottom))
        x0, y0 = max(x0, 0), max(y0, 0)
        x1, y1 = min(x1, image.width), min(y1, image.height)
        if self.bottom is not None:
            y1 = min(y1, self.bottom)
        if x1 <= x0 or y1 <= y0:
            raise ValueError("collision box shrank to nothing")
        return (x0, y0, x1 - x0, y1 - y0)


@dataclass
class Frame:
    draw: Callable[[Canvas], None]
    delay: int = 100
    box: Optional[Box] = None        # None: the frameset's rule
    mirror: bool = False             # flip the drawn frame left-right (a facing-left copy)


@dataclass
class Frameset:
    name: str
    frames: List[Frame]
    once: bool = False               # play once (repeatAnimation="0") instead of looping
    box: Optional[Box] = None        # None: the sprite's rule


@dataclass
class Sprite:
    name: str
    file: str                        # sheet file name under data/gfx/
    size: tuple                      # (w, h) of every frame
    framesets: List[Frameset]
    box: Box = field(default_factory=Box.none)
    ss: int = 4                      # supersampling of the drawing

    def box_rule(self, frameset, frame):
        return frame.box or frameset.box or self.box


@dataclass
class RenderedFrame:
    image: object                    # RGBA PIL image, exactly the frame's size
    box: tuple                       # (bX, bY, bW, bH)
    delay: int


def render_frame(sprite, frameset, frame):
    w, h = sprite.size
    canvas = Canvas(w, h, sprite.ss)
    frame.draw(canvas)
    image = canvas.image()
    parts = dict(canvas.parts)
    if frame.mirror:
        image = image.transpose(Image.Transpose.FLIP_LEFT_RIGHT)
        parts = {k: (w - x1, y0, w - x0, y1) for k, (x0, y0, x1, y1) in parts.items()}
    box = sprite.box_rule(frameset, frame).evaluate(image, parts)
    return RenderedFrame(image, box, frame.delay)


def render(sprite):
    """[(frameset, [RenderedFrame, ...]), ...] in description order."""
    if not sprite.framesets:
        raise ValueError(f"sprite {sprite.name} has no frameset")
    out = []
    for fs in sprite.framesets:
        if not fs.frames:
            raise ValueError(f"frameset {fs.name} of sprite {sprite.name} has no frame")
        out.append((fs, [render_frame(sprite, fs, f) for f in fs.frames]))
    return out
