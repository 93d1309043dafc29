"""zepo --check: the shipped sets are clean; a copy of a set with one fault of each kind is
reported fault by fault with its file and line, also after a level whose files a loader refuses;
bad arguments end with status 2."""
import re
import sys
import unittest

from scratch_root import ScratchRoot, line_of


class ShippedSets(unittest.TestCase):
    def test_every_shipped_set_is_clean(self):
        root = ScratchRoot()
        try:
            result = root.run("--check")
            self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
            self.assertEqual(result.stdout, "")
            result = root.run("--check", "easy", "hard")
            self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        finally:
            root.close()


class BrokenSet(unittest.TestCase):
    """A copy of the easy set named "broken", one fault on each of its first levels."""

    @classmethod
    def setUpClass(cls):
        cls.root = root = ScratchRoot()
        root.copy_set("easy", "broken")
        folder = "data/maps/broken/"
        cls.expected = []

        def expect(name, needle, what):
            cls.expected.append((folder + name, line_of(root.read(folder + name), needle), what))

        entities = root.read(folder + "l1_entities.xml").replace(
            "</mapEntities>", '  <entity name="CATAPULT1" x="250" y="400"/>\n</mapEntities>')
        root.write(folder + "l1_entities.xml", entities)
        expect("l1_entities.xml", "CATAPULT1",
               re.escape('CATAPULT1 at (250, 400): "CATAPULT1" is not an entity name'))

        entities = root.read(folder + "l2_entities.xml").replace(
            '<entity name="CLOVEK1" x="120" y="392"/>', '<entity name="CLOVEK1" x="120" y="440"/>')
        root.write(folder + "l2_entities.xml", entities)
        expect("l2_entities.xml", 'y="440"',
               re.escape("CLOVEK1 at (120, 440): its box touches the solid cell column ") + ".*frozen in place")

        broken_map = root.read(folder + "l3_map.xml")
        root.write(folder + "l3_map.xml", broken_map.replace("</layer>", "</layr>", 1))
        cls.expected.append((folder + "l3_map.xml", line_of(broken_map, "</layer>"), "not well-formed XML: "))

        root.remove(folder + "l4_map.xml")
        cls.expected.append((folder + "l4_map.xml", None, re.escape("the file is missing")))

        entities = root.read(folder + "l5_entities.xml")
        root.write(folder + "l5_entities.xml", entities.replace(
            "</mapEntities>", '  <entity name="PLAYER" x="100"/>\n</mapEntities>'))
        expect("l5_entities.xml", '<entity name="PLAYER" x="100"/>', re.escape("Y not found near ENTITY tag!"))

        entities = root.read(folder + "l6_entities.xml")
        generator = entities.index("<generator ")
        start = entities.index('start="', generator)
        entities = entities[:start] + 'start="-500"' + entities[entities.index('"', start + 7) + 1:]
        root.write(folder + "l6_entities.xml", entities)
        expect("l6_entities.xml", 'start="-500"',
               re.escape("the generator at ") + r"\(.*\)" + re.escape(" has start -500: it counts as 0"))

        sprites = root.read("data/gfx/didudo_sprites.xml")
        start = sprites.index('<frameset name="THROW_LEFT"', sprites.index('<sprite name="CLOVEK2"'))
        end = sprites.index("</frameset>", start) + len("</frameset>")
        root.write("data/gfx/didudo_sprites.xml", sprites[:start] + sprites[end:])
        cls.expected.append(("data/gfx/didudo_sprites.xml", line_of(sprites, '<sprite name="CLOVEK2"'),
                             re.escape("sprite CLOVEK2 of CLOVEK2: no frameset THROW_LEFT")))

        levels = root.read(folder + "levellist.xml").replace("</levelList>", '  <level name="l99"/>\n</levelList>')
        root.write(folder + "levellist.xml", levels)
        expect("levellist.xml", "l99", re.escape("the level l99 is listed, but none of its files is in " + folder))

        cls.result = root.run("--check", "broken")

    @classmethod
    def tearDownClass(cls):
        cls.root.close()

    def test_each_fault_is_one_line_with_its_file_and_line(self):
        self.assertEqual(self.result.returncode, 1, self.result.stderr)
        lines = self.result.stdout.splitlines()
        for file, line, what in self.expected:
            place = re.escape(file) + (":%d" % line if line else "")
            matching = [text for text in lines if re.match(place + ": " + what, text)]
            self.assertEqual(len(matching), 1, "%s:%s %s not once in:\n%s" % (file, line, what, self.result.stdout))
        self.assertEqual(len(lines), len(self.expected), self.result.stdout)

    def test_the_levels_after_a_broken_one_are_checked_in_order(self):
        lines = self.result.stdout.splitlines()
        order = [next(i for i, text in enumerate(lines) if text.startswith(file))
                 for file in ("data/maps/broken/l1_", "data/maps/broken/l2_", "data/maps/broken/l3_",
                              "data/maps/broken/l4_", "data/maps/broken/l5_", "data/maps/broken/l6_",
                              "data/maps/broken/levellist")]
        self.assertEqual(order, sorted(order), self.result.stdout)

    def test_the_other_sets_are_not_affected_but_the_shared_sprite(self):
        result = self.root.run("--check", "hard")
        self.assertEqual(result.returncode, 1)
        self.assertTrue(all(line.startswith("data/gfx/didudo_sprites.xml:") for line in result.stdout.splitlines()),
                        result.stdout)


class Arguments(unittest.TestCase):
    def test_bad_arguments_end_with_status_two(self):
        root = ScratchRoot()
        try:
            for args, message in ((("--check", "nothing"), "no level set nothing"),
                                  (("--check", "../easy"), "is not a level set name"),
                                  (("--check", "easy/l1"), "is not a level set name"),
                                  (("--check", "easy", "--software"), "--check takes level set names")):
                result = root.run(*args)
                self.assertEqual(result.returncode, 2, args)
                self.assertIn(message, result.stderr)
                self.assertEqual(result.stdout, "")
        finally:
            root.close()


if __name__ == "__main__":
    sys.exit(unittest.main())
