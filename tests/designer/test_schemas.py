"""The schemas of game/data/schema: every shipped XML file validates with xmllint; the malformed
inputs of the loader tests (every raw string of their tests of refused files, read out of the
test sources) fail validation; the map entities schema names exactly the catalogue's entities."""
import glob
import os
import re
import subprocess
import sys
import tempfile
import unittest

from scratch_root import GAME_DIR

SOURCE = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SCHEMAS = os.path.join(GAME_DIR, "data", "schema")
sys.path.insert(0, os.path.join(SOURCE, "tools"))
from levels import entity_schema  # noqa: E402

# The shipped files of each format, by schema.
SHIPPED = {
    "sprite_collection.xsd": ["data/gfx/didudo_sprites.xml"],
    "tile_definitions.xsd": ["data/maps/tiles_*.xml"],
    "map.xsd": ["data/maps/*/*_map.xml"],
    "map_entities.xsd": ["data/maps/*/*_entities.xml"],
    "level_list.xsd": ["data/maps/*/levellist.xml"],
    "level_definition.xsd": ["data/maps/*/*_defs.xml"],
}

# The loader tests that feed refused files to each loader: (source, test name, schema, how a
# raw string becomes a file).
LOADER_TESTS = [
    ("tests/level/map_file_test.cpp", "StructuralErrorsEndTheProgramWithTheirMessage", "map.xsd",
     lambda text: "<map>" + text + "</map>"),
    ("tests/level/map_file_test.cpp", "AMissingOrBrokenFileEndsTheProgram", "map.xsd", None),
    ("tests/level/tile_definitions_file_test.cpp", "StructuralErrorsEndTheProgramWithTheirMessage",
     "tile_definitions.xsd", None),
    ("tests/level/tile_definitions_file_test.cpp", "AMissingOrBrokenFileEndsTheProgram", "tile_definitions.xsd", None),
    ("tests/level/map_entities_file_test.cpp", "MistakesEndTheProgramNamingTheFile", "map_entities.xsd", None),
    ("tests/gfx/sprite_collection_file_test.cpp", "StructuralErrorsEndTheProgramWithTheirMessage",
     "sprite_collection.xsd", None),
    ("tests/gfx/sprite_collection_file_test.cpp", "AMissingOrBrokenFileEndsTheProgram", "sprite_collection.xsd", None),
    ("tests/level/level_list_test.cpp", "DataErrorsEndTheProgramWithTheirMessage", "level_list.xsd", None),
    ("tests/level/level_definition_test.cpp", "DataErrorsEndTheProgramWithTheirMessage", "level_definition.xsd", None),
]


def validate(schema, path):
    return subprocess.run(["xmllint", "--noout", "--schema", os.path.join(SCHEMAS, schema), path],
                          capture_output=True, text=True)


def test_inputs(source, name):
    """The raw strings, and the strings written as files, that start with an element, in the body
    of the named test."""
    with open(os.path.join(SOURCE, source), encoding="utf-8") as f:
        text = f.read()
    found = re.search(r"\bTEST_F\(\w+, " + name + r"\)\n\{\n(.*?)\n\}\n", text, re.S)
    if not found:
        return None
    body = found.group(1)
    raw = re.findall(r'R"\((.*?)\)"', body, re.S)
    plain = [text.replace('\\"', '"') for text in re.findall(r'file\("((?:[^"\\]|\\.)*)"\)', body)]
    return [text for text in raw + plain if text.startswith("<")]


class Schemas(unittest.TestCase):
    def test_every_shipped_file_validates(self):
        count = 0
        for schema, patterns in SHIPPED.items():
            files = [path for pattern in patterns for path in sorted(glob.glob(os.path.join(GAME_DIR, pattern)))]
            self.assertTrue(files, schema)
            for path in files:
                result = validate(schema, path)
                self.assertEqual(result.returncode, 0, result.stderr)
                count += 1
        self.assertGreater(count, 190)

    def test_the_loader_tests_refused_inputs_fail_validation(self):
        checked = 0
        with tempfile.TemporaryDirectory() as scratch:
            for source, name, schema, wrap in LOADER_TESTS:
                inputs = test_inputs(source, name)
                self.assertTrue(inputs, "no inputs in %s %s" % (source, name))
                for body in inputs:
                    path = os.path.join(scratch, "input.xml")
                    with open(path, "w", encoding="utf-8") as f:
                        f.write(wrap(body) if wrap else body)
                    result = validate(schema, path)
                    self.assertNotEqual(result.returncode, 0, "%s %s accepts %s" % (schema, name, body))
                    checked += 1
        self.assertGreater(checked, 40)

    def test_the_entity_schema_names_the_catalogue(self):
        with open(os.path.join(SCHEMAS, "map_entities.xsd"), encoding="utf-8") as f:
            self.assertEqual(f.read(), entity_schema.schema_text(),
                             "run tools/levels/entity_schema.py: the schema is not the catalogue's")
        names = re.findall(r'<xs:enumeration value="([A-Z0-9_]+)"/>', entity_schema.schema_text())
        self.assertEqual(len(names), 136)
        self.assertIn("CLOVEK1", names)
        self.assertNotIn("CATAPULT1", names)  # a sprite's name, not an entity's


if __name__ == "__main__":
    sys.exit(unittest.main())
