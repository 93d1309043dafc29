"""Checks of the level sets as a player meets them: every set holds the whole level order and
the credits backdrop, every entity of the game shows up in every set, the sets get harder from
easy to hard without asking for more than the targets pay, walkers have their whole lane,
crossing things come in from beyond the left edge, the credits backdrop keeps its resting bird
out of harm's way, hints fit their window, and the tuning notes agree with the sources."""
import dataclasses
import os
import sys
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "tools"))

from art.tilesets import CONTEXTS                   # noqa: E402
from levels import hint_window, tuning_table         # noqa: E402
from levels.catalogue import entities                # noqa: E402
from levels.grids import parse                       # noqa: E402
from levels.make_levels import load                  # noqa: E402
from levels.model import SETS, Actor, Generator, Level, Tuning, on_ground  # noqa: E402
from levels.order import BACKDROPS, LEVEL_ORDER      # noqa: E402
from levels.scoring import ceiling, placed           # noqa: E402
from levels.sprites import first_frame               # noqa: E402

SUMMER_HALF = LEVEL_ORDER[:10]
PASSWORD_LEVELS = ("l6", "l1b", "l8b")
WALKERS = ("CLOVEK1", "CLOVEK2", "CLOVEK3", "CLOVEK4", "CLOVEK5", "CLOVEK6", "WINTERCLOVEK1",
           "YETI", "VELBLOUD", "BOSS1", "NOSIC")
CROSSING = ("PLANE", "ROGALO", "SKORPION", "EGGRUNNER", "CAT", "DOG", "PIG", "WINTERDOG", "FOX",
            "PENGUIN", "DIDUDO", "BONUSDIDUDO")
# The most of its ceiling a summer-half level may ask for, by set: easy leaves room for
# mistakes, hard asks for a clean run.
SHARE_OF_CEILING = {"easy": 0.3, "medium": 0.45, "hard": 0.6}
HINT_LINES = 6


def levels():
    return [load(name) for name in LEVEL_ORDER]


def solid_cells(level):
    solid = {t.id for t in CONTEXTS[level.context] if t.solid}
    return {(column, row) for grid in level.layers[:2]
            for number, column, row in parse(grid, level.legend, level.context, level.name)
            if number in solid}


