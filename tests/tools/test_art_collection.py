"""Checks of the committed sprite collection game/data/gfx/didudo_sprites.xml and its sheets
against the loader's format and the rules the game's code relies on."""
import os
import unittest
import xml.etree.ElementTree as ET

import numpy as np
from PIL import Image

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
GAME = os.path.join(ROOT, "game")
COLLECTION = os.path.join(GAME, "data", "gfx", "didudo_sprites.xml")
ATTRIBUTES = ("name", "x", "y", "w", "h", "delay", "bX", "bY", "bW", "bH")

# Framesets every sprite must have, the initial one first; "!" marks play-once framesets.
REQUIRED = [
    ("PLAYER WINTERPLAYER", "RIGHT LEFT FALL"),
    ("LITTLEBIRD APPLE BOBEK BONUS10 BONUS50 BONUS150 BONUS250 BONUS1000 NASOBITEL2 NASOBITEL3 "
     "NASOBITEL4 NASOBITEL5 NASOBITEL6 NASOBITEL7 NASOBITEL8 NASOBITEL9 NASOBITEL10 TREE1 TREE2 "
     "TREE3 FLOWER1 FLOWER2 FLOWERS1 FLOWERS2 NEST HRAD1 HRAD2 HRAD3 CAT DOG PIG WINTERDOG FOX "
     "PENGUIN BALON KUL KUL_CLOVEK1 KUL_CLOVEK2 KUL_CLOVEK3 EGG BONUSFANTASTIC BONUSGOOD "
     "BONUSGREAT BONUSNOWAY BONUSWOW BONUSEXCELLENT BONUSCHAMPION WINTERBALON TREE4 KRYSTAL1 "
     "KRYSTAL2 RAMPOUCH1 RAMPOUCH2 MSGANIMALS MSGFRIENDS MSGMINUSSPEED MSGMINUSTIME MSGPLUSAMMO "
     "MSGPLUSLIVES MSGPLUSSPEED MSGPLUSTIME TRIGGERBALOON KOTEL VODA PLAMEN RAMBO TREE5 DFLOWER1 "
     "DFLOWER2 DFLOWER3 DFLOWER4 KAKTUS1 KAKTUS2 SPIKE KOSTRA SIPKA TIPWINDOW INTRO1 INTRO2 "
     "INTRO3 SRDCE1 SRDCE2 SRDCE3", "FRAMESET1"),
    ("CLOVEK1 CLOVEK2 CLOVEK3 CLOVEK4 WINTERCLOVEK1 YETI CLOVEK5 CLOVEK6 VELBLOUD",
     "RIGHT LEFT THROW_LEFT! THROW_RIGHT! HIT_LEFT HIT_RIGHT ANGRY_LEFT ANGRY_RIGHT"),
    ("BOSS1", "RIGHT LEFT THROW_LEFT! THROW_RIGHT! HIT_LEFT HIT_RIGHT ANGRY_LEFT ANGRY_RIGHT DESTROYED"),
    ("KAMEN KAMEN2 SNOWBALL WINTERKOULE", "AKTIVNI FRAMESET1"),
    ("CATAPULT1", "IDLE FIRE! EMPTY"),
    ("CATAPULT2", "IDLE FRAMESET1!"),
    ("FLYINGBOY KOULE PLANE MEGASNOWBALL REDBALON DKOULE", "FRAMESET1 AKTIVNI"),
    ("PADAKBOBKY PADAKSTIT PADAKZIVOT PADAKGOODTIME PADAKBADTIME PADAKBAD PADAKSPEED PADAKSLOW "
     "PADAKSECRET PADAKLEVEL PADAKBOMB PADAKWING PADAKKING PADAKLAVINA", "FRAMESET1 EMPTY"),
    ("ROGALO", "FRAMESET1 AKTIVNI EMPTY"),
    ("KANON CEDULE1 CAR1", "FRAMESET"),
    ("KANON2 WINTERKANON2", "FRAMESET FRAMESET1 RELOAD"),
    ("YETILEZICI HYETI_LEFT HYETI_RIGHT", "FRAMESET1 BUCH!"),
    ("KAPKA", "AKTINI AKTIVNI FRAMESET1"),
    ("VYKUK", "INVISIBLE VYKOUKNUTI! HOD ZAKOUKNUTI!"),
    ("BOSS2", "FRAMESET1 AKTIVNI DESTROYED"),
    ("NOSIC", "RIGHT LEFT VYLIT_LEFT VYLIT_RIGHT ANGRY_LEFT ANGRY_RIGHT"),
    ("SKORPION", "RIGHT ANGRY_RIGHT"),
    ("SUP GOLDENSUP", "RIGHT LEFT ANGRY_LEFT ANGRY_RIGHT"),
    ("EGGRUNNER", "RIGHT"),
]
FRAMESETS = {s: f.split() for names, f in REQUIRED for s in names.split()}

