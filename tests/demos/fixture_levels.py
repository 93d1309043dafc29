"""The levels the regression demos in fixtures/ are played on: three small levels for each family
of behaviours, each showing its family's entities at work, written with the level tools into a
runtime root of their own (the game's images, sounds and fonts, and these levels as the level
list of every set)."""
import os
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "tools"))

from levels import writer                                  # noqa: E402
from levels.model import Actor, Level, Tuning, hanging, on_ground, SETS   # noqa: E402

GAME_DIR = ROOT / "game"

EMPTY = "...................."
GROUND = "===================="
LEDGE = "...[----------]....."


def layers(*rows_from_top):
    """One layer of 15 rows: the given rows at the bottom (or top, for rows starting with '^')."""
    top = [row[1:] for row in rows_from_top if row.startswith("^")]
    bottom = [row for row in rows_from_top if not row.startswith("^")]
    return "\n".join(top + [EMPTY] * (15 - len(top) - len(bottom)) + bottom)


LEGEND = {"=": "ground_top", "[": "ledge_left", "-": "ledge", "]": "ledge_right"}
OPEN_FIELD = [layers(GROUND)]
UNDER_LEDGE = [layers("^" + EMPTY, "^" + EMPTY, "^" + LEDGE, GROUND)]
LEDGE_UNDERSIDE = 3 * 32


def level(name, context, background, actors, score=0, time=20000, max_wind=30):
    tuning = Tuning(score=score, time=time, max_wind=max_wind)
    return Level(name=name, title=name, context=context, music="", background=background,
                 layers=UNDER_LEDGE if any(a.name.startswith("RAMPOUCH") for a in actors) else OPEN_FIELD,
                 legend=LEGEND, actors=actors, generators=[], sets={s: tuning for s in SETS})


FAMILIES = {
    "bird": [
        level("f_bird_icicles", "winter", "bg_snowfield", [
            Actor("WINTERPLAYER", 300, 200),
            hanging("RAMPOUCH1", 160, LEDGE_UNDERSIDE), hanging("RAMPOUCH1", 290, LEDGE_UNDERSIDE),
            hanging("RAMPOUCH2", 380, LEDGE_UNDERSIDE), hanging("RAMPOUCH1", 420, LEDGE_UNDERSIDE),
        ]),
        level("f_bird_balls", "summer", "bg_meadow", [
            Actor("PLAYER", 300, 120),
            Actor("KOULE", 90, -60), Actor("KOULE", 240, -200), Actor("KOULE", 380, -340),
            Actor("KOULE", 520, -480), Actor("APPLE", 200, -100), Actor("APPLE", 450, -700),
        ]),
        level("f_bird_snowfall", "winter", "bg_frozen_lake", [
            Actor("WINTERPLAYER", 300, 120),
            Actor("FALLINGWINTERKOULE", 150, -100), Actor("FALLINGWINTERKOULE", 330, -400),
            Actor("MEGASNOWBALL", 480, -250), Actor("SPOT", 560, 200),
        ]),
    ],
    "people": [
        level("f_people_villagers", "summer", "bg_fields", [
            Actor("PLAYER", 300, 120),
            on_ground("CLOVEK1", 80), on_ground("CLOVEK1", 420), on_ground("CLOVEK2", 250),
            on_ground("CLOVEK3", 520),
        ], score=600),
        level("f_people_parachutes", "summer", "bg_orchard", [
            Actor("PLAYER", 300, 120),
            on_ground("CLOVEK4", 120), on_ground("CLOVEK6", 460),
            Actor("PADAKBOBKY", 360, 40), Actor("PADAKSTIT", 200, -60), Actor("PADAKZIVOT", 420, -160),
            Actor("PADAKSPEED", 260, -260), Actor("PADAKGOODTIME", 320, -400),
        ], score=300),
        level("f_people_winter", "winter", "bg_winter_town", [
            Actor("WINTERPLAYER", 300, 120),
            on_ground("WINTERCLOVEK1", 100), on_ground("CLOVEK5", 400), on_ground("YETI", 250),
        ], score=450),
    ],
    "bosses": [
        level("f_boss_giant", "castle", "bg_castle_hill", [
            Actor("PLAYER", 300, 100), on_ground("BOSS1", 200),
        ], score=1000),
        level("f_boss_flyer", "winter", "bg_storm", [
            Actor("WINTERPLAYER", 300, 300), Actor("BOSS2", 100, 40),
        ], time=45000),
        level("f_boss_edge_yeti", "winter", "bg_glacier", [
            Actor("WINTERPLAYER", 300, 120), on_ground("HYETILEFT", 0), on_ground("HYETIRIGHT", 552),
            Actor("TRIGGERBALON", 60, 60),
        ]),
    ],
    "machines": [
        level("f_machines_cannons", "summer", "bg_fields", [
            Actor("PLAYER", 300, 100),
            on_ground("KANON", 150), on_ground("KANON2", 450), on_ground("KATAPULT1", 300),
            on_ground("CLOVEK1", 200),
        ]),
        level("f_machines_aircraft", "summer", "bg_cloud_sea", [
            Actor("PLAYER", 300, 250),
            Actor("PLANE", -100, 30), Actor("ROGALO", -300, 150), on_ground("BALON", 420),
        ]),
        level("f_machines_winter", "winter", "bg_frozen_village", [
            Actor("WINTERPLAYER", 300, 100),
            on_ground("WINTERBALON", 100), on_ground("WINTERKANON2", 480), on_ground("KATAPULT2", 260),
            on_ground("WINTERCLOVEK1", 360),
        ]),
    ],
    "critters": [
        level("f_critters_nest", "summer", "bg_meadow", [
            Actor("PLAYER", 300, 120),
            on_ground("NEST", 470), Actor("SUP", 40, 60), Actor("BIRDGENERATOR", -20, 80),
        ]),
        level("f_critters_desert", "desert", "bg_dunes", [
            Actor("PLAYER", 300, 120),
            on_ground("SKORPION", 120), on_ground("VELBLOUD", 400), Actor("GOLDENSUP", 560, 60),
            on_ground("EGGRUNNER", -60),
        ]),
        level("f_critters_winter", "winter", "bg_ice_caves", [
            Actor("WINTERPLAYER", 300, 120),
            on_ground("VYKUK", 140), on_ground("RAMBO", 500), on_ground("YETILEZICI", 250),
        ]),
    ],
    "rescue": [
        level("f_rescue_one", "desert", "bg_canyon", [
            on_ground("NOSIC", 300), on_ground("KOTEL", 40), Actor("BIRDGENERATOR2", -20, 120),
        ]),
        level("f_rescue_fire", "desert", "bg_volcano", [
            on_ground("NOSIC", 100), on_ground("KOTEL", 560), on_ground("PLAMEN", 300),
            Actor("BIRDGENERATOR2", -20, 80), Actor("BIRDGENERATOR2", -20, 180),
        ]),
        level("f_rescue_meadow", "summer", "bg_meadow", [
            on_ground("NOSIC", 500), on_ground("KOTEL", 300), Actor("BIRDGENERATOR2", -20, 100),
        ]),
    ],
}

