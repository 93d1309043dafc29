"""Checks of the winter half of the level sets (l1b ... l10b) from their sources: what the game
cannot refuse but a player would notice - an icicle hanging in the air, a peeker in plain sight,
trigger balloons whose snowballs never reach a yeti, a boss flying into a wall, sets that are
not harder from easy to hard, a new danger nobody explains, a hint that overflows its window."""
import os
import sys
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "tools"))

from art.tilesets import CONTEXTS                   # noqa: E402
from levels import hint_window                      # noqa: E402
from levels.grids import parse                      # noqa: E402
from levels.make_levels import load                 # noqa: E402
from levels.model import SETS                       # noqa: E402
from levels.order import LEVEL_ORDER                # noqa: E402
from levels.scoring import placed                   # noqa: E402
from levels.sprites import first_frame              # noqa: E402

WINTER = ["l1b", "l2b", "l3b", "l4b", "l5b", "l6b", "l7b", "l8b", "l9b", "l10b"]
FIRST_WINTER_INDEX = 10           # from here on the dispenser sends winter animals
# Winter things a player meets for the first time and should be told about.
NEEDS_INTRODUCTION = ["WINTERCLOVEK1", "YETI", "RAMPOUCH1", "VYKUK", "WINTERBALON", "WINTERKANON2",
                      "CLOVEK6", "YETILEZICI", "RAMBO", "TRIGGERBALON", "HYETILEFT", "BOSS2"]
HINT_LINES, HINT_WIDTH = 6, 365   # the text area of the hint window, from x = 195
BOSS_AREA = (0, 0, 640, 390)      # where the flying boss patrols and dives


def solid_cells(level):
    """(column, row) of every solid cell of the colliding layers 0 and 1."""
    solid = {t.id for t in CONTEXTS[level.context] if t.solid}
    return {(column, row) for grid in level.layers[:2]
            for tile_id, column, row in parse(grid, level.legend, level.context, level.name)
            if tile_id in solid}


def box(name, x, y):
    f = first_frame(name)
    return x + f.bx, y + f.by, f.bw, f.bh


def overlap(a, b):
    ax, ay, aw, ah = a
    bx, by, bw, bh = b
    return ax <= bx + bw - 1 and bx <= ax + aw - 1 and ay <= by + bh - 1 and by <= ay + ah - 1


def yeti_hit_by_falling_snowball(start_x, start_y, velocity_x, yeti):
    """Follows a trigger balloon's falling snowball (no wind) until it leaves the screen, and
    says whether it touches the yeti's box on the way."""
    x, y, speed_y = float(start_x), float(start_y), 1.0
    while 0 <= x <= 640 and y <= 480:
        if overlap(box("FALLINGWINTERKOULE", int(x), int(y)), yeti):
            return True
        y += speed_y
        x += velocity_x
        if speed_y < 3:
            speed_y += 0.03
    return False


