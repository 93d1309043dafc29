"""Checks of the world's generators themselves: the patterns that make tiles join are really
periodic, pieces drawn whole fit the tiles around them, the sheet builder refuses a tile table
and a drawing module that disagree, and the HUD furniture of the backgrounds sits where the
game writes."""
import os
import sys
import types
import unittest
from unittest import mock

import numpy as np

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "tools"))

from art import palette as P, tiles, tilesets  # noqa: E402
from art.canvas import Canvas  # noqa: E402
from art.figures import hud  # noqa: E402
from art.model import render  # noqa: E402
from art.sprites import scenery_castles, scenery_desert, scenery_flowers, scenery_props  # noqa: E402
from art.sprites import scenery_trees, scenery_winter  # noqa: E402
from art.tiles import kit, summer, terrain  # noqa: E402
from test_art_world import HUD_FIELDS  # noqa: E402

SIZE = tilesets.SIZE


def pixels(canvas):
    return np.asarray(canvas.image()).astype(int)


class PeriodicPatternTest(unittest.TestCase):
    def test_waves_repeat_with_the_tile(self):
        for waves in (1, 2, 3):
            pts = dict(kit.wave(10, 2.5, waves, 0.3, -32, 64))
            f = kit.periodic(10, 2.5, waves, 0.3)
            for x, y in pts.items():
                self.assertAlmostEqual(f(x), y, places=6)
                self.assertAlmostEqual(f(x + SIZE), y, places=6)

    def test_masonry_repeats_every_tile_both_ways(self):
        for rows in (summer.BRICK_ROWS, [(16, [0]), (16, [16])], [(16, [0, 19]), (16, [9, 25])]):
            c = Canvas(2 * SIZE, 2 * SIZE, 4)
            terrain.courses(c, rows, P.BRICK, P.BRICK_SHADE, P.BRICK_LIGHT, P.MORTAR, size=(2 * SIZE, 2 * SIZE))
            img = pixels(c)
            np.testing.assert_array_equal(img[:, :SIZE], img[:, SIZE:])
            np.testing.assert_array_equal(img[:SIZE], img[SIZE:])


class PiecesFitTheirWallsTest(unittest.TestCase):
    """A piece drawn whole (gate, doors) stands in a wall of single tiles: its outer columns
    must continue the wall's pattern."""

    CASES = [("castle", "wall_back", ("gate_arch_left", "gate_left"), ("gate_arch_right", "gate_right")),
             ("winter", "log_wall", ("log_door_top", "log_door"), ("log_door_top", "log_door")),
             ("desert", "adobe_wall", ("adobe_door_top", "adobe_door"), ("adobe_door_top", "adobe_door"))]

    def test_outer_columns_continue_the_wall(self):
        for context, wall, left, right in self.CASES:
            pics = {k: np.asarray(v).astype(int) for k, v in tiles.pictures(context).items()}
            w = pics[wall]
            for name in left:
                with self.subTest(context=context, piece=name, side="left"):
                    step = np.abs(w[:, -1, :3] - pics[name][:, 0, :3]).mean()
                    self.assertLess(step, 25, "the piece does not join the wall on its left")
            for name in right:
                with self.subTest(context=context, piece=name, side="right"):
                    step = np.abs(pics[name][:, -1, :3] - w[:, 0, :3]).mean()
                    self.assertLess(step, 25, "the piece does not join the wall on its right")


