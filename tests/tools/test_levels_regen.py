"""Regenerates every level file from tools/levels into a temporary directory and compares it, as
text, with what is committed under game/data/maps: the level files never drift from their
sources, and no level file is committed that the sources no longer make."""
import os
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
MAPS = os.path.join(ROOT, "game", "data", "maps")
MAKE_LEVELS = os.path.join(ROOT, "tools", "levels", "make_levels.py")


def level_files(top):
    """Level files under a maps directory (the tile definitions belong to the art tools)."""
    found = set()
    for folder, _, files in os.walk(top):
        for name in files:
            if not name.startswith("tiles_"):
                found.add(os.path.relpath(os.path.join(folder, name), top))
    return found


class LevelRegeneration(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        subprocess.run([sys.executable, MAKE_LEVELS, "--out", cls.tmp.name], check=True)
        cls.fresh = os.path.join(cls.tmp.name, "data", "maps")

    @classmethod
    def tearDownClass(cls):
        cls.tmp.cleanup()

    def test_committed_level_files_equal_their_sources(self):
        for rel in sorted(level_files(self.fresh)):
            with self.subTest(file=rel):
                committed = os.path.join(MAPS, rel)
                self.assertTrue(os.path.exists(committed), "generated but not committed")
                with open(os.path.join(self.fresh, rel)) as a, open(committed) as b:
                    self.assertEqual(a.read(), b.read())

    def test_nothing_stale_is_committed(self):
        self.assertEqual(sorted(level_files(MAPS) - level_files(self.fresh)), [])

    def test_every_set_lists_the_same_levels(self):
        lists = {s: open(os.path.join(self.fresh, s, "levellist.xml")).read() for s in ("easy", "medium", "hard")}
        self.assertEqual(lists["easy"], lists["medium"])
        self.assertEqual(lists["easy"], lists["hard"])


if __name__ == "__main__":
    unittest.main()