class WinterLevels(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.levels = {name: load(name) for name in WINTER}

    def every_set(self):
        for name, level in self.levels.items():
            for level_set in SETS:
                yield name, level, level_set

    def test_winter_levels_come_after_the_summer_ones_with_the_winter_bird(self):
        for name, level, level_set in self.every_set():
            with self.subTest(level=name, set=level_set):
                self.assertGreaterEqual(LEVEL_ORDER.index(name), FIRST_WINTER_INDEX)
                names = placed(level, level_set)
                self.assertEqual(names.count("WINTERPLAYER"), 1)
                self.assertNotIn("PLAYER", names)
                self.assertEqual(level.context, "winter")

    def test_music_is_winter_or_the_fight_on_the_boss_levels(self):
        for name, level in self.levels.items():
            with self.subTest(level=name):
                bosses = any(n in ("BOSS2", "HYETILEFT") for n in placed(level, "easy"))
                self.assertIn(level.music, ("ZIMA", "BOSS") if bosses else ("ZIMA",))

    def test_no_two_levels_share_a_background(self):
        backgrounds = [level.background for level in self.levels.values()]
        self.assertEqual(len(backgrounds), len(set(backgrounds)))


class Placement(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.levels = {name: load(name) for name in WINTER}

    def actors(self, names):
        for name, level in self.levels.items():
            for level_set in SETS:
                for a in level.actors + level.tuning(level_set).actors:
                    if a.name in names:
                        yield name, level, level_set, a

    def test_icicles_hang_right_under_a_solid_cell(self):
        for name, level, level_set, a in self.actors(("RAMPOUCH1", "RAMPOUCH2")):
            with self.subTest(level=name, set=level_set, x=a.x, y=a.y):
                self.assertEqual(a.y % 32, 0, "the icicle's top is not at the underside of a row")
                middle = a.x + first_frame(a.name).w // 2
                self.assertIn((middle // 32, a.y // 32 - 1), solid_cells(level))

    def test_people_walk_on_the_ground(self):
        walkers = ("WINTERCLOVEK1", "CLOVEK5", "CLOVEK6", "YETI")
        for name, level, level_set, a in self.actors(walkers):
            with self.subTest(level=name, set=level_set, walker=a.name, x=a.x):
                self.assertEqual(a.y + first_frame(a.name).h, 448)
                self.assertGreaterEqual(a.x, 60, "it would turn round at once")

    def test_peekers_hide_behind_a_snow_wall_in_front(self):
        for name, level, level_set, a in self.actors(("VYKUK",)):
            with self.subTest(level=name, set=level_set, x=a.x):
                front = set()
                for grid in level.layers[2:]:
                    front.update((c, r) for _, c, r in parse(grid, level.legend, level.context, name))
                f = first_frame(a.name)
                bottom_row = (a.y + f.h - 1) // 32
                columns = range(a.x // 32, (a.x + f.w - 1) // 32 + 1)
                self.assertTrue(all((c, bottom_row) in front for c in columns),
                                "the peeker's lower half is not covered by the front layer")

    def test_the_flying_boss_has_an_open_sky(self):
        for name, level, level_set, a in self.actors(("BOSS2",)):
            with self.subTest(level=name, set=level_set):
                self.assertLessEqual(a.x, 400)
                self.assertTrue(80 <= a.y <= 120)
                left, top, right, bottom = BOSS_AREA
                blocked = [(c, r) for c, r in solid_cells(level)
                           if c * 32 < right and r * 32 < bottom and (c + 1) * 32 > left and (r + 1) * 32 > top]
                self.assertEqual(blocked, [])

    def test_trigger_balloons_rise_where_their_snowballs_can_fell_each_edge_yeti(self):
        for name, level in self.levels.items():
            for level_set in SETS:
                t = level.tuning(level_set)
                yetis = [a for a in level.actors + t.actors if a.name in ("HYETILEFT", "HYETIRIGHT")]
                lanes = {(a.x, a.y) for a in level.actors + t.actors if a.name == "TRIGGERBALON"}
                lanes |= {(g.x, g.y) for g in level.generators + t.generators if "TRIGGERBALON" in g.entities}
                for yeti in yetis:
                    with self.subTest(level=name, set=level_set, yeti=yeti.name):
                        self.assertEqual(yeti.x <= 8, yeti.name == "HYETILEFT", "not at its edge")
                        self.assertEqual(yeti.x + first_frame(yeti.name).w >= 632, yeti.name == "HYETIRIGHT")
                        target = box(yeti.name, yeti.x, yeti.y)
                        # A dropping can meet the rising balloon anywhere between its start and
                        # the top of the screen; count the heights (every 10 px) that work.
                        heights = [y for x, start in lanes for y in range(start, 60, -10)
                                   if yeti_hit_by_falling_snowball(x, y + 50, -2, target)
                                   or yeti_hit_by_falling_snowball(x + 40, y + 50, 2, target)]
                        self.assertGreaterEqual(len(heights), 6, "a balloon must be hit at just the right moment")


class Difficulty(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.levels = {name: load(name) for name in WINTER}

    def hostile(self, level, level_set):
        """Everything on the level that throws, shoots, drips or falls on the bird."""
        harmless = {"WINTERPLAYER", "TREE4", "TREE5", "KRYSTAL1", "KRYSTAL2", "CAR1",
                    "WINTERDOG", "FOX", "PENGUIN"}
        return [n for n in placed(level, level_set) if n not in harmless]

    def test_each_set_asks_more_than_the_easier_one(self):
        for name, level in self.levels.items():
            with self.subTest(level=name):
                easy, medium, hard = (level.tuning(s) for s in SETS)
                self.assertLess(easy.score, medium.score)
                self.assertLess(medium.score, hard.score)
                self.assertLess(easy.max_wind, hard.max_wind)
                self.assertTrue(all(t.time for t in (easy, medium, hard)), "a level must end by time")

    def test_hard_sets_are_at_least_as_crowded(self):
        for name, level in self.levels.items():
            with self.subTest(level=name):
                counts = [len(self.hostile(level, s)) for s in SETS]
                self.assertEqual(counts, sorted(counts))
                self.assertLess(counts[0], counts[2], "hard must bring more than easy")

    def test_later_winter_levels_ask_more_than_the_first(self):
        first = self.levels["l1b"]
        for name, level in self.levels.items():
            for level_set in SETS:
                with self.subTest(level=name, set=level_set):
                    self.assertGreaterEqual(level.tuning(level_set).score, first.tuning(level_set).score)


class Hints(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.levels = {name: load(name) for name in LEVEL_ORDER}

    def test_every_winter_hint_fits_its_window(self):
        for name in WINTER:
            level = self.levels[name]
            if not level.hint:
                continue
            with self.subTest(level=name):
                self.assertTrue(level.hint.isascii())
                self.assertNotIn("\n", level.hint, "line ends are drawn as blanks: use |")
                shown = hint_window.lines(level.hint)
                self.assertLessEqual(len(shown), HINT_LINES)
                self.assertLessEqual(max(hint_window.text_width(line) for line in shown), HINT_WIDTH)

    def test_a_winter_level_that_brings_something_new_explains_it(self):
        seen = set()
        for name in LEVEL_ORDER:
            level = self.levels[name]
            names = set().union(*(placed(level, s) for s in SETS))
            new = [n for n in NEEDS_INTRODUCTION if n in names and n not in seen]
            seen |= names
            if name in WINTER and new:
                with self.subTest(level=name, new=new):
                    self.assertTrue(level.hint)


class HintWindow(unittest.TestCase):
    def test_lines_break_at_bars_and_after_the_wrap_width(self):
        self.assertEqual(hint_window.lines("a|b"), ["a", "b"])
        long = " ".join(["slovo"] * 40)
        shown = hint_window.lines(long)
        self.assertGreater(len(shown), 1)
        for line in shown[:-1]:
            self.assertGreater(hint_window.text_width(line.rstrip()), hint_window.WRAP_WIDTH - 60)
        self.assertEqual("".join(shown), long)

    def test_a_space_is_as_wide_as_an_exclamation_mark(self):
        self.assertEqual(hint_window.text_width(" "), hint_window.text_width("!"))
        self.assertGreater(hint_window.text_width("WW"), hint_window.text_width("ii"))


if __name__ == "__main__":
    unittest.main()