class SheetBuilderTest(unittest.TestCase):
    def fake_module(self, names, pieces=()):
        def draw(c):
            c.fill(kit.whole(), P.EARTH)
        return types.SimpleNamespace(TILES={n: draw for n in names}, PIECES=list(pieces))

    def build_with(self, module, table):
        with mock.patch.dict(tilesets.CONTEXTS, {"test": table}), \
                mock.patch("importlib.import_module", return_value=module):
            return tiles.sheet("test")

    def test_a_tile_without_a_drawing_or_a_drawing_without_a_tile_is_refused(self):
        table = [tilesets.Tile("ground_top", 1, "surface"), tilesets.Tile("ground", 2, "fill")]
        with self.assertRaisesRegex(ValueError, r"not drawn \['ground'\]"):
            self.build_with(self.fake_module(["ground_top"]), table)
        with self.assertRaisesRegex(ValueError, r"not in the table \['extra'\]"):
            self.build_with(self.fake_module(["ground_top", "ground", "extra"]), table)

    def test_a_tile_drawn_twice_is_refused(self):
        table = [tilesets.Tile("a", 1, "fill"), tilesets.Tile("b", 2, "fill")]
        module = self.fake_module(["a"], [(1, 2, ["a", "b"], lambda c: None)])
        with self.assertRaisesRegex(ValueError, "drawn twice"):
            self.build_with(module, table)

    def test_pictures_land_in_number_order_on_the_grid(self):
        table = [tilesets.Tile(f"t{i}", i, "fill") for i in range(1, 11)]
        sheet = self.build_with(self.fake_module([t.name for t in table]), table)
        self.assertEqual(sheet.size, (tilesets.COLUMNS * SIZE, 2 * SIZE))
        alpha = np.asarray(sheet)[..., 3]
        self.assertTrue(np.all(alpha[:SIZE] == 255))
        self.assertTrue(np.all(alpha[SIZE:, :2 * SIZE] == 255))
        self.assertTrue(np.all(alpha[SIZE:, 2 * SIZE:] == 0), "cells after the last tile stay empty")

    def test_definitions_text_marks_solid_tiles_unwalkable(self):
        table = [tilesets.Tile("floor", 1, "surface"), tilesets.Tile("tuft", 9, "front")]
        with mock.patch.dict(tilesets.CONTEXTS, {"test": table}):
            text = tiles.tiledef_xml("test")
        self.assertIn('<tiledef src="data/gfx/tiles_test.png">', text)
        self.assertIn('<tileSprite name="tuft" x="0" y="32"/>', text)
        self.assertIn('<tile name="floor" id="1" walkable="0" special="0" tileSprite="floor"/>', text)
        self.assertIn('<tile name="tuft" id="9" walkable="1" special="0" tileSprite="tuft"/>', text)

    def test_unknown_tile_names_are_reported(self):
        with self.assertRaisesRegex(KeyError, "no tile 'lava' in the summer tiles"):
            tilesets.tile("summer", "lava")


class HudFurnitureTest(unittest.TestCase):
    def test_every_hud_field_lies_on_a_panel(self):
        for x0, y0, x1, y1 in HUD_FIELDS:
            on = [p for p in hud.PANELS if p[0] <= x0 and p[1] <= y0 and x1 <= p[2] and y1 <= p[3]]
            self.assertTrue(on, f"the HUD field at ({x0}, {y0}) has no panel behind it")

    def test_lives_icon_ends_left_of_the_lives_text(self):
        x, y, r = hud.LIVES_ICON
        self.assertLess(x + r + 2, 570)
        self.assertGreaterEqual(y - r, 14)
        self.assertLessEqual(y + r, 54)


class ScenerySpritesTest(unittest.TestCase):
    MODULES = (scenery_castles, scenery_desert, scenery_flowers, scenery_props, scenery_trees, scenery_winter)

    def test_only_the_stake_has_a_box_and_it_holds_the_stake(self):
        for module in self.MODULES:
            for sprite in module.SPRITES:
                for fs, frames in render(sprite):
                    for f in frames:
                        with self.subTest(sprite=sprite.name, frameset=fs.name):
                            if sprite.name != "KUL":
                                self.assertEqual(f.box, (0, 0, 0, 0))
                                continue
                            bx, by, bw, bh = f.box
                            alpha = np.asarray(f.image)[by:by + bh, bx:bx + bw, 3]
                            self.assertGreater(float((alpha >= 128).mean()), 0.8, "the box is mostly air")
                            self.assertLessEqual(by + bh, f.image.height - 1)

    def test_animated_scenery_keeps_still_where_it_stands(self):
        for sprite in (scenery_props.SPRITES[1], *scenery_winter.SPRITES):
            (fs, frames), = render(sprite)
            bottoms = {np.asarray(f.image)[-1, :, 3].tobytes() for f in frames}
            self.assertEqual(len(bottoms), 1, f"{sprite.name} slides on the ground while it plays")


if __name__ == "__main__":
    unittest.main()