def lane_problems(level, level_set):
    """Walkers walk the whole width: the rows their box spans must be open from x 60 to 630."""
    solid = solid_cells(level)
    problems = []
    for actor in level.actors + level.tuning(level_set).actors:
        if actor.name not in WALKERS:
            continue
        frame = first_frame(actor.name)
        top, bottom = actor.y + frame.by, actor.y + frame.by + frame.bh
        rows = range(top // 32, bottom // 32 + 1)
        blocked = sorted((c, r) for (c, r) in solid if r in rows and 60 // 32 <= c <= 630 // 32)
        if blocked:
            problems.append(f"{level.name} {level_set}: {actor.name} at x {actor.x} meets solid {blocked}")
    return problems


def entry_problems(level, level_set):
    """Things that cross the screen left to right start beyond its left edge."""
    problems = []
    tuning = level.tuning(level_set)
    for g in level.generators + tuning.generators:
        for name in set(g.entities) & set(CROSSING):
            if g.x + first_frame(name).w > 0:
                problems.append(f"{level.name} {level_set}: {name} released at x {g.x} is on the screen")
    for actor in level.actors + tuning.actors:
        if actor.name.startswith("BIRDGENERATOR") and actor.x + first_frame(actor.name).w > 0:
            problems.append(f"{level.name} {level_set}: {actor.name} at x {actor.x} is on the screen")
    return problems


class SetsHoldTheWholeGame(unittest.TestCase):
    def test_every_level_and_the_backdrop_have_a_source(self):
        for name in LEVEL_ORDER + BACKDROPS:
            with self.subTest(level=name):
                self.assertEqual(load(name).name, name)

    def test_password_levels_are_in_the_order(self):
        for name in PASSWORD_LEVELS:
            self.assertIn(name, LEVEL_ORDER)

    def test_every_entity_appears_in_every_set(self):
        every = levels() + [load(name) for name in BACKDROPS]
        for level_set in SETS:
            seen = {name for level in every for name in placed(level, level_set)}
            with self.subTest(set=level_set):
                self.assertEqual(sorted(set(entities()) - seen), [])

    def test_the_list_of_names_is_read_from_the_catalogue(self):
        self.assertEqual(len(entities()), 136)


class Difficulty(unittest.TestCase):
    def test_no_set_asks_less_or_blows_weaker_than_the_easier_one(self):
        for level in levels():
            scores = [level.tuning(s).score for s in SETS]
            winds = [level.tuning(s).max_wind for s in SETS]
            with self.subTest(level=level.name):
                self.assertEqual(scores, sorted(scores))
                self.assertEqual(winds, sorted(winds))
                self.assertTrue(all(w >= 1 for w in winds))

    def test_no_level_asks_for_more_than_its_targets_pay(self):
        for level in levels():
            for level_set in SETS:
                with self.subTest(level=level.name, set=level_set):
                    self.assertLessEqual(level.tuning(level_set).score, ceiling(level, level_set))

    def test_summer_half_leaves_room_by_set(self):
        for level in map(load, SUMMER_HALF):
            for level_set, share in SHARE_OF_CEILING.items():
                with self.subTest(level=level.name, set=level_set):
                    self.assertLessEqual(level.tuning(level_set).score, share * ceiling(level, level_set))

    def test_the_ceiling_counts_droppings_crates_and_eggs(self):
        grid = "\n".join(["." * 20] * 14 + ["=" * 20])
        sky = Level("t", "t", "summer", "LETO", "bg_meadow", [grid], {"=": "ground_top"},
                    [Actor("PLAYER", 0, 0), on_ground("CLOVEK1", 100)], [],
                    {s: Tuning(100, 60000, 30) for s in SETS})
        self.assertEqual(ceiling(sky, "hard"), 8 * 250 + 12 * 150)
        sky.actors.append(Actor("PADAKBOBKY", 0, -500))
        self.assertEqual(ceiling(sky, "hard"), 8 * 250 + 32 * 150)
        sky.generators.append(Generator(-160, 80, 9000, 0, ["PLANE"]))
        self.assertEqual(ceiling(sky, "hard") - ceiling(sky, "easy"), (9 - 6) * 1000)


class Placement(unittest.TestCase):
    def test_walkers_have_their_whole_lane(self):
        problems = [p for level in levels() for s in SETS for p in lane_problems(level, s)]
        self.assertEqual(problems, [])

    def test_a_ledge_across_the_lane_is_found(self):
        rows = ["." * 20] * 11 + ["...SS...............", "." * 20, "." * 20, "=" * 20]
        level = Level("t", "t", "summer", "LETO", "bg_meadow", ["\n".join(rows)],
                      {"=": "ground_top", "S": "stone"}, [on_ground("BOSS1", 300)], [],
                      {s: Tuning(0, 1000, 30) for s in SETS})
        self.assertEqual(len(lane_problems(level, "easy")), 1)
        level.actors[0] = on_ground("CLOVEK1", 300)
        self.assertEqual(lane_problems(level, "easy"), [])

    def test_crossing_things_come_from_beyond_the_left_edge(self):
        problems = [p for level in levels() for s in SETS for p in entry_problems(level, s)]
        self.assertEqual(problems, [])

    def test_a_crossing_thing_released_on_the_screen_is_found(self):
        inside = Generator(10, 80, 9000, 0, ["PLANE"])
        level = dataclasses.replace(load("l4"), sets={s: Tuning(0, 1000, 30, generators=[inside])
                                                      for s in SETS})
        self.assertEqual(len(entry_problems(level, "hard")), 1)


class CreditsBackdrop(unittest.TestCase):
    def setUp(self):
        self.credits = load("credits")

    def test_no_clock_menu_music_no_hint(self):
        for level_set in SETS:
            self.assertEqual(self.credits.tuning(level_set).time, 0)
        self.assertEqual(self.credits.music, "MENU")
        self.assertIsNone(self.credits.hint)

    def test_the_resting_bird_is_far_from_everything_that_fells_it(self):
        bird = next(a for a in self.credits.actors if a.name == "PLAYER")
        for level_set in SETS:
            tuning = self.credits.tuning(level_set)
            spots = [(a.name, a.x) for a in self.credits.actors + tuning.actors]
            spots += [(n, g.x) for g in self.credits.generators + tuning.generators for n in g.entities]
            for name, x in spots:
                if entities()[name][3] in (3, 4):
                    with self.subTest(name=name, x=x):
                        self.assertGreater(abs(x - bird.x), 150)


class Hints(unittest.TestCase):
    def test_every_summer_half_level_has_a_hint_that_keeps_its_lines(self):
        for level in map(load, SUMMER_HALF):
            with self.subTest(level=level.name):
                self.assertTrue(level.hint)
                self.assertTrue(level.hint.isascii())
                self.assertNotIn("\n", level.hint)
                written = level.hint.split("|")
                self.assertLessEqual(len(written), HINT_LINES)
                self.assertEqual(hint_window.lines(level.hint), written,
                                 "a line the window breaks again: end its last word before 250 px")


class TuningNotes(unittest.TestCase):
    def test_the_notes_agree_with_the_sources(self):
        self.assertEqual(tuning_table.written(), tuning_table.markdown(),
                         "run tools/levels/tuning_table.py")

    def test_the_notes_list_every_level_of_every_set(self):
        notes = tuning_table.markdown()
        for level_set in SETS:
            section = notes.split(f"#### {level_set}\n")[1].split("#### ")[0]
            for name in LEVEL_ORDER:
                self.assertIn(f"| {name} |", section)


if __name__ == "__main__":
    unittest.main()
