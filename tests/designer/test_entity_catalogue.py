"""The entity catalogue of docs/levels.md and its pictures are what zepo_entity_catalogue makes
from the game's registry and sprite collection today: the tool run into a scratch folder gives
the committed table and pictures byte for byte. A changed sprite shows in its picture, a stray
picture is removed, and a guide that lost its markers is refused and left alone."""
import filecmp
import os
import shutil
import subprocess
import tempfile
import unittest

from scratch_root import ScratchRoot

CATALOGUE = os.environ["ZEPO_CATALOGUE"]
SOURCE_DIR = os.environ["ZEPO_SOURCE_DIR"]
GUIDE = os.path.join(SOURCE_DIR, "docs", "levels.md")
PICTURES = os.path.join(SOURCE_DIR, "docs", "levels", "entities")
BEGIN = "<!-- the entity catalogue is written by zepo_entity_catalogue"
REGENERATE = "build/tools/catalogue/zepo_entity_catalogue"


def read_bytes(path):
    with open(path, "rb") as f:
        return f.read()


class Catalogue(unittest.TestCase):
    def setUp(self):
        self.scratch = tempfile.mkdtemp(prefix="zepo-catalogue-")
        self.guide = os.path.join(self.scratch, "levels.md")
        self.pictures = os.path.join(self.scratch, "entities")
        shutil.copyfile(GUIDE, self.guide)

    def tearDown(self):
        shutil.rmtree(self.scratch, ignore_errors=True)

    def run_tool(self, data=None):
        args = [CATALOGUE, "--guide", self.guide, "--pictures", self.pictures]
        if data:
            args += ["--data", data]
        return subprocess.run(args, capture_output=True, text=True, timeout=120,
                              env=dict(os.environ, SDL_VIDEODRIVER="dummy"))

    def test_the_committed_catalogue_is_the_registry_of_today(self):
        result = self.run_tool()
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(read_bytes(self.guide), read_bytes(GUIDE),
                         "docs/levels.md's entity catalogue differs from the registry: run " + REGENERATE)
        made, committed = sorted(os.listdir(self.pictures)), sorted(os.listdir(PICTURES))
        self.assertEqual(made, committed, "the pictures differ from the registry's entities: run " + REGENERATE)
        _, differing, errors = filecmp.cmpfiles(self.pictures, PICTURES, made, shallow=False)
        self.assertEqual(differing + errors, [], "these pictures differ from the sprites: run " + REGENERATE)

    def test_the_table_holds_every_entity_once_with_its_picture(self):
        with open(GUIDE, encoding="utf-8") as f:
            text = f.read()
        table = text[text.index(BEGIN):text.index("<!-- end of the entity catalogue -->")]
        names = [line.split("`")[1] for line in table.splitlines() if line.startswith("| ") and "`" in line]
        # Pinned apart from the registry's own table: its size, its ends and a few rows.
        self.assertEqual(len(names), 136)
        self.assertEqual(len(set(names)), 136)
        self.assertEqual((names[0], names[-1]), ("PLAYER", "EGGRUNNER"))
        self.assertIn("| ![CLOVEK1](levels/entities/clovek1.png) | `CLOVEK1` |", table)
        self.assertRegex(table, r"\| `KAPKA` \| [^|]+ \| 4 harmful projectile \| [^|]+ \| KAPKA, AKTINI \|")
        self.assertRegex(table, r"\| `SPOT` \| [^|]+ \| 4 harmful projectile \| [^|]+ \| REDBALON, FRAMESET1 \|")
        self.assertRegex(table, r"\| `HRAD3` \| [^|]+ \| 0 none \| none \| HRAD3, FRAMESET1 \|")

    def test_a_changed_sprite_changes_its_picture_and_nothing_else(self):
        data = ScratchRoot()
        try:
            sprites = data.read("data/gfx/didudo_sprites.xml")
            start = sprites.index('<sprite name="KAMEN"')
            frame = sprites.index('<frameB name="FRAME1" x="', start)
            x = frame + len('<frameB name="FRAME1" x="')
            old = sprites[x:sprites.index('"', x)]
            data.write("data/gfx/didudo_sprites.xml", sprites[:x] + str(int(old) + 1) + sprites[x + len(old):])
            result = self.run_tool(data.root)
        finally:
            data.close()
        self.assertEqual(result.returncode, 0, result.stderr)
        made = sorted(os.listdir(self.pictures))
        _, differing, _ = filecmp.cmpfiles(self.pictures, PICTURES, made, shallow=False)
        self.assertEqual(differing, ["kamen.png"])

    def test_a_picture_of_no_entity_is_removed(self):
        os.makedirs(self.pictures)
        stray = os.path.join(self.pictures, "catapult1.png")
        shutil.copyfile(os.path.join(PICTURES, "katapult1.png"), stray)
        keep = os.path.join(self.pictures, "notes.txt")
        with open(keep, "w") as f:
            f.write("not a picture\n")
        result = self.run_tool()
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertFalse(os.path.exists(stray))
        self.assertTrue(os.path.exists(keep))

    def test_a_guide_without_its_markers_is_refused_and_left_alone(self):
        with open(self.guide, "w", encoding="utf-8") as f:
            f.write("# Levels\n\nThe table went missing.\n")
        result = self.run_tool()
        self.assertEqual(result.returncode, 1)
        self.assertIn("marker", result.stderr)
        self.assertFalse(os.path.exists(self.pictures), "pictures were written for a guide that was refused")
        with open(self.guide, encoding="utf-8") as f:
            self.assertEqual(f.read(), "# Levels\n\nThe table went missing.\n")

    def test_bad_arguments_end_with_status_2(self):
        for args in (["--guide"], ["--colour", "red"]):
            result = subprocess.run([CATALOGUE, *args], capture_output=True, text=True, timeout=60)
            self.assertEqual(result.returncode, 2, args)
            self.assertIn("usage:", result.stderr)


if __name__ == "__main__":
    unittest.main()