PARACHUTES = [s for s in FRAMESETS if s.startswith("PADAK")]
LABELS = ([f"BONUS{n}" for n in (10, 50, 150, 250, 1000)] + [f"NASOBITEL{n}" for n in range(2, 11)]
          + [s for s in FRAMESETS if s.startswith("MSG")]
          + ["BONUS" + w for w in "GOOD GREAT FANTASTIC EXCELLENT NOWAY WOW CHAMPION".split()])
NO_BLACK = ["PLAYER", "WINTERPLAYER"] + LABELS
BOX_REQUIRED = ("PLAYER WINTERPLAYER EGG APPLE LITTLEBIRD BOBEK CLOVEK1 CLOVEK2 CLOVEK3 CLOVEK4 "
                "CLOVEK5 CLOVEK6 WINTERCLOVEK1 YETI VELBLOUD BOSS1 KANON2 WINTERKANON2 "
                "TRIGGERBALOON KUL KUL_CLOVEK1 KUL_CLOVEK2 KUL_CLOVEK3 SKORPION SUP GOLDENSUP NOSIC "
                "CAT DOG PIG WINTERDOG FOX PENGUIN EGGRUNNER NEST KAMEN KAMEN2 FLYINGBOY ROGALO "
                "KOULE PLANE SNOWBALL KAPKA WINTERKOULE BOSS2 MEGASNOWBALL REDBALON DKOULE "
                "CATAPULT1 HYETI_LEFT HYETI_RIGHT KOTEL VODA").split()
GROUND_WALKERS = "CLOVEK1 CLOVEK2 CLOVEK3 CLOVEK4 CLOVEK5 CLOVEK6 WINTERCLOVEK1 YETI VELBLOUD BOSS1 NOSIC".split()
ANIMALS = "CAT DOG PIG WINTERDOG FOX PENGUIN".split()


def load_collection(path=COLLECTION):
    """{sprite: {"src": str, "framesets": [(name, once, [frame dicts])]}} in file order."""
    root = ET.parse(path).getroot()
    if root.tag != "kolekce":
        raise AssertionError(f"root element is {root.tag}, not kolekce")
    sprites = {}
    for s in root.findall("sprite"):
        framesets = []
        for fs in s.findall("frameset"):
            once = fs.get("repeatAnimation", "1").strip() != "1"
            frames = []
            for fb in fs.findall("frameB"):
                missing = [a for a in ATTRIBUTES if a not in fb.attrib]
                if missing:
                    raise AssertionError(f"{s.get('name')}/{fs.get('name')}: frameB lacks {missing}")
                frame = {a: fb.get(a) if a == "name" else int(fb.get(a)) for a in ATTRIBUTES}
                frames.append(frame)
            framesets.append((fs.get("name"), once, frames))
        if s.get("name") in sprites:
            raise AssertionError(f"sprite {s.get('name')} described twice")
        sprites[s.get("name")] = {"src": s.get("src"), "framesets": framesets}
    return sprites


class CollectionTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.sprites = load_collection()
        cls.sheets = {}
        for name, s in cls.sprites.items():
            if s["src"] not in cls.sheets:
                cls.sheets[s["src"]] = Image.open(os.path.join(GAME, s["src"])).convert("RGBA")

    def frames(self, sprite, frameset=None):
        for fs, once, frames in self.sprites[sprite]["framesets"]:
            if frameset is None or fs == frameset:
                yield from ((fs, f) for f in frames)

    def pixels(self, sprite, frame):
        sheet = self.sheets[self.sprites[sprite]["src"]]
        return np.asarray(sheet.crop((frame["x"], frame["y"], frame["x"] + frame["w"],
                                      frame["y"] + frame["h"])))

    def test_every_sprite_is_known_and_has_its_framesets_in_order(self):
        for name, s in self.sprites.items():
            with self.subTest(sprite=name):
                self.assertIn(name, FRAMESETS, "not a sprite the game asks for (misspelt?)")
                have = [fs for fs, _, _ in s["framesets"]]
                want = [f.rstrip("!") for f in FRAMESETS[name]]
                self.assertEqual(have[0], want[0], "the initial frameset must come first")
                self.assertEqual(sorted(set(want) - set(have)), [], "missing framesets")
                self.assertEqual(len(have), len(set(have)), "duplicate frameset names")

    def test_play_once_framesets_are_exactly_the_required_ones(self):
        for name, s in self.sprites.items():
            once_wanted = {f.rstrip("!") for f in FRAMESETS.get(name, []) if f.endswith("!")}
            once_have = {fs for fs, once, _ in s["framesets"] if once}
            self.assertEqual(once_have, once_wanted, name)

    def test_frames_are_named_in_order_and_lie_inside_their_sheets(self):
        for name, s in self.sprites.items():
            sheet = self.sheets[s["src"]]
            self.assertTrue(s["src"].startswith("data/gfx/"), s["src"])
            for fs, _, frames in s["framesets"]:
                with self.subTest(sprite=name, frameset=fs):
                    self.assertGreaterEqual(len(frames), 1)
                    self.assertEqual([f["name"] for f in frames],
                                     [f"FRAME{i + 1}" for i in range(len(frames))])
                    self.assertEqual(len({(f["w"], f["h"]) for f in frames}), 1,
                                     "frames of one frameset differ in size: the sprite would jump")
                    for f in frames:
                        self.assertGreater(f["w"] * f["h"], 0)
                        self.assertLessEqual(f["x"] + f["w"], sheet.width)
                        self.assertLessEqual(f["y"] + f["h"], sheet.height)
                        self.assertGreater(f["delay"], 0)
                        if f["bW"] or f["bH"]:
                            self.assertLessEqual(f["bX"] + f["bW"], f["w"])
                            self.assertLessEqual(f["bY"] + f["bH"], f["h"])
                            self.assertGreater(f["bW"] * f["bH"], 0, "half-empty box")

    def test_sheets_use_the_cyan_key_and_never_show_it(self):
        for src, sheet in self.sheets.items():
            arr = np.asarray(sheet)
            cyan = np.all(arr[..., :3] == (0, 255, 255), axis=-1)
            clear = arr[..., 3] == 0
            self.assertTrue(np.all(cyan[clear]), f"{src}: transparent pixels must hold cyan")
            self.assertFalse(np.any(cyan & ~clear), f"{src}: a visible pixel is pure cyan")

    def test_bird_and_label_sprites_hold_no_pure_black(self):
        for name in NO_BLACK:
            if name not in self.sprites:
                continue
            for fs, f in self.frames(name):
                px = self.pixels(name, f)
                black = np.all(px[..., :3] == 0, axis=-1) & (px[..., 3] > 0)
                self.assertFalse(black.any(), f"{name}/{fs}: pure black turns transparent "
                                              "when drawn translucent or tinted")

    def test_boxes_that_the_behaviour_reads(self):
        def boxed(f):
            return f["bW"] > 0 and f["bH"] > 0

        for name in BOX_REQUIRED:
            if name in self.sprites:
                initial = self.sprites[name]["framesets"][0][0]
                for fs, f in self.frames(name, initial):
                    self.assertTrue(boxed(f), f"{name}/{fs} needs a collision box")
        for name in PARACHUTES:
            if name in self.sprites:
                for fs, f in self.frames(name, "FRAMESET1"):
                    self.assertTrue(boxed(f), f"{name}/FRAMESET1 needs a box")
                for fs, f in self.frames(name, "EMPTY"):
                    self.assertFalse(boxed(f) or f["bW"] or f["bH"],
                                     f"{name}/EMPTY must have no box, or the power-up repeats")
        for name in LABELS + ["HRAD3"]:
            if name in self.sprites:
                for fs, f in self.frames(name):
                    self.assertEqual((f["bW"], f["bH"]), (0, 0), f"{name} must have no box")

    def test_friendly_bird_does_not_catch_its_own_droppings(self):
        if "PLAYER" not in self.sprites or "BOBEK" not in self.sprites:
            self.skipTest("PLAYER or BOBEK not drawn yet")
        bobek_top = next(self.frames("BOBEK"))[1]["bY"]
        for fs, f in self.frames("PLAYER", "RIGHT"):
            self.assertLessEqual(f["bY"] + f["bH"], 25 + bobek_top)

    def test_ground_lines(self):
        for name in GROUND_WALKERS:
            if name in self.sprites:
                for fs, f in self.frames(name):
                    if f["bW"] or f["bH"]:
                        self.assertLessEqual(f["bY"] + f["bH"], f["h"] - 1,
                                             f"{name}/{fs}: box reaches the ground row")
        for name in ANIMALS:
            if name in self.sprites:
                for fs, f in self.frames(name):
                    self.assertEqual(f["h"], 33, f"{name} must be 33 px tall to run on y = 448")
                    self.assertLessEqual(f["bY"] + f["bH"], 32, name)
        if "VODA" in self.sprites:
            voda = next(self.frames("VODA"))[1]
            self.assertLessEqual(voda["bH"], 2, "water drops 5 px apart would remove each other")
            if "NOSIC" in self.sprites:
                for fs, f in self.frames("NOSIC"):
                    self.assertLessEqual(f["bY"] + f["bH"], 18 + voda["bY"], f"NOSIC/{fs}")
        if "FLYINGBOY" in self.sprites and "CATAPULT1" in self.sprites:
            catapult = next(self.frames("CATAPULT1", "EMPTY"))[1]
            for fs, f in self.frames("FLYINGBOY"):
                self.assertLessEqual(f["bY"] + f["bH"], 30 + catapult["bY"], f"FLYINGBOY/{fs}")

    def test_vykuk_hides_completely(self):
        if "VYKUK" not in self.sprites:
            self.skipTest("VYKUK not drawn yet")
        for fs, f in self.frames("VYKUK", "INVISIBLE"):
            self.assertFalse(np.any(self.pixels("VYKUK", f)[..., 3] > 0))



