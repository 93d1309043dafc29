"""The whole loop from a fresh start without option files or top-ten table, on an easy set cut
down to its first level with a 4 s clock, nothing required and no stone throwers: the studio's
logo, a key skips the story, "hraj", the level (its hint window closed with a key, the bird kept
high), "VYHRA!", the ending, a key, the name entry, the name in the menu's table, the difficulty
changed in "volby", "konec". Started again on the files it wrote, the game shows the same table
and the changed difficulty."""
import os
import re
import subprocess
import time

from e2elib import GAME_DIR, Game, fail
from screen_text import LARGE, SMALL, expect_text, font, right_aligned_x

NAME = "PTAK"


def short_set():
    """The easy set cut down to its first level, with a 4 s clock, nothing required and no stone
    throwers: nothing can bring the bird down while it keeps high."""
    files = {"data/maps/easy/levellist.xml": '<level name="l1"/>\n'}
    with open(os.path.join(GAME_DIR, "data/maps/easy/l1_defs.xml")) as f:
        defs = f.read()
    for attribute, value in (("score", 0), ("time", 4000)):
        defs = re.sub(r'\s%s="[^"]*"' % attribute, ' %s="%d"' % (attribute, value), defs)
    files["data/maps/easy/l1_defs.xml"] = defs
    with open(os.path.join(GAME_DIR, "data/maps/easy/l1_entities.xml")) as f:
        files["data/maps/easy/l1_entities.xml"] = re.sub(r'\s*<entity name="CLOVEK1"[^>]*/>', "", f.read())
    return files


def expect_table_and_difficulty(game, score, difficulty):
    large, small = font(LARGE).height, font(SMALL).height
    expect_text(game, LARGE, ">hraj", 70, 245)
    expect_text(game, SMALL, "1. " + NAME, 350, 240)
    shown = "{:,}".format(score)
    expect_text(game, SMALL, shown, right_aligned_x(SMALL, shown, 590), 240)
    game.key(*["Down"] * 2, delay_ms=150)
    expect_text(game, LARGE, ">volby", 70, 245 + 2 * large)
    game.key("Return")
    expect_text(game, SMALL, ">Obtiznost: " + difficulty, 70, 245)
    return small


with open(os.path.join(GAME_DIR, "data/maps/easy/levellist.xml")) as f:
    if not re.search(r'<level name="l1"', f.read()):
        fail("the easy set no longer starts with l1")

game = Game(files=short_set())
try:
    game.wait_window()
    expect_text(game, LARGE, " uvadi", 245, 430)
    game.key("space")
    expect_text(game, LARGE, ">hraj", 70, 245)
    game.key("Return")
    for _ in range(2):       # the hint window takes keys after its first second; a key
        time.sleep(1.2)      # after it has closed goes to the bird, which takes no notice
        game.key("Return")
    game.key_down("w")       # the bird keeps to the top
    expect_text(game, LARGE, "VYHRA!", 230, 210, timeout=20)
    game.key_up("w")
    expect_text(game, SMALL, "S velkou spokojenosti, hrdy a stastny zes", 100, 20, timeout=10)
    game.key("space")
    expect_text(game, LARGE, "vloz jmeno: ", 150, 210)
    game.type_text(NAME)
    expect_text(game, LARGE, "vloz jmeno: " + NAME, 150, 210)
    game.key("Return")

    with open(game.path("top10.bin"), "rb") as f:
        table = f.read()
    if len(table) != 4 + 56 or table[:4] != b"\x01\0\0\0" or table[4:4 + len(NAME) + 1] != NAME.encode() + b"\0":
        fail("top10.bin holds %r, expected one record of %s" % (table, NAME))
    score = int.from_bytes(table[56:60], "little")

    small = expect_table_and_difficulty(game, score, "spacek")
    game.key("Return")
    expect_text(game, SMALL, ">Obtiznost: sokolik", 70, 245)
    game.key("Escape")
    expect_text(game, LARGE, ">hraj", 70, 245)
    game.key(*["Down"] * 4, delay_ms=150)
    expect_text(game, LARGE, ">konec", 70, 245 + 4 * font(LARGE).height)
    game.key_down("Return")  # the game ends on the press; its window is gone before a release
    game.expect_exit()
    subprocess.run(["xdotool", "keyup", "Return"], check=True)
    written = {}
    for name in ("video.cfg", "top10.bin"):
        with open(game.path(name), "rb") as f:
            written[name] = f.read()
finally:
    game.cleanup()

again = Game(files=dict(short_set(), **written))
try:
    again.wait_window()
    again.key("space")
    expect_table_and_difficulty(again, score, "sokolik")
    again.close()
    again.expect_exit()
    print("fresh start, story skipped, level won with %d, ending, name %s entered; after a restart "
          "the table and the difficulty are still there" % (score, NAME))
finally:
    again.cleanup()
