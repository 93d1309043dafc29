"""Finding what the game drew in a screenshot: text written with the game's own font strips,
and sprite frames cut from the game's own sheets, matched pixel for pixel where they are opaque."""
import os
import xml.etree.ElementTree as ET

import numpy as np
from PIL import Image

GAME_DIR = os.environ.get("ZEPO_GAME_DIR", "")


def load(path):
    return np.asarray(Image.open(path).convert("RGB"), dtype=np.int16)


class Font:
    """A font strip read the way the game reads it: magenta runs in row 0 before each glyph, the
    transparent colour in the bottom-left pixel, glyphs reaching halfway into the runs."""

    def __init__(self, name):
        image = np.asarray(Image.open(os.path.join(GAME_DIR, name)).convert("RGBA"))
        self.rgb = image[:, :, :3].astype(np.int16)
        self.alpha = image[:, :, 3]
        row = image[0, :, :3]
        magenta = np.all(row == (255, 0, 255), axis=1)
        self.positions = []
        x = 0
        while x < len(magenta):
            if magenta[x]:
                start = x
                while x < len(magenta) and magenta[x]:
                    x += 1
                self.positions += [start, x]
            x += 1
        self.key = tuple(self.rgb[-1, 0])
        self.height = image.shape[0] - 1

    def glyphs(self, text, x=0):
        """[(glyph picture, its left on screen, opaque mask)] as the game's write places them."""
        out = []
        space = self.positions[2] - self.positions[1]
        for c in text:
            o = 2 * (ord(c) - 33) + 1
            if c == " " or o < 0 or o + 2 >= len(self.positions):
                x += space
                continue
            left, right = self.positions[o], self.positions[o + 1]
            source = (self.positions[o - 1] + left) // 2
            width = (right + self.positions[o + 2]) // 2 - source
            picture = self.rgb[1:, source:source + width]
            mask = (self.alpha[1:, source:source + width] == 255) & np.any(picture != self.key, axis=2)
            out.append((picture, int(x - (left - self.positions[o - 1]) / 2), mask))
            x += right - left
        return out

    def width(self, text):
        space = self.positions[2] - self.positions[1]
        total = 0
        for c in text:
            o = 2 * (ord(c) - 33) + 1
            total += space if (c == " " or o < 0 or o + 2 >= len(self.positions)) else \
                self.positions[o + 1] - self.positions[o]
        return total

    def shows(self, screen, text, x, y, tolerance=8, share=0.9):
        """Whether the screenshot shows the text written at (x, y): the share of opaque glyph
        pixels that match."""
        matched = total = 0
        for picture, left, mask in self.glyphs(text, x):
            h, w = mask.shape
            region = screen[y:y + h, left:left + w]
            if region.shape[:2] != (h, w):
                return False
            close = np.all(np.abs(region - picture) <= tolerance, axis=2)
            matched += int(np.count_nonzero(close & mask))
            total += int(np.count_nonzero(mask))
        return total > 0 and matched >= share * total


def sprite_frames(sprite, frameset):
    """[(picture, opaque mask)] of every frame of a frameset of the game's sprite collection."""
    tree = ET.parse(os.path.join(GAME_DIR, "data/gfx/didudo_sprites.xml"))
    for s in tree.getroot().iter("sprite"):
        if s.get("name") != sprite:
            continue
        sheet = np.asarray(Image.open(os.path.join(GAME_DIR, s.get("src"))).convert("RGBA"))
        for f in s.iter("frameset"):
            if f.get("name") != frameset:
                continue
            frames = []
            for b in f.iter("frameB"):
                x, y, w, h = (int(b.get(a)) for a in ("x", "y", "w", "h"))
                cut = sheet[y:y + h, x:x + w]
                frames.append((cut[:, :, :3].astype(np.int16), cut[:, :, 3] == 255))
            return frames
    raise KeyError(f"no frameset {frameset} in sprite {sprite}")


def find(screen, frames, region=None, tolerance=10):
    """The top-left (x, y) where one of the frames shows best inside region (x0, y0, x1, y1), and
    the share of its opaque pixels that match there."""
    x0, y0, x1, y1 = region or (0, 0, screen.shape[1], screen.shape[0])
    best = (None, 0.0)
    for picture, mask in frames:
        h, w = mask.shape
        ys, xs = np.nonzero(mask)
        step = max(1, len(ys) // 300)
        ys, xs = ys[::step], xs[::step]
        colours = picture[ys, xs]
        for top in range(y0, max(y0, y1 - h) + 1):
            rows = screen[top + ys]
            for left in range(x0, max(x0, x1 - w) + 1, 1):
                pixels = rows[np.arange(len(xs)), left + xs]
                share = np.count_nonzero(np.all(np.abs(pixels - colours) <= tolerance, axis=1)) / len(xs)
                if share > best[1]:
                    best = ((left, top), share)
    return best
