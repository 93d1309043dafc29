"""The hint window as the game fills it: the hint in the small font, a new line at every "|"
and at the first space after 250 pixels, so that a designer sees how many lines a hint takes."""
from functools import lru_cache

from PIL import Image

from levels.catalogue import ROOT

WRAP_WIDTH = 250
MAGENTA = (255, 0, 255)


@lru_cache(maxsize=None)
def _positions():
    """Starts and ends of the marker runs in the font strip's top row, flattened."""
    strip = Image.open(ROOT / "game/fontsmall2.png").convert("RGB")
    row = [strip.getpixel((x, 0)) for x in range(strip.width)]
    positions, x = [], 0
    while x < len(row):
        if row[x] == MAGENTA:
            start = x
            while x < len(row) and row[x] == MAGENTA:
                x += 1
            positions += [start, x]
        x += 1
    return positions


def text_width(text):
    p = _positions()
    width = 0
    for c in text:
        offset = 2 * (ord(c) - 33) + 1
        if c == " " or not 33 <= ord(c) < 128 or offset + 2 >= len(p):
            width += p[2] - p[1]
        else:
            width += p[offset + 1] - p[offset]
    return width


def lines(hint):
    """The lines of the hint window, broken as the game breaks them."""
    out, line = [], ""
    for i, c in enumerate(hint):
        if c != "|":
            line += c
        if (c == " " and text_width(line) > WRAP_WIDTH) or c == "|" or i + 1 == len(hint):
            out.append(line)
            line = ""
    return out