FIXTURE_LEVELS = [lvl for family in FAMILIES.values() for lvl in family]


def game_environment(root, home, headless=True):
    """The environment of a game that reads its data from root and keeps the player's files in
    the scratch folder home (no XDG values): the dummy audio driver and, headless, the dummy
    video driver."""
    environment = {k: v for k, v in os.environ.items() if k not in ("XDG_CONFIG_HOME", "XDG_DATA_HOME")}
    environment.update(ZEPO_DATA_DIR=str(root), HOME=str(home), SDL_AUDIODRIVER="dummy")
    if headless:
        environment["SDL_VIDEODRIVER"] = "dummy"
    return environment


def make_runtime_root(target, fixtures):
    """A data root for the game in target: the game's files linked and, with fixtures, data/maps
    holding the fixture levels instead of the game's own."""
    target = Path(target)
    target.mkdir(parents=True, exist_ok=True)
    for entry in os.listdir(GAME_DIR):
        if fixtures and entry == "data":
            continue
        os.symlink(GAME_DIR / entry, target / entry)
    if not fixtures:
        return target
    data = target / "data"
    for entry in os.listdir(GAME_DIR / "data"):
        if entry != "maps":
            (data).mkdir(exist_ok=True)
            os.symlink(GAME_DIR / "data" / entry, data / entry)
    maps = data / "maps"
    maps.mkdir()
    for tiles in (GAME_DIR / "data/maps").glob("tiles_*.xml"):
        os.symlink(tiles, maps / tiles.name)
    names = [lvl.name for lvl in FIXTURE_LEVELS]
    for level_set in SETS:
        (maps / level_set).mkdir()
        (maps / level_set / "levellist.xml").write_text(writer.level_list_xml(names))
        for lvl in FIXTURE_LEVELS:
            (maps / level_set / f"{lvl.name}_defs.xml").write_text(writer.defs_xml(lvl, level_set))
            (maps / level_set / f"{lvl.name}_map.xml").write_text(writer.map_xml(lvl))
            (maps / level_set / f"{lvl.name}_entities.xml").write_text(writer.entities_xml(lvl, level_set))
    return target
