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
        matched, total = self._matching(screen, text, x, y, tolerance)
        return total > 0 and matched >= share * total

    def _matching(self, screen, text, x, y, tolerance):
        matched = total = 0
        for picture, left, mask in self.glyphs(text, x):
            h, w = mask.shape
            region = screen[y:y + h, left:left + w]
            if left < 0 or region.shape[:2] != (h, w):
                return 0, 1
            close = np.all(np.abs(region - picture) <= tolerance, axis=2)
            matched += int(np.count_nonzero(close & mask))
            total += int(np.count_nonzero(mask))
        return matched, total

    def read(self, screen, x, y, alphabet="0123456789", tolerance=8, share=0.9):
        """The text written at (x, y) in characters of the alphabet, read glyph by glyph: at each
        place the character whose glyph matches (at least `share` of its pixels) with the most
        pixels; reading stops where none does."""
        text = ""
        while True:
            best, most = None, 0
            for c in alphabet:
                matched, total = self._matching(screen, c, x + self.width(text), y, tolerance)
                if matched >= share * total and matched > most:
                    best, most = c, matched
            if best is None:
                return text
            text += best


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
    the share of its opaque pixels that match there. The region may reach past the screen's
    edges (the bird climbs partly out of the top): a frame placed there is judged by its pixels
    on the screen, and only where at least half of them are."""
    height, width = screen.shape[:2]
    x0, y0, x1, y1 = region or (0, 0, width, height)
    best = (None, 0.0)
    for picture, mask in frames:
        h, w = mask.shape
        ys, xs = np.nonzero(mask)
        step = max(1, len(ys) // 300)
        ys, xs = ys[::step], xs[::step]
        colours = picture[ys, xs]
        for top in range(y0, max(y0, y1 - h) + 1):
            for left in range(x0, max(x0, x1 - w) + 1, 1):
                shown = (top + ys >= 0) & (top + ys < height) & (left + xs >= 0) & (left + xs < width)
                if np.count_nonzero(shown) * 2 < len(xs):
                    continue
                pixels = screen[top + ys[shown], left + xs[shown]]
                matching = np.all(np.abs(pixels - colours[shown]) <= tolerance, axis=1)
                share = np.count_nonzero(matching) / np.count_nonzero(shown)
                if share > best[1]:
                    best = ((left, top), share)
    return best


def sprite_poses(sprite, framesets):
    """[(frameset name, picture, opaque mask)] of every frame of the named framesets."""
    return [(name, picture, mask) for name in framesets for picture, mask in sprite_frames(sprite, name)]


def _samples(mask, most=300):
    ys, xs = np.nonzero(mask)
    step = max(1, len(ys) // most)
    return ys[::step], xs[::step]


def _packed(pixels):
    """RGB triples as one integer each, for exact comparisons."""
    pixels = pixels.astype(np.int32)
    return (pixels[..., 0] << 16) | (pixels[..., 1] << 8) | pixels[..., 2]


def locate_all(screen, poses, region=None, tolerance=0, share=0.85, coarse=32):
    """Every place inside region (x0, y0, x1, y1) where one of the poses (from sprite_poses) shows
    with at least `share` of its sampled opaque pixels matching within `tolerance` per channel
    (the game draws sprites unscaled, so 0 finds them exactly): [(x, y, share, frameset)], best
    first, overlapping finds dropped. A first pass over every placement compares `coarse` of the
    pixels; only placements that match most of them are compared in full."""
    x0, y0, x1, y1 = region or (0, 0, screen.shape[1], screen.shape[0])
    x0, y0 = max(0, x0), max(0, y0)
    x1, y1 = min(screen.shape[1], x1), min(screen.shape[0], y1)
    flat = _packed(screen) if tolerance == 0 else None

    def close(pixels, colours):
        if flat is not None:
            return pixels == colours
        return np.all(np.abs(pixels - colours) <= tolerance, axis=-1)

    source = flat if flat is not None else screen
    found = []
    for name, picture, mask in poses:
        h, w = mask.shape
        rows, columns = y1 - y0 - h + 1, x1 - x0 - w + 1
        if rows <= 0 or columns <= 0 or not mask.any():
            continue
        ys, xs = _samples(mask)
        colours = _packed(picture[ys, xs]) if flat is not None else picture[ys, xs]
        first = np.unique(np.linspace(0, len(ys) - 1, min(coarse, len(ys))).astype(int))
        counts = np.zeros((rows, columns), np.int16)
        for k in first:
            counts += close(source[y0 + ys[k]:y0 + ys[k] + rows, x0 + xs[k]:x0 + xs[k] + columns], colours[k])
        tops, lefts = np.nonzero(counts >= 0.6 * len(first))
        for start in range(0, len(tops), 2000):
            t, l = y0 + tops[start:start + 2000], x0 + lefts[start:start + 2000]
            pixels = source[t[:, None] + ys[None, :], l[:, None] + xs[None, :]]
            shares = close(pixels, colours[None]).mean(axis=1)
            for i in np.nonzero(shares >= share)[0]:
                found.append((int(l[i]), int(t[i]), float(shares[i]), name, w, h))
    found.sort(key=lambda f: -f[2])
    kept = []
    for x, y, s, name, w, h in found:
        if all(abs(x - k[0]) * 2 >= w or abs(y - k[1]) * 2 >= h for k in kept):
            kept.append((x, y, s, name, w, h))
    return [k[:4] for k in kept]


def locate(screen, poses, region=None, tolerance=0, share=0.85):
    """The best find of locate_all, or None."""
    found = locate_all(screen, poses, region, tolerance, share)
    return found[0] if found else None


def frame_box(sprite, frameset):
    """(w, h, box x, box y, box w, box h) of the first frame of a frameset: its size and the
    collision box inside it."""
    tree = ET.parse(os.path.join(GAME_DIR, "data/gfx/didudo_sprites.xml"))
    for s in tree.getroot().iter("sprite"):
        if s.get("name") == sprite:
            for f in s.iter("frameset"):
                if f.get("name") == frameset:
                    b = next(f.iter("frameB"))
                    return tuple(int(b.get(a)) for a in ("w", "h", "bX", "bY", "bW", "bH"))
    raise KeyError(f"no frameset {frameset} in sprite {sprite}")
