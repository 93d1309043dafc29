"""Regenerates all art into a temporary directory and compares it with what is committed:
images pixel for pixel, the sprite collection as text; the same for the desktop's icons of
packaging/icons. Committed art never drifts from its generators, and nothing generated is left
uncommitted or stale."""
import os
import subprocess
import sys
import tempfile
import unittest

import numpy as np
from PIL import Image

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
GAME = os.path.join(ROOT, "game")
ICONS = os.path.join(ROOT, "packaging", "icons")
MAKE_ART = os.path.join(ROOT, "tools", "art", "make_art.py")


def generated_files(top):
    for folder, _, files in os.walk(top):
        for f in files:
            yield os.path.relpath(os.path.join(folder, f), top)


class RegenerationTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        cls.game = os.path.join(cls.tmp.name, "game")
        cls.icons = os.path.join(cls.tmp.name, "icons")
        subprocess.run([sys.executable, MAKE_ART, "--out", cls.game, "--icons", cls.icons], check=True)
        cls.files = sorted(generated_files(cls.game))
        cls.icon_files = sorted(generated_files(cls.icons))

    @classmethod
    def tearDownClass(cls):
        cls.tmp.cleanup()

    def assert_committed(self, fresh_top, committed_top, files):
        for rel in files:
            with self.subTest(file=rel):
                fresh = os.path.join(fresh_top, rel)
                committed = os.path.join(committed_top, rel)
                self.assertTrue(os.path.exists(committed), "generated but not committed")
                if rel.endswith(".png"):
                    a, b = Image.open(fresh), Image.open(committed)
                    self.assertEqual((a.mode, a.size), (b.mode, b.size))
                    diff = np.asarray(a).astype(int) - np.asarray(b).astype(int)
                    self.assertEqual(int(np.count_nonzero(diff)), 0, "pixels differ")
                else:
                    with open(fresh, encoding="utf-8") as fa, open(committed, encoding="utf-8") as fb:
                        self.assertEqual(fa.read(), fb.read())

    def test_generated_files_equal_the_committed_ones(self):
        self.assertIn(os.path.join("data", "gfx", "didudo_sprites.xml"), self.files)
        self.assertIn(os.path.join("data", "gfx", "zepo_icon.png"), self.files)
        self.assert_committed(self.game, GAME, self.files)

    def test_icons_equal_the_committed_ones(self):
        self.assertEqual(len(self.icon_files), 6)
        self.assert_committed(self.icons, ICONS, self.icon_files)
        self.assertEqual(sorted(generated_files(ICONS)), self.icon_files, "stale icons committed")

    def test_icons_are_square_transparent_outside_and_opaque_in_the_middle(self):
        for rel in self.icon_files:
            with self.subTest(file=rel):
                size = int(rel.split("x")[0])
                image = Image.open(os.path.join(self.icons, rel))
                self.assertEqual((image.mode, image.size), ("RGBA", (size, size)))
                alpha = np.asarray(image)[..., 3]
                self.assertEqual(int(alpha[0, 0]), 0, "the corners show the desktop")
                self.assertEqual(int(alpha[size // 2, size // 2]), 255)

    def test_no_stale_sheets_are_committed(self):
        gfx = os.path.join(GAME, "data", "gfx")
        committed = {os.path.join("data", "gfx", f) for f in os.listdir(gfx)}
        self.assertEqual(sorted(committed - set(self.files)), [],
                         "files in game/data/gfx that the art tools no longer make")


if __name__ == "__main__":
    unittest.main()
