"""The annotated example of docs/levels.md is a level set that works: its files, taken from the
guide into a player's data folder, pass zepo --check and validate against the schemas the guide
names for them, and the guide's table of schemas names every schema of the data folder."""
import os
import re
import shutil
import subprocess
import unittest

from scratch_root import GAME_DIR, ScratchRoot

GUIDE = os.path.join(os.environ["ZEPO_SOURCE_DIR"], "docs", "levels.md")
SCHEMAS = os.path.join(GAME_DIR, "data", "schema")
# A file line of the guide, "File `maps/garden/g1_map.xml`:", and the fenced block after it.
EXAMPLE_FILE = re.compile(r"^File `(maps/[^`]+)`[^\n]*:\n\n```[a-z]*\n(.*?)^```$", re.M | re.S)
SCHEMA_ROW = re.compile(r"^\| [^|]+ \| `([a-z_]+\.xsd)` \|$", re.M)


def guide():
    with open(GUIDE, encoding="utf-8") as f:
        return f.read()


def schema_of(name):
    """The schema the guide's table gives for a file of that name."""
    base = os.path.basename(name)
    if base == "levellist.xml":
        return "level_list.xsd"
    if base.startswith("tiles_"):
        return "tile_definitions.xsd"
    for suffix, schema in (("_defs.xml", "level_definition.xsd"), ("_map.xml", "map.xsd"),
                           ("_entities.xml", "map_entities.xsd")):
        if base.endswith(suffix):
            return schema
    return None


class GuideExample(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.files = EXAMPLE_FILE.findall(guide())

    def setUp(self):
        self.root = ScratchRoot()
        self.data = os.path.join(self.root.home, ".local", "share", "zepo")
        for name, text in self.files:
            path = os.path.join(self.data, name)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "w", encoding="utf-8") as f:
                f.write(text)

    def tearDown(self):
        self.root.close()

    def test_the_guide_shows_every_file_of_the_level(self):
        names = sorted(name for name, _ in self.files)
        self.assertEqual(names, ["maps/g1_hint.xml", "maps/garden/g1_defs.xml", "maps/garden/g1_entities.xml",
                                 "maps/garden/g1_map.xml", "maps/garden/levellist.xml", "maps/tiles_garden.xml"])

    def test_the_example_set_is_clean(self):
        result = self.root.run("--check", "garden")
        self.assertEqual((result.returncode, result.stdout), (0, ""), result.stderr)

    def test_a_fault_in_the_example_is_found_in_its_file(self):
        # The check reads these very files: a walker moved into the ground is reported.
        path = os.path.join(self.data, "maps/garden/g1_entities.xml")
        with open(path, encoding="utf-8") as f:
            text = f.read()
        with open(path, "w", encoding="utf-8") as f:
            f.write(text.replace('x="150" y="392"', 'x="150" y="440"'))
        result = self.root.run("--check", "garden")
        self.assertEqual(result.returncode, 1)
        self.assertRegex(result.stdout, "^" + re.escape(path) + r":\d+: CLOVEK1 at \(150, 440\): its box touches")

    def test_a_background_of_your_own_is_named_by_its_absolute_path(self):
        own = os.path.join(self.data, "garden.png")
        shutil.copyfile(os.path.join(GAME_DIR, "data", "gfx", "bg_dunes.png"), own)
        path = os.path.join(self.data, "maps/garden/g1_map.xml")
        with open(path, encoding="utf-8") as f:
            text = f.read()
        for background, expected in ((own, ""), (own + ".missing", "no background picture")):
            with open(path, "w", encoding="utf-8") as f:
                f.write(text.replace('background="data/gfx/bg_meadow.png"', 'background="%s"' % background))
            result = self.root.run("--check", "garden")
            if expected:
                self.assertIn(expected, result.stdout)
            else:
                self.assertEqual((result.returncode, result.stdout), (0, ""), result.stderr)

    def test_every_xml_file_of_the_example_follows_its_schema(self):
        checked = 0
        for name, _ in self.files:
            schema = schema_of(name)
            if not schema:
                continue
            result = subprocess.run(["xmllint", "--noout", "--schema", os.path.join(SCHEMAS, schema),
                                     os.path.join(self.data, name)], capture_output=True, text=True, timeout=60)
            self.assertEqual(result.returncode, 0, name + ": " + result.stderr)
            checked += 1
        self.assertEqual(checked, 5)


class GuideSchemas(unittest.TestCase):
    def test_the_table_names_every_schema_of_the_data_folder(self):
        named = sorted(SCHEMA_ROW.findall(guide()))
        self.assertEqual(named, sorted(os.listdir(SCHEMAS)))


if __name__ == "__main__":
    unittest.main()