class ObjectRulesTest(unittest.TestCase):
    """What the code asks of the projectiles, machines, vehicles, balloons and the flying boss."""

    HAZARDS = ("KAMEN KAMEN2 FLYINGBOY ROGALO KOULE PLANE SNOWBALL KAPKA WINTERKOULE BOSS2 "
               "MEGASNOWBALL REDBALON DKOULE").split()
    GROUND = 448

    @classmethod
    def setUpClass(cls):
        cls.sprites = load_collection()
        cls.sheets = {}

    def need(self, *names):
        missing = [n for n in names if n not in self.sprites]
        if missing:
            self.skipTest(f"{', '.join(missing)} not drawn yet")

    def frameset(self, sprite, name):
        for fs, _, frames in self.sprites[sprite]["framesets"]:
            if fs == name:
                return frames
        self.fail(f"{sprite} has no frameset {name}")

    def alpha(self, sprite, frame):
        src = self.sprites[sprite]["src"]
        if src not in self.sheets:
            self.sheets[src] = np.asarray(Image.open(os.path.join(GAME, src)).convert("RGBA"))
        return self.sheets[src][frame["y"]:frame["y"] + frame["h"], frame["x"]:frame["x"] + frame["w"], 3]

    @staticmethod
    def box(f):
        return (f["bX"], f["bY"], f["bW"], f["bH"])

    def test_hazards_look_spent_without_moving_their_box(self):
        """The near-miss scorer flips every hazard between AKTIVNI and FRAMESET1 all the time."""
        for name in self.HAZARDS:
            if name not in self.sprites:
                continue
            with self.subTest(sprite=name):
                live, faded = self.frameset(name, "AKTIVNI"), self.frameset(name, "FRAMESET1")
                self.assertEqual({self.box(f) for f in live}, {self.box(f) for f in faded},
                                 "the box jumps when the look changes")
                self.assertEqual({(f["w"], f["h"]) for f in live}, {(f["w"], f["h"]) for f in faded})
                self.assertNotEqual((live[0]["x"], live[0]["y"]), (faded[0]["x"], faded[0]["y"]),
                                    "the spent look must differ from the live one")

    def test_hazard_centres_hold_still(self):
        """The near-miss scorer measures from the box centre every pass and scores as soon as the
        distance grows: a centre that jumps between frames would score a hazard still closing in."""
        for name in self.HAZARDS:
            if name not in self.sprites:
                continue
            centres = {(f["bX"] + f["bW"] // 2, f["bY"] + f["bH"] // 2)
                       for fs in ("AKTIVNI", "FRAMESET1") for f in self.frameset(name, fs)}
            self.assertEqual(len(centres), 1, f"{name}: box centres {sorted(centres)}")

    def test_hazard_boxes_are_mostly_body(self):
        """A hazard's box fells the bird: most of it must be something the player can see."""
        for name in self.HAZARDS:
            if name not in self.sprites:
                continue
            for fs, _, frames in self.sprites[name]["framesets"]:
                for f in frames:
                    body = self.alpha(name, f)[f["bY"]:f["bY"] + f["bH"], f["bX"]:f["bX"] + f["bW"]] >= 128
                    self.assertGreaterEqual(body.mean(), 0.5, f"{name}/{fs}: the box is mostly empty air")

    # Where the machines' projectiles appear: (spawner, frameset, spawned sprite, its usual size,
    # offset from the spawner's top-left).
    SPAWNS = [
        ("KANON", "FRAMESET", "KOULE", (12, 12), (10, 0)),
        ("KANON2", "FRAMESET1", "KAMEN", (10, 10), (10, -9)),
        ("KANON2", "FRAMESET1", "KOULE", (12, 12), (19, 0)),
        ("WINTERKANON2", "FRAMESET1", "WINTERKOULE", (14, 14), (10, -9)),
        ("WINTERKANON2", "FRAMESET1", "SNOWBALL", (10, 10), (19, 0)),
        ("CATAPULT1", "FIRE", "FLYINGBOY", (28, 30), (10, -30)),
        ("CATAPULT2", "FRAMESET1", "KAMEN2", (12, 12), (20, 0)),
        ("PLANE", "AKTIVNI", "EGG", (14, 16), (130, 50)),
        ("ROGALO", "AKTIVNI", "KOULE", (12, 12), (30, 50)),
        ("BALON", "FRAMESET1", "KAMEN", (10, 10), (15, 50)),
        ("WINTERBALON", "FRAMESET1", "SNOWBALL", (10, 10), (15, 50)),
        ("TRIGGERBALOON", "FRAMESET1", "SNOWBALL", (10, 10), (30, 10)),
        ("TRIGGERBALOON", "FRAMESET1", "WINTERKOULE", (14, 14), (0, 50)),
        ("TRIGGERBALOON", "FRAMESET1", "WINTERKOULE", (14, 14), (40, 50)),
        ("BOSS2", "AKTIVNI", "WINTERKOULE", (14, 14), (90, 135)),
        ("BOSS2", "AKTIVNI", "WINTERKOULE", (14, 14), (120, 135)),
        ("BOSS2", "AKTIVNI", "SNOWBALL", (10, 10), (105, 130)),
    ]

    def test_projectiles_appear_at_what_throws_them(self):
        """Each projectile appears within a few pixels of the part of its machine that lets it
        go (a muzzle, a bucket, a hand, a net), in at least one frame of the firing look."""
        for spawner, frameset, thing, size, (dx, dy) in self.SPAWNS:
            if spawner not in self.sprites:
                continue
            if thing in self.sprites:
                first = self.sprites[thing]["framesets"][0][2][0]
                size = (first["w"], first["h"])
            cx, cy = dx + size[0] / 2, dy + size[1] / 2
            nearest = min(np.hypot(xs + 0.5 - cx, ys + 0.5 - cy).min()
                          for ys, xs in (np.nonzero(self.alpha(spawner, f) >= 128)
                                         for f in self.frameset(spawner, frameset)))
            self.assertLessEqual(nearest, max(size) / 2 + 6,
                                 f"{spawner} lets {thing} go {nearest:.0f} px from anything drawn")

    def test_reloading_cannons_start_loaded(self):
        for name in ("KANON2", "WINTERKANON2"):
            if name in self.sprites:
                self.assertEqual(self.frameset(name, "FRAMESET"), self.frameset(name, "FRAMESET1"), name)

    def test_catapult_box_meets_the_flung_boy_and_the_walkers(self):
        self.need("CATAPULT1")
        boxes = {self.box(f) for fs, _, frames in self.sprites["CATAPULT1"]["framesets"] for f in frames}
        self.assertEqual(len(boxes), 1, "the box must not change while the boy is away")
        (bx, by, bw, bh), = boxes
        h = self.frameset("CATAPULT1", "IDLE")[0]["h"]
        column = (10, 11)
        if "FLYINGBOY" in self.sprites:
            boy = self.frameset("FLYINGBOY", "AKTIVNI")[0]
            column = (10 + boy["bX"], 10 + boy["bX"] + boy["bW"])
        self.assertLess(bx, column[1], "the boy falls back beside the catapult's box")
        self.assertGreater(bx + bw, column[0], "the boy falls back beside the catapult's box")
        top, bottom = self.GROUND - h + by, self.GROUND - h + by + bh
        for name in GROUND_WALKERS:
            if name not in self.sprites:
                continue
            for f in self.frameset(name, "RIGHT"):
                w_top = self.GROUND - f["h"] + f["bY"]
                self.assertTrue(w_top < bottom and w_top + f["bH"] > top,
                                f"{name} walks over the catapult without touching its box")

    def test_cauldron_reaches_the_carriers_box(self):
        self.need("KOTEL")
        for f in self.frameset("KOTEL", "FRAMESET1"):
            top = self.GROUND - f["h"] + f["bY"]
            bottom = top + f["bH"]
            if "NOSIC" not in self.sprites:
                self.assertLessEqual(top, 420)
                continue
            for fs in ("RIGHT", "LEFT"):
                for n in self.frameset("NOSIC", fs):
                    n_top = self.GROUND - n["h"] + n["bY"]
                    self.assertTrue(n_top < bottom and n_top + n["bH"] > top,
                                    f"NOSIC/{fs} cannot touch the cauldron to refill")

    def test_icicles_drip_from_their_tips(self):
        self.need("RAMPOUCH1", "RAMPOUCH2", "KAPKA")
        drop_w = self.frameset("KAPKA", "AKTINI")[0]["w"]
        for name, (dx, dy) in (("RAMPOUCH1", (2, 42)), ("RAMPOUCH2", (0, 25))):
            for f in self.frameset(name, "FRAMESET1"):
                ys, xs = np.nonzero(self.alpha(name, f) >= 128)
                tip_y = ys.max()
                tip_x = xs[ys == tip_y].mean()
                self.assertTrue(dx <= tip_x < dx + drop_w, f"{name}: the drop falls beside the tip")
                self.assertTrue(dy - 5 <= tip_y < dy, f"{name}: the drop appears away from the tip")

    def test_palette_names_are_defined_once(self):
        """A colour named twice silently repaints the other family's sprites."""
        import ast
        with open(os.path.join(ROOT, "tools", "art", "palette.py"), encoding="utf-8") as f:
            tree = ast.parse(f.read())
        names = [t.id for node in tree.body if isinstance(node, ast.Assign)
                 for t in node.targets if isinstance(t, ast.Name)]
        twice = sorted({n for n in names if names.count(n) > 1})
        self.assertEqual(twice, [], "colours defined twice in palette.py")


class CharacterRulesTest(unittest.TestCase):
    """What the code asks of the people, animals, critters and giants on the ground."""

    STANDING = GROUND_WALKERS + ANIMALS + "EGGRUNNER SKORPION HYETI_LEFT HYETI_RIGHT".split()
    # Play-once framesets the code waits for, and how long (ms) the whole animation should take.
    ONCE_MS = [("THROW_LEFT THROW_RIGHT", (300, 600)), ("BUCH", (600, 1000)),
               ("VYKOUKNUTI", (300, 700)), ("ZAKOUKNUTI", (250, 600))]
    ONCE_OWNERS = ("CLOVEK1 CLOVEK2 CLOVEK3 CLOVEK4 CLOVEK5 CLOVEK6 WINTERCLOVEK1 YETI VELBLOUD BOSS1 "
                   "HYETI_LEFT HYETI_RIGHT YETILEZICI VYKUK").split()
    # (thrower, frameset, thing, its usual size, where the game puts it: offset from the thrower's
    # top-left; "mid" stands for the thrower's centre x).
    SPAWNS = [
        ("KUL_CLOVEK1", "FRAMESET1", "KAMEN2", (12, 12), (20, 0)),
        ("KUL_CLOVEK2", "FRAMESET1", "KAMEN2", (12, 12), (20, 0)),
        ("KUL_CLOVEK3", "FRAMESET1", "KAMEN2", (12, 12), (20, 0)),
        ("VYKUK", "HOD", "SNOWBALL", (10, 10), (10, 0)),
        ("RAMBO", "FRAMESET1", "MEGASNOWBALL", (20, 20), (10, 20)),
        ("GOLDENSUP", "RIGHT", "KOULE", (12, 12), (30, 25)),
        ("NOSIC", "VYLIT_RIGHT", "VODA", (4, 6), ("mid+20", 18)),
        ("NOSIC", "VYLIT_LEFT", "VODA", (4, 6), ("mid", 18)),
    ]

    @classmethod
    def setUpClass(cls):
        cls.sprites = load_collection()
        cls.sheets = {}

    need = ObjectRulesTest.need
    frameset = ObjectRulesTest.frameset
    alpha = ObjectRulesTest.alpha

    def all_frames(self, name):
        return [(fs, f) for fs, _, frames in self.sprites[name]["framesets"] for f in frames]

    def test_ground_creatures_keep_one_frame_size(self):
        """The game keeps an entity's top-left corner when the frameset changes and turns walkers
        by the current frame's width: frames of another size would make the feet jump off the
        ground or the walker turn back and forth at the screen's edges."""
        for name in self.STANDING:
            if name in self.sprites:
                sizes = {(f["w"], f["h"]) for _, f in self.all_frames(name)}
                self.assertEqual(len(sizes), 1, f"{name} frames come in sizes {sorted(sizes)}")

    def test_ground_creatures_stand_on_the_bottom_edge(self):
        """They are placed at y = 448 - frame height: feet drawn higher would float in the air."""
        for name in self.STANDING:
            if name not in self.sprites:
                continue
            for fs, f in self.all_frames(name):
                rows = np.nonzero((self.alpha(name, f) >= 128).any(axis=1))[0]
                self.assertGreaterEqual(rows.max(), f["h"] - 2, f"{name}/{fs} floats above the ground")

    def test_runners_and_edge_yetis_stand_clear_of_the_ground(self):
        for name in ANIMALS + ["EGGRUNNER"]:
            if name in self.sprites:
                for fs, f in self.all_frames(name):
                    self.assertLessEqual(f["w"], 80, f"{name} starts at x = -80 and would show at once")
        if "EGGRUNNER" in self.sprites:
            for fs, f in self.all_frames("EGGRUNNER"):
                self.assertEqual(f["h"], 33, "EGGRUNNER runs on y = 448 like the animals")
                self.assertLessEqual(f["bY"] + f["bH"], 32, "EGGRUNNER's box touches the ground row")
        for name in ("HYETI_LEFT", "HYETI_RIGHT", "SKORPION"):
            if name in self.sprites:
                for fs, f in self.all_frames(name):
                    self.assertTrue(f["bW"] and f["bH"], f"{name}/{fs} needs a box")
                    self.assertLessEqual(f["bY"] + f["bH"], f["h"] - 1,
                                         f"{name}/{fs}: a box touching the ground removes it at once")

    def test_play_once_animations_take_as_long_as_the_game_expects(self):
        for names, (low, high) in self.ONCE_MS:
            for sprite in self.ONCE_OWNERS:
                if sprite not in self.sprites:
                    continue
                for fs, once, frames in self.sprites[sprite]["framesets"]:
                    if fs in names.split():
                        total = sum(f["delay"] for f in frames)
                        self.assertTrue(low <= total <= high, f"{sprite}/{fs} lasts {total} ms")

    def test_nest_takes_droppings_only_part_of_the_time(self):
        """The nest scores only while its first frame shows (chicks begging)."""
        self.need("NEST")
        frames = self.frameset("NEST", "FRAMESET1")
        self.assertGreaterEqual(len(frames), 2, "a one-frame nest scores all the time")
        self.assertFalse(np.array_equal(self.alpha("NEST", frames[0]) > 0, self.alpha("NEST", frames[1]) > 0)
                         and (frames[0]["x"], frames[0]["y"]) == (frames[1]["x"], frames[1]["y"]),
                         "the receptive frame must look different")
        share = frames[0]["delay"] / sum(f["delay"] for f in frames)
        self.assertTrue(0.3 <= share <= 0.8, f"the nest is receptive {share:.0%} of the time")

    def test_littlebird_box_is_compact(self):
        """LITTLEBIRD is solid: whatever touches its box has its move undone."""
        self.need("LITTLEBIRD")
        for fs, f in self.all_frames("LITTLEBIRD"):
            self.assertTrue(f["bW"] and f["bH"])
            self.assertLessEqual(f["bW"] * f["bH"], 0.5 * f["w"] * f["h"])

    def test_carrier_pours_in_front_of_himself_and_turns_on_the_spot(self):
        """His drops fall from (centre + 20, y + 18) facing right and (centre, y + 18) facing left:
        both points must lie ahead of him, and turning must not move his box."""
        self.need("NOSIC")
        heads = {}
        for fs, ahead in (("VYLIT_RIGHT", 20), ("VYLIT_LEFT", 0), ("RIGHT", None), ("LEFT", None)):
            f = self.frameset("NOSIC", fs)[0]
            heads[fs] = f["bX"] + f["bW"] / 2
            if ahead is not None:
                drop = f["w"] // 2 + ahead + 2
                self.assertEqual(drop > heads[fs], fs == "VYLIT_RIGHT", f"NOSIC/{fs} pours behind his back")
        self.assertLessEqual(abs(heads["RIGHT"] - heads["LEFT"]), 2, "NOSIC jumps when he turns")

    def test_projectiles_leave_from_the_thrower(self):
        """A thrown thing appears within a few pixels of the hand, muzzle, talons or spout that
        lets it go, in at least one frame of the throwing look."""
        for spawner, frameset, thing, size, (dx, dy) in self.SPAWNS:
            if spawner not in self.sprites:
                continue
            if thing in self.sprites:
                first = self.sprites[thing]["framesets"][0][2][0]
                size = (first["w"], first["h"])
            frames = self.frameset(spawner, frameset)
            if isinstance(dx, str):
                dx = frames[0]["w"] // 2 + (20 if dx.endswith("+20") else 0)
            cx, cy = dx + size[0] / 2, dy + size[1] / 2
            nearest = min(np.hypot(xs + 0.5 - cx, ys + 0.5 - cy).min()
                          for ys, xs in (np.nonzero(self.alpha(spawner, f) >= 128) for f in frames))
            self.assertLessEqual(nearest, max(size) / 2 + 6,
                                 f"{spawner}/{frameset} lets {thing} go {nearest:.0f} px from anything drawn")


if __name__ == "__main__":
    unittest.main()
