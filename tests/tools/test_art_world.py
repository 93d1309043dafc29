"""Checks of the committed world: the tile definitions files against the loader's format and
their sheets, the tile table the level tools read, the level backgrounds, and the scenery
sprites' footing on the ground line."""
import os
import re
import sys
import unittest
import xml.etree.ElementTree as ET

import numpy as np
from PIL import Image

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
GAME = os.path.join(ROOT, "game")
sys.path.insert(0, os.path.join(ROOT, "tools"))

from art import backgrounds, tilesets  # noqa: E402
from test_art_collection import load_collection  # noqa: E402

TILE = 32
GROUND_ROW = ("ground_top", "ground_top_b", "ground_top_c")
SHARED = {"ground_top": 1, "ground": 2, "ground_top_b": 3, "ground_top_c": 4, "ledge_left": 5,
          "ledge": 6, "ledge_right": 7}
# Where the HUD writes (x0, y0, x1, y1): score, lives, clock, required score, droppings.
HUD_FIELDS = ((85, 18, 200, 50), (570, 18, 620, 50), (295, 24, 345, 56), (96, 58, 186, 79),
              (550, 58, 620, 79))
LIVES_ICON = (536, 20, 564, 48)
MIDDLE_BAND = (110, 105, 530, 265)          # level title, password, pause and verdict texts
SCENERY = ("TREE1 TREE2 TREE3 TREE4 TREE5 FLOWER1 FLOWER2 FLOWERS1 FLOWERS2 HRAD1 HRAD2 HRAD3 "
           "CEDULE1 CAR1 KUL KRYSTAL1 KRYSTAL2 DFLOWER1 DFLOWER2 DFLOWER3 DFLOWER4 KAKTUS1 "
           "KAKTUS2 KOSTRA").split()
PROPOSED_LEVELS = [f"l{i}" for i in range(1, 11)] + [f"l{i}b" for i in range(1, 11)]


def luminance(pixels):
    return pixels[..., :3].astype(float) @ [0.299, 0.587, 0.114]


def load_tiledef(path):
    """(src, {picture: (x, y)}, [tile attribute dicts]) as the game's loader reads them."""
    root = ET.parse(path).getroot()
    if root.tag != "tiledef":
        raise AssertionError(f"root element is {root.tag}, not tiledef")
    pictures = {}
    for ts in root.findall("tileSprite"):
        pictures[ts.get("name")] = (int(ts.get("x")), int(ts.get("y")))
    return root.get("src"), pictures, [t.attrib for t in root.findall("tile")]


class TileDefinitionsTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.files = {}
        for context in tilesets.CONTEXTS:
            path = os.path.join(GAME, "data", "maps", tilesets.tiledef_path(context))
            src, pictures, tiles = load_tiledef(path)
            sheet = Image.open(os.path.join(GAME, src)).convert("RGBA")
            cls.files[context] = (src, pictures, tiles, np.asarray(sheet))

    def picture(self, context, name):
        _, pictures, _, sheet = self.files[context]
        x, y = pictures[name]
        return sheet[y:y + TILE, x:x + TILE]

    def test_tiles_are_complete_numbered_in_range_and_point_at_pictures(self):
        for context, (src, pictures, tiles, sheet) in self.files.items():
            with self.subTest(context=context):
                self.assertEqual(src, tilesets.sheet_path(context))
                ids = [int(t["id"]) for t in tiles]
                self.assertEqual(len(ids), len(set(ids)), "a tile number is used twice")
                self.assertTrue(all(1 <= i <= 199 for i in ids), ids)
                for t in tiles:
                    self.assertEqual(sorted(t), ["id", "name", "special", "tileSprite", "walkable"])
                    self.assertEqual(t["special"], "0")
                    self.assertIn(t["walkable"], ("0", "1"))
                    self.assertIn(t["tileSprite"], pictures, f"{t['name']}: an invisible tile")

    def test_pictures_lie_on_the_grid_inside_the_sheet_and_show_something(self):
        for context, (_, pictures, _, sheet) in self.files.items():
            h, w = sheet.shape[:2]
            for name, (x, y) in pictures.items():
                with self.subTest(context=context, picture=name):
                    self.assertEqual((x % TILE, y % TILE), (0, 0))
                    self.assertLessEqual(x + TILE, w)
                    self.assertLessEqual(y + TILE, h)
                    self.assertGreater(int((self.picture(context, name)[..., 3] >= 128).sum()), 40,
                                       "the picture is (almost) empty")

    def test_sheets_use_the_cyan_key_and_never_show_it(self):
        for context, (_, _, _, sheet) in self.files.items():
            cyan = np.all(sheet[..., :3] == (0, 255, 255), axis=-1)
            clear = sheet[..., 3] == 0
            self.assertTrue(np.all(cyan[clear]), f"{context}: transparent pixels must hold cyan")
            self.assertFalse(np.any(cyan & ~clear), f"{context}: a visible pixel is pure cyan")

    def test_the_table_and_the_files_agree(self):
        for context, (_, _, tiles, _) in self.files.items():
            with self.subTest(context=context):
                in_file = {t["name"]: (int(t["id"]), t["walkable"]) for t in tiles}
                in_table = {t.name: (t.id, "0" if t.solid else "1") for t in tilesets.CONTEXTS[context]}
                self.assertEqual(in_file, in_table)
                self.assertEqual({n: tilesets.TILESETS[context][n] for n in SHARED}, SHARED)

    def test_ground_row_is_solid_and_covers_its_cell(self):
        for context in self.files:
            for name in GROUND_ROW + ("ground",):
                with self.subTest(context=context, tile=name):
                    self.assertTrue(tilesets.tile(context, name).solid)
                    alpha = self.picture(context, name)[..., 3]
                    self.assertTrue(np.all(alpha[12:] == 255), "the ground shows through")
                    tops = np.argmax(alpha >= 128, axis=0)
                    self.assertLessEqual(int(tops.max()), 8, "the surface sags below the cell's top")
                    if name != "ground":
                        self.assertLess(float((alpha[0] >= 128).mean()), 0.5,
                                        "the fill shows above the surface")

    def test_surfaces_show_their_top_near_the_cell_top(self):
        for context, tiles in tilesets.CONTEXTS.items():
            for t in tiles:
                if t.kind != "surface":
                    continue
                with self.subTest(context=context, tile=t.name):
                    alpha = self.picture(context, t.name)[..., 3] >= 128
                    near_top = alpha[:12].any(axis=0).mean()
                    self.assertGreaterEqual(near_top, 0.5, "one would stand on thin air")

    def test_repeating_tiles_join_without_seams(self):
        def seam(left, right):
            """The mean colour step across the joint of two tiles side by side (where both
            edges are opaque) and the mean step between neighbouring columns inside them."""
            a, b = left.astype(float), right.astype(float)
            both = (a[:, -1, 3] == 255) & (b[:, 0, 3] == 255)
            across = np.abs(a[both, -1, :3] - b[both, 0, :3]).mean()
            inside = np.mean([np.abs(np.diff(t[both][:, :, :3], axis=1)).mean() for t in (a, b)])
            return across, inside

        def upright(tile):
            return np.swapaxes(tile, 0, 1)

        for context in self.files:
            row = [self.picture(context, n) for n in GROUND_ROW]
            pairs = [(a, b) for a in row for b in row]
            pairs.append((self.picture(context, "ledge"),) * 2)
            fill = self.picture(context, "ground")
            pairs += [(upright(self.picture(context, "ground_top")), upright(fill)), (upright(fill), upright(fill))]
            for k, (left, right) in enumerate(pairs):
                with self.subTest(context=context, joint=k):
                    across, inside = seam(left, right)
                    self.assertLess(across, 2.0 * inside + 6, "a visible seam")


class BackgroundTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.images = {}
        for name, _, _ in backgrounds.BACKGROUNDS:
            img = Image.open(os.path.join(GAME, backgrounds.path(name)))
            cls.images[name] = (img, np.asarray(img.convert("RGBA")))

    def test_every_level_of_the_list_has_its_own_background(self):
        self.assertEqual(sorted(set(PROPOSED_LEVELS) - set(backgrounds.FOR_LEVEL)), [])
        for level, (path, context) in backgrounds.FOR_LEVEL.items():
            self.assertIn(context, tilesets.CONTEXTS, level)
        names = list(self.images)
        land = {n: self.images[n][1][200:448, :, :3].astype(int) for n in names}
        for i, a in enumerate(names):
            for b in names[i + 1:]:
                self.assertGreater(np.abs(land[a] - land[b]).mean(), 12, f"{a} and {b} look alike")

    def test_full_screen_opaque_and_free_of_the_colour_key(self):
        for name, (img, rgba) in self.images.items():
            with self.subTest(background=name):
                self.assertEqual(img.size, (640, 480))
                self.assertTrue(np.all(rgba[..., 3] == 255), "not fully opaque")
                cyan = np.all(rgba[..., :3] == (0, 255, 255), axis=-1)
                self.assertFalse(cyan.any(), "pure cyan would let the last frame show through")

    def test_hud_fields_are_calm_and_the_lives_icon_is_there(self):
        for name, (_, rgba) in self.images.items():
            if name == "credits":
                continue
            lum = luminance(rgba)
            for x0, y0, x1, y1 in HUD_FIELDS:
                with self.subTest(background=name, field=(x0, y0)):
                    self.assertLess(lum[y0:y1, x0:x1].std(), 10, "too busy behind the HUD")
            x0, y0, x1, y1 = LIVES_ICON
            self.assertGreater(lum[y0:y1, x0:x1].std(), 30, f"{name}: no lives icon left of the lives")

    def test_middle_band_lets_light_text_read(self):
        for name, (_, rgba) in self.images.items():
            x0, y0, x1, y1 = MIDDLE_BAND
            with self.subTest(background=name):
                self.assertLess(luminance(rgba[y0:y1, x0:x1]).mean(), 190)


class SceneryTest(unittest.TestCase):
    def test_scenery_stands_on_its_bottom_row(self):
        sprites = load_collection()
        for name in SCENERY:
            if name not in sprites:
                continue
            sheet = np.asarray(Image.open(os.path.join(GAME, sprites[name]["src"])).convert("RGBA"))
            for fs, _, frames in sprites[name]["framesets"]:
                for f in frames:
                    with self.subTest(sprite=name, frameset=fs, frame=f["name"]):
                        bottom = sheet[f["y"] + f["h"] - 1, f["x"]:f["x"] + f["w"], 3]
                        self.assertGreaterEqual(int((bottom >= 128).sum()), 3,
                                                "it would float above the ground line")
                        self.assertLessEqual(f["h"], 448 - 96, "it would reach into the HUD")


class PaletteTest(unittest.TestCase):
    def test_every_colour_name_is_given_once(self):
        with open(os.path.join(ROOT, "tools", "art", "palette.py"), encoding="utf-8") as f:
            names = re.findall(r"^([A-Z][A-Z0-9_]*) =", f.read(), re.M)
        twice = sorted({n for n in names if names.count(n) > 1})
        self.assertEqual(twice, [], "a later line silently recolours another family")


if __name__ == "__main__":
    unittest.main()
