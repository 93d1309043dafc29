"""Regenerates all art into a temporary directory and compares it with what is committed:
images pixel for pixel, the sprite collection as text. Committed art never drifts from its
generators, and nothing generated is left uncommitted or stale."""
import os
import subprocess
import sys
import tempfile
import unittest

import numpy as np
from PIL import Image

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
GAME = os.path.join(ROOT, "game")
MAKE_ART = os.path.join(ROOT, "tools", "art", "make_art.py")


def generated_files(top):
    for folder, _, files in os.walk(top):
        for f in files:
            yield os.path.relpath(os.path.join(folder, f), top)


class RegenerationTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        subprocess.run([sys.executable, MAKE_ART, "--out", cls.tmp.name], check=True)
        cls.files = sorted(generated_files(cls.tmp.name))

    @classmethod
    def tearDownClass(cls):
        cls.tmp.cleanup()

    def test_generated_files_equal_the_committed_ones(self):
        self.assertIn(os.path.join("data", "gfx", "didudo_sprites.xml"), self.files)
        for rel in self.files:
            with self.subTest(file=rel):
                fresh = os.path.join(self.tmp.name, rel)
                committed = os.path.join(GAME, rel)
                self.assertTrue(os.path.exists(committed), "generated but not committed")
                if rel.endswith(".png"):
                    a, b = Image.open(fresh), Image.open(committed)
                    self.assertEqual((a.mode, a.size), (b.mode, b.size))
                    diff = np.asarray(a).astype(int) - np.asarray(b).astype(int)
                    self.assertEqual(int(np.count_nonzero(diff)), 0, "pixels differ")
                else:
                    with open(fresh, encoding="utf-8") as fa, open(committed, encoding="utf-8") as fb:
                        self.assertEqual(fa.read(), fb.read())

    def test_no_stale_sheets_are_committed(self):
        gfx = os.path.join(GAME, "data", "gfx")
        committed = {os.path.join("data", "gfx", f) for f in os.listdir(gfx)}
        self.assertEqual(sorted(committed - set(self.files)), [],
                         "files in game/data/gfx that the art tools no longer make")


if __name__ == "__main__":
    unittest.main()
