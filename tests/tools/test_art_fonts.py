"""Checks of the committed font strips: the format the game's font loader reads, a glyph for
every code from "!" to 127, and the sizes the fixed text positions of the game allow."""
import os
import unittest

import numpy as np
from PIL import Image

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
GAME = os.path.join(ROOT, "game")
MAGENTA = (255, 0, 255)
FIRST, LAST = 33, 127


class Strip:
    """A strip read the way the game reads it (marker runs of row 0, drawn rectangles)."""

    def __init__(self, path):
        self.rgba = np.asarray(Image.open(path).convert("RGBA")).astype(int)
        self.height, self.width = self.rgba.shape[:2]
        row = self.rgba[0]
        magenta = np.all(row[:, :3] == MAGENTA, axis=-1) & (row[:, 3] == 255)
        self.positions, x = [], 0
        while x < self.width:
            if magenta[x]:
                start = x
                while x < self.width and magenta[x]:
                    x += 1
                self.positions += [start, x]
            x += 1
        self.last = x - 1

    def offset(self, code):
        return 2 * (code - 33) + 1

    def advance(self, ch):
        o = self.offset(ord(ch))
        if ch == " " or o < 0 or o > self.last:
            return self.positions[2] - self.positions[1]
        return self.positions[o + 1] - self.positions[o]

    def text_width(self, text):
        return sum(self.advance(ch) for ch in text)

    def drawn(self, code):
        """The pixels the game blits for a character (with half of each neighbouring run)."""
        o, p = self.offset(code), self.positions
        left = (p[o - 1] + p[o]) // 2
        right = (p[o + 1] + p[o + 2]) // 2
        return self.rgba[1:, left:right]


class FontStripTest(unittest.TestCase):
    FONTS = {"font2.png": 30, "fontsmall2.png": 24, "font1.png": 38}   # max text height

    @classmethod
    def setUpClass(cls):
        cls.strips = {name: Strip(os.path.join(GAME, name)) for name in cls.FONTS}

    def test_one_marker_run_before_every_glyph_and_one_after_the_last(self):
        for name, s in self.strips.items():
            with self.subTest(font=name):
                self.assertEqual(len(s.positions), 2 * (LAST - FIRST + 2))
                self.assertEqual(s.positions[0], 0, "the first run starts the strip")
                self.assertEqual(s.positions[-1], s.width, "the closing run ends the strip")
                widths = np.diff(s.positions)
                self.assertTrue(np.all(widths[1::2] >= 3), "a glyph cell is too narrow")

    def test_magenta_only_in_the_marker_row(self):
        for name, s in self.strips.items():
            below = np.all(s.rgba[1:, :, :3] == MAGENTA, axis=-1) & (s.rgba[1:, :, 3] > 0)
            self.assertFalse(below.any(), name)

    def test_transparent_colour_is_unused_by_the_letters(self):
        for name, s in self.strips.items():
            with self.subTest(font=name):
                key = s.rgba[-1, 0]
                self.assertEqual(int(key[3]), 0, "background must be fully transparent")
                letters = s.rgba[1:][s.rgba[1:, :, 3] > 0]
                self.assertGreater(len(letters), 0)
                self.assertFalse(np.any(np.all(letters[:, :3] == key[:3], axis=-1)))
                background = s.rgba[1:][s.rgba[1:, :, 3] == 0]
                self.assertTrue(np.all(background == key), "all background pixels hold the key")

    def test_every_printable_character_has_ink_of_its_own(self):
        for name, s in self.strips.items():
            for code in range(FIRST, LAST + 1):
                with self.subTest(font=name, char=chr(code)):
                    self.assertGreater(int(np.count_nonzero(s.drawn(code)[..., 3] > 128)), 3)

    def test_sizes_fit_the_fixed_text_positions(self):
        large, small, hud = (self.strips[n] for n in ("font2.png", "fontsmall2.png", "font1.png"))
        for name, s in self.strips.items():
            self.assertLessEqual(s.height - 1, self.FONTS[name], name)
        self.assertGreaterEqual(large.height - 1, 22, "large font too small to read as titles")
        self.assertGreaterEqual(small.height - 1, 14)
        for s in self.strips.values():
            space = s.advance(" ")
            self.assertTrue(s.height // 5 <= space <= s.height // 2, "space width out of proportion")
        lowercase = "abcdefghijklmnopqrstuvwxyz"
        self.assertLessEqual(large.text_width(lowercase) / 26, 24)
        self.assertLessEqual(small.text_width(lowercase) / 26, 11)
        self.assertLessEqual(max(hud.advance(d) for d in "0123456789"), 22)
        self.assertLessEqual(110 + large.text_width("CELKEM SKORE: 99,999,999"), 630)
        for label in ("> pokracuj", "> zrus hru", "> credits"):
            self.assertLessEqual(large.text_width(label), 280, label)
        row = small.text_width("10. WWWWW") + small.text_width("99,999,999")
        self.assertLess(row + 8, 590 - 350, "a high-score row overlaps its score")
        self.assertLessEqual(570 + hud.text_width("x99"), 640)


if __name__ == "__main__":
    unittest.main()
