"""Finds texts on screenshots of the game: a text is rendered with the game's own font strips
exactly as the game lays it out, and its fully opaque glyph pixels are compared with the
screenshot at the place the game draws it."""
import os
import re
import shutil
import subprocess
import time

import numpy as np
from PIL import Image

GAME_DIR = os.environ["ZEPO_GAME_DIR"]


class FontStrip:
    """A font strip: glyphs for "!" upwards between runs of magenta in row 0."""

    def __init__(self, name):
        image = Image.open(os.path.join(GAME_DIR, name)).convert("RGBA")
        self.pixels = np.array(image).astype(np.int32)
        row = self.pixels[0]
        magenta = (row[:, 0] == 255) & (row[:, 1] == 0) & (row[:, 2] == 255)
        self.positions = []
        x = 0
        width = len(row)
        while x < width:
            if magenta[x]:
                start = x
                while x < width and magenta[x]:
                    x += 1
                self.positions += [start, x]
            x += 1
        self.height = self.pixels.shape[0] - 1
        self.space = self.positions[2] - self.positions[1]

    def glyph(self, c):
        code = ord(c)
        if c == " " or code < 33 or code >= 128:
            return None
        o = 2 * (code - 33) + 1
        return None if o + 2 >= len(self.positions) else o

    def width(self, text):
        total = 0
        for c in text:
            o = self.glyph(c)
            total += self.space if o is None else self.positions[o + 1] - self.positions[o]
        return total

    def render(self, text):
        """The text as the game draws it at (0, 0): an RGBA picture and where its left edge lies
        relative to the text's x (glyphs overhang to the left by half a marker run)."""
        blits = []
        x = 0
        for c in text:
            o = self.glyph(c)
            if o is None:
                x += self.space
                continue
            p = self.positions
            left, right = p[o], p[o + 1]
            source_left = (p[o - 1] + left) // 2
            w = (right + p[o + 2]) // 2 - source_left
            blits.append((int(x - (left - p[o - 1]) / 2.0), source_left, w))
            x += right - left
        if not blits:
            return np.zeros((self.height, 1, 4), np.int32), 0
        first = min(b[0] for b in blits)
        last = max(b[0] + b[2] for b in blits)
        canvas = np.zeros((self.height, last - first, 4), np.int32)
        for to_x, source_left, w in blits:
            glyph = self.pixels[1:, source_left:source_left + w]
            target = canvas[:, to_x - first:to_x - first + w]
            alpha = glyph[:, :, 3:4] / 255.0
            target[:, :, :3] = (glyph[:, :, :3] * alpha + target[:, :, :3] * (1 - alpha)).astype(np.int32)
            target[:, :, 3] = np.maximum(target[:, :, 3], glyph[:, :, 3])
        return canvas, first


LARGE = "font2.png"
SMALL = "fontsmall2.png"
_fonts = {}


def font(name):
    if name not in _fonts:
        _fonts[name] = FontStrip(name)
    return _fonts[name]


def window_origin(window):
    """Where the game's window lies on the screen of the virtual X server."""
    shell = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window],
                           capture_output=True, text=True, check=True).stdout
    values = dict(line.split("=", 1) for line in shell.split() if "=" in line)
    return int(values["X"]), int(values["Y"])


def load_screenshot(path):
    return np.array(Image.open(path).convert("RGB")).astype(np.int32)


def match(screenshot, origin, font_name, text, x, y, slack=2, tolerance=12):
    """The share (0..1) of the text's opaque pixels that the screenshot shows at (x, y) of the
    game's window, at the best placement within `slack` pixels."""
    strip = font(font_name)
    picture, first = strip.render(text)
    opaque = picture[:, :, 3] == 255
    if not opaque.any():
        raise ValueError("nothing to look for in %r" % text)
    wanted = picture[:, :, :3][opaque]
    best = 0.0
    for dy in range(-slack, slack + 1):
        for dx in range(-slack, slack + 1):
            left = origin[0] + x + first + dx
            top = origin[1] + y + dy
            if left < 0 or top < 0:
                continue
            region = screenshot[top:top + picture.shape[0], left:left + picture.shape[1]]
            if region.shape[:2] != picture.shape[:2]:
                continue
            seen = region[opaque]
            close = np.all(np.abs(seen - wanted) <= tolerance, axis=1)
            best = max(best, float(close.mean()))
    return best


def shows(screenshot, origin, font_name, text, x, y):
    return match(screenshot, origin, font_name, text, x, y) >= 0.9


def centred_x(font_name, text, centre):
    return centre - font(font_name).width(text) // 2


def right_aligned_x(font_name, text, right):
    return right - font(font_name).width(text)


def wait_text(game, font_name, text, x, y, present=True, timeout=8.0):
    """Takes screenshots of the running game until the text shows at (x, y) (or, with
    present=False, until it is gone); returns whether that happened within the time, and the
    last screenshot."""
    origin = window_origin(game.window)
    deadline = time.time() + timeout
    while True:
        shot = game.screenshot("wait.png")
        share = match(load_screenshot(shot), origin, font_name, text, x, y)
        if (share >= 0.9) if present else (share < 0.5):
            return True, shot
        if time.time() > deadline:
            return False, shot
        time.sleep(0.2)


def expect_text(game, font_name, text, x, y, present=True, timeout=8.0):
    """Fails unless the text shows (or is gone); the screenshot of a failure is kept in the
    working directory as failed-screen.png."""
    seen, shot = wait_text(game, font_name, text, x, y, present, timeout)
    if not seen:
        shutil.copy(shot, "failed-screen.png")
        raise AssertionError("%r %s at (%d, %d) in %s (see failed-screen.png)"
                             % (text, "not shown" if present else "still shown", x, y, font_name))


def enter_password(game, word):
    """From the main menu with "hraj" chosen: opens "heslo", types the word and confirms it."""
    game.key("Down", "Return")
    expect_text(game, LARGE, "   heslo: ", 140, 210)
    game.type_text(word)
    expect_text(game, LARGE, "   heslo: " + word, 140, 210)
    game.key("Return")


def level_names(level_set="easy"):
    """The levels of a level set in playing order."""
    with open(os.path.join(GAME_DIR, "data/maps", level_set, "levellist.xml")) as listing:
        return re.findall(r'<level\s+name="([^"]*)"', listing.read())


def level_title(level_set, name):
    """The title the game shows when the level starts: "LEVEL n: " + its display name."""
    with open(os.path.join(GAME_DIR, "data/maps", level_set, name + "_defs.xml")) as definition:
        display = re.search(r'\sname="([^"]*)"', definition.read())
    return "LEVEL %d: %s" % (level_names(level_set).index(name) + 1, display.group(1) if display else "NO NAME")
