"""A level set of the player's own, in maps/ of the player's data folder with its hints beside
it: --set plays it, --check finds it; set names with a path separator or ".." are refused."""
import os
import select
import subprocess
import sys
import time
import unittest

from scratch_root import GAME_DIR, ZEPO_BIN, ScratchRoot, line_of

EASY = os.path.join(GAME_DIR, "data", "maps", "easy")


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


class OwnSet(unittest.TestCase):
    """The set "mine": the level "louka", the first easy level over the dunes."""

    def setUp(self):
        self.root = ScratchRoot()
        self.maps = os.path.join(self.root.home, ".local", "share", "zepo", "maps")
        self.folder = os.path.join(self.maps, "mine")
        os.makedirs(self.folder)
        self.write("levellist.xml", '<level name="louka"/>\n')
        self.write("louka_defs.xml", read(os.path.join(EASY, "l1_defs.xml")))
        self.write("louka_map.xml", read(os.path.join(EASY, "l1_map.xml")).replace("bg_meadow", "bg_dunes"))
        self.write("louka_entities.xml", read(os.path.join(EASY, "l1_entities.xml")))

    def tearDown(self):
        self.root.close()

    def write(self, name, text, folder=None):
        with open(os.path.join(folder or self.folder, name), "w", encoding="utf-8") as f:
            f.write(text)

    def test_check_finds_it_with_the_others_and_by_name(self):
        result = self.root.run("--check", "mine")
        self.assertEqual((result.returncode, result.stdout), (0, ""), result.stderr)
        hint = "Pozor na kameny,\nptáčku!\n"
        self.write("louka_hint.xml", hint, folder=self.maps)
        hint_file = os.path.join(self.maps, "louka_hint.xml")
        for args in (("--check",), ("--check", "mine")):
            result = self.root.run(*args)
            self.assertEqual(result.returncode, 1)
            self.assertEqual(result.stdout, hint_file + ":2: the hint has characters outside ASCII: they are drawn "
                                                        "as blanks\n")

    def test_its_own_tile_definitions_come_before_the_shipped_ones(self):
        tiles = read(os.path.join(GAME_DIR, "data", "maps", "tiles_summer.xml"))
        self.write("tiles_summer.xml", tiles.replace('id="1"', 'id="1"\n  ', 1).replace("walkable", "walkabl", 1),
                   folder=self.maps)
        result = self.root.run("--check", "mine")
        self.assertEqual(result.returncode, 1)
        self.assertRegex(result.stdout, "^" + os.path.join(self.maps, "tiles_summer.xml") +
                         ":[0-9]+: WALKABLE not found near TILE tag!\n$")

    def test_set_plays_it(self):
        # A fault in its files ends the game naming the player's own file.
        entities = read(os.path.join(self.folder, "louka_entities.xml"))
        self.write("louka_entities.xml", entities.replace("</mapEntities>", '<entity name="KOCKA" x="1" y="1"/>\n'
                                                                              "</mapEntities>"))
        result = self.root.run("--set", "mine", "--level", "louka", "--software",
                               timeout=60)
        line = line_of(read(os.path.join(self.folder, "louka_entities.xml")), "KOCKA")
        self.assertEqual(result.returncode, 255)
        self.assertIn("zepo: %s:%d: Entity KOCKA not found in global entity object!"
                      % (os.path.join(self.folder, "louka_entities.xml"), line), result.stderr)

        # Mended, the game plays the level with its own map.
        self.write("louka_entities.xml", entities)
        env = dict(self.root.env(), ZEPO_LOG="1", SDL_VIDEODRIVER="dummy")
        game = subprocess.Popen([ZEPO_BIN, "--set", "mine", "--software"], cwd=self.root.root, env=env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        try:
            seen, deadline = b"", time.time() + 60
            while b"Surface: data/gfx/bg_dunes.png" not in seen and time.time() < deadline:
                ready, _, _ = select.select([game.stderr], [], [], 1)
                if ready:
                    chunk = os.read(game.stderr.fileno(), 65536)
                    if not chunk:
                        break
                    seen += chunk
            self.assertIn(b"Surface: data/gfx/bg_dunes.png", seen)
            self.assertIsNone(game.poll(), "the game ended: " + seen[-2000:].decode(errors="replace"))
        finally:
            game.kill()
            game.wait()

    def test_a_shipped_set_wins_over_one_of_the_same_name(self):
        os.rename(self.folder, os.path.join(self.maps, "easy"))
        result = self.root.run("--check", "easy")
        self.assertEqual((result.returncode, result.stdout), (0, ""), result.stderr)


class SetNames(unittest.TestCase):
    def test_a_path_separator_or_two_dots_are_refused(self):
        root = ScratchRoot()
        try:
            for name in ("../easy", "maps/mine", "..", "a..b", "x\\y"):
                result = root.run("--set", name, "--software")
                self.assertEqual(result.returncode, 2, name)
                self.assertIn("is not a level set name", result.stderr)
            result = root.run("--set", "nowhere", "--software")
            self.assertEqual(result.returncode, 2)
            self.assertIn("no level set nowhere", result.stderr)
        finally:
            root.close()


if __name__ == "__main__":
    sys.exit(unittest.main())
